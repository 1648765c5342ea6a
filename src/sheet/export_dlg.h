// The export dialog "エクスポート": whether the current page or every page
// is written, and whether a DXF file is the older R12; the file's type,
// chosen in the save dialog after it, says whether as SVG, DXF or PDF.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

enum class TExportPages { Current, All };

struct TExportChoice {
    TExportPages Pages = TExportPages::Current;
    bool DxfR12 = false; // DXF R12 instead of R2000
    friend bool operator==(const TExportChoice&, const TExportChoice&) = default;
};

// What the sheet window asks of the export dialog; sheet tests stand in for it.
class IExportDialog {
public:
    virtual ~IExportDialog() = default;
    // Shows the dialog with choice made; true when it is closed with OK,
    // choice then holding the user's.
    virtual bool Choose(TExportChoice& choice) = 0;
};

class TExportDlg : public QDialog, public IExportDialog {
    Q_OBJECT

public:
    explicit TExportDlg(QWidget* parent = nullptr);

    bool Choose(TExportChoice& choice) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();

    QRadioButton* CurrentPageRb = nullptr;
    QRadioButton* AllPagesRb = nullptr;
    QCheckBox* DxfR12Chk = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

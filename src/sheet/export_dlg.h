// The export dialog "エクスポート": whether the current page or every page
// is written; the file's type, chosen in the save dialog after it, says
// whether as SVG, DXF or PDF.
#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

enum class TExportPages { Current, All };

// What the sheet window asks of the export dialog; sheet tests stand in for it.
class IExportDialog {
public:
    virtual ~IExportDialog() = default;
    // Shows the dialog with pages chosen; true when it is closed with OK,
    // pages then holding the user's choice.
    virtual bool ChoosePages(TExportPages& pages) = 0;
};

class TExportDlg : public QDialog, public IExportDialog {
    Q_OBJECT

public:
    explicit TExportDlg(QWidget* parent = nullptr);

    bool ChoosePages(TExportPages& pages) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();

    QRadioButton* CurrentPageRb = nullptr;
    QRadioButton* AllPagesRb = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

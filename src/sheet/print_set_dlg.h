// The print settings dialog "印刷設定": the four page margins in millimetres,
// whether partner pages are printed after flange names, how fold lines and
// flange base lines look, how many sheets a page is printed on, the
// registration marks, and the button to the printer's setup dialog.
#pragma once

#include "drawing/print_layout.h"
#include "print_settings.h"

#include <QDialog>

#include <array>

class IPrinter;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// What the sheet window asks of the print settings dialog; sheet tests stand
// in for it.
class IPrintSetDialog {
public:
    virtual ~IPrintSetDialog() = default;
    virtual void LoadMargins(const TPageMargins& margins) = 0;
    // Shows the dialog and returns once it is closed: true when with OK.
    virtual bool ShowModal() = 0;
    // A field that does not hold a whole number counts as 0; nothing is
    // range-checked.
    virtual TPageMargins ReadMargins() const = 0;
    // "相手ページを印字": the partner's page printed after each flange name.
    virtual void LoadPartnerPages(bool print) = 0;
    virtual bool ReadPartnerPages() const = 0;
    // Fold line looks, the sheets of a page and the registration marks;
    // every field keeps to its range.
    virtual void LoadOptions(const TPrintOptions& options) = 0;
    virtual TPrintOptions ReadOptions() const = 0;
};

class TPrintSetDlg : public QDialog, public IPrintSetDialog {
    Q_OBJECT

public:
    // "プリンタ設定" opens the setup dialog of printer, which takes what the
    // user confirms there at once, whichever way this dialog is closed.
    explicit TPrintSetDlg(IPrinter& printer, QWidget* parent = nullptr);

    void LoadMargins(const TPageMargins& margins) override;
    bool ShowModal() override;
    TPageMargins ReadMargins() const override;
    void LoadPartnerPages(bool print) override;
    bool ReadPartnerPages() const override;
    void LoadOptions(const TPrintOptions& options) override;
    TPrintOptions ReadOptions() const override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    QGroupBox* createFoldLineGroup();
    QGroupBox* createSheetGroup();
    void Button1Click();

    IPrinter& Printer;

    QLineEdit* TYohakuEd = nullptr;
    QLineEdit* LYohakuEd = nullptr;
    QLineEdit* RYohakuEd = nullptr;
    QLineEdit* BYohakuEd = nullptr;
    QCheckBox* PartnerPageChk = nullptr;
    // Per fold kind, in the order of TFoldKind: its style and width.
    std::array<QComboBox*, 3> FoldStyleCbs{};
    std::array<QDoubleSpinBox*, 3> FoldWidthEds{};
    QSpinBox* TileColumnsEd = nullptr;
    QSpinBox* TileRowsEd = nullptr;
    QCheckBox* RegistrationChk = nullptr;
    QDoubleSpinBox* RegistrationDistanceEd = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* Button2 = nullptr;
};

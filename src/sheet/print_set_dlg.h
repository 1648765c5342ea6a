// The print settings dialog "印刷設定": the four page margins in millimetres,
// whether partner pages are printed after flange names, and the button to the
// printer's setup dialog.
#pragma once

#include "drawing/print_layout.h"

#include <QDialog>

class IPrinter;
class QCheckBox;
class QLineEdit;
class QPushButton;

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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void Button1Click();

    IPrinter& Printer;

    QLineEdit* TYohakuEd = nullptr;
    QLineEdit* LYohakuEd = nullptr;
    QLineEdit* RYohakuEd = nullptr;
    QLineEdit* BYohakuEd = nullptr;
    QCheckBox* PartnerPageChk = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* Button2 = nullptr;
};

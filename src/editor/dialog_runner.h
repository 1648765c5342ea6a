// How the shape editor shows its own dialogs modally, behind an interface so
// that tests fill them in and answer them without a modal loop.
#pragma once

class QDialog;

class IDialogRunner {
public:
    virtual ~IDialogRunner() = default;
    // Shows the dialog modally; true when it was closed with OK.
    virtual bool Run(QDialog& dialog) = 0;
};

// The program's runner: the dialog's own modal loop.
class TModalDialogRunner : public IDialogRunner {
public:
    bool Run(QDialog& dialog) override;
};

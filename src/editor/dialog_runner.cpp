// Showing the editor's dialogs in their own modal loop.
#include "dialog_runner.h"

#include <QDialog>

bool TModalDialogRunner::Run(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

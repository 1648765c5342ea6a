// The prompts of the program shown with Qt's message boxes, input dialog, file
// dialogs and font dialog.
#pragma once

#include "prompt.h"

#include <QMessageBox>

#include <QStringList>

class QWidget;

class TQtPrompt : public IPrompt {
public:
    // The dialogs are centred on and modal to parent (the active window when null).
    explicit TQtPrompt(QWidget* parent = nullptr);

    TPromptAnswer AskYesNoCancel(const QString& title, const QString& text) override;
    TPromptAnswer AskYesNo(const QString& title, const QString& text) override;
    TPromptAnswer AskOkCancel(const QString& title, const QString& text) override;
    void ShowError(const QString& title, const QString& text) override;
    void ShowWarning(const QString& title, const QString& text) override;
    void ShowInformation(const QString& title, const QString& text) override;
    bool AskReplaceFile(const QString& path) override;

    bool InputText(const QString& caption, const QString& prompt, QString& text) override;

    QString OpenFileName(const QString& filter, const QString& defaultExtension) override;
    QString SaveFileName(const QString& filter, const QString& defaultExtension,
                         const QString& initialPath) override;

    bool ChooseFont(QFont& font) override;

private:
    void ShowMessage(QMessageBox::Icon icon, const QString& title, const QString& text);

    QWidget* FParent;
};

// "name (*.a)|*.a|name (*.*)|*.*" as Qt name filters, one per pair. The
// pattern list becomes Qt's ("*.a;*.b" gives "*.a *.b", and "*.*" matches
// every file, as it does in the filter's own convention).
QStringList QtNameFilters(const QString& filter);

// path with "." and the extension appended when its file name has none.
QString WithDefaultExtension(const QString& path, const QString& defaultExtension);

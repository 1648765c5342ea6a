// The prompt of a run from the command line: no window is shown. File
// dialogs answer with the paths the command names, messages go to the
// terminal (errors and warnings to standard error, information to standard
// output) and questions are answered no, as nobody is there to answer them.
#pragma once

#include "prompt.h"

#include <QStringList>

#include <cstdio>

class TCommandLinePrompt : public IPrompt {
public:
    // Messages are written to out and err.
    TCommandLinePrompt(std::FILE* out, std::FILE* err) : Out(out), Err(err) {}

    // The path the next open or save dialog answers with; a dialog without
    // one answers Cancel.
    void AnswerOpen(const QString& path) { OpenPaths << path; }
    void AnswerSave(const QString& path) { SavePaths << path; }

    // True once an error or a warning has been shown, or a question asked.
    bool Failed() const { return FFailed; }
    // Writes text as an error of the command itself.
    void Fail(const QString& text);

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
    void Write(std::FILE* stream, const QString& text);

    std::FILE* Out;
    std::FILE* Err;
    QStringList OpenPaths;
    QStringList SavePaths;
    bool FFailed = false;
};

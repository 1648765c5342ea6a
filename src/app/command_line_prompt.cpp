// Messages of a command-line run on the terminal, file dialogs answered with
// the command's paths.
#include "command_line_prompt.h"

namespace {

const QString QuestionText = QStringLiteral("%1 (確認できないため「いいえ」とします)");

} // namespace

void TCommandLinePrompt::Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = (text + u'\n').toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

void TCommandLinePrompt::Fail(const QString& text) {
    FFailed = true;
    Write(Err, text);
}

// A question the command did not foresee stops it: going on with the answer
// no person gave could lose work.
TPromptAnswer TCommandLinePrompt::AskYesNoCancel(const QString&, const QString& text) {
    Fail(QuestionText.arg(text));
    return TPromptAnswer::Cancel;
}

TPromptAnswer TCommandLinePrompt::AskYesNo(const QString&, const QString& text) {
    Fail(QuestionText.arg(text));
    return TPromptAnswer::No;
}

TPromptAnswer TCommandLinePrompt::AskOkCancel(const QString&, const QString& text) {
    Fail(QuestionText.arg(text));
    return TPromptAnswer::Cancel;
}

void TCommandLinePrompt::ShowError(const QString&, const QString& text) {
    Fail(text);
}

void TCommandLinePrompt::ShowWarning(const QString&, const QString& text) {
    Fail(text);
}

void TCommandLinePrompt::ShowInformation(const QString&, const QString& text) {
    Write(Out, text);
}

bool TCommandLinePrompt::AskReplaceFile(const QString& path) {
    Fail(QuestionText.arg(QStringLiteral("「%1」を置き換えますか？").arg(path)));
    return false;
}

bool TCommandLinePrompt::InputText(const QString&, const QString&, QString&) {
    return false;
}

QString TCommandLinePrompt::OpenFileName(const QString&, const QString&) {
    return OpenPaths.isEmpty() ? QString() : OpenPaths.takeFirst();
}

QString TCommandLinePrompt::SaveFileName(const QString&, const QString&, const QString&) {
    return SavePaths.isEmpty() ? QString() : SavePaths.takeFirst();
}

bool TCommandLinePrompt::ChooseFont(QFont&) {
    return false;
}

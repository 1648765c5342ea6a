// Message boxes with the program's own button captions, the input box, the
// file dialogs and the font dialog. Qt's own (not the desktop's) dialogs are
// used so that they are shown in the program's language like the rest of it.
#include "qt_prompt.h"

#include "ui_text.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include <utility>
#include <vector>

namespace {

// Looked up when a box is shown, after the translation is installed.
const char* const kYesCaption = QT_TRANSLATE_NOOP("TQtPrompt", "はい(&Y)");
const char* const kNoCaption = QT_TRANSLATE_NOOP("TQtPrompt", "いいえ(&N)");
const char* const kCancelCaption = QT_TRANSLATE_NOOP("TQtPrompt", "キャンセル");
const char* const kOkCaption = "OK";

QWidget* DialogParent(QWidget* parent) {
    return parent != nullptr ? parent : QApplication::activeWindow();
}

QPushButton* AddButton(QMessageBox& box, QMessageBox::StandardButton button, const char* caption) {
    QPushButton* added = box.addButton(button);
    added->setText(UiText("TQtPrompt", caption));
    return added;
}

// Shows the box; the answer is the one of the button clicked, and closing the
// box counts as its escape button.
TPromptAnswer Ask(QMessageBox& box,
                  const std::vector<std::pair<QPushButton*, TPromptAnswer>>& answers) {
    box.exec();
    for (const auto& [button, answer] : answers)
        if (box.clickedButton() == button)
            return answer;
    for (const auto& [button, answer] : answers)
        if (box.escapeButton() == button)
            return answer;
    return TPromptAnswer::Cancel;
}

QString QtPatterns(const QString& patterns) {
    QStringList result;
    for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        result << (trimmed == "*.*" ? QStringLiteral("*") : trimmed);
    }
    return result.join(u' ');
}

// Each Qt filter ends in its pattern list after the caller's description; Qt
// is told to hide that list, so the caller's descriptions show as they are.
void SetUpFileDialog(QFileDialog& dialog, const QString& filter, const QString& defaultExtension) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(QtNameFilters(filter));
    dialog.setDefaultSuffix(defaultExtension);
}

// A file type of one extension ("name (*.svg)") gives that extension to a
// name typed without one; other types ("*", "*.a *.b") give the caller's.
QString ExtensionOfType(const QString& type, const QString& defaultExtension) {
    static const QRegularExpression single(QStringLiteral("\\(\\*\\.([^ .*()]+)\\)$"));
    const QRegularExpressionMatch match = single.match(type);
    return match.hasMatch() ? match.captured(1) : defaultExtension;
}

QString ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}

} // namespace

TQtPrompt::TQtPrompt(QWidget* parent) : FParent(parent) {}

TPromptAnswer TQtPrompt::AskYesNoCancel(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::NoButton,
                    DialogParent(FParent));
    QPushButton* yes = AddButton(box, QMessageBox::Yes, kYesCaption);
    QPushButton* no = AddButton(box, QMessageBox::No, kNoCaption);
    QPushButton* cancel = AddButton(box, QMessageBox::Cancel, kCancelCaption);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    return Ask(
        box, {{yes, TPromptAnswer::Yes}, {no, TPromptAnswer::No}, {cancel, TPromptAnswer::Cancel}});
}

TPromptAnswer TQtPrompt::AskYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::NoButton,
                    DialogParent(FParent));
    QPushButton* yes = AddButton(box, QMessageBox::Yes, kYesCaption);
    QPushButton* no = AddButton(box, QMessageBox::No, kNoCaption);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    return Ask(box, {{yes, TPromptAnswer::Yes}, {no, TPromptAnswer::No}});
}

TPromptAnswer TQtPrompt::AskOkCancel(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::NoButton,
                    DialogParent(FParent));
    QPushButton* ok = AddButton(box, QMessageBox::Ok, kOkCaption);
    QPushButton* cancel = AddButton(box, QMessageBox::Cancel, kCancelCaption);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel);
    return Ask(box, {{ok, TPromptAnswer::Ok}, {cancel, TPromptAnswer::Cancel}});
}

void TQtPrompt::ShowError(const QString& title, const QString& text) {
    ShowMessage(QMessageBox::Critical, title, text);
}

void TQtPrompt::ShowWarning(const QString& title, const QString& text) {
    ShowMessage(QMessageBox::Warning, title, text);
}

void TQtPrompt::ShowInformation(const QString& title, const QString& text) {
    ShowMessage(QMessageBox::Information, title, text);
}

void TQtPrompt::ShowMessage(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::NoButton, DialogParent(FParent));
    QPushButton* ok = AddButton(box, QMessageBox::Ok, kOkCaption);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

// Qt's file dialog asks this itself, but only of the name as typed, before
// the default extension is added; the words are its own, in its translation.
bool TQtPrompt::AskReplaceFile(const QString& path) {
    QMessageBox box(QMessageBox::Warning, QFileDialog::tr("Save As"),
                    QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                        .arg(QFileInfo(path).fileName()),
                    QMessageBox::NoButton, DialogParent(FParent));
    QPushButton* yes = AddButton(box, QMessageBox::Yes, kYesCaption);
    QPushButton* no = AddButton(box, QMessageBox::No, kNoCaption);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    return Ask(box, {{yes, TPromptAnswer::Yes}, {no, TPromptAnswer::No}}) == TPromptAnswer::Yes;
}

bool TQtPrompt::InputText(const QString& caption, const QString& prompt, QString& text) {
    QInputDialog dialog(DialogParent(FParent));
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(text.left(InputBoxMaxLength));
    if (auto* field = dialog.findChild<QLineEdit*>())
        field->setMaxLength(InputBoxMaxLength);
    dialog.setOkButtonText(UiText("TQtPrompt", kOkCaption));
    dialog.setCancelButtonText(UiText("TQtPrompt", kCancelCaption));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = dialog.textValue();
    return true;
}

QString TQtPrompt::OpenFileName(const QString& filter, const QString& defaultExtension) {
    QFileDialog dialog(DialogParent(FParent));
    SetUpFileDialog(dialog, filter, defaultExtension);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ChosenFile(dialog);
}

QString TQtPrompt::SaveFileName(const QString& filter, const QString& defaultExtension,
                                const QString& initialPath) {
    QFileDialog dialog(DialogParent(FParent));
    SetUpFileDialog(dialog, filter, defaultExtension);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The dialog would add the caller's extension itself; the type chosen decides.
    dialog.setDefaultSuffix(QString());
    if (!initialPath.isEmpty())
        dialog.selectFile(initialPath);
    const QString chosen = ChosenFile(dialog);
    if (chosen.isEmpty())
        return chosen;
    return WithDefaultExtension(chosen,
                                ExtensionOfType(dialog.selectedNameFilter(), defaultExtension));
}

bool TQtPrompt::ChooseFont(QFont& font) {
    QFontDialog dialog(font, DialogParent(FParent));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.selectedFont();
    return true;
}

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + QtPatterns(parts[i + 1]) + ")";
    return filters;
}

QString WithDefaultExtension(const QString& path, const QString& defaultExtension) {
    if (defaultExtension.isEmpty() || QFileInfo(path).fileName().contains(u'.'))
        return path;
    return path + "." + defaultExtension;
}

// The sheet's document commands: the drawing read from and written to its
// file, the save-changes question, the caption and the recent-file list.
#include "sheet_files.h"

#include "atomic_file.h"
#include "crash_recovery.h"
#include "document/sheet_document.h"
#include "format/drawing_file.h"
#include "prompt.h"

#include "ui_text.h"

#include <QDir>
#include <QFileInfo>

#include <string_view>
#include <utility>

namespace {

constexpr std::string_view MainSection = "TMainFm";

const QString AppCaption = QStringLiteral("Zelvo");
QString DrawingFilter() {
    return UiText("TSheetFiles", "Zelvoデータファイル (*.zvt)|*.zvt|全てのファイル (*.*)|*.*");
}
const QString DrawingExtension = QStringLiteral("zvt");

QString SaveChangesText() {
    return UiText("TSheetFiles", "図面が変更されています。保存しますか？");
}
QString SaveFailedText() {
    return UiText("TSheetFiles", "ファイル「%1」を保存できませんでした。");
}
QString LoadFailedText() {
    return UiText("TSheetFiles", "ファイル「%1」を読み込めませんでした。");
}

// True when path names an existing file other than ownFile (which may be
// empty, or gone).
bool IsOtherExistingFile(const QString& path, const QString& ownFile) {
    const QFileInfo chosen(path);
    if (!chosen.exists())
        return false;
    const QString own = ownFile.isEmpty() ? QString() : QFileInfo(ownFile).canonicalFilePath();
    return own.isEmpty() || chosen.canonicalFilePath() != own;
}

} // namespace

TSheetFiles::TSheetFiles(IPrompt& prompt, TSheetDocument& document, TCrashRecovery& recovery)
    : Prompt(prompt), Document(document), Recovery(recovery) {}

QString TSheetFiles::Caption() const {
    if (FFileName.isEmpty())
        return AppCaption;
    return AppCaption + QStringLiteral(" - ") + QFileInfo(FFileName).completeBaseName();
}

void TSheetFiles::ReadSettings(const TIniFile& settings) {
    FRecentFiles.ReadFrom(settings, MainSection);
    emit FileNameChanged();
}

void TSheetFiles::WriteSettings(TIniFile& settings) const {
    FRecentFiles.WriteTo(settings, MainSection);
}

// No file is open any more, so the caption names none.
void TSheetFiles::Reset() {
    Document.Reset();
    ResetChangeTracking();
    FFileName.clear();
    emit FileNameChanged();
    emit DrawingReplaced();
}

// From here on the drawing counts as unchanged and nothing can be undone: it
// has been saved, opened or started anew, so no copy of it needs keeping.
void TSheetFiles::ResetChangeTracking() {
    Document.ClearHistory();
    Document.SetModified(false);
    Recovery.Forget();
}

bool TSheetFiles::ConfirmSaveChanges() {
    if (!Document.Modified())
        return true;
    switch (Prompt.AskYesNoCancel(InfoTitle(), SaveChangesText())) {
    case TPromptAnswer::Yes:
        return SaveDrawingAs();
    case TPromptAnswer::No:
        return true;
    default:
        return false;
    }
}

// Another file is replaced only when the user says so; No goes back to the
// dialog with the name chosen, as the dialog itself would.
bool TSheetFiles::SaveDrawingAs() {
    QString path = FFileName;
    for (;;) {
        path = Prompt.SaveFileName(DrawingFilter(), DrawingExtension, path);
        if (path.isEmpty())
            return false;
        if (!IsOtherExistingFile(path, FFileName) || Prompt.AskReplaceFile(path))
            return SaveDrawing(path);
    }
}

// The file is replaced only by a complete new one, and the drawing takes the
// file's name only once it has been written.
bool TSheetFiles::SaveDrawing(const QString& path) {
    std::string bytes;
    if (!DrawingToText(Document.Drawing(), bytes) || !WriteFileAtomically(path, bytes)) {
        Prompt.ShowError(ErrorTitle(), SaveFailedText().arg(QDir::toNativeSeparators(path)));
        return false;
    }
    SetCurrentFileName(path);
    return true;
}

// The caller has prepared the empty drawing; a failed read leaves it as it was.
bool TSheetFiles::LoadDrawing(const QString& path) {
    std::string bytes;
    TZvDat drawing = Document.Drawing();
    if (!ReadDrawingFileBytes(path, bytes) ||
        TextToDrawing(bytes, drawing) != TDrawingReadResult::Ok)
        return false;
    Document.SetDrawing(std::move(drawing));
    Document.ChangePage(0);
    emit DrawingReplaced();
    SetCurrentFileName(path);
    return true;
}

// The entries the load recorded are dropped with the rest of the history.
void TSheetFiles::OpenDrawingFile(const QString& path) {
    Reset();
    if (!LoadDrawing(path)) {
        Reset();
        Prompt.ShowError(ErrorTitle(), LoadFailedText().arg(QDir::toNativeSeparators(path)));
    }
    ResetChangeTracking();
}

void TSheetFiles::SetCurrentFileName(const QString& path) {
    FRecentFiles.Add(path);
    FFileName = path;
    emit FileNameChanged();
}

void TSheetFiles::New() {
    if (ConfirmSaveChanges())
        Reset();
}

void TSheetFiles::Open() {
    if (!ConfirmSaveChanges())
        return;
    const QString path = Prompt.OpenFileName(DrawingFilter(), DrawingExtension);
    if (!path.isEmpty())
        OpenDrawingFile(path);
}

void TSheetFiles::Save() {
    const bool saved = FFileName.isEmpty() ? SaveDrawingAs() : SaveDrawing(FFileName);
    if (saved)
        ResetChangeTracking();
}

void TSheetFiles::SaveAs() {
    if (SaveDrawingAs())
        ResetChangeTracking();
}

void TSheetFiles::OpenRecent(int tag) {
    if (tag < 1 || tag > FRecentFiles.Count() || !ConfirmSaveChanges())
        return;
    // A copy: opening the file reorders the list.
    const QString path = FRecentFiles.At(tag - 1);
    OpenDrawingFile(path);
}

// A drawing recovered a moment ago is not given up without the question.
void TSheetFiles::OpenStartFile(const QString& path) {
    if (ConfirmSaveChanges())
        OpenDrawingFile(path);
}

void TSheetFiles::Restore(TZvDat drawing) {
    Reset();
    Document.SetDrawing(std::move(drawing));
    Document.ChangePage(0);
    Document.ClearHistory();
    Document.SetModified(true);
    emit DrawingReplaced();
}

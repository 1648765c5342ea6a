// The sheet's document commands: the drawing read from and written to its
// file on the long-work runner, the questions before a file is replaced, the
// save-changes question, the caption and the recent-file list.
#include "sheet_files.h"

#include "atomic_file.h"
#include "crash_recovery.h"
#include "document/sheet_document.h"
#include "drawing_files.h"
#include "long_task.h"
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
QString LoadFailedText() {
    return UiText("TSheetFiles", "ファイル「%1」を読み込めませんでした。");
}
QString OpeningTitle() {
    return UiText("TSheetFiles", "ファイル「%1」を開いています...");
}
QString SavingTitle() {
    return UiText("TSheetFiles", "ファイル「%1」を保存しています...");
}

// The shape that holds what no drawing file can, counted from 1 as the page
// tabs and the flange check count.
QString UnwritableShapeText(const QString& path, const TDrawingWriteResult& writing) {
    const QString text = UiText("TSheetFiles", "ファイル「%1」を保存できませんでした。")
                             .arg(QDir::toNativeSeparators(path));
    if (writing.Shape < 0)
        return text +
               UiText("TSheetFiles", "ページが多すぎます（%1ページまで）。").arg(MaxPageCount);
    return text + UiText("TSheetFiles", "%1ページの%2番目の図形に、ファイルに書けない値があります"
                                        "（原点から10^15 mm以上離れた頂点など）。"
                                        "その図形を直してから保存してください。")
                      .arg(writing.Page + 1)
                      .arg(writing.Shape + 1);
}

TLongTaskEnd RunLong(ILongTask* task, const QString& title, const TLongWork& work) {
    TInlineLongTask here;
    return (task != nullptr ? *task : here).Run(title, work);
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

TSheetFiles::TSheetFiles(IPrompt& prompt, ILongTask* longTask, TSheetDocument& document,
                         TCrashRecovery& recovery)
    : Prompt(prompt), LongTask(longTask), Document(document), Recovery(recovery) {}

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
    FIdentity = TFileIdentity();
    Recovery.SetDrawingFile(FFileName);
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

// 上書き保存 replaces the file only as it was opened or last saved, unless the
// user agrees to lose what another program wrote there since.
bool TSheetFiles::SaveOverOwnFile() {
    const TFileChange change = FileChangeSince(FFileName, FIdentity);
    if (change != TFileChange::Unchanged &&
        Prompt.AskYesNo(InfoTitle(), FileChangedQuestion(FFileName, change)) != TPromptAnswer::Yes)
        return false;
    return SaveDrawing(FFileName);
}

// The file is replaced only by a complete new one (or written in place behind
// a copy where its folder allows no new file), and the drawing takes the
// file's name only once it has been written. A read-only file is replaced
// only when the user says so; a cancel leaves it as it was, without a word.
bool TSheetFiles::SaveDrawing(const QString& path) {
    TSaveOptions options;
    options.BackupFolder = DefaultBackupFolder();
    if (IsReadOnlyFile(path)) {
        if (Prompt.AskYesNo(InfoTitle(), ReadOnlyFileQuestion(path)) != TPromptAnswer::Yes)
            return false;
        options.ReplaceReadOnly = true;
    }
    TDrawingSaveResult saved;
    RunLong(LongTask, SavingTitle().arg(QFileInfo(path).fileName()),
            [&](const TProgressFn& progress) {
                saved = SaveDrawingFile(path, Document.Drawing(), options, progress);
                return saved.Ok();
            });
    if (saved.File.Failure == TSaveFailure::Cancelled)
        return false;
    if (!saved.Ok()) {
        Prompt.ShowError(ErrorTitle(), saved.Writing.End == TDrawingWriteEnd::Unwritable
                                           ? UnwritableShapeText(path, saved.Writing)
                                           : SaveFailureText(path, saved.File));
        return false;
    }
    FIdentity = saved.File.Identity;
    SetCurrentFileName(path);
    return true;
}

// The drawing is read aside: until it has been read whole, the drawing shown
// stays as it is.
TSheetFiles::TLoad TSheetFiles::LoadDrawing(const QString& path) {
    TZvDat drawing;
    TDrawingLoadResult read;
    RunLong(LongTask, OpeningTitle().arg(QFileInfo(path).fileName()),
            [&](const TProgressFn& progress) {
                read = ReadDrawingFile(path, drawing, progress);
                return read.Ok();
            });
    if (read.End == TDrawingLoadEnd::Cancelled)
        return TLoad::Cancelled;
    if (!read.Ok())
        return TLoad::Failed;
    Document.SetDrawing(std::move(drawing));
    Document.ChangePage(0);
    ResetChangeTracking();
    FIdentity = read.Identity;
    emit DrawingReplaced();
    SetCurrentFileName(path);
    return TLoad::Loaded;
}

// A file that cannot be read leaves the empty drawing, as no file is open.
void TSheetFiles::OpenDrawingFile(const QString& path) {
    if (LoadDrawing(path) != TLoad::Failed)
        return;
    Reset();
    Prompt.ShowError(ErrorTitle(), LoadFailedText().arg(QDir::toNativeSeparators(path)));
}

void TSheetFiles::SetCurrentFileName(const QString& path) {
    FRecentFiles.Add(path);
    FFileName = path;
    Recovery.SetDrawingFile(FFileName);
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
    const bool saved = FFileName.isEmpty() ? SaveDrawingAs() : SaveOverOwnFile();
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

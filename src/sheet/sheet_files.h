// The sheet's drawing file: New, Open, Save and Save As with the save-changes
// question that guards them, the file's name that the window's caption shows,
// and the recent-file list kept in the settings.
#pragma once

#include "file_identity.h"
#include "format/ini_file.h"
#include "geometry/polygon.h"
#include "recent_files.h"

#include <QObject>
#include <QString>

class ILongTask;
class IPrompt;
class TCrashRecovery;
class TSheetDocument;

class TSheetFiles : public QObject {
    Q_OBJECT

public:
    // longTask runs the reading and writing of the file with progress and a
    // cancel; none runs it where it is asked.
    TSheetFiles(IPrompt& prompt, ILongTask* longTask, TSheetDocument& document,
                TCrashRecovery& recovery);

    // Empty for a drawing never saved or opened.
    const QString& FileName() const { return FFileName; }
    // "Zelvo", or "Zelvo - " and the file's name without folder and extension.
    QString Caption() const;
    const TRecentFiles& RecentFiles() const { return FRecentFiles; }

    // The keys File1 ... File20 of section TMainFm.
    void ReadSettings(const TIniFile& settings);
    void WriteSettings(TIniFile& settings) const;

    // The empty one-page drawing, with no file and nothing to undo.
    void Reset();
    // True when the caller may discard the drawing: it is unchanged, or the
    // user saved it or chose to give the changes up.
    bool ConfirmSaveChanges();

    // The commands of the File menu; each asks first before it discards changes.
    // A cancelled open or save leaves the drawing and the files as they were.
    void New();
    void Open();
    void Save();
    void SaveAs();
    // Entry number tag (1 ... 20) of the recent-file list.
    void OpenRecent(int tag);
    // The drawing the program was started with, opened as a recent-file entry
    // opens one: a file that cannot be read is reported and leaves the empty
    // drawing.
    void OpenStartFile(const QString& path);
    // A drawing recovered after a crash: it has no file and counts as changed.
    void Restore(TZvDat drawing);

signals:
    // The drawing was replaced by another: the page tabs and the view follow,
    // and a gesture in progress is gone with the old drawing.
    void DrawingReplaced();
    // The file's name, and so the caption and the recent-file list, changed.
    void FileNameChanged();

private:
    enum class TLoad { Loaded, Failed, Cancelled };

    bool SaveDrawingAs();
    bool SaveOverOwnFile();
    bool SaveDrawing(const QString& path);
    TLoad LoadDrawing(const QString& path);
    void OpenDrawingFile(const QString& path);
    void ResetChangeTracking();
    void SetCurrentFileName(const QString& path);

    IPrompt& Prompt;
    ILongTask* LongTask;
    TSheetDocument& Document;
    TCrashRecovery& Recovery;
    QString FFileName;
    // What the file was when it was opened or last saved: 上書き保存 asks
    // before it replaces a file another program has changed since.
    TFileIdentity FIdentity;
    TRecentFiles FRecentFiles;
};

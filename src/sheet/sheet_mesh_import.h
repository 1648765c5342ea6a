// The sheet's import of a 3D model: the file chosen, read and asked about,
// then unfolded into pieces laid out on pages after the drawing's last one,
// as one undo step. Reading and unfolding run as long work that can be
// cancelled; a cancel or a failure changes nothing.
#pragma once

#include "document/unfolded_pages.h"

#include <QString>

#include <memory>

class ILongTask;
class IMeshImportDialog;
class IPageArea;
class IPrompt;
class QWidget;
class TMeshReader;
class TSheetDocument;

class TSheetMeshImport {
public:
    // Without a reader the files are read by the mesh import library; without
    // a runner the work runs on a worker thread with a progress dialog over
    // parent. The tab offered first is tab's width and angles; without a
    // dialog the command does nothing.
    TSheetMeshImport(IPrompt& prompt, TMeshReader* reader, ILongTask* task,
                     IMeshImportDialog* dialog, const IPageArea& pageArea, TSheetDocument& document,
                     const TFlange& tab, QWidget* parent);
    ~TSheetMeshImport();

    // Asks for the file and the options and brings the model in; true when
    // pieces were added to the drawing.
    bool Import();

private:
    bool Read(const QString& path, TMesh& mesh);
    void ShowSummary(const QString& path, const TUnfoldedPages& pages, int firstPage);

    IPrompt& Prompt;
    std::unique_ptr<TMeshReader> OwnReader;
    std::unique_ptr<ILongTask> OwnTask;
    TMeshReader& Reader;
    ILongTask& Task;
    IMeshImportDialog* Dialog;
    const IPageArea& PageArea;
    TSheetDocument& Document;
    // The values confirmed last, offered again; the size is each file's own.
    TMeshImportOptions Last;
};

// The sheet's output for cutting machines: the current page or every page
// with shapes exported as SVG, DXF or PDF, as the file's type says, as long
// work that can be cancelled without leaving a file behind.
#pragma once

#include "export_dlg.h"

#include <QString>

#include <vector>

class ILongTask;
class IPrinter;
class IPrompt;
class TPageSetup;
class TSheetDocument;
class TSheetFiles;

class TSheetExporter {
public:
    // Exports document as files names it, through longWork; without a
    // dialog the command does nothing.
    TSheetExporter(IPrompt& prompt, IPrinter& printer, TPageSetup& setup, IExportDialog* dialog,
                   ILongTask& longWork, const TSheetDocument& document, const TSheetFiles& files);

    // Asks which pages, whether to go on when shapes reach outside the
    // printable area, and the file, then writes them.
    void Export();

private:
    bool ExportPages(const std::vector<int>& pages, bool numbered, const QString& path);

    IPrompt& Prompt;
    IPrinter& Printer;
    TPageSetup& Setup;
    IExportDialog* Dialog;
    ILongTask& LongWork;
    const TSheetDocument& Document;
    const TSheetFiles& Files;
    // The dialog offers the choice made last.
    TExportChoice Choice;
};

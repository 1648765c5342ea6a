// The sheet's output for cutting machines: the current page or every page
// with shapes exported as SVG, DXF or PDF, as the file's type says.
#pragma once

#include "export_dlg.h"

#include <QString>

#include <vector>

class IPrinter;
class IPrompt;
class TPageSetup;
class TSheetDocument;
class TSheetFiles;

class TSheetExporter {
public:
    // Exports document as files names it; without a dialog the command does nothing.
    TSheetExporter(IPrompt& prompt, IPrinter& printer, TPageSetup& setup, IExportDialog* dialog,
                   const TSheetDocument& document, const TSheetFiles& files);

    // Asks which pages and the file, then writes them.
    void Export();

private:
    bool ExportPages(const std::vector<int>& pages, bool numbered, const QString& path);

    IPrompt& Prompt;
    IPrinter& Printer;
    TPageSetup& Setup;
    IExportDialog* Dialog;
    const TSheetDocument& Document;
    const TSheetFiles& Files;
    // The dialog offers the choice made last.
    TExportPages Choice = TExportPages::Current;
};

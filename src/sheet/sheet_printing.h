// The sheet's printing: the print font, the print settings with the printer's
// own setup, the current page or every page that has shapes printed at full
// size in one print job, and the print preview of the current page. Without
// a printer a job is one PDF file. Jobs run as long work that can be
// cancelled; a job that fails says so.
#pragma once

#include "long_task.h"

#include <QString>

#include <functional>
#include <vector>

class IPrintJob;
class IPrintSetDialog;
class IPrinter;
class IPrompt;
class TPageSetup;
class TSheetDocument;
class TSheetFiles;

class TSheetPrinting {
public:
    // Prints document as files names it, through longWork; without a dialog
    // the print settings command does nothing.
    TSheetPrinting(IPrompt& prompt, IPrinter& printer, TPageSetup& setup, IPrintSetDialog* dialog,
                   ILongTask& longWork, const TSheetDocument& document, const TSheetFiles& files);

    // The font dialog opens on the font prints use; closed with OK on that
    // same font, the stored font is kept as it was.
    void ChoosePrintFont();
    // True when the dialog was closed with OK: the page area may have changed.
    // Changes made through the printer's own setup stay with the printer
    // whichever way the dialog is closed.
    bool EditPrintSettings();
    // Each asks first, then whether to go on when shapes reach outside the
    // printable area; printing the current page asks nothing when it is
    // empty.
    void PrintCurrentPage();
    void PrintAllPages();
    void PreviewCurrentPage();

    // A printer that writes files needs one name per command; false when the
    // user gives none. The name offered is the caller's.
    bool AskFileName(QString& file, const QString& offered);
    // One print job named title, the stored printer settings applied, as long
    // work: paint draws its sheets, telling progress how far it got, and
    // returns false when progress answers false (cancelled) or the job
    // failed. A failure is reported; a cancelled job leaves nothing printed
    // and no file. True when the job was printed.
    bool RunJob(const QString& title, const QString& file,
                const std::function<bool(IPrintJob&, const TProgressFn&)>& paint);

private:
    bool PrintPages(const std::vector<int>& pages, const QString& file);

    IPrompt& Prompt;
    IPrinter& Printer;
    TPageSetup& Setup;
    IPrintSetDialog* Dialog;
    ILongTask& LongWork;
    const TSheetDocument& Document;
    const TSheetFiles& Files;
};

// The sheet's printing: the print font, the print settings with the printer's
// own setup, and the current page or every page that has shapes printed at
// full size, each page a print job of its own with its caption. Without a
// printer every job is a PDF file.
#pragma once

#include <QString>

#include <functional>

class IPrintSetDialog;
class IPrinter;
class IPrompt;
class QPainter;
class TPageSetup;
class TSheetDocument;
class TSheetFiles;

class TSheetPrinting {
public:
    // Prints document as files names it; without a dialog the print settings
    // command does nothing.
    TSheetPrinting(IPrompt& prompt, IPrinter& printer, TPageSetup& setup, IPrintSetDialog* dialog,
                   const TSheetDocument& document, const TSheetFiles& files);

    void ChoosePrintFont();
    // True when the dialog was closed with OK: the page area may have changed.
    // Changes made through the printer's own setup stay with the printer
    // whichever way the dialog is closed.
    bool EditPrintSettings();
    // Each asks first; printing the current page asks nothing when it is empty.
    void PrintCurrentPage();
    void PrintAllPages();

    // A printer that writes files needs one name per command; false when the
    // user gives none. The name offered is the caller's.
    bool AskFileName(QString& file, const QString& offered);
    // One print job: the stored printer settings applied, draw painting the
    // page in printer pixels; a failure is reported.
    bool RunJob(const QString& title, const QString& file,
                const std::function<void(QPainter&)>& draw);

private:
    bool PrintPage(int page, const QString& file);
    void DrawPage(QPainter& painter, int page, const QString& caption) const;

    IPrompt& Prompt;
    IPrinter& Printer;
    TPageSetup& Setup;
    IPrintSetDialog* Dialog;
    const TSheetDocument& Document;
    const TSheetFiles& Files;
};

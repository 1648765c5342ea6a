// Printing the sheet's pages at full size on the printer, or into a PDF file.
#include "sheet_printing.h"

#include "document/flange_partners.h"
#include "document/sheet_document.h"
#include "outside_warning.h"
#include "page_files.h"
#include "page_printer.h"
#include "page_setup.h"
#include "print_set_dlg.h"
#include "printer.h"
#include "prompt.h"
#include "sheet_files.h"

#include "ui_text.h"

#include <QDir>
#include <QFontInfo>

#include <memory>

namespace {

QString PrintPageText() {
    return UiText("TSheetPrinting", "現在表示中のページを印刷します。");
}
QString PrintAllText() {
    return UiText("TSheetPrinting", "全てのページを印刷します。");
}
QString PrintFailedText() {
    return UiText("TSheetPrinting", "印刷できませんでした。");
}
QString PrintFileFailedText() {
    return UiText("TSheetPrinting", "ファイル「%1」に印刷できませんでした。");
}
QString PrintingTitle() {
    return UiText("TSheetPrinting", "印刷");
}
QString PreviewTitle() {
    return UiText("TSheetPrinting", "印刷プレビュー");
}

QString PdfFilter() {
    return UiText("TSheetPrinting", "PDFファイル (*.pdf)|*.pdf|全てのファイル (*.*)|*.*");
}
const QString PdfExtension = QStringLiteral("pdf");

// What the settings keep of a font: a dialog that gives the same back
// changed nothing.
bool IsSameStoredFont(const QFont& a, const QFont& b) {
    return a.family() == b.family() && a.pointSize() == b.pointSize() &&
           FontStyleBits(a) == FontStyleBits(b);
}

} // namespace

TSheetPrinting::TSheetPrinting(IPrompt& prompt, IPrinter& printer, TPageSetup& setup,
                               IPrintSetDialog* dialog, ILongTask& longWork,
                               const TSheetDocument& document, const TSheetFiles& files)
    : Prompt(prompt), Printer(printer), Setup(setup), Dialog(dialog), LongWork(longWork),
      Document(document), Files(files) {}

// A stored family the system lacks ("ＭＳ 明朝") prints in the font put in
// its place; the dialog, which lists only installed families, is shown that
// one, and OK on it keeps the stored name.
void TSheetPrinting::ChoosePrintFont() {
    QFont shown = Setup.Settings().PrintFont;
    shown.setFamily(QFontInfo(shown).family());
    QFont chosen = shown;
    if (Prompt.ChooseFont(chosen) && !IsSameStoredFont(chosen, shown))
        Setup.SetPrintFont(chosen);
}

bool TSheetPrinting::EditPrintSettings() {
    if (Dialog == nullptr)
        return false;
    Setup.ApplyStoredPrinterSettings();
    Dialog->LoadMargins(Setup.Settings().Margins());
    Dialog->LoadPartnerPages(Setup.Settings().PrintPartnerPages);
    Dialog->LoadOptions(Setup.Settings().Options);
    if (!Dialog->ShowModal())
        return false;
    Setup.TakeConfirmedSettings(Dialog->ReadMargins(), Dialog->ReadPartnerPages(),
                                Dialog->ReadOptions());
    return true;
}

void TSheetPrinting::PrintCurrentPage() {
    const int page = Document.CurPage();
    if (Document.Drawing()[page].empty())
        return;
    if (Prompt.AskOkCancel(InfoTitle(), PrintPageText()) != TPromptAnswer::Ok ||
        !ConfirmShapesInside(Prompt, Document.Drawing(), {page}, Setup.PrintableOnPage()))
        return;
    QString file;
    if (AskFileName(file, DrawingNameAs(Files.FileName(), PdfExtension)))
        PrintPages({page}, file);
}

// Empty pages are skipped, the others keep their own page numbers.
void TSheetPrinting::PrintAllPages() {
    if (Prompt.AskOkCancel(InfoTitle(), PrintAllText()) != TPromptAnswer::Ok)
        return;
    const std::vector<int> pages = PagesWithShapes(Document.Drawing());
    if (pages.empty() ||
        !ConfirmShapesInside(Prompt, Document.Drawing(), pages, Setup.PrintableOnPage()))
        return;
    QString file;
    if (AskFileName(file, DrawingNameAs(Files.FileName(), PdfExtension)))
        PrintPages(pages, file);
}

// The page as the printer would print it, partner pages and all.
void TSheetPrinting::PreviewCurrentPage() {
    const int page = Document.CurPage();
    const TZvDat& drawing = Document.Drawing();
    Setup.PrepareJob();
    const TPageNameMarks marks = Setup.Settings().PrintPartnerPages
                                     ? PartnerPageMarks(CheckFlangePartners(drawing), drawing, page)
                                     : TPageNameMarks();
    TPagePrinter printer(Setup.Settings(), Printer.PaperLayout(), Setup.SheetArea());
    const QString caption = PageCaption(Files.Caption(), page);
    Printer.Preview(PreviewTitle(), [&](IPrintJob& job) {
        printer.PrintPage(job, drawing[page], marks, caption, true, [] { return true; });
    });
}

bool TSheetPrinting::AskFileName(QString& file, const QString& offered) {
    file.clear();
    if (!Printer.PrintsToFile())
        return true;
    file = Prompt.SaveFileName(PdfFilter(), PdfExtension, offered);
    return !file.isEmpty();
}

// The partner marks come from one check of the whole drawing, whatever the
// number of pages.
bool TSheetPrinting::PrintPages(const std::vector<int>& pages, const QString& file) {
    const TZvDat& drawing = Document.Drawing();
    Setup.PrepareJob();
    const std::vector<TPageNameMarks> marks = Setup.Settings().PrintPartnerPages
                                                  ? PartnerPageMarksOfAllPages(drawing)
                                                  : std::vector<TPageNameMarks>();
    TPagePrinter printer(Setup.Settings(), Printer.PaperLayout(), Setup.SheetArea());
    const int sheets = static_cast<int>(pages.size()) * printer.SheetsPerPage();
    const QString caption = Files.Caption();
    return RunJob(pages.size() == 1 ? PageCaption(caption, pages.front()) : caption, file,
                  [&](IPrintJob& job, const TProgressFn& progress) {
                      int done = 0;
                      for (std::size_t i = 0; i < pages.size(); ++i) {
                          const int page = pages[i];
                          const TPageNameMarks none;
                          if (!printer.PrintPage(job, drawing[page],
                                                 IsIndexOf(marks, page) ? marks[page] : none,
                                                 PageCaption(caption, page), i == 0,
                                                 [&] { return progress(double(++done) / sheets); }))
                              return false;
                      }
                      return true;
                  });
}

bool TSheetPrinting::RunJob(const QString& title, const QString& file,
                            const std::function<bool(IPrintJob&, const TProgressFn&)>& paint) {
    Setup.PrepareJob();
    const TLongTaskEnd end = LongWork.Run(PrintingTitle(), [&](const TProgressFn& progress) {
        const std::unique_ptr<IPrintJob> job = Printer.StartJob(title, file);
        return job != nullptr && paint(*job, progress) && job->Finish();
    });
    if (end != TLongTaskEnd::Failed)
        return end == TLongTaskEnd::Finished;
    if (file.isEmpty())
        Prompt.ShowError(ErrorTitle(), PrintFailedText());
    else
        Prompt.ShowError(ErrorTitle(), PrintFileFailedText().arg(QDir::toNativeSeparators(file)));
    return false;
}

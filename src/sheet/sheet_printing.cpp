// Printing the sheet's pages at full size on the printer, or into PDF files.
#include "sheet_printing.h"

#include "document/flange_partners.h"
#include "document/sheet_document.h"
#include "drawing/draw_polygon.h"
#include "drawing/print_layout.h"
#include "geometry/rounding.h"
#include "page_files.h"
#include "page_setup.h"
#include "print_set_dlg.h"
#include "printer.h"
#include "prompt.h"
#include "qpainter_canvas.h"
#include "sheet_files.h"
#include "shift_jis_codec.h"

#include "ui_text.h"

#include <QDir>
#include <QPainter>

#include <memory>
#include <vector>

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

QString PdfFilter() {
    return UiText("TSheetPrinting", "PDFファイル (*.pdf)|*.pdf|全てのファイル (*.*)|*.*");
}
const QString PdfExtension = QStringLiteral("pdf");

TColor ToTColor(const QColor& color) {
    return {static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
            static_cast<std::uint8_t>(color.blue())};
}

} // namespace

TSheetPrinting::TSheetPrinting(IPrompt& prompt, IPrinter& printer, TPageSetup& setup,
                               IPrintSetDialog* dialog, const TSheetDocument& document,
                               const TSheetFiles& files)
    : Prompt(prompt), Printer(printer), Setup(setup), Dialog(dialog), Document(document),
      Files(files) {}

void TSheetPrinting::ChoosePrintFont() {
    QFont font = Setup.Settings().PrintFont;
    if (Prompt.ChooseFont(font))
        Setup.SetPrintFont(font);
}

bool TSheetPrinting::EditPrintSettings() {
    if (Dialog == nullptr)
        return false;
    Setup.ApplyStoredPrinterSettings();
    Dialog->LoadMargins(Setup.Settings().Margins());
    Dialog->LoadPartnerPages(Setup.Settings().PrintPartnerPages);
    if (!Dialog->ShowModal())
        return false;
    Setup.TakeConfirmedSettings(Dialog->ReadMargins(), Dialog->ReadPartnerPages());
    return true;
}

void TSheetPrinting::PrintCurrentPage() {
    const int page = Document.CurPage();
    if (Document.Drawing()[page].empty())
        return;
    if (Prompt.AskOkCancel(InfoTitle(), PrintPageText()) != TPromptAnswer::Ok)
        return;
    QString file;
    if (AskFileName(file, DrawingNameAs(Files.FileName(), PdfExtension)))
        PrintPage(page, file);
}

// Empty pages are skipped, the others keep their own page numbers; the first
// job that fails ends the command.
void TSheetPrinting::PrintAllPages() {
    if (Prompt.AskOkCancel(InfoTitle(), PrintAllText()) != TPromptAnswer::Ok)
        return;
    const std::vector<int> pages = PagesWithShapes(Document.Drawing());
    QString file;
    if (pages.empty() || !AskFileName(file, DrawingNameAs(Files.FileName(), PdfExtension)))
        return;
    for (const int page : pages)
        if (!PrintPage(page, file.isEmpty() ? file : NumberedFileName(file, page + 1)))
            return;
}

bool TSheetPrinting::AskFileName(QString& file, const QString& offered) {
    file.clear();
    if (!Printer.PrintsToFile())
        return true;
    file = Prompt.SaveFileName(PdfFilter(), PdfExtension, offered);
    return !file.isEmpty();
}

bool TSheetPrinting::PrintPage(int page, const QString& file) {
    const QString caption = PageCaption(Files.Caption(), page);
    return RunJob(caption, file, [&](QPainter& painter) { DrawPage(painter, page, caption); });
}

bool TSheetPrinting::RunJob(const QString& title, const QString& file,
                            const std::function<void(QPainter&)>& draw) {
    Setup.PrepareJob();
    const std::unique_ptr<IPrintJob> job = Printer.StartJob(title, file);
    if (job != nullptr) {
        draw(job->Painter());
        if (job->Finish())
            return true;
    }
    if (file.isEmpty())
        Prompt.ShowError(ErrorTitle(), PrintFailedText());
    else
        Prompt.ShowError(ErrorTitle(), PrintFileFailedText().arg(QDir::toNativeSeparators(file)));
    return false;
}

// The caption goes to the bottom-right corner of the printable area, the page
// at full size with its origin moved in by the left and top margins. The
// selection belongs to the page it was made on, so other pages print without.
// With the partner page option each flange name is followed by the page of
// its partner, where that is another page.
void TSheetPrinting::DrawPage(QPainter& painter, int page, const QString& caption) const {
    const TPrintSettings& print = Setup.Settings();
    painter.setFont(print.PrintFont);
    TQPainterCanvas canvas(painter);
    const std::string text = UnicodeToShiftJis(caption);
    const TPixelPoint at = CaptionPosition(RoundToInt(Printer.PageWidthPixels()),
                                           RoundToInt(Printer.PageHeightPixels()),
                                           canvas.TextWidth(text), canvas.TextHeight(text));
    canvas.SetPenColor(ToTColor(print.PrintFontColor));
    canvas.TextOut(at.X, at.Y, text);

    const TPixelShift origin =
        PageOriginOnPaper(print.Margins(), Setup.PixelsPerMmX(), Setup.PixelsPerMmY());
    painter.translate(static_cast<qreal>(origin.X), static_cast<qreal>(origin.Y));
    const TDaInt noSelection;
    const TDaInt& selection = page == Document.CurPage() ? Document.Selection() : noSelection;
    const TZvDat& drawing = Document.Drawing();
    const TPageNameMarks marks = print.PrintPartnerPages
                                     ? PartnerPageMarks(CheckFlangePartners(drawing), drawing, page)
                                     : TPageNameMarks();
    DrawPolygonTbl(canvas, drawing[page], -1, Setup.PixelsPerMmX(), Setup.PixelsPerMmY(), selection,
                   dmPrint, dmSelected, marks);
}

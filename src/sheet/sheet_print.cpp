// The sheet's printing: the print font, the print settings with the printer's
// own setup, and the current page or every page that has shapes printed at
// full size, each page a print job of its own with its caption. Without a
// printer every job is a PDF file.
#include "main_fm.h"

#include "document/flange_partners.h"
#include "drawing/draw_polygon.h"
#include "drawing/print_layout.h"
#include "geometry/rounding.h"
#include "page_files.h"
#include "print_set_dlg.h"
#include "printer.h"
#include "prompt.h"
#include "qpainter_canvas.h"
#include "shift_jis_codec.h"

#include <QAction>
#include <QDir>
#include <QPainter>

#include <vector>

namespace {

const QString PrintPageText = QStringLiteral("現在表示中のページを印刷します。");
const QString PrintAllText = QStringLiteral("全てのページを印刷します。");
const QString PrintFailedText = QStringLiteral("印刷できませんでした。");
const QString PrintFileFailedText = QStringLiteral("ファイル「%1」に印刷できませんでした。");

const QString PdfFilter = QStringLiteral("PDFファイル (*.pdf)|*.pdf|全てのファイル (*.*)|*.*");
const QString PdfExtension = QStringLiteral("pdf");

TColor ToTColor(const QColor& color) {
    return {static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
            static_cast<std::uint8_t>(color.blue())};
}

} // namespace

void TMainFm::connectPrintCommands() {
    connect(PrintFontSetMi, &QAction::triggered, this, &TMainFm::PrintFontSetMiClick);
    connect(PrintSetMi, &QAction::triggered, this, &TMainFm::PrintSetMiClick);
    connect(Print1, &QAction::triggered, this, &TMainFm::Print1Click);
    connect(PrintAll, &QAction::triggered, this, &TMainFm::PrintAllClick);
}

void TMainFm::PrintFontSetMiClick() {
    QFont font = Print.PrintFont;
    if (Prompt.ChooseFont(font))
        Print.PrintFont = font;
}

// Changes made through the printer's own setup stay with the printer even when
// the dialog is cancelled; only OK stores them and resizes the page.
void TMainFm::PrintSetMiClick() {
    if (PrintSetDlg == nullptr)
        return;
    ApplyStoredPrinterSettings();
    PrintSetDlg->LoadMargins(Print.Margins());
    PrintSetDlg->LoadPartnerPages(Print.PrintPartnerPages);
    if (!PrintSetDlg->ShowModal())
        return;
    Print.SetMargins(PrintSetDlg->ReadMargins());
    Print.PrintPartnerPages = PrintSetDlg->ReadPartnerPages();
    Print.StoreDevice(Printer.Device());
    ReadPrinterResolution();
    UpdateAreaSize();
    RepaintPage();
}

void TMainFm::Print1Click() {
    if (ShownPage().empty())
        return;
    if (Prompt.AskOkCancel(InfoTitle, PrintPageText) != TPromptAnswer::Ok)
        return;
    QString file;
    if (AskPrintFileName(file, DrawingNameAs(FileName, PdfExtension)))
        PrintPage(Document.CurPage(), file);
}

// Empty pages are skipped, the others keep their own page numbers; the first
// job that fails ends the command.
void TMainFm::PrintAllClick() {
    if (Prompt.AskOkCancel(InfoTitle, PrintAllText) != TPromptAnswer::Ok)
        return;
    std::vector<int> pages;
    for (std::size_t page = 0; page < Document.Drawing().size(); ++page)
        if (!Document.Drawing()[page].empty())
            pages.push_back(static_cast<int>(page));
    QString file;
    if (pages.empty() || !AskPrintFileName(file, DrawingNameAs(FileName, PdfExtension)))
        return;
    for (const int page : pages)
        if (!PrintPage(page, file.isEmpty() ? file : NumberedFileName(file, page + 1)))
            return;
}

void TMainFm::ApplyStoredPrinterSettings() {
    if (Print.PrintPaperSize >= 0)
        Printer.SetDevice(Print.StoredDevice());
}

// A printer that writes files needs one name per command; false when the user
// gives none. The name offered is the caller's.
bool TMainFm::AskPrintFileName(QString& file, const QString& offered) {
    file.clear();
    if (!Printer.PrintsToFile())
        return true;
    file = Prompt.SaveFileName(PdfFilter, PdfExtension, offered);
    return !file.isEmpty();
}

bool TMainFm::PrintPage(int page, const QString& file) {
    const QString caption = windowTitle() + QStringLiteral(" - ") + QString::number(page + 1);
    return RunPrintJob(caption, file,
                       [&](QPainter& painter) { DrawPrintedPage(painter, page, caption); });
}

bool TMainFm::RunPrintJob(const QString& title, const QString& file,
                          const std::function<void(QPainter&)>& draw) {
    ApplyStoredPrinterSettings();
    ReadPrinterResolution();
    const std::unique_ptr<IPrintJob> job = Printer.StartJob(title, file);
    if (job != nullptr) {
        draw(job->Painter());
        if (job->Finish())
            return true;
    }
    if (file.isEmpty())
        Prompt.ShowError(ErrorTitle, PrintFailedText);
    else
        Prompt.ShowError(ErrorTitle, PrintFileFailedText.arg(QDir::toNativeSeparators(file)));
    return false;
}

// The caption goes to the bottom-right corner of the printable area, the page
// at full size with its origin moved in by the left and top margins. The
// selection belongs to the page it was made on, so other pages print without.
// With the partner page option each flange name is followed by the page of
// its partner, where that is another page.
void TMainFm::DrawPrintedPage(QPainter& painter, int page, const QString& caption) const {
    painter.setFont(Print.PrintFont);
    TQPainterCanvas canvas(painter);
    const std::string text = UnicodeToShiftJis(caption);
    const TPixelPoint at = CaptionPosition(RoundToInt(Printer.PageWidthPixels()),
                                           RoundToInt(Printer.PageHeightPixels()),
                                           canvas.TextWidth(text), canvas.TextHeight(text));
    canvas.SetPenColor(ToTColor(Print.PrintFontColor));
    canvas.TextOut(at.X, at.Y, text);

    const TPixelShift origin = PageOriginOnPaper(Print.Margins(), PrinterPxPerMMX, PrinterPxPerMMY);
    painter.translate(static_cast<qreal>(origin.X), static_cast<qreal>(origin.Y));
    const TDaInt noSelection;
    const TDaInt& selection = page == Document.CurPage() ? Document.Selection() : noSelection;
    const TZvDat& drawing = Document.Drawing();
    const TPageNameMarks marks = Print.PrintPartnerPages
                                     ? PartnerPageMarks(CheckFlangePartners(drawing), drawing, page)
                                     : TPageNameMarks();
    DrawPolygonTbl(canvas, drawing[page], -1, PrinterPxPerMMX, PrinterPxPerMMY, selection, dmPrint,
                   dmSelected, marks);
}

// The print of before, from its printer job and its page drawing.
#include "baseline_print.h"

#include "document/flange_partners.h"
#include "drawing/draw_polygon.h"
#include "drawing/print_layout.h"
#include "geometry/rounding.h"
#include "qpainter_canvas.h"
#include "shift_jis_codec.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace baseline {

namespace {

constexpr int PrintDotsPerInch = 300;

// One page with its caption in the bottom-right corner, at full size from the
// printable area's corner.
void DrawPage(QPainter& painter, const QPrinter& printer, const TZvDat& drawing, int page,
              const QString& caption) {
    painter.setFont(QFont(QStringLiteral("ＭＳ 明朝"), 12));
    TQPainterCanvas canvas(painter);
    const std::string text = UnicodeToShiftJis(caption);
    const TPixelPoint at = CaptionPosition(printer.width(), printer.height(),
                                           canvas.TextWidth(text), canvas.TextHeight(text));
    canvas.SetPenColor(ColorBlack);
    canvas.TextOut(at.X, at.Y, text);
    const long double pixelsPerMm = PixelsPerMm(PrintDotsPerInch);
    const TPageNameMarks marks = PartnerPageMarks(CheckFlangePartners(drawing), drawing, page);
    DrawPolygonTbl(canvas, drawing[page], -1, pixelsPerMm, pixelsPerMm, TDaInt(), dmPrint,
                   dmSelected, marks);
}

} // namespace

bool PrintAllPages(const TZvDat& drawing, const QString& folder) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(PrintDotsPerInch);
    for (std::size_t page = 0; page < drawing.size(); ++page) {
        const QString caption = QStringLiteral("Zelvo - model - %1").arg(page + 1);
        printer.setOutputFileName(folder + QStringLiteral("/page-%1.pdf").arg(page + 1));
        printer.setDocName(caption);
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        DrawPage(painter, printer, drawing, static_cast<int>(page), caption);
        if (!painter.end())
            return false;
    }
    return true;
}

} // namespace baseline

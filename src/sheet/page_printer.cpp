// Pages onto print jobs: the page's printed form built once and drawn on each
// of its sheets with the sheet's share of the page, its marks and caption.
#include "page_printer.h"

#include "drawing/printed_page.h"
#include "drawing/registration_marks.h"
#include "printer.h"
#include "qt_text_measure.h"
#include "sheet_painter.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <vector>

namespace {

constexpr long double PointsPerInch = 72;

// The registration marks, from the paper's corner moved to the printable
// area's.
TPrintedSheet RegistrationSheet(const TPrintOptions& options, const TPaperLayout& paper) {
    TPrintedSheet sheet;
    if (!options.RegistrationMarks)
        return sheet;
    TPrintStroke lines{RegistrationLineWidth, {}, false, {}};
    TPrintStroke areas{0, {}, true, {}};
    for (TMarkPath& mark :
         RegistrationMarks(paper.Width, paper.Height, options.RegistrationDistance)) {
        for (TPointF& p : mark.Points)
            p = {p.X - paper.Left, p.Y - paper.Top};
        (mark.Filled ? areas : lines).Paths.push_back({std::move(mark.Points), mark.Filled});
    }
    sheet.Strokes = {std::move(lines), std::move(areas)};
    return sheet;
}

// The caption's bottom-right corner at the printable area's, its text as the
// window shows it, whatever characters it holds.
void PaintCaption(QPainter& painter, const QString& caption, const QFont& font, const QColor& color,
                  const QSizeF& printable) {
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(QPointF(printable.width() - metrics.horizontalAdvance(caption),
                             printable.height() - metrics.descent()),
                     caption);
    painter.restore();
}

} // namespace

long double FontHeightMm(const QFont& font) {
    return QFontInfo(font).pointSizeF() * MillimetresPerInch / PointsPerInch;
}

TPagePrinter::TPagePrinter(const TPrintSettings& settings, const TPaperLayout& paper,
                           const TPageAreaMm& sheet)
    : FSettings(settings), FPaper(paper), FSheet(sheet) {}

bool TPagePrinter::PrintPage(IPrintJob& job, const TPolygonTbl& page, const TPageNameMarks& marks,
                             const QString& caption, bool first,
                             const std::function<bool()>& sheetDone) {
    const TQtTextMeasure measure(FSettings.PrintFont);
    const TPageLook look{FSettings.Options.Folds, FontHeightMm(FSettings.PrintFont), &measure};
    const TPrintedSheet content = PrintedPageOf(page, look, marks);
    const TPrintedSheet registration = RegistrationSheet(FSettings.Options, FPaper);
    const TTileGrid& grid = FSettings.Options.Tiles;
    const TPrintScale scale = FSettings.Scale();
    const long double dotsX = PixelsPerPaperMm(job.DotsPerInch(), scale.X);
    const long double dotsY = PixelsPerPaperMm(job.DotsPerInch(), scale.Y);
    const std::vector<TTile> tiles = TilesOf(grid, FSheet, FSettings.Margins());
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        if ((!first || i > 0) && !job.NewSheet())
            return false;
        QPainter& painter = job.Painter();
        const TTile& tile = tiles[i];
        TBox visible;
        visible.Left = -tile.PageOrigin.X;
        visible.Top = -tile.PageOrigin.Y;
        visible.Right = visible.Left + FSheet.Width;
        visible.Bottom = visible.Top + FSheet.Height;
        PaintPrintedSheet(painter, content, {tile.PageOrigin, dotsX, dotsY}, FSettings.PrintFont,
                          visible);
        PaintPrintedSheet(painter, TileMarks(tile, grid, FSheet), {{}, dotsX, dotsY},
                          FSettings.PrintFont);
        PaintPrintedSheet(painter, registration, {{}, dotsX, dotsY}, FSettings.PrintFont);
        if (i + 1 == tiles.size())
            PaintCaption(painter, caption, FSettings.PrintFont, FSettings.PrintFontColor,
                         QSizeF(static_cast<qreal>(FSheet.Width * dotsX),
                                static_cast<qreal>(FSheet.Height * dotsY)));
        if (!sheetDone())
            return false;
    }
    return true;
}

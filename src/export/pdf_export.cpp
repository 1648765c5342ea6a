// Drawing pages' layers with QPainter on Qt's PDF writer as true vector paths,
// so that a machine reading the PDF finds whole lines in their colours.
#include "pdf_export.h"

#include "geometry/angles.h"
#include "shift_jis_codec.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

namespace {

// Points are placed without rounding; the resolution only sets the unit the
// painter works in.
constexpr int PdfDotsPerInch = 1200;

// The page size is given upright, the orientation turning it. The painter
// covers the whole page: Qt would round the printable area's corner to whole
// pixels, so the page is moved there exactly instead (TPdfScale).
QPageLayout PageLayoutOf(const TPaperLayout& paper) {
    const bool landscape = paper.Width > paper.Height;
    const QSizeF upright =
        landscape ? QSizeF(static_cast<qreal>(paper.Height), static_cast<qreal>(paper.Width))
                  : QSizeF(static_cast<qreal>(paper.Width), static_cast<qreal>(paper.Height));
    return QPageLayout(QPageSize(upright, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

QColor QColorOf(TColor color) {
    return QColor(color.R, color.G, color.B);
}

// Millimetres from the printable area's corner to the painter's device
// pixels from the paper's corner: the correction acts from the printable
// area's corner, as on a printer.
class TPdfScale {
public:
    TPdfScale(const TPaperLayout& paper, const TPrintScale& scale)
        : FLeft(paper.Left * PixelsPerMm(PdfDotsPerInch)),
          FTop(paper.Top * PixelsPerMm(PdfDotsPerInch)),
          FX(PixelsPerPaperMm(PdfDotsPerInch, scale.X)),
          FY(PixelsPerPaperMm(PdfDotsPerInch, scale.Y)) {}
    QPointF operator()(const TPointF& p) const {
        return {static_cast<qreal>(FLeft + p.X * FX), static_cast<qreal>(FTop + p.Y * FY)};
    }

private:
    long double FLeft;
    long double FTop;
    long double FX;
    long double FY;
};

// A cosmetic pen of width 0 is the thinnest line the output device can draw.
void SetHairline(QPainter& painter, TLayerKind kind) {
    QPen pen(QColorOf(LayerColor(kind)));
    pen.setWidth(0);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
}

void DrawSegments(QPainter& painter, const std::vector<TSegmentF>& segments, TLayerKind kind,
                  const TPdfScale& toDevice) {
    SetHairline(painter, kind);
    for (const TSegmentF& segment : segments)
        painter.drawLine(toDevice(segment.P1), toDevice(segment.P2));
}

void DrawCuts(QPainter& painter, const std::vector<TDaPointF>& outlines,
              const TPdfScale& toDevice) {
    SetHairline(painter, lkCut);
    for (const TDaPointF& outline : outlines) {
        QPainterPath path;
        path.moveTo(toDevice(outline.front()));
        for (std::size_t i = 1; i < outline.size(); ++i)
            path.lineTo(toDevice(outline[i]));
        path.closeSubpath();
        painter.drawPath(path);
    }
}

// QPainter turns clockwise as seen for a positive angle, as the placement does.
void DrawTexts(QPainter& painter, const std::vector<TTextPlacement>& texts,
               const TPdfScale& toDevice) {
    painter.setPen(QColorOf(LayerColor(lkText)));
    for (const TTextPlacement& placement : texts) {
        const QString text = ShiftJisToUnicode(placement.Text);
        painter.save();
        painter.translate(toDevice(placement.At));
        painter.rotate(static_cast<qreal>(RadToDeg(placement.Angle)));
        painter.drawText(QPointF(-painter.fontMetrics().horizontalAdvance(text) / 2.0, 0), text);
        painter.restore();
    }
}

void DrawPage(QPainter& painter, const TPageLayers& layers, const TPdfScale& toDevice) {
    DrawCuts(painter, layers.Cut, toDevice);
    DrawSegments(painter, layers.Fold1, lkFold1, toDevice);
    DrawSegments(painter, layers.Fold2, lkFold2, toDevice);
    DrawTexts(painter, layers.Text, toDevice);
}

} // namespace

QByteArray PdfOfPages(const std::vector<TPageLayers>& pages, const TPdfPaper& paper) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Zelvo"));
        writer.setTitle(paper.Title);
        writer.setResolution(PdfDotsPerInch);
        if (!writer.setPageLayout(PageLayoutOf(paper.Paper)))
            return {};
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(paper.Font);
        const TPdfScale toDevice(paper.Paper, paper.Scale);
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0 && !writer.newPage())
                return {};
            DrawPage(painter, pages[i], toDevice);
        }
        if (!painter.end())
            return {};
    }
    return bytes;
}

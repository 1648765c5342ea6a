// Drawing pages' layers with QPainter on a PDF of the paper's exact size as
// true vector paths, so that a machine reading the PDF finds whole lines in
// their colours.
#include "pdf_export.h"

#include "geometry/angles.h"
#include "pdf_document.h"
#include "shift_jis_codec.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>

namespace {

// Points are placed without rounding; the resolution sets the unit in which
// Qt rounds the sizes of text.
constexpr int PdfDotsPerInch = 1200;
constexpr qreal PointsPerInch = 72;

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
    qreal Length(long double mm) const { return static_cast<qreal>(mm * (FX + FY) / 2); }

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

// Dashes are given in mm; Qt takes them in pen widths.
void SetFoldPen(QPainter& painter, TLayerKind kind, const TFoldLook& look,
                const TPdfScale& toDevice) {
    QPen pen(QColorOf(LayerColor(kind)));
    pen.setWidthF(toDevice.Length(look.Width));
    pen.setCapStyle(Qt::FlatCap);
    const std::vector<long double> dashes = DashPattern(look.Style);
    if (!dashes.empty()) {
        QList<qreal> pattern;
        for (const long double dash : dashes)
            pattern.append(static_cast<qreal>(dash / look.Width));
        pen.setDashPattern(pattern);
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
}

void DrawSegments(QPainter& painter, const std::vector<TSegmentF>& segments, TLayerKind kind,
                  const TFoldLook& look, const TPdfScale& toDevice) {
    SetFoldPen(painter, kind, look, toDevice);
    for (const TSegmentF& segment : segments)
        painter.drawLine(toDevice(segment.P1), toDevice(segment.P2));
}

QPainterPath PathOf(const TDaPointF& points, bool closed, const TPdfScale& toDevice) {
    QPainterPath path(toDevice(points.front()));
    for (std::size_t i = 1; i < points.size(); ++i)
        path.lineTo(toDevice(points[i]));
    if (closed)
        path.closeSubpath();
    return path;
}

void DrawCuts(QPainter& painter, const std::vector<TDaPointF>& outlines,
              const TPdfScale& toDevice) {
    SetHairline(painter, lkCut);
    for (const TDaPointF& outline : outlines)
        if (!outline.empty())
            painter.drawPath(PathOf(outline, true, toDevice));
}

void DrawRegistration(QPainter& painter, const std::vector<TMarkPath>& marks,
                      const TPdfScale& toDevice) {
    QPen pen(Qt::black);
    pen.setWidthF(toDevice.Length(RegistrationLineWidth));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    for (const TMarkPath& mark : marks) {
        if (mark.Points.empty())
            continue;
        painter.setPen(mark.Filled ? QPen(Qt::NoPen) : pen);
        painter.setBrush(mark.Filled ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
        painter.drawPath(PathOf(mark.Points, mark.Filled, toDevice));
    }
}

// QPainter turns clockwise as seen for a positive angle, as the placement does.
// Each text has the height it was fitted to.
void DrawTexts(QPainter& painter, const std::vector<TTextPlacement>& texts, const QFont& font,
               const TPdfScale& toDevice) {
    painter.setPen(QColorOf(LayerColor(lkText)));
    QFont sized(font);
    for (const TTextPlacement& placement : texts) {
        const QString text = ShiftJisToUnicode(placement.Text);
        sized.setPointSizeF(toDevice.Length(placement.Height) / PdfDotsPerInch * PointsPerInch);
        painter.setFont(sized);
        painter.save();
        painter.translate(toDevice(placement.At));
        painter.rotate(static_cast<qreal>(RadToDeg(placement.Angle)));
        painter.drawText(QPointF(-painter.fontMetrics().horizontalAdvance(text) / 2.0, 0), text);
        painter.restore();
    }
}

void DrawPage(QPainter& painter, const TPageLayers& layers, const TPdfPaper& paper,
              const TPdfScale& toDevice) {
    DrawCuts(painter, layers.Cut, toDevice);
    DrawSegments(painter, layers.FlangeBase, lkFold1, paper.Folds.FlangeBase, toDevice);
    DrawSegments(painter, layers.Fold1, lkFold1, paper.Folds.Set1, toDevice);
    DrawSegments(painter, layers.Fold2, lkFold2, paper.Folds.Set2, toDevice);
    DrawTexts(painter, layers.Text, paper.Font, toDevice);
    DrawRegistration(painter, layers.Registration, toDevice);
}

} // namespace

bool WritePdfOfPages(QIODevice& target, const std::vector<TPageLayers>& pages,
                     const TPdfPaper& paper, const std::function<bool()>& pageDone) {
    TPdfDocument document(
        target,
        QSizeF(static_cast<qreal>(paper.Paper.Width), static_cast<qreal>(paper.Paper.Height)),
        paper.Title, PdfDotsPerInch);
    if (!document.Begin())
        return false;
    QPainter& painter = document.Painter();
    painter.setRenderHint(QPainter::Antialiasing);
    const TPdfScale toDevice(paper.Paper, paper.Scale);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !document.NewPage())
            return false;
        DrawPage(painter, pages[i], paper, toDevice);
        if (!pageDone())
            return false;
    }
    return document.End();
}

QByteArray PdfOfPages(const std::vector<TPageLayers>& pages, const TPdfPaper& paper) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) ||
        !WritePdfOfPages(buffer, pages, paper, [] { return true; }))
        return {};
    return bytes;
}

// Painting the sheet's current page on its surface, and the scale and
// scrolling of the view.
#include "page_view.h"

#include "document/sheet_document.h"
#include "drawing/page_repaint.h"
#include "drawing/print_reach.h"
#include "drawing/view_zoom.h"
#include "page_surface.h"
#include "paint_surface.h"
#include "qpainter_canvas.h"
#include "view_navigator.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr TColor RubberBandColor{128, 128, 128};

// A pixel coordinate brought into the range of a widget coordinate.
int ToWidgetCoordinate(std::int64_t pixel) {
    constexpr std::int64_t limit = std::numeric_limits<int>::max() / 2;
    return static_cast<int>(std::clamp(pixel, -limit, limit));
}

QPoint ToWidgetPoint(const TPixelPoint& pixel) {
    return {ToWidgetCoordinate(pixel.X), ToWidgetCoordinate(pixel.Y)};
}

} // namespace

TPageView::TPageView(TSheetDocument& document, QWidget* parent)
    : QScrollArea(parent), Document(document) {
    setObjectName(QStringLiteral("ScrollBox1"));
    setFrameShape(QFrame::NoFrame);
    // The white page stands out against a grey background.
    setBackgroundRole(QPalette::Dark);
    setWidgetResizable(false);
    PaintBox1 = new TPaintSurface;
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    setWidget(PaintBox1);
    connect(PaintBox1, &TPaintSurface::Paint, this, &TPageView::PbPaint);
    // The wheel scrolls, Ctrl and the wheel zoom, the middle button drags the view.
    Navigator = new TViewNavigator(*this);
    connect(Navigator, &TViewNavigator::ZoomRequested, this, &TPageView::ZoomAbout);
}

void TPageView::ShowPageArea(const TPageAreaMm& area, const TBox& printable) {
    FPageArea = area;
    FPrintable = printable;
    const long double scale = FScale.ScreenScale();
    PaintBox1->setFixedSize(PageSurfaceSize(area.Width, area.Height, scale));
}

void TPageView::ZoomAbout(int steps, const QPointF& surfacePos, const QPoint& viewPos) {
    const long double oldScale = FScale.ScreenScale();
    const long double zoom = ZoomStepFrom(FScale.Zoom(), steps);
    if (FRubberBand || zoom == FScale.Zoom())
        return;
    FScale.SetZoom(zoom);
    ShowPageArea(FPageArea, FPrintable);
    Navigator->KeepPointUnderPointer(surfacePos, viewPos, oldScale, FScale.ScreenScale());
    Repaint();
}

void TPageView::Repaint() {
    PaintBox1->update();
}

void TPageView::RepaintArea(const QRect& area) {
    PaintBox1->update(area);
}

void TPageView::ShowGesture(bool selectionInXor, bool rubberBand) {
    FSelectionInXor = selectionInXor;
    FRubberBand = rubberBand;
}

void TPageView::SetRubberBand(const TPixelPoint& start, const TPixelPoint& end) {
    const QRect before = RubberBandArea();
    FRubberStart = start;
    FRubberEnd = end;
    PaintBox1->update(before.united(RubberBandArea()));
}

QRect TPageView::RubberBandArea() const {
    const QRect band(ToWidgetPoint(FRubberStart), ToWidgetPoint(FRubberEnd));
    return band.normalized().adjusted(-1, -1, 1, 1);
}

QRect TPageView::SelectionArea() {
    const TPixelRect surface{0, 0, PaintBox1->width() - 1, PaintBox1->height() - 1};
    const TPixelRect area = SelectionPixelArea(Document.PageIndex(), Document.Selection(),
                                               FScale.ScreenScale(), surface);
    if (area.IsEmpty())
        return {};
    return QRect(ToWidgetPoint({area.Left, area.Top}), ToWidgetPoint({area.Right, area.Bottom}));
}

void TPageView::CentreOn(const TPolygon* shape) {
    TPointF centroid;
    if (shape == nullptr || PolygonCentroid(shape->Apexes, centroid) == 0)
        return;
    const long double scale = FScale.ScreenScale();
    CentreScrollOn(*this, ModelToDevice(centroid, scale, scale));
}

QPoint TPageView::GlobalOf(const TPointF& point) const {
    const long double scale = FScale.ScreenScale();
    return PaintBox1->mapToGlobal(ToWidgetPoint(ModelToDevice(point, scale, scale)));
}

TPointF TPageView::PointAtGlobal(const QPoint& global) const {
    const long double scale = FScale.ScreenScale();
    const QPoint pixel = PaintBox1->mapFromGlobal(global);
    return DeviceToModel(TPixelPoint{pixel.x(), pixel.y()}, scale, scale);
}

// Only the shapes that reach into the exposed part are drawn.
void TPageView::PbPaint(QPainter& painter) {
    TQPainterCanvas canvas(painter);
    const TPixelRect surface{0, 0, PaintBox1->width() - 1, PaintBox1->height() - 1};
    TPixelRect area = surface;
    if (painter.hasClipping()) {
        const QRect clip = painter.clipBoundingRect().toAlignedRect();
        area = {clip.left(), clip.top(), clip.right(), clip.bottom()};
    }
    PaintPageArea(canvas, Document.Drawing()[Document.CurPage()], Document.PageIndex(),
                  Document.Selection(), FSelectionInXor ? dmXor : dmSelected, FScale.ScreenScale(),
                  surface, area);
    // Red over the shapes a print would cut off; a gesture's not-xor images stay as they are.
    MarkShapesReachingOutside(canvas, Document.PageIndex(), FPrintable,
                              FSelectionInXor ? Document.Selection() : TDaInt(),
                              FScale.ScreenScale());
    if (!FRubberBand)
        return;
    canvas.SetPenMode(TPenMode::NotXor);
    canvas.SetPenColor(RubberBandColor);
    canvas.SetPenStyle(TPenStyle::Solid);
    canvas.FrameRect(std::min(FRubberStart.X, FRubberEnd.X), std::min(FRubberStart.Y, FRubberEnd.Y),
                     std::max(FRubberStart.X, FRubberEnd.X),
                     std::max(FRubberStart.Y, FRubberEnd.Y));
}

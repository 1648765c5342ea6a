// The sheet window's page view: the page tabs, the scrolled paint surface and
// the status line, the selection of the current page, the sheet zoom command and
// the page change from the tab strip.
#include "main_fm.h"

#include "draw_polygon.h"
#include "geometry.h"
#include "hit_test.h"
#include "printer_metrics.h"
#include "qpainter_canvas.h"
#include "rounding.h"
#include "sheet_paint_box.h"
#include "view_scale.h"
#include "zoom_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A page surface larger than a widget may be is cut to the largest size.
int SurfaceExtent(long double millimetres, long double pixelsPerMm) {
    const long double pixels = RoundHalfEven(millimetres * pixelsPerMm);
    if (!(pixels > 0))
        return 0;
    return static_cast<int>(std::min<long double>(pixels, QWIDGETSIZE_MAX));
}

// The scroll position that puts a surface pixel in the middle of a client
// extent, never before the start of the surface.
int CentringScrollPosition(std::int64_t pixel, int clientExtent) {
    const std::int64_t position = pixel - clientExtent / 2;
    return static_cast<int>(std::clamp<std::int64_t>(position, 0, std::numeric_limits<int>::max()));
}

// The pixel under the mouse; positions may be fractional on scaled screens.
std::int64_t PixelOf(qreal coordinate) {
    return static_cast<std::int64_t>(std::floor(coordinate));
}

} // namespace

// The tab strip on the right, the scroll box with the paint surface beside it.
void TMainFm::createClientArea() {
    TabControl1 = new QTabBar;
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setShape(QTabBar::RoundedEast);
    TabControl1->setExpanding(false);

    PaintBox1 = new TSheetPaintBox;
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));

    ScrollBox1 = new QScrollArea;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    // The white page stands out against a grey background.
    ScrollBox1->setBackgroundRole(QPalette::Dark);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setWidget(PaintBox1);

    auto* client = new QWidget;
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(TabControl1, 0, Qt::AlignTop);
    setCentralWidget(client);
}

void TMainFm::createStatusBar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel = new QLabel;
    StatusPanel->setObjectName(QStringLiteral("StatusPanel0"));
    statusBar()->addWidget(StatusPanel, 1);
}

void TMainFm::connectPageView() {
    connect(TabControl1, &QTabBar::currentChanged, this, &TMainFm::TabControl1Change);
    connect(PaintBox1, &TSheetPaintBox::Paint, this, &TMainFm::PbPaint);
    connect(PaintBox1, &TSheetPaintBox::MouseMove, this, &TMainFm::PbMouseMove);
}

// The drawing area of every page, the printable page less the margins in mm,
// and the paint surface that shows it at the current scale.
void TMainFm::UpdateAreaSize() {
    PageWidth = Printer.PageWidthPixels() / PrinterPxPerMMX - Print.LYohaku - Print.RYohaku;
    PageHeight = Printer.PageHeightPixels() / PrinterPxPerMMY - Print.TYohaku - Print.BYohaku;
    const long double scale = View.ScreenScale();
    PaintBox1->setFixedSize(SurfaceExtent(PageWidth, scale), SurfaceExtent(PageHeight, scale));
}

TPolygon* TMainFm::PolygonAt(int index) {
    if (!IsIndexOf(Drawing, CurPage) || !IsIndexOf(Drawing[CurPage], index))
        return nullptr;
    return &Drawing[CurPage][index];
}

int TMainFm::CurrentPolygonIndex() const {
    return Selection.empty() ? -1 : Selection.back();
}

int TMainFm::SelPos(int index) const {
    const auto found = std::find(Selection.begin(), Selection.end(), index);
    return found == Selection.end() ? -1 : static_cast<int>(found - Selection.begin());
}

// A selected index that names no shape gets an empty copy, so that copy k
// still stands for Selection[k].
void TMainFm::RefreshSelectionCopy() {
    SelectionCopy.assign(Selection.size(), TPolygon());
    for (std::size_t k = 0; k < Selection.size(); ++k) {
        if (const TPolygon* shape = PolygonAt(Selection[k]))
            CopyPolygon(*shape, SelectionCopy[k]);
    }
}

bool TMainFm::DeletePolygonAt(int page, int index) {
    if (!IsIndexOf(Drawing, page) || !IsIndexOf(Drawing[page], index))
        return false;
    TPolygonTbl& shapes = Drawing[page];
    if (static_cast<std::size_t>(index) + 1 != shapes.size())
        shapes[index] = std::move(shapes.back());
    shapes.pop_back();
    return true;
}

void TMainFm::SelectPolygon(int index) {
    if (PolygonAt(index) == nullptr || SelPos(index) >= 0)
        return;
    Selection.push_back(index);
    History.RecordSelect(CurPage, index);
    RefreshSelectionCopy();
    RepaintPage();
}

void TMainFm::ShowPageTabs(int pageCount) {
    // Rebuilding the strip is no page change of the user's.
    const QSignalBlocker quiet(TabControl1);
    while (TabControl1->count() > 0)
        TabControl1->removeTab(0);
    for (int page = 1; page <= pageCount; ++page)
        TabControl1->addTab(QString::number(page));
    TabControl1->setCurrentIndex(0);
}

// The selection belongs to the page it was made on, so it goes with the page.
void TMainFm::ShowPage(int page) {
    const int oldPage = CurPage;
    CurPage = page;
    History.RecordUnselectAll(oldPage, Selection);
    History.RecordChangePage(oldPage, CurPage);
    Selection.clear();
    RefreshSelectionCopy();
    RepaintPage();
}

void TMainFm::RepaintPage() {
    PaintBox1->update();
}

// The page cannot change under a drag: the drag's shapes belong to this page.
void TMainFm::TabControl1Change(int index) {
    if (DragState != dsIdle || !IsIndexOf(Drawing, index)) {
        const QSignalBlocker quiet(TabControl1);
        TabControl1->setCurrentIndex(CurPage);
        return;
    }
    ShowPage(index);
}

void TMainFm::Z1Click() {
    const long double zoom = ZoomDialog(Prompt, View.Zoom());
    if (!IsAcceptedZoom(zoom))
        return;
    View.SetZoom(zoom);
    UpdateAreaSize();
    CentreOnCurrentPolygon();
    RepaintPage();
}

// Scrolls the centroid of the current shape into the middle of the view; a
// shape without area has no centroid and leaves the view where it is.
void TMainFm::CentreOnCurrentPolygon() {
    const TPolygon* shape = PolygonAt(CurrentPolygonIndex());
    if (shape == nullptr)
        return;
    TPointF centroid;
    if (PolygonCentroid(shape->Apexes, centroid) == 0)
        return;
    const long double scale = View.ScreenScale();
    const TPixelPoint centre = ModelToDevice(centroid, scale, scale);
    const QWidget* client = ScrollBox1->viewport();
    ScrollBox1->horizontalScrollBar()->setValue(CentringScrollPosition(centre.X, client->width()));
    ScrollBox1->verticalScrollBar()->setValue(CentringScrollPosition(centre.Y, client->height()));
}

// While a drag is in progress its shapes are drawn in not-xor, so that the
// drag's own erase-and-redraw of them stays consistent with this picture.
void TMainFm::PbPaint(QPainter& painter) {
    TQPainterCanvas canvas(painter);
    canvas.FillRect(0, 0, PaintBox1->width() - 1, PaintBox1->height() - 1, ColorWhite);
    if (!IsIndexOf(Drawing, CurPage))
        return;
    const long double scale = View.ScreenScale();
    DrawPolygonTbl(canvas, Drawing[CurPage], -1, scale, scale, Selection, dmNormal,
                   DragState != dsIdle ? dmXor : dmSelected);
}

// Shows where the mouse is, snapped or aligned as a gesture would take it.
void TMainFm::PbMouseMove(const QMouseEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const TMouseKeys keys{modifiers.testFlag(Qt::ShiftModifier),
                          modifiers.testFlag(Qt::ControlModifier)};
    const TPointF position = MousePosToMm(View, DownPoint, keys, PixelOf(event->position().x()),
                                          PixelOf(event->position().y()));
    // QString::asprintf formats in the C locale: always a '.' decimal mark.
    StatusPanel->setText(QString::asprintf("X:%.1f Y:%.1f", static_cast<double>(position.X),
                                           static_cast<double>(position.Y)));
}

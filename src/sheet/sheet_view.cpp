// The sheet window's page view: the page tabs, the scrolled paint surface and
// the status line, the selection of the current page, the sheet zoom command and
// the page change from the tab strip.
#include "main_fm.h"

#include "drawing/page_repaint.h"
#include "drawing/view_scale.h"
#include "geometry/plane_geometry.h"
#include "page_surface.h"
#include "page_tabs.h"
#include "paint_surface.h"
#include "printer_metrics.h"
#include "qpainter_canvas.h"
#include "zoom_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QStatusBar>

#include <algorithm>

namespace {

constexpr TColor RubberBandColor{128, 128, 128};

} // namespace

// The tab strip on the right, the scroll box with the paint surface beside it.
void TMainFm::createClientArea() {
    TabControl1 = new TPageTabs;
    TabControl1->setObjectName(QStringLiteral("TabControl1"));

    PaintBox1 = new TPaintSurface;
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
    layout->addWidget(TabControl1);
    setCentralWidget(client);
}

void TMainFm::createStatusBar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel = new QLabel;
    StatusPanel->setObjectName(QStringLiteral("StatusPanel0"));
    // Wide enough for any position on a page, so the panel beside it stays put.
    StatusPanel->setMinimumWidth(
        StatusPanel->fontMetrics().horizontalAdvance(QStringLiteral("X:0000.0 Y:0000.0 ")));
    statusBar()->addWidget(StatusPanel);
    HintPanel = new QLabel;
    HintPanel->setObjectName(QStringLiteral("StatusPanel1"));
    statusBar()->addWidget(HintPanel, 1);
}

void TMainFm::connectPageView() {
    connect(TabControl1, &TPageTabs::currentChanged, this, &TMainFm::TabControl1Change);
    connect(PaintBox1, &TPaintSurface::Paint, this, &TMainFm::PbPaint);
    connect(PaintBox1, &TPaintSurface::MouseDown, this, &TMainFm::PbMouseDown);
    connect(PaintBox1, &TPaintSurface::MouseMove, this, &TMainFm::PbMouseMove);
    connect(PaintBox1, &TPaintSurface::MouseUp, this, &TMainFm::PbMouseUp);
}

// The drawing area of every page, the printable page less the margins in mm,
// and the paint surface that shows it at the current scale.
void TMainFm::UpdateAreaSize() {
    const TPageAreaMm area = PageAreaOf(Printer.PageWidthPixels(), Printer.PageHeightPixels(),
                                        PrinterPxPerMMX, PrinterPxPerMMY, Print.Margins());
    PageWidth = area.Width;
    PageHeight = area.Height;
    const long double scale = View.ScreenScale();
    PaintBox1->setFixedSize(PageSurfaceSize(PageWidth, PageHeight, scale));
}

const TPolygonTbl& TMainFm::ShownPage() const {
    return Document.Drawing()[Document.CurPage()];
}

void TMainFm::SelectPolygon(int index) {
    if (Document.Select(index))
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

// Tabs come and go only at the end, so the captions stay "1" ... "N".
void TMainFm::SyncPageTabs() {
    const QSignalBlocker quiet(TabControl1);
    const int pageCount = static_cast<int>(Document.Drawing().size());
    while (TabControl1->count() > pageCount)
        TabControl1->removeTab(TabControl1->count() - 1);
    while (TabControl1->count() < pageCount)
        TabControl1->addTab(QString::number(TabControl1->count() + 1));
    TabControl1->setCurrentIndex(Document.CurPage());
}

// The selection belongs to the page it was made on, so it goes with the page.
void TMainFm::ShowPage(int page) {
    Document.ChangePage(page);
    RepaintPage();
}

void TMainFm::RepaintPage() {
    PaintBox1->update();
}

// The page cannot change under a drag: the drag's shapes belong to this page.
void TMainFm::TabControl1Change(int index) {
    if (DragState != dsIdle || !IsIndexOf(Document.Drawing(), index)) {
        const QSignalBlocker quiet(TabControl1);
        TabControl1->setCurrentIndex(Document.CurPage());
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
    const TPolygon* shape = Document.PolygonAt(Document.CurrentPolygonIndex());
    if (shape == nullptr)
        return;
    TPointF centroid;
    if (PolygonCentroid(shape->Apexes, centroid) == 0)
        return;
    const long double scale = View.ScreenScale();
    CentreScrollOn(*ScrollBox1, ModelToDevice(centroid, scale, scale));
}

// While a gesture is in progress the selected shapes are drawn in not-xor,
// and the rubber band, grey in not-xor, over everything.
// Only the shapes that reach into the exposed part are drawn.
void TMainFm::PbPaint(QPainter& painter) {
    TQPainterCanvas canvas(painter);
    const TPixelRect surface{0, 0, PaintBox1->width() - 1, PaintBox1->height() - 1};
    TPixelRect area = surface;
    if (painter.hasClipping()) {
        const QRect clip = painter.clipBoundingRect().toAlignedRect();
        area = {clip.left(), clip.top(), clip.right(), clip.bottom()};
    }
    PaintPageArea(canvas, ShownPage(), Document.PageIndex(), Document.Selection(),
                  DragState != dsIdle ? dmXor : dmSelected, View.ScreenScale(), surface, area);
    if (DragState != dsRubberBand)
        return;
    canvas.SetPenMode(TPenMode::NotXor);
    canvas.SetPenColor(RubberBandColor);
    canvas.SetPenStyle(TPenStyle::Solid);
    canvas.FrameRect(std::min(RubberStart.X, RubberEnd.X), std::min(RubberStart.Y, RubberEnd.Y),
                     std::max(RubberStart.X, RubberEnd.X), std::max(RubberStart.Y, RubberEnd.Y));
}

// Shows where the mouse is, snapped or aligned as a gesture would take it.
void TMainFm::ShowMousePosition(const TPointF& position) {
    // QString::asprintf formats in the C locale: always a '.' decimal mark.
    StatusPanel->setText(QString::asprintf("X:%.1f Y:%.1f", static_cast<double>(position.X),
                                           static_cast<double>(position.Y)));
}

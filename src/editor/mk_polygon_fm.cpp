// The shape editor window: the settings it keeps, the entry points the sheet
// uses, showing and closing, the zoom command, painting, the mouse and the
// status line, and the menu commands with their dialogs. Each handler reads
// its input, hands it to the model and shows what changed.
#include "mk_polygon_fm.h"

#include "decimals_dlg.h"
#include "dialog_runner.h"
#include "drawing/centroid_mark.h"
#include "drawing/draw_polygon.h"
#include "drawing/mouse_position.h"
#include "drawing/page_area.h"
#include "drawing/page_grid.h"
#include "drawing/view_zoom.h"
#include "editor_status_text.h"
#include "geometry/hit_test.h"
#include "mk_polygon_settings.h"
#include "page_surface.h"
#include "paint_surface.h"
#include "polygon_info_dlg.h"
#include "prompt.h"
#include "qpainter_canvas.h"
#include "regular_polygon_dlg.h"
#include "ui_text.h"
#include "view_navigator.h"
#include "window_placement.h"
#include "zoom_dialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QStatusBar>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QString Caption = QStringLiteral("MkPolygon");
QString DrawingHintText() {
    return UiText(
        "TMkPolygonFm",
        "クリックで頂点を置きます。最後に置いた頂点をもう一度クリックすると図形を閉じます。");
}

constexpr int StatusPanel0Width = 160;
constexpr int StatusPanel1Width = 50;
// The spacing beside the status panels, the bar's margins and its size grip.
constexpr int StatusBarRoom = 48;

// The pixel under the mouse; positions may be fractional on scaled screens.
std::int64_t PixelOf(qreal coordinate) {
    return static_cast<std::int64_t>(std::floor(coordinate));
}

TMouseKeys KeysOf(const QMouseEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return TMouseKeys{modifiers.testFlag(Qt::ShiftModifier),
                      modifiers.testFlag(Qt::ControlModifier)};
}

} // namespace

TMkPolygonFm::TMkPolygonFm(const TEditorServices& services)
    : Prompt(services.Prompt), PageArea(services.PageArea), CursorPos(services.CursorPos),
      FModel(services.Ticks), Menu(*this) {
    setWindowTitle(Caption);
    RegularPolygonDlg = new TRegularPolygonDlg(this);
    DecimalsDlg = new TDecimalsDlg(this);
    createClientArea();
    createStatusBar();
    createConnections();
    ReadSettings(services.Settings);
    UpdateMenu();
}

TMkPolygonFm::~TMkPolygonFm() {
    if (FModalLoop != nullptr)
        FModalLoop->quit();
}

void TMkPolygonFm::createClientArea() {
    PaintBox1 = new TPaintSurface;
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));

    ScrollBox1 = new QScrollArea;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    // The editor's background is white around the page as well.
    QPalette white = ScrollBox1->palette();
    white.setColor(QPalette::Window, Qt::white);
    ScrollBox1->setPalette(white);
    ScrollBox1->setBackgroundRole(QPalette::Window);
    ScrollBox1->setWidget(PaintBox1);
    setCentralWidget(ScrollBox1);
    // The wheel scrolls, Ctrl and the wheel zoom, the middle button drags the view.
    Navigator = new TViewNavigator(*ScrollBox1);
}

// Each panel keeps its width as a minimum and grows with its text, so that no
// text is ever cut: a drag of two sides makes panel 0's long, the hover report
// over a flanged side makes panel 1's long, and a large screen font makes
// both wide. Neither stretches to the end of the line.
void TMkPolygonFm::createStatusBar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel0 = new QLabel;
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    StatusPanel0->setMinimumWidth(StatusPanel0Width);
    StatusPanel1 = new QLabel;
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setMinimumWidth(StatusPanel1Width);
    statusBar()->addWidget(StatusPanel0);
    statusBar()->addWidget(StatusPanel1);
}

void TMkPolygonFm::createConnections() {
    connect(Menu.New1, &QAction::triggered, this, &TMkPolygonFm::New1Click);
    connect(Menu.NSet, &QMenu::aboutToShow, this, &TMkPolygonFm::UpdateMenu);
    connect(Menu.Undo1, &QAction::triggered, this, &TMkPolygonFm::Undo1Click);
    connect(Menu.Repeat1, &QAction::triggered, this, &TMkPolygonFm::Repeat1Click);
    connect(Menu.ApexInsertMi, &QAction::triggered, this, &TMkPolygonFm::ApexInsertMiClick);
    connect(Menu.ApexDelMi, &QAction::triggered, this, &TMkPolygonFm::ApexDelMiClick);
    // One handler for both fold-line sets; the set is the item's tag.
    connect(Menu.BendLine1Mi, &QAction::triggered, this, [this] { BendLine1MiClick(0); });
    connect(Menu.BendLine2Mi, &QAction::triggered, this, [this] { BendLine1MiClick(1); });
    connect(Menu.NSetPp, &QAction::triggered, this, &TMkPolygonFm::NSetPpClick);
    connect(Menu.NSetPa, &QAction::triggered, this, &TMkPolygonFm::NSetPaClick);
    connect(Menu.NSetLl, &QAction::triggered, this, &TMkPolygonFm::NSetLlClick);
    connect(Menu.NSetLa, &QAction::triggered, this, &TMkPolygonFm::NSetLaClick);
    connect(Menu.FlangeMi, &QAction::triggered, this, &TMkPolygonFm::FlangeMiClick);
    connect(Menu.PolygonResizeMi, &QAction::triggered, this, &TMkPolygonFm::PolygonResizeMiClick);
    connect(Menu.ReverseMi, &QAction::triggered, this, &TMkPolygonFm::ReverseMiClick);
    connect(Menu.Z1, &QAction::triggered, this, &TMkPolygonFm::Z1Click);
    connect(Menu.PInfoMi, &QAction::triggered, this, &TMkPolygonFm::PInfoMiClick);
    connect(Menu.RegularPolygonMi, &QAction::triggered, this, &TMkPolygonFm::RegularPolygonMiClick);
    connect(Menu.DecimalsMi, &QAction::triggered, this, &TMkPolygonFm::DecimalsMiClick);
    connect(Navigator, &TViewNavigator::ZoomRequested, this, &TMkPolygonFm::ZoomAbout);
    connect(Menu.OrgPolygonMi, &QAction::triggered, this, &TMkPolygonFm::OrgPolygonMiClick);
    connect(Menu.Exit1, &QAction::triggered, this, &TMkPolygonFm::close);
    connect(PaintBox1, &TPaintSurface::Paint, this, &TMkPolygonFm::PbPaint);
    connect(PaintBox1, &TPaintSurface::MouseDown, this, &TMkPolygonFm::PbMouseDown);
    connect(PaintBox1, &TPaintSurface::MouseMove, this, &TMkPolygonFm::PbMouseMove);
    connect(PaintBox1, &TPaintSurface::MouseUp, this, &TMkPolygonFm::PbMouseUp);
}

// Measured with the fonts the labels will be shown in. The bar's own layout
// cannot be asked before the window is shown (it leaves out labels it has
// not shown yet), so the room around the panels is allowed for apart.
int TMkPolygonFm::StatusLineWidth() {
    StatusPanel0->ensurePolished();
    StatusPanel1->ensurePolished();
    StatusPanel0->setText(PositionStatusText(PointF(-999.9L, -999.9L), FDecimals) +
                          DrawLengthStatusText(9999.9L, FDecimals));
    StatusPanel1->setText(DrawingHintText());
    const int width = std::max(StatusPanel0Width, StatusPanel0->sizeHint().width()) +
                      StatusPanel1->sizeHint().width() + StatusBarRoom;
    StatusPanel0->clear();
    StatusPanel1->clear();
    return width;
}

void TMkPolygonFm::ReadSettings(const TIniFile& settings) {
    const TMkPolygonSettings values = ReadMkPolygonSettings(settings, wsNormal, StatusLineWidth());
    ApplyWindowPlacement(*this, values.Window);
    FView.SetZoom(values.Zoom);
    FDecimals = values.Decimals;
    FModel.SetFlangeDefaults(values.FlangeWidth, values.FlangeAngle1, values.FlangeAngle2);
}

// Only this section changes; the rest of the file is kept as it is.
void TMkPolygonFm::WriteSettings(TIniFile& settings) const {
    TMkPolygonSettings values;
    values.Window = WindowPlacementOf(*this);
    values.Zoom = FView.Zoom();
    values.Decimals = FDecimals;
    values.FlangeWidth = FModel.FlangeWidth();
    values.FlangeAngle1 = FModel.FlangeAngle1();
    values.FlangeAngle2 = FModel.FlangeAngle2();
    WriteMkPolygonSettings(settings, values);
}

void TMkPolygonFm::NewPolygon() {
    FModel.NewPolygon();
    UpdateMenu();
    ShowDrawingHint();
    ShapeChanged();
}

void TMkPolygonFm::SetPolygon(const TPolygon& shape) {
    NewPolygon();
    FModel.SetPolygon(shape);
    UpdateMenu();
    ShapeChanged();
}

void TMkPolygonFm::ShowModal() {
    if (isVisible())
        return;
    setWindowModality(Qt::ApplicationModal);
    show();
    if (!isVisible())
        return;
    QEventLoop loop;
    FModalLoop = &loop;
    const QPointer<TMkPolygonFm> alive(this);
    loop.exec(QEventLoop::DialogExec);
    if (alive)
        FModalLoop = nullptr;
}

int TMkPolygonFm::ApexCount() const {
    return FModel.ApexCount();
}

bool TMkPolygonFm::GetPolygon(TPolygon& shape) const {
    return FModel.GetPolygon(shape);
}

TFlange TMkPolygonFm::DefaultFlange() const {
    return MakeFlange("", FModel.FlangeWidth(), FModel.FlangeAngle1(), FModel.FlangeAngle2());
}

void TMkPolygonFm::SetDialogs(const TEditorDialogs& dialogs) {
    FDialogs = dialogs;
    if (FDialogs.Monitor == nullptr)
        return;
    connect(this, &TMkPolygonFm::MonitorRefresh, FDialogs.Monitor, &TPolygonInfoDlg::Update);
    FDialogs.Monitor->SetDecimals(FDecimals);
}

void TMkPolygonFm::SetFlangeNames(const std::vector<std::string>& names,
                                  const IFlangeLookup* lookup) {
    FFlangeNames = names;
    FFlangeLookup = lookup;
}

// Restoring a minimised window shows it again without a new editing run.
void TMkPolygonFm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous() && !FRunning)
        FormShow();
}

void TMkPolygonFm::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void TMkPolygonFm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TMkPolygonFm::FormShow() {
    FRunning = true;
    SizeSurface();
    ScrollToShape();
    // The last run's positions and lengths say nothing about this shape.
    StatusPanel0->clear();
    ShowDrawingHint();
    RefreshMonitor();
    if (Menu.PInfoMi->isChecked() && FDialogs.Monitor != nullptr)
        FDialogs.Monitor->show();
    FModel.StartRun();
    UpdateMenu();
}

// Closing and hiding both end the run; whichever comes second finds it ended.
void TMkPolygonFm::FormClose() {
    if (FDialogs.Monitor != nullptr)
        FDialogs.Monitor->close();
    FRunning = false;
    if (FModalLoop != nullptr)
        FModalLoop->quit();
}

void TMkPolygonFm::SizeSurface() {
    const TPageAreaMm area = PageArea.PageArea();
    PaintBox1->setFixedSize(PageSurfaceSize(area.Width, area.Height, FView.ScreenScale()));
}

void TMkPolygonFm::ScrollToShape() {
    const long double scale = FView.ScreenScale();
    CentreScrollOn(*ScrollBox1, ModelToDevice(FModel.ViewCentre(), scale, scale));
}

void TMkPolygonFm::RepaintSurface() {
    PaintBox1->update();
}

// The centroid cross moves with the shape: where it was drawn and where it
// will be are repainted too.
void TMkPolygonFm::RepaintChanges() {
    const long double scale = FView.ScreenScale();
    const TPolygon& shape = FModel.Polygon();
    const TSelApex& selApex = FModel.SelApex();
    TPixelRect area = FRepaint.Changes(shape, selApex[0], selApex[1], scale, DrawModeNow());
    const TPixelPoint mark = CentroidMarkPixel(shape, scale, FCentroidMark);
    if (ApexCount() >= 3 && mark != FCentroidMark)
        area = United(area, United(CentroidMarkArea(FCentroidMark), CentroidMarkArea(mark)));
    area = Intersected(area, SurfacePixels());
    if (!area.IsEmpty())
        PaintBox1->update(
            QRect(QPoint(static_cast<int>(area.Left), static_cast<int>(area.Top)),
                  QPoint(static_cast<int>(area.Right), static_cast<int>(area.Bottom))));
}

TPixelRect TMkPolygonFm::SurfacePixels() const {
    return {0, 0, PaintBox1->width() - 1, PaintBox1->height() - 1};
}

TDrawMode TMkPolygonFm::DrawModeNow() const {
    return FModel.Mode() == emDraw ? dmOpen : dmNormal;
}

TPickDistances TMkPolygonFm::PickDistances() const {
    return TPickDistances{FView.CloseDist(), FView.ApexPickDist(), FView.LinePickDist()};
}

bool TMkPolygonFm::KeepLengths() const {
    return Menu.FixSegLenMi->isChecked();
}

void TMkPolygonFm::UpdateMenu() {
    Menu.Enable(FModel.SelFlags(), ApexCount(), FModel.HasOriginal());
}

void TMkPolygonFm::ShapeChanged() {
    RepaintSurface();
    RefreshMonitor();
}

// Nothing on screen tells how an outline is drawn and closed, so panel 1,
// which reports lines only once the outline is closed, tells it meanwhile.
void TMkPolygonFm::ShowDrawingHint() {
    StatusPanel1->setText(FModel.Mode() == emDraw ? DrawingHintText() : QString());
}

void TMkPolygonFm::RefreshMonitor() {
    if (Menu.PInfoMi->isChecked())
        emit MonitorRefresh(FModel.Polygon(), FModel.SelApex()[0], FModel.SelApex()[1]);
}

void TMkPolygonFm::New1Click() {
    NewPolygon();
}

void TMkPolygonFm::Undo1Click() {
    if (FModel.Undo())
        AfterHistoryWalk();
}

void TMkPolygonFm::Repeat1Click() {
    if (FModel.Redo())
        AfterHistoryWalk();
}

void TMkPolygonFm::AfterHistoryWalk() {
    UpdateMenu();
    ShowDrawingHint();
    ShapeChanged();
    if (FModel.Mode() == emDraw)
        PutRubberBandAtCursor();
}

// The rubber band is where the mouse is, not where it was when the outline was
// finished.
void TMkPolygonFm::PutRubberBandAtCursor() {
    const QPoint global = CursorPos ? CursorPos() : QCursor::pos();
    const QPoint pixel = PaintBox1->mapFromGlobal(global);
    const long double scale = FView.ScreenScale();
    if (FModel.PutRubberBand(DeviceToModel(TPixelPoint{pixel.x(), pixel.y()}, scale, scale)))
        RepaintSurface();
}

void TMkPolygonFm::ZoomAbout(int steps, const QPointF& surfacePos, const QPoint& viewPos) {
    const long double oldScale = FView.ScreenScale();
    const long double zoom = ZoomStepFrom(FView.Zoom(), steps);
    if (zoom == FView.Zoom())
        return;
    FView.SetZoom(zoom);
    SizeSurface();
    Navigator->KeepPointUnderPointer(surfacePos, viewPos, oldScale, FView.ScreenScale());
    RepaintSurface();
}

void TMkPolygonFm::Z1Click() {
    const long double zoom = ZoomDialog(Prompt, FView.Zoom());
    if (!IsAcceptedZoom(zoom))
        return;
    FView.SetZoom(zoom);
    SizeSurface();
    ScrollToShape();
    RepaintSurface();
}

// The restored shape starts a new outline first, as the model's restore does.
void TMkPolygonFm::OrgPolygonMiClick() {
    if (!FModel.HasOriginal())
        return;
    NewPolygon();
    FModel.Restore();
    UpdateMenu();
    ShapeChanged();
}

// Only what reaches into the exposed part is drawn.
void TMkPolygonFm::PbPaint(QPainter& painter) {
    TQPainterCanvas canvas(painter);
    TPixelRect area = SurfacePixels();
    if (painter.hasClipping()) {
        const QRect clip = painter.clipBoundingRect().toAlignedRect();
        area = Intersected(area, {clip.left(), clip.top(), clip.right(), clip.bottom()});
    }
    if (area.IsEmpty())
        return;
    canvas.FillRect(area.Left, area.Top, area.Right, area.Bottom, ColorWhite);
    // The page's edge and the grid Ctrl snaps to; the screen's only, as the
    // editor is never printed.
    DrawPageGrid(canvas, area, FView.ScreenScale(), FView.GridStep());
    DrawPageOutline(canvas, SurfacePixels());
    DrawCentroidMark(canvas);
    const TSelApex& selApex = FModel.SelApex();
    FRepaint.Paint(canvas, area, FModel.Polygon(), selApex[0], selApex[1], FView.ScreenScale(),
                   DrawModeNow());
}

// A shape without area keeps the cross where it was drawn last.
void TMkPolygonFm::DrawCentroidMark(ICanvas& canvas) {
    if (ApexCount() < 3)
        return;
    FCentroidMark = CentroidMarkPixel(FModel.Polygon(), FView.ScreenScale(), FCentroidMark);
    ::DrawCentroidMark(canvas, FCentroidMark);
}

TPointF TMkPolygonFm::MouseToMm(const QMouseEvent* event) const {
    return MousePosToMm(FView, FModel.LastPoint(), KeysOf(event), PixelOf(event->position().x()),
                        PixelOf(event->position().y()));
}

// Only the left button edits. A press of another button during a gesture must
// not retake the before-state, or the gesture would be recorded only in part.
void TMkPolygonFm::PbMouseDown(const QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool drawing = FModel.Mode() == emDraw;
    const TMouseKeys keys = KeysOf(event);
    const bool acted = FModel.Press(MouseToMm(event), keys.Ctrl || keys.Shift, PickDistances());
    if (drawing && FModel.Mode() != emDraw)
        ShowDrawingHint();
    if (acted)
        ShapeChanged();
    UpdateMenu();
}

void TMkPolygonFm::PbMouseMove(const QMouseEvent* event) {
    const TPointF q = MouseToMm(event);
    QString text = PositionStatusText(q, FDecimals);
    if (FModel.Mode() == emIdle) {
        ReportLineUnderMouse(q);
    } else {
        const TMoveStep step = FModel.MoveTo(q, KeepLengths());
        if (step.LengthCount == 1)
            text += DrawLengthStatusText(step.Lengths[0], FDecimals);
        else if (step.LengthCount == 2)
            text += DragLengthsStatusText(step.Lengths[0], step.Lengths[1], FDecimals);
        if (step.Changed) {
            RepaintChanges();
            RefreshMonitor();
        }
    }
    StatusPanel0->setText(text);
}

void TMkPolygonFm::ReportLineUnderMouse(const TPointF& q) {
    TLineReport report;
    StatusPanel1->setText(LineReportAt(FModel.Polygon(), q, FView.LinePickDist(), report)
                              ? LineStatusText(report, FDecimals)
                              : QString());
}

void TMkPolygonFm::PbMouseUp(const QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    FModel.Release();
    RepaintSurface();
    UpdateMenu();
}

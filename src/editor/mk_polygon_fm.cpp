// The shape editor window: its menu, the settings it keeps, the entry points
// the sheet uses, showing and closing with the zoom swap, the zoom command,
// painting, and undo and redo over the editor's own history.
#include "mk_polygon_fm.h"

#include "drawing/centroid_mark.h"
#include "drawing/draw_polygon.h"
#include "drawing/view_scale.h"
#include "editing/new_outline.h"
#include "mk_polygon_settings.h"
#include "named_action.h"
#include "page_surface.h"
#include "paint_surface.h"
#include "polygon_info_dlg.h"
#include "qpainter_canvas.h"
#include "settings_file.h"
#include "window_placement.h"
#include "zoom_dialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QStatusBar>

namespace {

const QString Caption = QStringLiteral("MkPolygon");
const QString DrawingHintText = QStringLiteral(
    "クリックで頂点を置きます。最後に置いた頂点をもう一度クリックすると図形を閉じます。");

constexpr int StatusPanel0Width = 160;
constexpr int StatusPanel1Width = 50;

} // namespace

TMkPolygonFm::TMkPolygonFm(const TEditorServices& services)
    : Prompt(services.Prompt), View(services.View), SettingsPath(services.SettingsPath),
      PageArea(services.PageArea), CursorPos(services.CursorPos), FHistory(services.Ticks) {
    setWindowTitle(Caption);
    createActions();
    createMenus();
    createClientArea();
    createStatusBar();
    createConnections();

    ReadSettings();
    FMode = emIdle;
    FSelApex = NoSelApex;
    FPolygon.Apexes.assign(1, TPointF());
    FPolygon.Flanges.assign(1, TFlange());
    UpdateSelFlags();
}

// Written here rather than on close so that every way out keeps the settings.
TMkPolygonFm::~TMkPolygonFm() {
    if (FModalLoop != nullptr)
        FModalLoop->quit();
    WriteSettings();
}

void TMkPolygonFm::createActions() {
    New1 = NamedAction(this, "New1", QStringLiteral("&New"));
    Undo1 = NamedAction(this, "Undo1", QStringLiteral("元に戻す(&U)"), Qt::ALT | Qt::Key_Backspace);
    Repeat1 = NamedAction(this, "Repeat1", QStringLiteral("やり直し"),
                          Qt::SHIFT | Qt::ALT | Qt::Key_Backspace);
    FixSegLenMi =
        NamedAction(this, "FixSegLenMi", QStringLiteral("辺の長さ固定(&F)"), Qt::CTRL | Qt::Key_F);
    ApexInsertMi =
        NamedAction(this, "ApexInsertMi", QStringLiteral("頂点増設(&I)"), Qt::CTRL | Qt::Key_I);
    ApexDelMi =
        NamedAction(this, "ApexDelMi", QStringLiteral("頂点削除(&D)"), Qt::CTRL | Qt::Key_D);
    BendLine1Mi =
        NamedAction(this, "BendLine1Mi", QStringLiteral("折り線設定-1(&J)"), Qt::CTRL | Qt::Key_J);
    BendLine2Mi =
        NamedAction(this, "BendLine2Mi", QStringLiteral("折り線設定-2(&K)"), Qt::CTRL | Qt::Key_K);
    NSetPp = NamedAction(this, "NSetPp", QStringLiteral("座標設定(&P)..."), Qt::CTRL | Qt::Key_P);
    NSetPa = NamedAction(this, "NSetPa", QStringLiteral("内角設定(&A)..."), Qt::CTRL | Qt::Key_A);
    NSetLl =
        NamedAction(this, "NSetLl", QStringLiteral("辺の長さ設定(L)..."), Qt::CTRL | Qt::Key_L);
    NSetLa =
        NamedAction(this, "NSetLa", QStringLiteral("辺の傾き設定(&B)..."), Qt::CTRL | Qt::Key_B);
    FlangeMi = NamedAction(this, "FlangeMi", QStringLiteral("糊代(&G)..."), Qt::CTRL | Qt::Key_G);
    PolygonResizeMi = NamedAction(this, "PolygonResizeMi", QStringLiteral("拡大縮小(&S)..."),
                                  Qt::CTRL | Qt::Key_S);
    ReverseMi = NamedAction(this, "ReverseMi", QStringLiteral("反転(&R)"), Qt::CTRL | Qt::Key_R);
    Z1 = NamedAction(this, "Z1", QStringLiteral("ズーム(&Z)..."), Qt::CTRL | Qt::Key_Z);
    PInfoMi =
        NamedAction(this, "PInfoMi", QStringLiteral("図形情報モニタ(&M)..."), Qt::CTRL | Qt::Key_M);
    OrgPolygonMi = NamedAction(this, "OrgPolygonMi", QStringLiteral("最初の状態に戻す(&Y)"));
    Exit1 = NamedAction(this, "Exit1", QStringLiteral("終了(&X)"), Qt::CTRL | Qt::Key_X);
    // Both start unchecked; the side-length switch keeps its state between runs.
    FixSegLenMi->setCheckable(true);
    PInfoMi->setCheckable(true);
}

void TMkPolygonFm::createMenus() {
    const auto separator = [this](const char* name) {
        NSet->addSeparator()->setObjectName(QLatin1String(name));
    };
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    menuBar()->addAction(New1);
    NSet = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    NSet->setObjectName(QStringLiteral("NSet"));
    NSet->addActions({Undo1, Repeat1});
    separator("N4");
    NSet->addAction(FixSegLenMi);
    separator("N3");
    NSet->addActions({ApexInsertMi, ApexDelMi});
    separator("N6");
    NSet->addActions({BendLine1Mi, BendLine2Mi});
    separator("N5");
    NSet->addActions({NSetPp, NSetPa, NSetLl, NSetLa, FlangeMi, PolygonResizeMi, ReverseMi});
    separator("N1");
    NSet->addActions({Z1, PInfoMi});
    separator("N2");
    NSet->addActions({OrgPolygonMi, Exit1});
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
    connect(New1, &QAction::triggered, this, &TMkPolygonFm::New1Click);
    connect(NSet, &QMenu::aboutToShow, this, &TMkPolygonFm::NSetClick);
    connect(Undo1, &QAction::triggered, this, &TMkPolygonFm::Undo1Click);
    connect(Repeat1, &QAction::triggered, this, &TMkPolygonFm::Repeat1Click);
    connect(Z1, &QAction::triggered, this, &TMkPolygonFm::Z1Click);
    connect(OrgPolygonMi, &QAction::triggered, this, &TMkPolygonFm::OrgPolygonMiClick);
    connect(Exit1, &QAction::triggered, this, &TMkPolygonFm::close);
    createCommandConnections();
    createFlangeConnections();
    connect(PaintBox1, &TPaintSurface::Paint, this, &TMkPolygonFm::PbPaint);
    connect(PaintBox1, &TPaintSurface::MouseDown, this, &TMkPolygonFm::PbMouseDown);
    connect(PaintBox1, &TPaintSurface::MouseMove, this, &TMkPolygonFm::PbMouseMove);
    connect(PaintBox1, &TPaintSurface::MouseUp, this, &TMkPolygonFm::PbMouseUp);
}

void TMkPolygonFm::ReadSettings() {
    const TMkPolygonSettings values = ReadMkPolygonSettings(LoadSettings(SettingsPath), wsNormal);
    ApplyWindowPlacement(*this, values.Window);
    FZoom = values.Zoom;
    FFlangeWidth = values.FlangeWidth;
    FFlangeAngle1 = values.FlangeAngle1;
    FFlangeAngle2 = values.FlangeAngle2;
}

// Only this section changes; the rest of the file is kept as it is.
void TMkPolygonFm::WriteSettings() const {
    TMkPolygonSettings values;
    values.Window = WindowPlacementOf(*this);
    values.Zoom = FZoom;
    values.FlangeWidth = FFlangeWidth;
    values.FlangeAngle1 = FFlangeAngle1;
    values.FlangeAngle2 = FFlangeAngle2;
    TIniFile settings = LoadSettings(SettingsPath);
    WriteMkPolygonSettings(settings, values);
    SaveSettings(SettingsPath, settings);
}

void TMkPolygonFm::NewPolygon() {
    SetSelApex(0, -1);
    SetSelApex(1, -1);
    FPolygon = NewOutline();
    SetMode(emDraw);
    UpdateSelFlags();
    ShowDrawingHint();
    RepaintSurface();
    RefreshMonitor();
}

void TMkPolygonFm::SetPolygon(const TPolygon& shape) {
    NewPolygon();
    CopyPolygon(shape, FOrgPolygon);
    CopyPolygon(shape, FPolygon);
    SetMode(emIdle);
    UpdateSelFlags();
    RepaintSurface();
    RefreshMonitor();
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
    return static_cast<int>(FPolygon.Apexes.size());
}

bool TMkPolygonFm::GetPolygon(TPolygon& shape) const {
    if (ApexCount() < 3)
        return false;
    CopyPolygon(FPolygon, shape);
    return true;
}

// Restoring a minimised window shows it again without a new editing run.
void TMkPolygonFm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous() && !FZoomSwapped)
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
    FSheetZoom = View.Zoom();
    View.SetZoom(FZoom);
    FZoomSwapped = true;
    SizeSurface();
    ScrollToShape();
    // The last run's positions and lengths say nothing about this shape.
    StatusPanel0->clear();
    ShowDrawingHint();
    RefreshMonitor();
    if (PInfoMi->isChecked() && FDialogs.Monitor != nullptr)
        FDialogs.Monitor->show();
    // Each editing run starts with an empty history; what loading the shape
    // recorded goes with it.
    FHistory.Clear();
    UpdateSelFlags();
}

// Closing and hiding both end the run; whichever comes second finds it ended.
void TMkPolygonFm::FormClose() {
    if (FDialogs.Monitor != nullptr)
        FDialogs.Monitor->close();
    if (FZoomSwapped) {
        FZoomSwapped = false;
        View.SetZoom(FSheetZoom);
    }
    if (FModalLoop != nullptr)
        FModalLoop->quit();
}

void TMkPolygonFm::SizeSurface() {
    const TPageArea area = PageArea ? PageArea() : TPageArea();
    const long double scale = View.ScreenScale();
    PaintBox1->setFixedSize(PageSurfaceSize(area.Width, area.Height, scale));
}

// A shape without area has no centroid; it is taken at the page origin.
void TMkPolygonFm::ScrollToShape() {
    TPixelPoint centre;
    if (ApexCount() >= 3) {
        TPointF centroid;
        PolygonCentroid(FPolygon.Apexes, centroid);
        const long double scale = View.ScreenScale();
        centre = ModelToDevice(centroid, scale, scale);
    }
    CentreScrollOn(*ScrollBox1, centre);
}

void TMkPolygonFm::RepaintSurface() {
    PaintBox1->update();
}

// The centroid cross moves with the shape: where it was drawn and where it
// will be are repainted too.
void TMkPolygonFm::RepaintChanges() {
    const long double scale = View.ScreenScale();
    TPixelRect area = FRepaint.Changes(FPolygon, FSelApex[0], FSelApex[1], scale, DrawModeNow());
    const TPixelPoint mark = CentroidMarkPixel(FPolygon, scale, FCentroidMark);
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
    return FMode == emDraw ? dmOpen : dmNormal;
}

void TMkPolygonFm::SetSelApex(int slot, int value) {
    ::SetSelApex(FHistory, FSelApex, slot, value);
}

void TMkPolygonFm::SetMode(TEditMode mode) {
    ::SetMode(FHistory, FMode, mode);
}

// The menu's enabling follows the flags, so it is always what opening the menu
// would make it, and a shortcut finds its item enabled exactly when it may act.
void TMkPolygonFm::UpdateSelFlags() {
    FSelFlags = SelFlagsOf(FSelApex, ApexCount());
    NSetClick();
}

// Nothing on screen tells how an outline is drawn and closed, so panel 1,
// which reports lines only once the outline is closed, tells it meanwhile.
void TMkPolygonFm::ShowDrawingHint() {
    StatusPanel1->setText(FMode == emDraw ? DrawingHintText : QString());
}

void TMkPolygonFm::RecordApexMoves() {
    ::RecordApexMoves(FHistory, FPolygon, FBackPolygon);
}

void TMkPolygonFm::RefreshMonitor() {
    if (PInfoMi->isChecked())
        emit MonitorRefresh(FPolygon, FSelApex[0], FSelApex[1]);
}

TEditorState TMkPolygonFm::State() {
    return TEditorState{FPolygon, FSelApex, FMode, FLastPoint};
}

void TMkPolygonFm::New1Click() {
    NewPolygon();
}

void TMkPolygonFm::NSetClick() {
    const TSelFlags& flags = FSelFlags;
    ApexInsertMi->setEnabled(flags.IsSide());
    ApexDelMi->setEnabled(flags.OneApex);
    BendLine1Mi->setEnabled(flags.IsDiagonal());
    BendLine2Mi->setEnabled(flags.IsDiagonal());
    NSetPp->setEnabled(flags.OneApex);
    NSetPa->setEnabled(flags.OneApex || flags.IsSide());
    NSetLl->setEnabled(flags.TwoApex);
    NSetLa->setEnabled(flags.TwoApex);
    FlangeMi->setEnabled(flags.IsSide() || (flags.NoApex && ApexCount() > 2));
    ReverseMi->setEnabled(flags.IsSide());
    OrgPolygonMi->setEnabled(!FOrgPolygon.Apexes.empty());
}

// A gesture in progress holds the shape as it was at the press and records its
// moves against it at the release, so the history stays still until then.
void TMkPolygonFm::Undo1Click() {
    if (IsGestureMode(FMode))
        return;
    const TEditorState state = State();
    FHistory.Undo([&state](const THistoryItem& entry) { UndoEditorEntry(state, entry); });
    AfterHistoryWalk();
}

void TMkPolygonFm::Repeat1Click() {
    if (IsGestureMode(FMode))
        return;
    const TEditorState state = State();
    FHistory.Redo([&state](const THistoryItem& entry) { RedoEditorEntry(state, entry); });
    AfterHistoryWalk();
}

// A slot left naming a vertex that is gone is emptied, so that no command
// reaches past the shape.
void TMkPolygonFm::AfterHistoryWalk() {
    DropStaleSelApex(FSelApex, ApexCount());
    UpdateSelFlags();
    ShowDrawingHint();
    RepaintSurface();
    RefreshMonitor();
    if (FMode == emDraw)
        PutRubberBandAtCursor();
}

// The rubber band is where the mouse is, not where it was when the outline was
// finished.
void TMkPolygonFm::PutRubberBandAtCursor() {
    if (FPolygon.Apexes.empty())
        return;
    const QPoint global = CursorPos ? CursorPos() : QCursor::pos();
    const QPoint pixel = PaintBox1->mapFromGlobal(global);
    const long double scale = View.ScreenScale();
    FPolygon.Apexes.back() = DeviceToModel(TPixelPoint{pixel.x(), pixel.y()}, scale, scale);
    RepaintSurface();
}

void TMkPolygonFm::Z1Click() {
    const long double zoom = ZoomDialog(Prompt, FZoom);
    if (!IsAcceptedZoom(zoom))
        return;
    FZoom = zoom;
    // While the editor is hidden the view belongs to the sheet.
    if (!FZoomSwapped)
        return;
    View.SetZoom(FZoom);
    SizeSurface();
    ScrollToShape();
    RepaintSurface();
}

// The history is cleared as well: its entries may name vertices the restored
// shape does not have.
void TMkPolygonFm::OrgPolygonMiClick() {
    if (FOrgPolygon.Apexes.empty())
        return;
    NewPolygon();
    CopyPolygon(FOrgPolygon, FPolygon);
    SetMode(emIdle);
    FHistory.Clear();
    UpdateSelFlags();
    RepaintSurface();
    RefreshMonitor();
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
    DrawCentroidMark(canvas);
    FRepaint.Paint(canvas, area, FPolygon, FSelApex[0], FSelApex[1], View.ScreenScale(),
                   DrawModeNow());
}

// A shape without area keeps the cross where it was drawn last.
void TMkPolygonFm::DrawCentroidMark(ICanvas& canvas) {
    if (ApexCount() < 3)
        return;
    FCentroidMark = CentroidMarkPixel(FPolygon, View.ScreenScale(), FCentroidMark);
    ::DrawCentroidMark(canvas, FCentroidMark);
}

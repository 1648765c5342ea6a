// The shape editor window: one shape drawn and changed with the mouse, with its
// own edit history and zoom, the menu of editing commands and the settings it
// keeps between runs. The mouse and the status line live in mk_polygon_mouse.cpp,
// the typed settings and the structural commands in mk_polygon_commands.cpp.
#pragma once

#include "drawing/shape_repaint.h"
#include "editing/apex_selection.h"
#include "editing/editor_history.h"
#include "geometry/plane_geometry.h"
#include "geometry/polygon.h"
#include "history/edit_history.h"
#include "shape_editor.h"

#include <QMainWindow>
#include <QPoint>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class ICanvas;
class IDialogRunner;
class TFlangeDlg;
class TPolygonInfoDlg;
class IPrompt;
class ITickCounter;
class TViewScale;
class TPaintSurface;
class TNSetLineAngleDlg;
class TNSetLineLengthDlg;
class TNSetPointAngleDlg;
class TNSetPointPosDlg;
class QAction;
class QEventLoop;
class QLabel;
class QMenu;
class QMouseEvent;
class QPainter;
class QScrollArea;

// The drawing area of one printable page, in millimetres.
struct TPageArea {
    long double Width = 0;
    long double Height = 0;
};

// What the editor asks of the rest of the program; tests give stand-ins.
struct TEditorServices {
    IPrompt& Prompt;
    TViewScale& View;    // program-wide, shared with the sheet
    ITickCounter& Ticks; // time-stamps the edit history
    QString SettingsPath;
    // The page the drawing surface shows, asked each time the editor is shown.
    std::function<TPageArea()> PageArea;
    // The mouse cursor in global coordinates; empty means the system's cursor.
    std::function<QPoint()> CursorPos = {};
};

// The dialogs and the information monitor the editor fills and shows, created
// once by the program after the editor, and how the dialogs are shown.
struct TEditorDialogs {
    IDialogRunner* Runner = nullptr;
    TNSetPointPosDlg* PointPos = nullptr;
    TNSetLineLengthDlg* LineLength = nullptr;
    TNSetPointAngleDlg* PointAngle = nullptr;
    TNSetLineAngleDlg* LineAngle = nullptr;
    TPolygonInfoDlg* Monitor = nullptr;
    TFlangeDlg* Flange = nullptr;
};

class TMkPolygonFm : public QMainWindow, public IShapeEditor {
    Q_OBJECT

public:
    explicit TMkPolygonFm(const TEditorServices& services);
    ~TMkPolygonFm() override;

    void NewPolygon() override;
    void SetPolygon(const TPolygon& shape) override;
    // Shows the window modal to the whole program and returns once it is
    // closed or hidden.
    void ShowModal() override;
    int ApexCount() const override;
    bool GetPolygon(TPolygon& shape) const override;

    // Until they are given, the commands that use them do nothing.
    void SetDialogs(const TEditorDialogs& dialogs);
    void SetFlangeNames(const std::vector<std::string>& names,
                        const IFlangeLookup* lookup) override;

    const TPolygon& WorkingPolygon() const { return FPolygon; }
    const TSelApex& SelectedApexes() const { return FSelApex; }
    const TSelFlags& SelectionFlags() const { return FSelFlags; }
    TEditMode Mode() const { return FMode; }
    const TEditHistory& EditHistory() const { return FHistory; }
    long double EditorZoom() const { return FZoom; }
    // The flange offered for a side that has none yet.
    long double FlangeWidth() const { return FFlangeWidth; }
    long double FlangeAngle1() const { return FFlangeAngle1; }
    long double FlangeAngle2() const { return FFlangeAngle2; }

signals:
    // The shape or the selection changed while the information monitor is
    // switched on: what the monitor shows.
    void MonitorRefresh(const TPolygon& polygon, int slot0, int slot1);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createClientArea();
    void createStatusBar();
    void createConnections();

    void ReadSettings();
    void WriteSettings() const;
    void FormShow();
    void FormClose();
    void SizeSurface();
    void ScrollToShape();
    void RepaintSurface();
    // Repaints only what the last change of the shape touched.
    void RepaintChanges();
    TPixelRect SurfacePixels() const;
    TDrawMode DrawModeNow() const;

    // The routines every editing command shares.
    void SetSelApex(int slot, int value);
    void SetMode(TEditMode mode);
    void UpdateSelFlags();
    void ShowDrawingHint();
    void RecordApexMoves();
    void RefreshMonitor();
    TEditorState State();
    void AfterHistoryWalk();
    void PutRubberBandAtCursor();

    void New1Click();
    void NSetClick();
    void Undo1Click();
    void Repeat1Click();
    void Z1Click();
    void OrgPolygonMiClick();

    // mk_polygon_commands.cpp
    void createCommandConnections();
    bool CanChangeShape() const;
    bool KeepLengths() const;
    bool HasNumericDialogs() const;
    void ApplyApexMoves(const std::function<bool(TPolygon&)>& construction);
    void ShapeChanged();
    void NSetPpClick();
    void NSetPaClick();
    void NSetLlClick();
    void NSetLaClick();
    void ApexInsertMiClick();
    void ApexDelMiClick();
    void BendLine1MiClick(int lineSet);
    void ReverseMiClick();
    void PolygonResizeMiClick();

    // mk_polygon_flange.cpp
    void createFlangeConnections();
    void FlangeMiClick();
    void PInfoMiClick(bool checked);
    void ApplyFlangeToAllSides(const TFlange& flange);
    void MatchSideLength(long double length);

    void PbPaint(QPainter& painter);
    void DrawCentroidMark(ICanvas& canvas);

    // mk_polygon_mouse.cpp
    void PbMouseDown(const QMouseEvent* event);
    void PbMouseMove(const QMouseEvent* event);
    void PbMouseUp(const QMouseEvent* event);
    TPointF MouseToMm(const QMouseEvent* event) const;
    void PlaceOrFinishOutline(const TPointF& q);
    void PickAt(const TPointF& q, bool keepCurrentApex);
    void StartShapeGesture();
    QString DrawStep(const TPointF& q);
    QString DragApexStep(const TPointF& q);
    void MoveShapeStep(const TPointF& q);
    void RotateShapeStep(const TPointF& q);
    void ReportLineUnderMouse(const TPointF& q);

    IPrompt& Prompt;
    TViewScale& View;
    const QString SettingsPath;
    const std::function<TPageArea()> PageArea;
    const std::function<QPoint()> CursorPos;

    TPolygon FPolygon;
    TPolygon FOrgPolygon;  // the shape handed in, for "restore"; empty until then
    TPolygon FBackPolygon; // the shape as a vertex-moving command found it
    TEditHistory FHistory;
    TSelApex FSelApex = NoSelApex;
    TSelFlags FSelFlags;
    TEditMode FMode = emIdle;
    TPointF FLastPoint; // mm: the Shift reference and the move and rotate steps' start
    long double FFlangeWidth = 0;
    long double FFlangeAngle1 = 0;
    long double FFlangeAngle2 = 0;
    long double FZoom = 1;
    long double FSheetZoom = 1;
    bool FZoomSwapped = false; // the editor's zoom is the view's while it is shown
    TPixelPoint FCentroidMark; // where the centroid cross was drawn last
    TShapeRepaint FRepaint;    // the shape as drawn last
    QEventLoop* FModalLoop = nullptr;
    TEditorDialogs FDialogs;
    std::vector<std::string> FFlangeNames;
    const IFlangeLookup* FFlangeLookup = nullptr;

    QAction* New1 = nullptr;
    QMenu* NSet = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Repeat1 = nullptr;
    QAction* FixSegLenMi = nullptr;
    QAction* ApexInsertMi = nullptr;
    QAction* ApexDelMi = nullptr;
    QAction* BendLine1Mi = nullptr;
    QAction* BendLine2Mi = nullptr;
    QAction* NSetPp = nullptr;
    QAction* NSetPa = nullptr;
    QAction* NSetLl = nullptr;
    QAction* NSetLa = nullptr;
    QAction* FlangeMi = nullptr;
    QAction* PolygonResizeMi = nullptr;
    QAction* ReverseMi = nullptr;
    QAction* Z1 = nullptr;
    QAction* PInfoMi = nullptr;
    QAction* OrgPolygonMi = nullptr;
    QAction* Exit1 = nullptr;

    QScrollArea* ScrollBox1 = nullptr;
    TPaintSurface* PaintBox1 = nullptr;
    QLabel* StatusPanel0 = nullptr; // the mouse position and the lengths being made
    QLabel* StatusPanel1 = nullptr; // the line under the mouse
};

// The shape editor window: the menu, the dialogs and the status line of one
// editing run, its own view scale, and the drawing surface it repaints. What a
// command or a mouse gesture does to the shape, the selection and the history
// is the model's (editing/shape_editor_model.h); the window asks, shows and
// repaints.
#pragma once

#include "drawing/shape_repaint.h"
#include "drawing/view_scale.h"
#include "editing/shape_editor_model.h"
#include "editing/shown_decimals.h"
#include "geometry/plane_geometry.h"
#include "geometry/polygon.h"
#include "mk_polygon_menu.h"
#include "shape_editor.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class ICanvas;
class IDialogRunner;
class IPageArea;
class IPrompt;
class ITickCounter;
class TIniFile;
class TDecimalsDlg;
class TFlangeDlg;
class TNSetLineAngleDlg;
class TNSetLineLengthDlg;
class TNSetPointAngleDlg;
class TNSetPointPosDlg;
class TPaintSurface;
class TPolygonInfoDlg;
class TRegularPolygonDlg;
class TViewNavigator;
class QEventLoop;
class QLabel;
class QMouseEvent;
class QPainter;
class QScrollArea;

// What the editor asks of the rest of the program; tests give stand-ins.
struct TEditorServices {
    IPrompt& Prompt;
    ITickCounter& Ticks; // time-stamps the edit history
    // The settings file as the program read it at start: the editor takes its
    // section from it while it is made.
    const TIniFile& Settings;
    // The page the drawing surface shows, asked each time the editor is shown;
    // it must outlive the editor.
    const IPageArea& PageArea;
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
    TFlange DefaultFlange() const override;

    // Until they are given, the commands that use them do nothing.
    void SetDialogs(const TEditorDialogs& dialogs);
    void SetFlangeNames(const std::vector<std::string>& names,
                        const IFlangeLookup* lookup) override;

    const TShapeEditorModel& Model() const { return FModel; }
    // The editor's own zoom and the scale, grid and pick distances it gives.
    const TViewScale& ViewScale() const { return FView; }
    // How many decimals the status line and the monitor show; kept in the
    // settings.
    const TShownDecimals& ShownDecimals() const { return FDecimals; }

    // Puts the editor's section (bounds, zoom, flange defaults, decimals) into
    // settings; the program writes the file once, at its end.
    void WriteSettings(TIniFile& settings) const;

signals:
    // The shape or the selection changed while the information monitor is
    // switched on: what the monitor shows.
    void MonitorRefresh(const TPolygon& polygon, int slot0, int slot1);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createClientArea();
    void createStatusBar();
    void createConnections();

    // Wide enough for the status line while an outline is drawn: the
    // position with the side being drawn, and the hint beside it.
    int StatusLineWidth();
    void ReadSettings(const TIniFile& settings);
    void FormShow();
    void FormClose();
    void SizeSurface();
    void ScrollToShape();
    void RepaintSurface();
    // Repaints only what the last change of the shape touched.
    void RepaintChanges();
    TPixelRect SurfacePixels() const;
    TDrawMode DrawModeNow() const;
    TPickDistances PickDistances() const;
    bool KeepLengths() const;

    // What follows every change of the model: the menu's enabling, and the
    // surface and the monitor when the shape or the selection changed.
    void UpdateMenu();
    void ShapeChanged();
    void ShowDrawingHint();
    void RefreshMonitor();
    void AfterHistoryWalk();
    void PutRubberBandAtCursor();

    void New1Click();
    void Undo1Click();
    void Repeat1Click();
    void Z1Click();
    void OrgPolygonMiClick();
    bool HasNumericDialogs() const;
    void NSetPpClick();
    void NSetPaClick();
    void NSetLlClick();
    void NSetLaClick();
    void ApexInsertMiClick();
    void ApexDelMiClick();
    void BendLine1MiClick(int lineSet);
    void ReverseMiClick();
    void PolygonResizeMiClick();
    void FlangeMiClick();
    void PInfoMiClick(bool checked);
    void RegularPolygonMiClick();
    // The middle of the page as far as the view shows it, in mm.
    TPointF VisibleCentre() const;
    void DecimalsMiClick();
    void SetShownDecimals(const TShownDecimals& decimals);
    // Ctrl and the wheel: the next zoom steps about the pointer.
    void ZoomAbout(int steps, const QPointF& surfacePos, const QPoint& viewPos);

    void PbPaint(QPainter& painter);
    void DrawCentroidMark(ICanvas& canvas);
    void PbMouseDown(const QMouseEvent* event);
    void PbMouseMove(const QMouseEvent* event);
    void PbMouseUp(const QMouseEvent* event);
    TPointF MouseToMm(const QMouseEvent* event) const;
    void ReportLineUnderMouse(const TPointF& q);

    IPrompt& Prompt;
    const IPageArea& PageArea;
    const std::function<QPoint()> CursorPos;

    TShapeEditorModel FModel;
    TViewScale FView;          // the editor's own zoom, kept in its settings
    TShownDecimals FDecimals;  // kept in its settings too
    bool FRunning = false;     // between showing and closing
    TPixelPoint FCentroidMark; // where the centroid cross was drawn last
    TShapeRepaint FRepaint;    // the shape as drawn last
    QEventLoop* FModalLoop = nullptr;
    TEditorDialogs FDialogs;
    std::vector<std::string> FFlangeNames;
    const IFlangeLookup* FFlangeLookup = nullptr;

    TMkPolygonMenu Menu;
    TRegularPolygonDlg* RegularPolygonDlg = nullptr;
    TDecimalsDlg* DecimalsDlg = nullptr;
    TViewNavigator* Navigator = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    TPaintSurface* PaintBox1 = nullptr;
    QLabel* StatusPanel0 = nullptr; // the mouse position and the lengths being made
    QLabel* StatusPanel1 = nullptr; // the line under the mouse
};

// The pointer gestures on the sheet's page: selecting with a click or a rubber
// band, moving near a shape's centroid and rotating farther out, under the
// placement rules, holding the pointer on the grab point while a step is
// refused, and a new or pasted shape following the pointer until a click.
#pragma once

#include "geometry/plane_geometry.h"
#include "geometry/polygon.h"
#include "placement/placement.h"

#include <QObject>

#include <cstdint>

class IPrompt;
class IScreenCursor;
class QMouseEvent;
class TPageView;
class TSheetDocument;
enum class TPlaceFit;

// The pointer gesture in progress on the sheet.
enum TDragState : std::uint8_t {
    dsIdle = 0,
    dsMove = 3,
    dsRotate = 4,
    dsRubberBand = 5, // selecting with a rectangle
};

class TSheetGestures : public QObject {
    Q_OBJECT

public:
    TSheetGestures(TSheetDocument& document, TPageView& view, IPrompt& prompt,
                   IScreenCursor& cursor);

    TDragState State() const { return FState; }
    // For tests that stage a gesture without the mouse.
    void SetState(TDragState state);

    // Every press first takes the mouse position as the new reference; a
    // press during a gesture ends it, whatever the button.
    void MouseDown(const QMouseEvent& event, const TPlacementRules& rules);
    void MouseMove(const QMouseEvent& event, const TPlacementRules& rules);
    // In click-to-drag mode a move or rotation goes on until the next press.
    void MouseUp(const QMouseEvent& event, bool clickToDrag);

    // The shape under a double click, made the current one so that the edit
    // command takes it, the gesture the click started ended first; -1, and
    // nothing changed, when no shape lies there.
    int ShapeForEditing(const QMouseEvent& event);

    // Ends a gesture as a press does: a move or rotation records the
    // displacement of every selected shape.
    void EndDrag();
    // The drawing the gesture worked on is gone: nothing is recorded.
    void Cancel();
    // Adds shape to the page where it fits nearest the pointer (the document's
    // PlaceShapeWhereItFits on a white area of pageWidth by pageHeight); it
    // follows the pointer, with no button held, until the next press drops
    // it. A shape too large for the white area is not added.
    TPlaceFit PlaceShape(const TPolygon& shape, long double pageWidth, long double pageHeight);

signals:
    // Where the mouse is, snapped or aligned as a gesture would take it.
    void PointerMoved(const TPointF& position);
    // A new or pasted shape follows the pointer, or no longer does.
    void PlacingChanged(bool placing);

private:
    void StartGesture(bool ctrl, const TPixelPoint& pixel, const TPlacementRules& rules);
    bool GrabPolygon(int index, bool ctrl, const TPlacementRules& rules);
    void FinishRubberBand(bool ctrl);
    void DragStep(const TPointF& q, const TPlacementRules& rules);
    void Stop();

    TSheetDocument& Document;
    TPageView& View;
    IPrompt& Prompt;
    IScreenCursor& Cursor;
    TDragState FState = dsIdle;
    TPointF DownPoint; // mm, where the last gesture began or stepped: the step's reference
    TGrip Grip;        // where the current shape was grabbed
};

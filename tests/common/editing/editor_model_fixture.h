// The shape editor's model under test: a run started as the window starts it,
// worked with presses, moves and releases in millimetres at the pick
// distances of a zoom, with a tick counter the test moves.
#pragma once

#include "common/shape_builders.h"
#include "drawing/view_scale.h"
#include "editing/shape_editor_model.h"
#include "fakes/fake_ticks.h"

#include <gtest/gtest.h>

#include <vector>

// The pick distances the editor's view gives at a zoom factor.
inline TPickDistances PickDistancesAt(long double zoom) {
    TViewScale view;
    view.SetZoom(zoom);
    return TPickDistances{view.CloseDist(), view.ApexPickDist(), view.LinePickDist()};
}

inline std::vector<TPeiKind> Kinds(const TEditHistory& history) {
    std::vector<TPeiKind> kinds;
    for (const THistoryItem& item : history.Items())
        kinds.push_back(item.Kind);
    return kinds;
}

class EditorModelTest : public testing::Test {
protected:
    TFakeTicks Ticks;
    TShapeEditorModel Model{Ticks};
    // At 200 % the vertex and line pick distances are 8/7 mm and the closing
    // distance 10/7 mm.
    TPickDistances Distances = PickDistancesAt(2);

    // A run as the sheet starts it: a new outline or a copy of shape, then the
    // window shown.
    void StartNew() {
        Model.NewPolygon();
        Model.StartRun();
    }
    void StartEditing(const TPolygon& shape) {
        Model.SetPolygon(shape);
        Model.StartRun();
    }

    const TPolygon& Working() const { return Model.Polygon(); }
    const TDaPointF& Apexes() const { return Model.Polygon().Apexes; }
    const TEditHistory& History() const { return Model.History(); }

    // Ctrl or Shift held: the current vertex stays as the other end.
    void Press(const TPointF& q, bool keep = false) { Model.Press(q, keep, Distances); }
    void Move(const TPointF& q, bool keepLengths = false) { Model.MoveTo(q, keepLengths); }
    void Release() { Model.Release(); }
    void Click(const TPointF& q, bool keep = false) {
        Press(q, keep);
        Release();
    }
    void Drag(const TPointF& from, const TPointF& to, bool keepLengths = false) {
        Press(from);
        Move(to, keepLengths);
        Release();
    }
    // Selects vertex k alone, or the pair j, k (k current), and makes what
    // follows a step of its own.
    void SelectApex(int k) {
        Click(Apexes()[k]);
        Later();
    }
    void SelectPair(int j, int k) {
        Click(Apexes()[j]);
        Click(Apexes()[k], true);
        Later();
    }
    // Makes what follows a separate undo step.
    void Later() { Ticks.Time += 1000; }
};

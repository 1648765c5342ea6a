// The shape editor's glue flanges and its information monitor: the flange
// command for the selected side or for all sides, with the length of a side
// whose flange carries the same name, and the switch that shows the monitor.
#include "mk_polygon_fm.h"

#include "dialog_runner.h"
#include "drawing/view_scale.h"
#include "editing/apex_selection.h"
#include "editing/side_length.h"
#include "flange_dlg.h"
#include "polygon_info_dlg.h"

#include <QAction>

void TMkPolygonFm::createFlangeConnections() {
    connect(FlangeMi, &QAction::triggered, this, &TMkPolygonFm::FlangeMiClick);
    connect(PInfoMi, &QAction::triggered, this, &TMkPolygonFm::PInfoMiClick);
}

void TMkPolygonFm::SetFlangeNames(const std::vector<std::string>& names,
                                  const IFlangeLookup* lookup) {
    FFlangeNames = names;
    FFlangeLookup = lookup;
}

// One side when a side is selected, every side when nothing is. A side with a
// flange offers it; otherwise the defaults are offered, without a name. Every
// accepted flange with a width becomes the defaults, and every change of one
// command (flanges and the vertices a length match moves) is one undo step.
void TMkPolygonFm::FlangeMiClick() {
    const bool oneSide = FSelFlags.IsSide();
    if (!CanChangeShape() || FDialogs.Runner == nullptr || FDialogs.Flange == nullptr ||
        !(oneSide || (FSelFlags.NoApex && ApexCount() > 2)))
        return;
    const int side = oneSide ? SelectedSide(FSelApex, ApexCount()) : -1;
    if (oneSide && !IsIndexOf(FPolygon.Flanges, side))
        return;
    TFlange offered = MakeFlange("", FFlangeWidth, FFlangeAngle1, FFlangeAngle2);
    if (oneSide && FPolygon.Flanges[side].Width != 0)
        offered = FPolygon.Flanges[side];

    TFlangeDlg& dialog = *FDialogs.Flange;
    dialog.SetOneSide(oneSide);
    dialog.SetNames(FFlangeNames);
    dialog.SetLookup(FFlangeLookup);
    dialog.LoadFlange(offered);
    const bool accepted = FDialogs.Runner->Run(dialog);
    dialog.SetLookup(nullptr);
    if (!accepted)
        return;

    const TFlange entered = dialog.ReadFlange();
    if (entered.Width != 0) {
        FFlangeWidth = entered.Width;
        FFlangeAngle1 = entered.Angle1;
        FFlangeAngle2 = entered.Angle2;
    }
    if (oneSide) {
        FHistory.RecordChangeFlange(side, FPolygon.Flanges[side], entered);
        FPolygon.Flanges[side] = entered;
        if (dialog.LengthMatch())
            MatchSideLength(dialog.FoundSideLength());
    } else {
        ApplyFlangeToAllSides(entered);
    }
    ShapeChanged();
}

// Each side keeps its own name.
void TMkPolygonFm::ApplyFlangeToAllSides(const TFlange& flange) {
    for (int i = 0; i < ApexCount() && IsIndexOf(FPolygon.Flanges, i); ++i) {
        TFlange& own = FPolygon.Flanges[i];
        const TFlange before = own;
        own.Width = flange.Width;
        own.Angle1 = flange.Angle1;
        own.Angle2 = flange.Angle2;
        FHistory.RecordChangeFlange(i, before, own);
    }
}

// The side between the two selected vertices takes the length of the side
// that carries the same-named flange, as a typed side length would.
void TMkPolygonFm::MatchSideLength(long double length) {
    const int j = FSelApex[0];
    const int k = FSelApex[1];
    const long double shortest = View.CloseDist();
    const bool keepLengths = KeepLengths();
    CopyPolygon(FPolygon, FBackPolygon);
    if (SetSideLength(FPolygon, j, k, length, shortest, keepLengths))
        RecordApexMoves();
}

// A monitor closed by its own close box stays switched on: the next click
// switches it off, the one after shows it again.
void TMkPolygonFm::PInfoMiClick(bool checked) {
    if (FDialogs.Monitor == nullptr)
        return;
    if (checked) {
        RefreshMonitor();
        FDialogs.Monitor->show();
    } else if (FDialogs.Monitor->isVisible()) {
        FDialogs.Monitor->close();
    }
}

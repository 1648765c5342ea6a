// Tests of where a joint's tab goes: on the first side when it fits there,
// on the other when it does not, else the widest that can be glued on either
// side, turned to fit a slit or steeper on a short side, and only where none
// that wide fits the widest that fits at all; never out of the white area of
// a piece that must stay inside it.
#include "unfolding/joint_tabs.h"

#include "geometry/angles.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr long double Quarter = Pi / 4;

TPieceOutline Outline(const TDaPointF& points) {
    TPieceOutline outline;
    outline.Points = points;
    for (int i = 0; i < static_cast<int>(points.size()); ++i)
        outline.Angles.push_back(ApexAngle(points, i));
    return outline;
}

// A 30 mm square with a slot of the given width, 20 mm deep, from the top.
// Side 1 is the slot's left wall, side 3 its right wall, side 5 the square's
// right.
TPieceOutline Slotted(long double width = 3) {
    const long double left = 15 - width / 2, right = 15 + width / 2;
    return Outline(
        {{0, 0}, {left, 0}, {left, 20}, {right, 20}, {right, 0}, {30, 0}, {30, 30}, {0, 30}});
}

// A 60 mm wide piece with two slots 20 mm deep from the top, the first
// (sides 1 to 3) narrow wide and the second (sides 5 to 7) wide wide.
TPieceOutline TwoSlots(long double narrow, long double wide) {
    return Outline({{0, 0},
                    {10, 0},
                    {10, 20},
                    {10 + narrow, 20},
                    {10 + narrow, 0},
                    {30, 0},
                    {30, 20},
                    {30 + wide, 20},
                    {30 + wide, 0},
                    {60, 0},
                    {60, 30},
                    {0, 30}});
}

struct TPlaced {
    TTabOutcome Outcome;
    TDaFlange Flanges;
};

// Where the middle of the tab's outer edge lies from its side, along a normal.
long double Reach(long double width, long double angle1, long double angle2) {
    return width * (std::cos(angle1) / std::sin(angle1) + std::cos(angle2) / std::sin(angle2));
}

TPlaced Place(const TPieceOutline& outline, int sideA, int sideB, bool keepInArea = true) {
    std::vector<TTabbedPiece> pieces(1);
    pieces[0].Outline = &outline;
    pieces[0].KeepInArea = keepInArea;
    pieces[0].Flanges.assign(outline.Points.size(), TFlange());
    TTabPlacement placement(pieces, 190, 277, {5, Quarter, Quarter});
    const TTabOutcome outcome = placement.Place(0, sideA, 0, sideB);
    return {outcome, pieces[0].Flanges};
}

} // namespace

TEST(JointTabs, TheTabGoesWhereItFits) {
    const struct {
        const char* Name;
        TPieceOutline Outline;
        int SideA, SideB;
        TTabOutcome Outcome;
        int TabSide;
        long double Widest, Least; // the tab's width lies from Least to Widest
    } cases[] = {
        {"both free: the first side", Slotted(), 0, 4, toFull, 0, 5, 5},
        {"the first side in the slot: the other", Slotted(), 1, 5, toFull, 5, 5, 5},
        {"the second side in the slot: the first", Slotted(), 5, 1, toFull, 5, 5, 5},
        // As wide as the slot leaves, to a twentieth of a millimetre, not
        // half the width asked for.
        {"both in a 3 mm slot: as wide as fits", Slotted(), 1, 3, toNarrower, 1, 3, 2.95L},
        // Narrower than can be glued only where nothing wider fits.
        {"both in a 1 mm slot: as wide as fits", Slotted(1), 1, 3, toNarrower, 1, 1, 0.95L},
        {"a 1 mm and a 3 mm slot: the one that can be glued", TwoSlots(1, 3), 1, 7, toNarrower, 7,
         3, 2.95L},
        {"a 3 mm and a 4.5 mm slot: the wider", TwoSlots(3, 4.5L), 1, 7, toNarrower, 7, 4.5L,
         4.45L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TPlaced placed = Place(c.Outline, c.SideA, c.SideB);
        EXPECT_EQ(placed.Outcome, c.Outcome);
        for (int side = 0; side < static_cast<int>(placed.Flanges.size()); ++side) {
            const TFlange& flange = placed.Flanges[side];
            if (side != c.TabSide) {
                EXPECT_EQ(flange.Width, 0) << side;
                continue;
            }
            EXPECT_LE(flange.Width, c.Widest);
            EXPECT_GE(flange.Width, c.Least);
            EXPECT_NEAR(static_cast<double>(flange.Angle1), static_cast<double>(Quarter), 1e-15);
            EXPECT_NEAR(static_cast<double>(flange.Angle2), static_cast<double>(Quarter), 1e-15);
        }
    }
}

TEST(JointTabs, APieceThatMustFitTheAreaTakesOnlyATabThatKeepsItInside) {
    // 187 mm wide: a 5 mm tab on its left or right side would make it 192.
    const TPieceOutline wide = Outline({{0, 0}, {187, 0}, {187, 100}, {0, 100}});
    const TPlaced inside = Place(wide, 3, 1);
    EXPECT_EQ(inside.Outcome, toNarrower);
    EXPECT_LE(inside.Flanges[3].Width, 3);
    EXPECT_GE(inside.Flanges[3].Width, 2.95L);
    EXPECT_EQ(inside.Flanges[1].Width, 0);

    const TPlaced free = Place(wide, 3, 1, false);
    EXPECT_EQ(free.Outcome, toFull);
    EXPECT_EQ(free.Flanges[3].Width, 5);
}

TEST(JointTabs, ATabOnAShortSideStaysATrapezoid) {
    // A side 5 mm long takes a 45-degree tab 0.45 * 5 wide at most; one of
    // 4 mm takes 1.8 mm at 45 degrees, too narrow to glue, so its tab is as
    // wide as can be glued and just as much steeper as that needs.
    const struct {
        long double Side;
        TTabOutcome Outcome;
        long double Width;
        long double Angle;
    } cases[] = {{5, toFull, 2.25L, Quarter},
                 {4, toNarrower, UsableTabWidth, std::atan2(UsableTabWidth, 0.45L * 4)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.Side));
        const TPieceOutline small = Outline({{0, 0}, {c.Side, 0}, {c.Side, 30}, {0, 30}});
        const TPlaced placed = Place(small, 0, 2);
        EXPECT_EQ(placed.Outcome, c.Outcome);
        const TFlange& tab = placed.Flanges[0];
        EXPECT_NEAR(static_cast<double>(tab.Width), static_cast<double>(c.Width), 1e-9);
        EXPECT_NEAR(static_cast<double>(tab.Angle1), static_cast<double>(c.Angle), 1e-9);
        EXPECT_NEAR(static_cast<double>(tab.Angle2), static_cast<double>(c.Angle), 1e-9);
        EXPECT_LE(Reach(tab.Width, tab.Angle1, tab.Angle2), 0.9L * c.Side + 1e-9L);
    }
}

TEST(JointTabs, ASlitThatLeavesNoRoomForTheAngleAskedForTurnsTheTabsEdgeThere) {
    // A 30 mm notch opening by 20 degrees from the top of a 40 mm square: at
    // its closed end a 45-degree edge would cross the other wall. Side 1 runs
    // down the notch's left wall to its closed end, side 2 back up.
    const long double half = 10 * Pi / 180;
    const long double top = 30 * std::tan(half);
    const TPieceOutline notched =
        Outline({{0, 0}, {20 - top, 0}, {20, 30}, {20 + top, 0}, {40, 0}, {40, 40}, {0, 40}});
    const TPlaced placed = Place(notched, 1, 2);
    EXPECT_EQ(placed.Outcome, toNarrower);
    const TFlange& tab = placed.Flanges[1];
    EXPECT_EQ(placed.Flanges[2].Width, 0);
    EXPECT_EQ(tab.Width, 5);
    EXPECT_NEAR(static_cast<double>(tab.Angle1), static_cast<double>(Quarter), 1e-15);
    EXPECT_NEAR(static_cast<double>(tab.Angle2), static_cast<double>(0.75L * 2 * half), 1e-12);
}

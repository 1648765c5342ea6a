// Tests of where a joint's tab goes: on the first side when it fits there,
// on the other when it does not, narrower when neither takes a full tab, and
// never out of the white area of a piece that must stay inside it.
#include "unfolding/joint_tabs.h"

#include "geometry/angles.h"
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

namespace {

constexpr long double Quarter = Pi / 4;

TPieceOutline Outline(const TDaPointF& points) {
    TPieceOutline outline;
    outline.Points = points;
    for (int i = 0; i < static_cast<int>(points.size()); ++i)
        outline.Angles.push_back(ApexAngle(points, i));
    return outline;
}

// A 30 mm square with a slot 3 mm wide and 20 mm deep from the top. Side 1
// is the slot's left wall, side 3 its right wall, side 5 the square's right.
TPieceOutline Slotted() {
    return Outline(
        {{0, 0}, {13.5L, 0}, {13.5L, 20}, {16.5L, 20}, {16.5L, 0}, {30, 0}, {30, 30}, {0, 30}});
}

struct TPlaced {
    TTabOutcome Outcome;
    TDaFlange Flanges;
};

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
    const TPieceOutline slotted = Slotted();
    const struct {
        const char* Name;
        int SideA, SideB;
        TTabOutcome Outcome;
        int TabSide;
        long double Width;
    } cases[] = {
        {"both free: the first side", 0, 4, toFull, 0, 5},
        {"the first side in the slot: the other", 1, 5, toFull, 5, 5},
        {"the second side in the slot: the first", 5, 1, toFull, 5, 5},
        {"both in the slot: narrower", 1, 3, toNarrower, 1, 2.5L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TPlaced placed = Place(slotted, c.SideA, c.SideB);
        EXPECT_EQ(placed.Outcome, c.Outcome);
        for (int side = 0; side < static_cast<int>(placed.Flanges.size()); ++side) {
            const TFlange& flange = placed.Flanges[side];
            EXPECT_EQ(flange.Width, side == c.TabSide ? c.Width : 0) << side;
            if (side == c.TabSide) {
                EXPECT_NEAR(static_cast<double>(flange.Angle1), static_cast<double>(Quarter),
                            1e-15);
                EXPECT_NEAR(static_cast<double>(flange.Angle2), static_cast<double>(Quarter),
                            1e-15);
            }
        }
    }
}

TEST(JointTabs, APieceThatMustFitTheAreaTakesOnlyATabThatKeepsItInside) {
    // 187 mm wide: a 5 mm tab on its left or right side would make it 192.
    const TPieceOutline wide = Outline({{0, 0}, {187, 0}, {187, 100}, {0, 100}});
    const TPlaced inside = Place(wide, 3, 1);
    EXPECT_EQ(inside.Outcome, toNarrower);
    EXPECT_EQ(inside.Flanges[3].Width, 2.5L);
    EXPECT_EQ(inside.Flanges[1].Width, 0);

    const TPlaced free = Place(wide, 3, 1, false);
    EXPECT_EQ(free.Outcome, toFull);
    EXPECT_EQ(free.Flanges[3].Width, 5);
}

TEST(JointTabs, ATabOnAShortSideStaysATrapezoid) {
    // A side 4 mm long takes a 45-degree tab at most 0.45 * 4 wide.
    const TPieceOutline small = Outline({{0, 0}, {4, 0}, {4, 30}, {0, 30}});
    const TPlaced placed = Place(small, 0, 2);
    EXPECT_EQ(placed.Outcome, toFull);
    EXPECT_NEAR(static_cast<double>(placed.Flanges[0].Width), 1.8, 1e-12);
}

// Tests of the page index: the rough boxes that file shapes in its grid hold
// every outline box, also for flanges at odd angles and damaged numbers; and
// the shapes meeting a box, found through the grid after shapes changed,
// came and went, are exactly those a scan of every shape finds.
#include "geometry/page_index.h"

#include "common/shape_builders.h"
#include "geometry/angles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr long double Infinity = std::numeric_limits<long double>::infinity();
constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();

bool Holds(const TBox& outer, const TBox& inner) {
    if (outer.Unbounded)
        return true;
    if (inner.Unbounded)
        return false;
    if (inner.IsEmpty())
        return true;
    return outer.Left <= inner.Left && outer.Top <= inner.Top && outer.Right >= inner.Right &&
           outer.Bottom >= inner.Bottom;
}

TEST(RoughOutlineBounds, HoldsTheOutlineBoxForEveryKindOfFlange) {
    struct TCase {
        std::string Name;
        TFlange Flange;
        TPointF Corner;
    };
    const std::vector<TCase> cases = {
        {"ordinary", MakeFlange("", 5, Pi / 4, Pi / 3), {}},
        {"right angles", MakeFlange("", 5, Pi / 2, Pi / 2), {}},
        {"a sliver", MakeFlange("", 5, 1e-9L, Pi / 2), {}},
        {"too thin to build", MakeFlange("", 5, 1e-14L, Pi / 2), {}},
        {"obtuse", MakeFlange("", 5, 2.5L, 3), {}},
        {"negative angles", MakeFlange("", 5, -0.5L, -1), {}},
        {"beyond a turn", MakeFlange("", 5, 7, 8), {}},
        {"negative width", MakeFlange("", -5, Pi / 4, Pi / 4), {}},
        {"no width", MakeFlange("", 0, NaN, NaN), {}},
        {"a tiny width", MakeFlange("", 1e-150L, Pi / 4, Pi / 4), {}},
        {"a huge width", MakeFlange("", 1e95L, Pi / 4, Pi / 4), {}},
        {"an infinite width", MakeFlange("", Infinity, Pi / 4, Pi / 4), {}},
        {"an angle not a number", MakeFlange("", 5, NaN, Pi / 4), {}},
        {"far out", MakeFlange("", 5, Pi / 4, Pi / 4), PointF(1e80L, -1e80L)},
        {"a vertex not a number", MakeFlange("", 5, Pi / 4, Pi / 4), PointF(NaN, 0)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        for (const bool reversed : {false, true}) {
            TPolygon shape = Shape({PointF(0, 0), PointF(30, 2), PointF(25, 20), c.Corner});
            if (reversed)
                std::reverse(shape.Apexes.begin(), shape.Apexes.end());
            shape.Flanges.assign(4, c.Flange);
            TOutlineCache cache;
            cache.Sync(shape);
            const TBox rough = RoughOutlineBounds(shape);
            EXPECT_TRUE(Holds(rough, cache.Bounds()));
            EXPECT_TRUE(Holds(rough, BoxOf(cache.Outline())));
        }
    }
}

TPolygon RandomShape(std::mt19937& random) {
    std::uniform_real_distribution<double> place(-20, 220);
    std::uniform_real_distribution<double> size(0.5, 25);
    std::uniform_int_distribution<int> kind(0, 9);
    TPolygon shape = Rect(size(random), size(random), PointF(place(random), place(random)));
    if (kind(random) == 0)
        shape = Rect(900, 3, PointF(-300, place(random))); // wider than many cells
    if (kind(random) == 0)
        shape.Apexes.clear();
    for (TFlange& flange : shape.Flanges)
        flange = MakeFlange("", size(random) / 5, Pi / 6, Pi / 2);
    return shape;
}

// Every change goes through the index the way the document tells it: marks
// for changed slots, shapes removed and added at the page's end.
TEST(PageIndex, MarkedChangesAnswerAsAScanOfEveryShape) {
    std::mt19937 random(17);
    TPolygonTbl page;
    for (int i = 0; i < 150; ++i)
        page.push_back(RandomShape(random));
    TPageIndex index;
    index.Sync(page);
    std::uniform_real_distribution<double> place(-400, 500);
    for (int round = 0; round < 300; ++round) {
        switch (random() % 4) {
        case 0: {
            const int changed = static_cast<int>(random() % page.size());
            page[changed] = RandomShape(random);
            index.MarkChanged(changed);
            break;
        }
        case 1:
            page.push_back(RandomShape(random));
            break;
        case 2:
            if (page.size() > 1) {
                const int gone = static_cast<int>(random() % page.size());
                page[gone] = page.back();
                page.pop_back();
                index.MarkChanged(gone);
                index.MarkChanged(static_cast<int>(page.size()));
            }
            break;
        default:
            break;
        }
        TPolygonTbl moved = page; // the page may lie elsewhere in memory now
        index.Update(moved);
        TBox box =
            BoxOf(PointF(place(random), place(random)), PointF(place(random), place(random)));
        if (round % 50 == 0)
            box.Unbounded = true;
        std::vector<int> scanned;
        for (int i = 0; i < static_cast<int>(moved.size()); ++i) {
            TOutlineCache cache;
            cache.Sync(moved[i]);
            if (BoxesMeet(cache.Bounds(), box))
                scanned.push_back(i);
        }
        ASSERT_EQ(index.ShapesMeeting(box), scanned) << "round " << round;
        page = std::move(moved);
        index.Update(page);
    }
}

} // namespace

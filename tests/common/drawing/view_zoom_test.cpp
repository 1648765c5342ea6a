// The wheel on a view: notches from partial deltas, the pixels a turn
// scrolls, the zoom ladder Ctrl and the wheel climb, and the scroll position
// that keeps the point under the pointer in place.
#include "drawing/view_scale.h"
#include "drawing/view_zoom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(WheelNotches, PartsOfANotchAddUpAndAReversalStartsAfresh) {
    struct Case {
        std::vector<int> Deltas;
        std::vector<int> Notches;
    };
    const std::vector<Case> cases = {
        {{120, -240}, {1, -2}}, {{40, 40, 40, 40}, {0, 0, 1, 0}},
        {{-60, -60}, {0, -1}},  {{100, -30, -100}, {0, 0, -1}}, // the 100 turned away is dropped
        {{360}, {3}},
    };
    for (const Case& c : cases) {
        TWheelNotches notches;
        for (std::size_t i = 0; i < c.Deltas.size(); ++i)
            EXPECT_EQ(notches.Take(c.Deltas[i]), c.Notches[i]) << "delta " << i;
    }
}

TEST(WheelScroll, ANotchScrollsATenthOfTheViewBackOrForth) {
    EXPECT_EQ(WheelScrollPixels(120, 600), -60) << "turned away: toward the top";
    EXPECT_EQ(WheelScrollPixels(-120, 600), 60);
    EXPECT_EQ(WheelScrollPixels(-360, 600), 180);
    EXPECT_EQ(WheelScrollPixels(-60, 600), 30) << "half a notch";
    EXPECT_EQ(WheelScrollPixels(-120, 5), 1) << "at least a pixel for a tiny view";
    EXPECT_EQ(WheelScrollPixels(0, 600), 0);
}

TEST(ZoomLadder, StepsGoToTheNextRungAndStopAtTheEnds) {
    struct Case {
        long double From;
        int Steps;
        long double To;
    };
    const std::vector<Case> cases = {
        {1, 1, 1.2L},           {1, -1, 0.8L},      {1.2L, 1, 1.5L}, {1, 3, 2},
        {1.234L, 1, 1.5L},      {1.234L, -1, 1.2L}, {8, 1, 10},      {0.0015L, -1, 0.0012L},
        {0.0012L, -1, 0.0012L}, {800, 1, 800},      {999, 1, 999},   {999, -1, 800},
        {0.00101L, 1, 0.0012L}, {1, 0, 1},
    };
    for (const Case& c : cases) {
        const long double to = ZoomStepFrom(c.From, c.Steps);
        EXPECT_NEAR(static_cast<double>(to), static_cast<double>(c.To),
                    1e-12 * static_cast<double>(c.To))
            << static_cast<double>(c.From) << " by " << c.Steps;
    }
}

// Every rung is one the zoom commands accept, kept exactly by the settings
// file, and a rung read back from there steps on as the rung itself does.
TEST(ZoomLadder, EveryRungIsAcceptedAndStoredExactly) {
    long double zoom = 0.0012L;
    int rungs = 0;
    for (;; ++rungs) {
        ASSERT_TRUE(IsAcceptedZoom(zoom)) << static_cast<double>(zoom);
        const long long stored = ZoomToStored(zoom);
        EXPECT_NEAR(static_cast<double>(stored), static_cast<double>(zoom * 10000), 1e-6);
        EXPECT_NEAR(static_cast<double>(ZoomStepFrom(ZoomFromStored(stored), 1)),
                    static_cast<double>(ZoomStepFrom(zoom, 1)), 1e-9);
        const long double next = ZoomStepFrom(zoom, 1);
        if (next == zoom)
            break;
        EXPECT_LE(next / zoom, 1.34L) << "no rung is far from the one before";
        zoom = next;
    }
    EXPECT_EQ(rungs, 58) << "59 rungs, 0.12 % to 80000 %";
    EXPECT_NEAR(static_cast<double>(zoom), 800, 1e-9);
}

// The point under the pointer, in millimetres, is the same before and after
// the zoom to within a pixel, unless the view would have to scroll before the
// page's start.
TEST(ZoomAboutPointer, ThePointUnderThePointerStays) {
    struct Case {
        long double Scroll;
        long double Pointer;
        long double OldZoom;
        long double NewZoom;
    };
    const std::vector<Case> cases = {
        {0, 100, 1, 1.2L}, {500, 250, 1, 2},     {1234, 17, 2.5L, 2},
        {10, 300, 4, 80},  {99999, 640, 60, 80},
    };
    for (const Case& c : cases) {
        const long double oldScale = PixelsPerMmAt100 * c.OldZoom;
        const long double newScale = PixelsPerMmAt100 * c.NewZoom;
        const long double surfacePixel = c.Scroll + c.Pointer;
        const std::int64_t scroll = ScrollKeepingPoint(surfacePixel, c.Pointer, oldScale, newScale);
        const long double before = surfacePixel / oldScale;
        const long double after = (static_cast<long double>(scroll) + c.Pointer) / newScale;
        EXPECT_LE(std::fabs(static_cast<double>((after - before) * newScale)), 0.5)
            << "scroll " << static_cast<double>(c.Scroll);
    }
    EXPECT_EQ(ScrollKeepingPoint(50, 300, 3.5L, 1.75L), 0) << "never before the start";
}

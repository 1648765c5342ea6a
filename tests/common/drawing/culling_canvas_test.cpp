// Tests of the culling canvas and the pixel rectangles it culls with: what
// misses the area is left out, the pen still goes where it would have gone.
#include "drawing/culling_canvas.h"

#include "drawing/pixel_rect.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes down what reaches it.
class TRecordingCanvas : public ICanvas {
public:
    std::vector<std::string> Calls;

    void SetPenMode(TPenMode) override {}
    void SetPenColor(TColor) override {}
    void SetPenStyle(TPenStyle) override {}
    void MoveTo(std::int64_t x, std::int64_t y) override { Add("move", x, y); }
    void LineTo(std::int64_t x, std::int64_t y) override { Add("line", x, y); }
    void FrameRect(std::int64_t left, std::int64_t top, std::int64_t, std::int64_t) override {
        Add("frame", left, top);
    }
    void FillRect(std::int64_t left, std::int64_t top, std::int64_t, std::int64_t,
                  TColor) override {
        Add("fill", left, top);
    }
    std::int64_t TextWidth(std::string_view) override { return 0; }
    std::int64_t TextHeight(std::string_view) override { return 0; }
    void TextOut(std::int64_t x, std::int64_t y, std::string_view) override { Add("text", x, y); }
    int FontEscapement() const override { return 0; }
    void SetFontEscapement(int) override {}

private:
    void Add(const char* what, std::int64_t x, std::int64_t y) {
        Calls.push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y));
    }
};

TEST(TCullingCanvas, LinesMissingTheAreaBecomeMovesOfThePen) {
    TRecordingCanvas target;
    TCullingCanvas culled(target, {100, 100, 199, 199});
    culled.MoveTo(0, 0);
    culled.LineTo(50, 50);   // outside
    culled.LineTo(150, 50);  // outside: above the area
    culled.LineTo(150, 150); // into the area
    culled.LineTo(300, 300); // from inside out
    culled.LineTo(300, 0);   // outside
    culled.LineTo(0, 300);   // its box meets the area: kept, whatever it covers
    EXPECT_EQ(target.Calls,
              (std::vector<std::string>{"move 0,0", "move 50,50", "move 150,50", "line 150,150",
                                        "line 300,300", "move 300,0", "line 0,300"}));
}

TEST(TCullingCanvas, RectanglesOutsideAreLeftOutAndTextAlwaysPasses) {
    TRecordingCanvas target;
    TCullingCanvas culled(target, {100, 100, 199, 199});
    culled.FrameRect(97, 97, 101, 101);
    culled.FrameRect(95, 95, 99, 99);
    culled.FillRect(200, 200, 300, 300, ColorWhite);
    culled.FillRect(199, 0, 300, 100, ColorWhite);
    culled.TextOut(0, 0, "A1");
    EXPECT_EQ(target.Calls, (std::vector<std::string>{"frame 97,97", "fill 199,0", "text 0,0"}));
}

TEST(PixelRectOf, CoversThePixelsOfEveryPointInTheBox) {
    const TBox box = BoxOf(PointF(-1.2L, 3.9L), PointF(10.5L, 20.499L));
    const TPixelRect pixels = PixelRectOf(box, 2, 2);
    EXPECT_EQ(pixels, (TPixelRect{-2, 8, 21, 41}));
    TBox unbounded = box;
    unbounded.Unbounded = true;
    EXPECT_TRUE(RectsMeet(PixelRectOf(unbounded, 2, 2), {1000000, 1000000, 1000001, 1000001}));
    EXPECT_TRUE(PixelRectOf(TBox(), 2, 2).IsEmpty());
}

TEST(TPixelRect, UnionIntersectionAndGrowth) {
    const TPixelRect a{0, 0, 9, 9}, b{5, 5, 20, 7};
    EXPECT_EQ(United(a, b), (TPixelRect{0, 0, 20, 9}));
    EXPECT_EQ(United(a, TPixelRect()), a);
    EXPECT_EQ(Intersected(a, b), (TPixelRect{5, 5, 9, 7}));
    EXPECT_TRUE(Intersected(a, {10, 0, 12, 9}).IsEmpty());
    EXPECT_FALSE(RectsMeet(a, {10, 0, 12, 9}));
    EXPECT_EQ(Inflated(a, 2), (TPixelRect{-2, -2, 11, 11}));
    EXPECT_TRUE(Inflated(TPixelRect(), 2).IsEmpty());
}

} // namespace

// The editor's page grid: lines at the grid step through the origin, every
// tenth darker, only the tenth ones where the step is too fine to see, drawn
// within the exposed area; and the page outline.
#include "drawing/page_grid.h"
#include "drawing/view_scale.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the lines and frames drawn, with the pen colour they took.
class TRecordingCanvas : public ICanvas {
public:
    struct TLine {
        std::int64_t X1, Y1, X2, Y2;
        TColor Color;
    };
    std::vector<TLine> Lines;
    std::vector<TLine> Frames;

    void SetPenMode(TPenMode) override {}
    void SetPenColor(TColor color) override { Color = color; }
    void SetPenStyle(TPenStyle) override {}
    void MoveTo(std::int64_t x, std::int64_t y) override {
        X = x;
        Y = y;
    }
    void LineTo(std::int64_t x, std::int64_t y) override {
        Lines.push_back({X, Y, x, y, Color});
        MoveTo(x, y);
    }
    void FrameRect(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) override {
        Frames.push_back({l, t, r, b, Color});
    }
    void FillRect(std::int64_t, std::int64_t, std::int64_t, std::int64_t, TColor) override {}
    std::int64_t TextWidth(std::string_view) override { return 0; }
    std::int64_t TextHeight(std::string_view) override { return 0; }
    void TextOut(std::int64_t, std::int64_t, std::string_view) override {}
    int FontEscapement() const override { return 0; }
    void SetFontEscapement(int) override {}

private:
    std::int64_t X = 0;
    std::int64_t Y = 0;
    TColor Color;
};

std::vector<std::int64_t> Pixels(const std::vector<TGridLine>& lines, bool majorOnly = false) {
    std::vector<std::int64_t> pixels;
    for (const TGridLine& line : lines)
        if (!majorOnly || line.Major)
            pixels.push_back(line.Pixel);
    return pixels;
}

} // namespace

TEST(PageGrid, LinesFallWhereCtrlSnapsAndEveryTenthIsMajor) {
    // 1 mm at 10 pixels per mm: a line every 10 pixels, 0 and 100 major.
    const std::vector<TGridLine> lines = GridLinesBetween(0, 100, 10, 1);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines.front(), (TGridLine{0, true}));
    EXPECT_EQ(lines[5], (TGridLine{50, false}));
    EXPECT_EQ(lines.back(), (TGridLine{100, true}));
    // Only what lies in the range, rounded as ModelToDevice rounds (3.5 px per mm).
    EXPECT_EQ(Pixels(GridLinesBetween(5, 12, 3.5L, 1)), (std::vector<std::int64_t>{7, 10}));
    EXPECT_EQ(Pixels(GridLinesBetween(-25, -5, 10, 1)), (std::vector<std::int64_t>{-20, -10}));
}

TEST(PageGrid, AFineStepLeavesOnlyTheTenthLines) {
    // The grid step of 100 % is 1 mm, 3.5 pixels: every line is drawn. At
    // 50 % it is 1.75 pixels: only every tenth, 17.5 pixels apart.
    for (const long double zoom : {1.0L, 0.5L, 0.37L, 3.6L, 36.2L}) {
        TViewScale view;
        view.SetZoom(zoom);
        const std::vector<TGridLine> lines =
            GridLinesBetween(0, 2000, view.ScreenScale(), view.GridStep());
        ASSERT_FALSE(lines.empty()) << static_cast<double>(zoom);
        for (std::size_t i = 1; i < lines.size(); ++i)
            EXPECT_GE(lines[i].Pixel - lines[i - 1].Pixel, 2) << static_cast<double>(zoom);
    }
    const std::vector<TGridLine> fine = GridLinesBetween(0, 100, 1.75L, 1);
    EXPECT_EQ(Pixels(fine), (std::vector<std::int64_t>{0, 18, 35, 52, 70, 88}));
    EXPECT_EQ(Pixels(fine, true).size(), fine.size()) << "all of them tenth lines";
}

TEST(PageGrid, NoLinesForAStepOrScaleThatIsNotOne) {
    EXPECT_TRUE(GridLinesBetween(0, 100, 0, 1).empty());
    EXPECT_TRUE(GridLinesBetween(0, 100, 3.5L, -1).empty());
    EXPECT_TRUE(GridLinesBetween(100, 0, 3.5L, 1).empty());
}

TEST(PageGrid, DrawsAcrossTheAreaOnlyAndTheOutlineOnTheEdge) {
    TRecordingCanvas canvas;
    DrawPageGrid(canvas, TPixelRect{90, 30, 110, 45}, 10, 1);
    // Columns 90, 100 (a tenth line) and 110, rows 30 and 40, each across the area.
    ASSERT_EQ(canvas.Lines.size(), 5u);
    for (const auto& line : canvas.Lines) {
        EXPECT_GE(line.X1, 90);
        EXPECT_LE(line.X2, 111);
        EXPECT_GE(line.Y1, 30);
        EXPECT_LE(line.Y2, 46);
    }
    EXPECT_EQ(canvas.Lines.back().Color, MajorGridColor) << "the tenth lines come last";
    EXPECT_EQ(canvas.Lines.front().Color, GridColor);

    DrawPageOutline(canvas, TPixelRect{0, 0, 664, 969});
    ASSERT_EQ(canvas.Frames.size(), 1u);
    EXPECT_EQ(canvas.Frames[0].X2, 664);
    EXPECT_EQ(canvas.Frames[0].Y2, 969);
    EXPECT_EQ(canvas.Frames[0].Color, PageOutlineColor);
}

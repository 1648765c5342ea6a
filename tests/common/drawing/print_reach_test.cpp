// Shapes reaching outside the printable area: the sheet's red marks and the
// question before a print name the same shapes, also when a flange's outer
// edge lies on the printable area's edge.
#include "drawing/print_reach.h"

#include "common/shape_builders.h"
#include "geometry/angles.h"
#include "geometry/page_index.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Counts the lines drawn after each MoveTo: one run of lines per marked shape.
class TMarkCounter : public ICanvas {
public:
    int Runs = 0;
    void SetPenMode(TPenMode) override {}
    void SetPenColor(TColor) override {}
    void SetPenStyle(TPenStyle) override {}
    void MoveTo(std::int64_t, std::int64_t) override { ++Runs; }
    void LineTo(std::int64_t, std::int64_t) override {}
    void FrameRect(std::int64_t, std::int64_t, std::int64_t, std::int64_t) override {}
    void FillRect(std::int64_t, std::int64_t, std::int64_t, std::int64_t, TColor) override {}
    std::int64_t TextWidth(std::string_view) override { return 0; }
    std::int64_t TextHeight(std::string_view) override { return 0; }
    void TextOut(std::int64_t, std::int64_t, std::string_view) override {}
    int FontEscapement() const override { return 0; }
    void SetFontEscapement(int) override {}
};

// A square whose 5 mm tabs at 45 degrees end exactly at x = left - 5.
TPolygon Tabbed(long double size, const TPointF& at) {
    TPolygon shape = Square(size, at);
    shape.Flanges.assign(4, MakeFlange("", 5, Pi / 4, Pi / 4));
    return shape;
}

} // namespace

TEST(PrintReach, TheScreenMarksTheShapesThePrintQuestionNames) {
    TBox printable;
    printable.Add(PointF(0, 0));
    printable.Add(PointF(100, 100));
    const struct {
        const char* Name;
        TPolygon Shape;
        bool Outside;
    } cases[] = {
        {"tabs ending on the edges", Tabbed(20, PointF(5, 5)), false},
        {"tabs ending on the far edges", Tabbed(20, PointF(75, 75)), false},
        {"inside with room", Tabbed(20, PointF(40, 40)), false},
        {"a tab past the left edge", Tabbed(20, PointF(4, 40)), true},
        {"a bare square past the bottom", Square(20, PointF(40, 81)), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TZvDat drawing = {{c.Shape}};
        TPageIndex index;
        index.Sync(drawing[0]);
        TMarkCounter canvas;
        MarkShapesReachingOutside(canvas, index, printable, {}, 3.5L);
        EXPECT_EQ(canvas.Runs, c.Outside ? 1 : 0);
        EXPECT_EQ(ShapesReachingOutside(drawing, {0}, printable).size(), c.Outside ? 1u : 0u);
    }
}

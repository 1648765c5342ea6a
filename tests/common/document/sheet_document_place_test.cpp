// Tests of where a new or pasted shape lands: under the pointer where that is
// free, else the nearest place inside the white area and off every shape,
// never turned; under the pointer but off an exact copy when the page has no
// room; not at all when it is larger than the white area.
#include "document/sheet_document.h"

#include "common/shape_builders.h"
#include "fakes/fake_ticks.h"
#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "placement/outline_clearance.h"
#include "placement/placement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr long double PageWidth = 170;
constexpr long double PageHeight = 257;

TPolygon Flanged(TPolygon shape, long double width) {
    for (TFlange& flange : shape.Flanges)
        flange = MakeFlange("", width, Pi / 4, Pi / 4);
    return shape;
}

struct TPlaceCase {
    const char* Name;
    TPolygonTbl Page;
    TPolygon Shape;
    TPointF Pointer;
    TPlaceFit Fit;
    TPolygon Expected;     // where it lies when Move is not checked instead
    long double Move = -1; // how far it went from under the pointer, when >= 0
};

// A page covered but for a strip too narrow for anything.
const TPolygonTbl FullPage = {Rect(168, 254, {1, 1})};

} // namespace

TEST(SheetDocumentPlace, NewAndPastedShapesLandWhereTheyFit) {
    const TPolygon square = Square(40, {20, 20});
    const std::vector<TPlaceCase> cases = {
        {"free under the pointer",
         {square},
         Square(10),
         PointF(100, 150),
         TPlaceFit::Free,
         Square(10, {95, 145})},
        // The copy's centroid (40, 40) lies on the grid through its first vertex.
        {"on its original", {square}, square, PointF(40, 40), TPlaceFit::Free, {}, 40.001L},
        {"beside the page", {}, Square(10), PointF(-50, 100), TPlaceFit::Free, {}, 55.001L},
        {"no room", FullPage, Square(10), PointF(100, 150), TPlaceFit::NoRoom,
         Square(10, {95, 145})},
        // Where nothing fits, a copy dropped onto its original moves off it.
        {"no room, on its original", FullPage, FullPage[0], PointF(85, 128), TPlaceFit::NoRoom,
         Rect(168, 254, {6, 6})},
        {"too wide", {}, Rect(170, 10), PointF(50, 50), TPlaceFit::TooLarge, {}},
        {"too tall with its flanges",
         {},
         Flanged(Rect(20, 250), 4),
         PointF(50, 50),
         TPlaceFit::TooLarge,
         {}},
    };
    for (const TPlaceCase& c : cases) {
        TFakeTicks ticks(1000);
        TSheetDocument document(ticks);
        document.SetDrawing({c.Page});
        document.ClearHistory();
        const TPlacedShape placed =
            document.PlaceShapeWhereItFits(c.Shape, c.Pointer, 1, PageWidth, PageHeight);
        const int index = placed.Index;
        EXPECT_EQ(placed.Fit, c.Fit) << c.Name;
        const TPolygonTbl& page = document.Drawing()[0];
        if (c.Fit == TPlaceFit::TooLarge) {
            EXPECT_EQ(index, -1) << c.Name;
            EXPECT_EQ(page, c.Page) << c.Name;
            EXPECT_EQ(document.History().Count(), 0) << c.Name;
            continue;
        }
        ASSERT_EQ(index, static_cast<int>(c.Page.size())) << c.Name;
        ASSERT_EQ(page.size(), c.Page.size() + 1) << c.Name;
        EXPECT_EQ(document.Selection(), TDaInt({index})) << c.Name;
        const TPolygon& shape = page[index];
        if (c.Move < 0) {
            EXPECT_EQ(shape, c.Expected) << c.Name;
            EXPECT_EQ(placed.Pointer, c.Pointer) << c.Name;
            continue;
        }
        // Moved, not turned: every vertex by the same shift, the shortest one.
        const TPointF shift = PointF(shape.Apexes[0].X - c.Shape.Apexes[0].X,
                                     shape.Apexes[0].Y - c.Shape.Apexes[0].Y);
        const TPointF reference = PlacementReference(c.Shape, 1);
        for (std::size_t k = 0; k < shape.Apexes.size(); ++k) {
            EXPECT_NEAR(static_cast<double>(shape.Apexes[k].X - c.Shape.Apexes[k].X),
                        static_cast<double>(shift.X), 1e-9);
            EXPECT_NEAR(static_cast<double>(shape.Apexes[k].Y - c.Shape.Apexes[k].Y),
                        static_cast<double>(shift.Y), 1e-9);
        }
        // The pointer belongs where the shape's snapped centroid now lies.
        EXPECT_NEAR(static_cast<double>(placed.Pointer.X - reference.X),
                    static_cast<double>(shift.X), 1e-9);
        EXPECT_NEAR(static_cast<double>(placed.Pointer.Y - reference.Y),
                    static_cast<double>(shift.Y), 1e-9);
        const long double fromPointer = std::hypot(shift.X - (c.Pointer.X - reference.X),
                                                   shift.Y - (c.Pointer.Y - reference.Y));
        EXPECT_NEAR(static_cast<double>(fromPointer), static_cast<double>(c.Move), 1e-4) << c.Name;
        const TDaPointF outline = OutlineWithFlanges(shape);
        for (const TPointF& p : outline) {
            EXPECT_GT(p.X, 0) << c.Name;
            EXPECT_LT(p.X, PageWidth) << c.Name;
            EXPECT_GT(p.Y, 0) << c.Name;
            EXPECT_LT(p.Y, PageHeight) << c.Name;
        }
        for (std::size_t k = 0; k < c.Page.size(); ++k)
            EXPECT_GE(OutlineDistance(outline, OutlineWithFlanges(page[k])), LayoutLeastClearance)
                << c.Name;
    }
}

// A long random editing run on the editor's model: drawing, vertex drags with
// and without the length switch, moving and turning the shape, inserting and
// deleting vertices, fold lines, mirror, resize, the four numeric settings and
// flanges, each only when its menu item would be enabled. Undoing everything
// must give the starting shape back exactly, and redoing everything the final
// one.
#include "editor_model_fixture.h"

#include "geometry/angles.h"
#include "geometry/plane_geometry.h"

#include <cmath>
#include <cstdio>
#include <random>

namespace {

class EditorRandomTest : public EditorModelTest {
protected:
    std::mt19937 Random;
    bool KeepLengths = false; // the side-length switch, kept between commands

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Random); }
    long double Real(long double low, long double high) {
        return std::uniform_real_distribution<long double>(low, high)(Random);
    }
    // A number as a user types it, with 0 to 3 decimals.
    long double Typed(long double low, long double high) {
        const long double unit = std::pow(10.0L, Int(0, 3));
        return std::round(Real(low, high) * unit) / unit;
    }

    void Start(unsigned seed) {
        Random.seed(seed);
        KeepLengths = false;
        TPolygon shape;
        const int n = Int(3, 7);
        const TPointF centre = PointF(Real(60, 100), Real(60, 100));
        for (int i = 0; i < n; ++i) {
            const long double angle = 2 * Pi * i / n + Real(-0.3L, 0.3L);
            const long double radius = Real(15, 40);
            shape.Apexes.push_back(
                PointF(centre.X + radius * std::cos(angle), centre.Y + radius * std::sin(angle)));
            shape.Flanges.push_back(Int(0, 2) == 0 ? MakeFlange("A", 4, Pi / 4, Pi / 3)
                                                   : TFlange());
        }
        StartEditing(shape);
    }

    TPointF AnyApex() { return Apexes()[Int(0, static_cast<int>(Apexes().size()) - 1)]; }
    TPointF Near(const TPointF& p, long double reach) {
        return PointF(p.X + Real(-reach, reach), p.Y + Real(-reach, reach));
    }

    void SelectSomething() {
        switch (Int(0, 3)) {
        case 0:
            Click(AnyApex());
            break;
        case 1:
            Click(AnyApex());
            Click(AnyApex(), true);
            break;
        case 2: {
            const int i = Int(0, static_cast<int>(Apexes().size()) - 1);
            const TPointF a = Apexes()[i];
            const TPointF b = Apexes()[(i + 1) % Apexes().size()];
            Click(PointF((a.X + b.X) / 2, (a.Y + b.Y) / 2));
            break;
        }
        default:
            Click(PointF(180, 260)); // far from the shape: nothing
            break;
        }
    }

    // A flange the flange dialog accepts: width 0 to 8 mm, angles 10 to 90
    // degrees, to the selected side or to all sides.
    void Flange() {
        if (!Model.FlangeOffer())
            return;
        const TFlange flange =
            MakeFlange("", Typed(0, 8), DegToRad(Typed(10, 90)), DegToRad(Typed(10, 90)));
        Model.ApplyFlange(flange, std::nullopt, Distances.Close, KeepLengths);
    }

    void Command() {
        Ticks.Time += static_cast<std::uint32_t>(Int(150, 3000));
        SelectSomething();
        Ticks.Time += static_cast<std::uint32_t>(Int(150, 3000));
        switch (Int(0, 13)) {
        case 0:
        case 1: { // drag a vertex, sometimes switching the side-length switch
            if (Int(0, 2) == 0)
                KeepLengths = !KeepLengths;
            const TPointF from = AnyApex();
            Drag(from, Near(from, 8), KeepLengths);
            break;
        }
        case 2: { // move or turn the whole shape
            TPointF centroid;
            if (PolygonCentroid(Apexes(), centroid) > 0)
                Drag(Near(centroid, 20), Near(centroid, 25));
            break;
        }
        case 3:
            Model.InsertApexInSide();
            break;
        case 4:
            Model.DeleteSelectedApex();
            break;
        case 5:
            Model.ToggleSelectedBendLine(Int(0, 1));
            break;
        case 6:
            Model.MirrorAcrossSelectedSide();
            break;
        case 7:
            Model.ResizeShape(Typed(50, 200) / 100);
            break;
        case 8:
            Model.SetSelectedApexPosition(PointF(Typed(20, 150), Typed(20, 150)), KeepLengths);
            break;
        case 9:
            Model.SetSelectedInteriorAngle(DegToRad(Typed(30, 200)), KeepLengths);
            break;
        case 10:
            Model.SetSelectedSideLength(Typed(5, 60), Distances.Close, KeepLengths);
            break;
        case 11:
            Model.SetSelectedSideSlope(-DegToRad(Typed(-180, 180)), Int(0, 1) == 1, KeepLengths);
            break;
        default:
            Flange();
            break;
        }
    }
};

} // namespace

TEST_F(EditorRandomTest, UndoingAndRedoingARandomRunComesBackExactly) {
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::printf("editor random run, seed %u\n", seed);
        Start(seed);
        const TPolygon start = Working();
        for (int i = 0; i < 300; ++i)
            Command();
        const TPolygon end = Working();
        ASSERT_NE(end, start) << "the run changed nothing";

        int steps = 0;
        while (History().Cursor() > 0) {
            Later();
            Model.Undo();
            ++steps;
        }
        EXPECT_GT(steps, 100);
        EXPECT_EQ(Working(), start);
        while (History().Cursor() < History().Count()) {
            Later();
            Model.Redo();
        }
        EXPECT_EQ(Working(), end);
    }
}

// A typed interior angle at a vertex. The side lengths of the triangle a moved
// vertex makes with its neighbours come from the law of cosines; the sides that
// turn instead are put with the length-keeping moves.
#include "editing/interior_angle.h"

#include "editing/construction.h"
#include "geometry/angles.h"
#include "geometry/intersection.h"
#include "geometry/keep_length.h"
#include "geometry/plane_geometry.h"

#include <cmath>
#include <utility>

namespace {

// How far a construction's guide line reaches; any length gives the same line.
constexpr long double GuideLength = 100;

// The shape before the change and the selection the construction works on.
struct TAngleTask {
    const TDaPointF& Before;
    int N = 0;
    int K = -1;
    long double Angle = 0;
    bool Clockwise = false; // the vertex order as seen, before the change

    int Neighbour(int step) const { return WrapIndex(K + step, N); }
};

// Vertex k moves between its staying neighbours P and N, keeping the ratio of
// its sides b / a: the new sides a', b' follow from H^2 = a'^2 (1 + K^2 - 2K cos
// angle), and beta is the angle at P of the triangle P, k, N.
bool MoveApexBetweenNeighbours(const TAngleTask& task, TDaPointF& apexes) {
    const TPointF& p = task.Before[task.Neighbour(-1)];
    const TPointF& n = task.Before[task.Neighbour(+1)];
    const TPointF& v = task.Before[task.K];
    const long double a = PointDistance(v, p);
    const long double b = PointDistance(v, n);
    const long double h = PointDistance(p, n);
    if (!(a > 0 && b > 0 && h > 0))
        return false;
    const long double ratio = b / a;
    const long double l = 1 + ratio * ratio - 2 * ratio * std::cos(task.Angle);
    if (!(l > 0))
        return false;
    const long double sideA = std::sqrt(h * h / l);
    const long double sideB = ratio * sideA;
    // Not clamped: a cosine that rounding carried past 1 leaves no triangle,
    // and the result that is not finite turns the construction down.
    long double beta = std::acos((h * h + sideA * sideA - sideB * sideB) / (2 * h * sideA));
    if (task.Angle > Pi)
        beta = -beta;
    const long double base = PointDirection(p, n);
    apexes[task.K] = PointAt(p, sideA, task.Clockwise ? base - beta : base + beta);
    return true;
}

// Each side at k turns about it by half the change, the next side first and
// the previous one from the shape as that left it.
bool TurnBothSides(const TAngleTask& task, TPolygon& work) {
    const long double half = (task.Angle - ApexAngle(task.Before, task.K)) / 2;
    const TDaPointF& v = work.Apexes;
    const int k = task.K;
    const int m = task.Neighbour(+1);
    const long double next = PointDirection(v[k], v[m]) + (task.Clockwise ? -half : half);
    if (!MoveApexKeepLenDir(work, m, PointAt(v[k], PointDistance(v[k], v[m]), next), +1))
        return false;
    const int p = task.Neighbour(-1);
    const long double previous = PointDirection(v[k], v[p]) + (task.Clockwise ? half : -half);
    return MoveApexKeepLenDir(work, p, PointAt(v[k], PointDistance(v[k], v[p]), previous), -1);
}

// Side j-k stays; the side leaving k away from j turns about k.
bool TurnSideBeyond(const TAngleTask& task, int j, bool forward, TPolygon& work) {
    const TDaPointF& v = task.Before;
    const int k = task.K;
    const long double bend = Pi - task.Angle;
    if (forward) {
        const long double h = PointDirection(v[j], v[k]);
        const int m = task.Neighbour(+1);
        const long double u = task.Clockwise ? h + bend : h - bend;
        return MoveApexKeepLenDir(work, m, PointAt(v[k], PointDistance(v[k], v[m]), u), +1);
    }
    const long double h = PointDirection(v[k], v[j]);
    const int p = task.Neighbour(-1);
    const long double u = task.Clockwise ? h - bend : h + bend;
    return MoveApexKeepLenDir(work, p, PointAt(v[k], -PointDistance(v[k], v[p]), u), -1);
}

// Side j-k stays; the neighbour of k beyond the side slides along the line
// through it and the vertex after it, to where the line from k at the new
// angle meets that line.
bool SlideNeighbourBeyond(const TAngleTask& task, int j, bool forward, TDaPointF& apexes) {
    const TDaPointF& v = task.Before;
    const int k = task.K;
    const int step = forward ? 1 : -1;
    const int a = task.Neighbour(step);
    const int guideEnd = task.Neighbour(2 * step);
    const long double h = PointDirection(v[j], v[k]);
    const long double bend = Pi - task.Angle;
    const long double u = task.Clockwise == forward ? h + bend : h - bend;
    TPointF meeting;
    if (!LinesIntersect(MakeSegment(v[k], PointAt(v[k], GuideLength, u)),
                        MakeSegment(v[a], v[guideEnd]), meeting))
        return false;
    apexes[a] = meeting;
    return true;
}

} // namespace

bool SetInteriorAngle(TPolygon& polygon, const TSelApex& selApex, long double angle,
                      bool keepLengths) {
    const TDaPointF& before = polygon.Apexes;
    const int n = static_cast<int>(before.size());
    const TSelFlags flags = SelFlagsOf(selApex, n);
    const int j = selApex[0];
    const int k = selApex[1];
    if (n < 3 || !IsIndexOf(before, k) || !(flags.OneApex || flags.IsSide()))
        return false;
    if (flags.IsSide() && !IsIndexOf(before, j))
        return false;
    if (flags.IsSide() && !(PointDistance(before[j], before[k]) > 0))
        return false;
    const TAngleTask task{before, n, k, angle, IsClockwiseOnScreen(before)};
    TPolygon work = polygon;
    bool done = false;
    if (flags.OneApex)
        done =
            keepLengths ? TurnBothSides(task, work) : MoveApexBetweenNeighbours(task, work.Apexes);
    else
        done = keepLengths ? TurnSideBeyond(task, j, flags.SideFwd, work)
                           : SlideNeighbourBeyond(task, j, flags.SideFwd, work.Apexes);
    return done && TakeStorableApexes(polygon, std::move(work.Apexes));
}

// Areas of shapes with flanges and the lower bounds of a layout's pages.
#include "placement/layout_bounds.h"

#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"
#include "placement/convex_cover.h"

#include <array>
#include <cmath>

namespace {

long double Cross(const TPointF& o, const TPointF& a, const TPointF& b) {
    return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X);
}

long double TriangleArea(const TPointF& a, const TPointF& b, const TPointF& c) {
    return std::fabs(Cross(a, b, c)) / 2;
}

// A flange A, Q1, Q2, B whose edges A-Q1 and Q2-B cross at X encloses the
// triangles A, X, B and X, Q1, Q2; otherwise the quadrilateral.
long double FlangeArea(const std::array<TPointF, 4>& quad) {
    const TPointF& a = quad[0];
    const TPointF& q1 = quad[1];
    const TPointF& q2 = quad[2];
    const TPointF& b = quad[3];
    const long double d1 = Cross(q2, b, a), d2 = Cross(q2, b, q1);
    const long double d3 = Cross(a, q1, q2), d4 = Cross(a, q1, b);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) {
        const long double t = d1 / (d1 - d2);
        const TPointF x = PointF(a.X + t * (q1.X - a.X), a.Y + t * (q1.Y - a.Y));
        return TriangleArea(a, x, b) + TriangleArea(x, q1, q2);
    }
    return TriangleArea(a, q1, q2) + TriangleArea(a, q2, b);
}

// The area of the shape grown by r: exact for a convex one, whose cover is a
// single part no larger than the shape.
long double GrownArea(const TPolygon& shape, long double area, long double r) {
    const std::vector<TConvexPart> cover = ConvexCover(shape);
    if (cover.size() == 1 && PartArea(cover[0]) <= area * (1 + 1e-9L))
        return area + PartPerimeter(cover[0]) * r + Pi * r * r;
    const long double side = std::sqrt(area) + std::sqrt(Pi) * r;
    return side * side;
}

int PagesFor(long double area, long double pageArea) {
    return static_cast<int>(std::ceil(area / pageArea));
}

} // namespace

long double AreaWithFlanges(const TPolygon& shape) {
    TPointF centroid;
    long double area = PolygonCentroid(shape.Apexes, centroid);
    const bool clockwise = !shape.Apexes.empty() && IsClockwiseOnScreen(shape.Apexes);
    for (int side = 0; side < static_cast<int>(shape.Apexes.size()); ++side) {
        std::array<TPointF, 4> quad;
        if (FlangeOutline(shape, clockwise, side, quad))
            area += FlangeArea(quad);
    }
    return area;
}

TLayoutBounds LayoutBounds(const std::vector<TPolygon>& shapes, long double pageWidth,
                           long double pageHeight, long double gap) {
    const long double r = gap / 2;
    long double area = 0, grown = 0;
    for (const TPolygon& shape : shapes) {
        const long double a = AreaWithFlanges(shape);
        area += a;
        grown += GrownArea(shape, a, r);
    }
    const long double page = pageWidth * pageHeight;
    const long double grownPage = page + 2 * r * (pageWidth + pageHeight) + Pi * r * r;
    TLayoutBounds bounds;
    bounds.Area = PagesFor(area, page);
    bounds.WithGap = PagesFor(grown, grownPage);
    return bounds;
}

// The shape editor's centroid cross.
#include "drawing/centroid_mark.h"

TPixelPoint CentroidMarkPixel(const TPolygon& polygon, long double scale, const TPixelPoint& last) {
    TPointF centroid;
    if (polygon.Apexes.size() < 3 || PolygonCentroid(polygon.Apexes, centroid) <= 0)
        return last;
    return ModelToDevice(centroid, scale, scale);
}

void DrawCentroidMark(ICanvas& canvas, const TPixelPoint& mark) {
    canvas.SetPenColor(CentroidMarkColor);
    canvas.MoveTo(mark.X, mark.Y - CentroidMarkArm);
    canvas.LineTo(mark.X, mark.Y + CentroidMarkArm);
    canvas.MoveTo(mark.X - CentroidMarkArm, mark.Y);
    canvas.LineTo(mark.X + CentroidMarkArm, mark.Y);
}

TPixelRect CentroidMarkArea(const TPixelPoint& mark) {
    return {mark.X - CentroidMarkArm, mark.Y - CentroidMarkArm, mark.X + CentroidMarkArm,
            mark.Y + CentroidMarkArm};
}

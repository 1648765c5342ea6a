// The size of a shape with its flanges, and whether the white area can hold it.
#include "document/shape_fit.h"

#include "geometry/bounding_box.h"
#include "geometry/flange_outline.h"
#include "placement/layout_engine.h"

TShapeSize SizeWithFlanges(const TPolygon& shape) {
    const TBox box = BoxOf(OutlineWithFlanges(shape));
    if (box.IsEmpty() || box.Unbounded)
        return {};
    return {box.Right - box.Left, box.Bottom - box.Top};
}

bool FitsWhiteArea(const TPolygon& shape, long double pageWidth, long double pageHeight) {
    const TShapeSize size = SizeWithFlanges(shape);
    return size.Width + 2 * LayoutLeastClearance < pageWidth &&
           size.Height + 2 * LayoutLeastClearance < pageHeight;
}

// Where a new or pasted shape lands on the sheet: under the pointer, then at
// the nearest place where it fits, unturned; a shape too large for the white
// area is refused.
#include "document/sheet_document.h"

#include "document/shape_fit.h"
#include "placement/nearest_fit.h"

#include <algorithm>

namespace {

// How far a shape that found no free place is moved, down and to the right,
// off a shape it would lie exactly on: a copy pasted onto its original would
// hide it and be saved with it unseen.
constexpr long double OffCopyStep = 5;

bool LiesOnAShape(const TPolygonTbl& page, const TPolygon& shape) {
    return std::any_of(page.begin(), page.end(),
                       [&](const TPolygon& other) { return other.Apexes == shape.Apexes; });
}

} // namespace

TPlacedShape TSheetDocument::PlaceShapeWhereItFits(TPolygon shape, const TPointF& pointer,
                                                   long double gridStep, long double pageWidth,
                                                   long double pageHeight) {
    TPlacedShape placed;
    placed.Pointer = pointer;
    if (!FitsWhiteArea(shape, pageWidth, pageHeight))
        return placed;
    placed.Fit = TPlaceFit::NoRoom;
    if (!IsIndexOf(FDrawing, FCurPage))
        return placed;
    MoveUnderPointer(shape, pointer, gridStep);
    const TPolygonTbl& page = FDrawing[FCurPage];
    TPointF move;
    if (NearestFreePlace(page, PageIndex(), shape, pageWidth, pageHeight, move)) {
        TranslatePolygon(shape, move);
        placed.Fit = TPlaceFit::Free;
        placed.Pointer = PointF(pointer.X + move.X, pointer.Y + move.Y);
    } else {
        // Each step lands on another place, so one step more than the page
        // has shapes finds one that none of them takes.
        for (std::size_t step = 0; step <= page.size() && LiesOnAShape(page, shape); ++step)
            TranslatePolygon(shape, PointF(OffCopyStep, OffCopyStep));
    }
    placed.Index = AddShape(shape);
    return placed;
}

// One shape turned, covered and ready for the layout search.
#include "placement/layout_piece.h"

#include "placement/convex_cover.h"

#include <algorithm>

bool MakeLayoutPiece(const TPolygon& shape, int index, long double angle, bool mirror,
                     const TConvexPart& clearance, TLayoutPiece& piece, double slack) {
    TLayoutTransform turn;
    turn.Angle = angle;
    turn.Mirror = mirror;
    std::vector<TConvexPart> parts = ConvexCover(TransformedPolygon(shape, turn), slack);
    if (parts.empty())
        return false;
    TVec low = parts.front().front(), high = low;
    for (const TConvexPart& part : parts) {
        for (const TVec& p : part) {
            low = {std::min(low.X, p.X), std::min(low.Y, p.Y)};
            high = {std::max(high.X, p.X), std::max(high.Y, p.Y)};
        }
    }
    piece = TLayoutPiece();
    piece.Shape = index;
    piece.Angle = angle;
    piece.Mirror = mirror;
    piece.Corner = low;
    piece.Width = high.X - low.X;
    piece.Height = high.Y - low.Y;
    for (TConvexPart& part : parts) {
        for (TVec& p : part)
            p = p - low;
        piece.Grown.push_back(MinkowskiSum(part, clearance));
        piece.Negated.push_back(Negated(part));
        piece.Parts.push_back(std::move(part));
    }
    return true;
}

TLayoutTransform PlacementOf(const TLayoutPiece& piece, const TVec& at) {
    TLayoutTransform transform;
    transform.Angle = piece.Angle;
    transform.Mirror = piece.Mirror;
    transform.Shift = PointF(static_cast<long double>(at.X) - piece.Corner.X,
                             static_cast<long double>(at.Y) - piece.Corner.Y);
    return transform;
}

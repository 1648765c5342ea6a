// A grown piece read off as an outline with fold lines.
#include "unfolding/piece_outline.h"

#include <algorithm>
#include <unordered_map>

TPieceOutline OutlineOf(const TPieceGrowth& growth, const TFoldGeometry& fold, int piece) {
    TPieceOutline outline;
    const TMeshEdges& edges = fold.Edges;
    const int first = growth.FirstSide(piece);
    int previous = first;
    for (int side = growth.NextSide(first);; side = growth.NextSide(side)) {
        outline.Sides.push_back(side);
        outline.Points.push_back(growth.Position(side));
        outline.Vertices.push_back(edges.From[side]);
        outline.Angles.push_back(growth.AngleAfter(previous));
        previous = side;
        if (side == first)
            break;
    }

    // Every half-edge inside the piece starts at one of the outline's points:
    // turning about a vertex from the side that leaves it, across the joined
    // edges, passes the faces that meet there, up to the side that comes in.
    std::unordered_map<int, int> pointOf;
    for (int i = 0; i < static_cast<int>(outline.Sides.size()); ++i) {
        int halfEdge = outline.Sides[i];
        pointOf[halfEdge] = i;
        for (int before = edges.Prev(halfEdge); growth.IsJoined(before);
             before = edges.Prev(halfEdge)) {
            halfEdge = fold.Partner(before);
            pointOf[halfEdge] = i;
        }
    }
    for (int face : growth.FacesOf(piece)) {
        for (int h = edges.FaceStart[face]; h < edges.FaceStart[face + 1]; ++h) {
            const int partner = fold.Partner(h);
            if (!growth.IsJoined(h) || h > partner)
                continue;
            const int a = pointOf.at(h), b = pointOf.at(partner);
            outline.Folds[fold.Fold[h] >= 0 ? 0 : 1].push_back(
                MakeBendLine(std::min(a, b), std::max(a, b)));
        }
    }
    for (TDaBendLine& set : outline.Folds)
        std::sort(set.begin(), set.end(), [](const TBendLine& x, const TBendLine& y) {
            return x.Apex1 < y.Apex1 || (x.Apex1 == y.Apex1 && x.Apex2 < y.Apex2);
        });
    return outline;
}

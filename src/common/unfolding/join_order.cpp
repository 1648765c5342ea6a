// The orders in which the unfolding tries to join faces along their edges.
#include "unfolding/join_order.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Fold angles closer than this count as equal, so that a symmetric model's
// edges, equal but for rounding, go by the size of their faces.
constexpr long double FoldAngleStep = 1e-4L;
// How much the distance from the axis weighs against the direction of an edge.
constexpr long double WidthWeight = 0.5L;

struct TKeyed {
    long double Key = 0;
    long double Tie = 0;
    int HalfEdge = 0;
};

TMeshPoint AxisOf(TJoinOrder order) {
    switch (order) {
    case joAcrossAxisX:
    case joAlongAxisX:
        return {1, 0, 0};
    case joAcrossAxisY:
    case joAlongAxisY:
        return {0, 1, 0};
    default:
        return {0, 0, 1};
    }
}

struct TBox3 {
    TMeshPoint Low, High;
};

TBox3 BoxOf(const TMesh& mesh) {
    TBox3 box;
    box.Low = box.High = mesh.Vertices.empty() ? TMeshPoint{} : mesh.Vertices.front();
    for (const TMeshPoint& p : mesh.Vertices) {
        box.Low = {std::min(box.Low.X, p.X), std::min(box.Low.Y, p.Y), std::min(box.Low.Z, p.Z)};
        box.High = {std::max(box.High.X, p.X), std::max(box.High.Y, p.Y),
                    std::max(box.High.Z, p.Z)};
    }
    return box;
}

} // namespace

std::vector<TJoinOrder> OrdersForLargeModels(const TMesh& mesh) {
    const TBox3 box = BoxOf(mesh);
    const TMeshPoint size = box.High - box.Low;
    // How nearly square the box is across each axis; Z wins a tie, then Y.
    auto squareness = [](long double a, long double b) {
        return std::max(a, b) > 0 ? std::min(a, b) / std::max(a, b) : 1;
    };
    const long double across[3] = {squareness(size.Y, size.Z), squareness(size.X, size.Z),
                                   squareness(size.X, size.Y)};
    int axis = 2;
    for (int k = 1; k >= 0; --k)
        if (across[k] > across[axis])
            axis = k;
    const TJoinOrder gores[3] = {joAcrossAxisX, joAcrossAxisY, joAcrossAxisZ};
    const TJoinOrder rings[3] = {joAlongAxisX, joAlongAxisY, joAlongAxisZ};
    return {joFlatFirst, gores[axis], rings[axis]};
}

std::vector<int> JoinOrder(const TFoldGeometry& fold, TJoinOrder order) {
    const TMesh& mesh = *fold.Mesh;
    const TMeshEdges& edges = fold.Edges;
    std::vector<TKeyed> keyed;
    for (int h = 0; h < edges.HalfEdgeCount(); ++h)
        if (fold.Joinable[h] && h < fold.Partner(h))
            keyed.push_back({0, 0, h});

    if (order == joFlatFirst) {
        for (TKeyed& entry : keyed) {
            const int h = entry.HalfEdge;
            entry.Key = std::round(std::fabs(fold.Fold[h]) / FoldAngleStep);
            entry.Tie =
                -(fold.FaceArea[edges.Face[h]] + fold.FaceArea[edges.Face[fold.Partner(h)]]);
        }
    } else {
        // The axes run through the middle of the model's box.
        const TMeshPoint axis = AxisOf(order);
        const TBox3 box = BoxOf(mesh);
        const TMeshPoint centre = (box.Low + box.High) * 0.5L;
        const bool across =
            order == joAcrossAxisX || order == joAcrossAxisY || order == joAcrossAxisZ;
        std::vector<long double> width(keyed.size());
        long double widest = 0;
        for (std::size_t i = 0; i < keyed.size(); ++i) {
            const int h = keyed[i].HalfEdge;
            const TMeshPoint middle =
                (mesh.Vertices[edges.From[h]] + mesh.Vertices[edges.To[h]]) * 0.5L - centre;
            width[i] = Length(middle - axis * Dot(middle, axis));
            widest = std::max(widest, width[i]);
        }
        for (std::size_t i = 0; i < keyed.size(); ++i) {
            const int h = keyed[i].HalfEdge;
            const TMeshPoint a = mesh.Vertices[edges.From[h]] - centre;
            const TMeshPoint b = mesh.Vertices[edges.To[h]] - centre;
            const TMeshPoint round = Normalized(Cross(axis, (a + b) * 0.5L));
            // How nearly the edge runs round the axis: 1 along a parallel
            // circle, 0 along a meridian; undefined on the axis itself.
            const long double roundness =
                Length(round) > 0 ? std::fabs(Dot(Normalized(b - a), round)) : 0.5L;
            const long double share = widest > 0 ? width[i] / widest : 0;
            keyed[i].Key = (across ? 1 - roundness : roundness) - WidthWeight * share;
        }
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const TKeyed& a, const TKeyed& b) {
        return a.Key < b.Key || (a.Key == b.Key && a.Tie < b.Tie);
    });
    std::vector<int> halfEdges;
    halfEdges.reserve(keyed.size());
    for (const TKeyed& entry : keyed)
        halfEdges.push_back(entry.HalfEdge);
    return halfEdges;
}

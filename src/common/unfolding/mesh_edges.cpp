// The sides of a mesh's faces as half-edges and their partners across edges.
#include "unfolding/mesh_edges.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace {

std::uint64_t EdgeKey(int a, int b) {
    const auto low = static_cast<std::uint32_t>(std::min(a, b));
    const auto high = static_cast<std::uint32_t>(std::max(a, b));
    return (static_cast<std::uint64_t>(low) << 32) | high;
}

} // namespace

TMeshEdges BuildMeshEdges(const TMesh& mesh) {
    TMeshEdges edges;
    const int faceCount = static_cast<int>(mesh.Faces.size());
    edges.FaceStart.reserve(faceCount + 1);
    for (int f = 0; f < faceCount; ++f) {
        const TMeshFace& face = mesh.Faces[f];
        edges.FaceStart.push_back(edges.HalfEdgeCount());
        for (std::size_t i = 0; i < face.size(); ++i) {
            edges.Face.push_back(f);
            edges.From.push_back(face[i]);
            edges.To.push_back(face[(i + 1) % face.size()]);
        }
    }
    edges.FaceStart.push_back(edges.HalfEdgeCount());

    const int count = edges.HalfEdgeCount();
    edges.Partner.assign(count, -1);
    edges.Opposed.assign(count, 0);
    // The first side of each edge, then whether a second or a third came.
    std::unordered_map<std::uint64_t, std::pair<int, int>> sides;
    sides.reserve(count);
    constexpr int Crowded = -2;
    for (int h = 0; h < count; ++h) {
        auto [entry, inserted] = sides.try_emplace(EdgeKey(edges.From[h], edges.To[h]), h, -1);
        if (inserted)
            continue;
        std::pair<int, int>& found = entry->second;
        if (found.second == -1) {
            found.second = h;
        } else if (found.second != Crowded) {
            found.second = Crowded;
            ++edges.CrowdedEdges;
        }
    }
    for (const auto& [key, found] : sides) {
        if (found.second < 0)
            continue;
        const int a = found.first;
        const int b = found.second;
        edges.Partner[a] = b;
        edges.Partner[b] = a;
        edges.Opposed[a] = edges.Opposed[b] = edges.From[a] == edges.To[b];
    }
    return edges;
}

// A mesh as a file holds it turned into one that unfolds.
#include "unfolding/mesh_cleaning.h"

#include "unfolding/face_split.h"
#include "unfolding/flat_faces.h"
#include "unfolding/mesh_edges.h"
#include "unfolding/mesh_repair.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <utility>

namespace {

// Corners this share of the model's size off their face's plane keep a
// polygon flat, and leave a corner where it is when flat faces join.
constexpr long double FlatShare = 1e-9L;

bool IsFinite(const TMeshPoint& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y) && std::isfinite(p.Z);
}

bool IsUsable(const TMesh& mesh, const TMeshFace& face) {
    const int count = static_cast<int>(mesh.Vertices.size());
    return face.size() >= 3 && std::all_of(face.begin(), face.end(), [&](int vertex) {
               return vertex >= 0 && vertex < count && IsFinite(mesh.Vertices[vertex]);
           });
}

// The corners of the box round the corners of the usable faces; the first
// above the second when there are none.
std::pair<TMeshPoint, TMeshPoint> UsableBounds(const TMesh& mesh) {
    constexpr long double Huge = std::numeric_limits<long double>::max();
    TMeshPoint low{Huge, Huge, Huge}, high{-Huge, -Huge, -Huge};
    for (const TMeshFace& face : mesh.Faces) {
        if (!IsUsable(mesh, face))
            continue;
        for (int vertex : face) {
            const TMeshPoint& p = mesh.Vertices[vertex];
            low = {std::min(low.X, p.X), std::min(low.Y, p.Y), std::min(low.Z, p.Z)};
            high = {std::max(high.X, p.X), std::max(high.Y, p.Y), std::max(high.Z, p.Z)};
        }
    }
    return {low, high};
}

// Each point mapped to the first point within distance of it.
std::vector<int> MergedPoints(const std::vector<TMeshPoint>& points, long double distance,
                              int& merged) {
    std::vector<int> target(points.size());
    std::unordered_map<std::uint64_t, std::vector<int>> cells;
    auto cell = [&](long double value) {
        return static_cast<std::int64_t>(std::floor(value / distance));
    };
    auto key = [](std::int64_t x, std::int64_t y, std::int64_t z) {
        const auto bits = [](std::int64_t v) { return static_cast<std::uint64_t>(v) & 0x1FFFFF; };
        return (bits(x) << 42) | (bits(y) << 21) | bits(z);
    };
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TMeshPoint& p = points[i];
        const std::int64_t x = cell(p.X), y = cell(p.Y), z = cell(p.Z);
        int found = -1;
        for (std::int64_t dx = -1; dx <= 1 && found < 0; ++dx)
            for (std::int64_t dy = -1; dy <= 1 && found < 0; ++dy)
                for (std::int64_t dz = -1; dz <= 1 && found < 0; ++dz) {
                    const auto entry = cells.find(key(x + dx, y + dy, z + dz));
                    if (entry == cells.end())
                        continue;
                    for (int other : entry->second)
                        if (Length(points[other] - p) <= distance) {
                            found = other;
                            break;
                        }
                }
        if (found >= 0) {
            target[i] = found;
            ++merged;
        } else {
            target[i] = static_cast<int>(i);
            cells[key(x, y, z)].push_back(static_cast<int>(i));
        }
    }
    return target;
}

// The face without repeated corners: a corner repeated at once is dropped, one
// met again later closes a loop of its own.
std::vector<TMeshFace> Loops(const TMeshFace& face) {
    std::vector<TMeshFace> loops;
    TMeshFace path;
    for (int vertex : face) {
        if (!path.empty() && path.back() == vertex)
            continue;
        const auto again = std::find(path.begin(), path.end(), vertex);
        if (again != path.end()) {
            loops.emplace_back(again, path.end());
            path.erase(again + 1, path.end());
            continue;
        }
        path.push_back(vertex);
    }
    loops.push_back(path);
    std::erase_if(loops, [](const TMeshFace& loop) { return loop.size() < 3; });
    return loops;
}

// A face is no face when it is thinner than distance everywhere: twice its
// area over its longest side. The area is that of the triangles fanned from
// its first corner, each counted as it is, so that a polygon whose outline
// crosses itself is not taken for one without area.
bool HasArea(const TMesh& mesh, const TMeshFace& face, long double distance) {
    long double longest = 0, area = 0;
    for (std::size_t i = 0; i < face.size(); ++i)
        longest = std::max(
            longest, Length(mesh.Vertices[face[(i + 1) % face.size()]] - mesh.Vertices[face[i]]));
    for (std::size_t i = 1; i + 1 < face.size(); ++i)
        area += FaceArea(mesh, {face[0], face[i], face[i + 1]});
    return longest > 0 && 2 * area / longest > distance;
}

void DropUnusedPoints(TMesh& mesh) {
    std::vector<int> index(mesh.Vertices.size(), -1);
    std::vector<TMeshPoint> used;
    for (TMeshFace& face : mesh.Faces)
        for (int& vertex : face) {
            if (index[vertex] < 0) {
                index[vertex] = static_cast<int>(used.size());
                used.push_back(mesh.Vertices[vertex]);
            }
            vertex = index[vertex];
        }
    mesh.Vertices = std::move(used);
}

} // namespace

long double ModelSize(const TMesh& mesh) {
    const auto [low, high] = UsableBounds(mesh);
    const TMeshPoint extent = high - low;
    return std::max({extent.X, extent.Y, extent.Z, 0.0L});
}

TMesh CleanMesh(const TMesh& source, const TCleaningOptions& options, TCleaningReport& report) {
    report = TCleaningReport();
    TMesh mesh;
    for (const TMeshFace& face : source.Faces) {
        if (IsUsable(source, face))
            mesh.Faces.push_back(face);
        else
            ++report.DroppedFaces;
    }
    const auto [low, high] = UsableBounds(source);
    const long double largest = ModelSize(source);
    if (mesh.Faces.empty() || !(largest > 0) || !std::isfinite(largest)) {
        report.DroppedFaces += static_cast<int>(mesh.Faces.size());
        return TMesh();
    }

    report.Scale = options.Size > 0 ? options.Size / largest : 1;
    const long double size = largest * report.Scale;
    const long double mergeDistance = MergeShare * size;
    const TMeshPoint centre = (low + high) * 0.5L;
    std::vector<TMeshPoint> scaled(source.Vertices.size());
    for (std::size_t i = 0; i < scaled.size(); ++i)
        if (IsFinite(source.Vertices[i]))
            scaled[i] = (source.Vertices[i] - centre) * report.Scale;
    const std::vector<int> target = MergedPoints(scaled, mergeDistance, report.MergedVertices);
    mesh.Vertices = std::move(scaled);

    std::vector<TMeshFace> faces;
    for (TMeshFace& face : mesh.Faces) {
        for (int& vertex : face)
            vertex = target[vertex];
        const std::vector<TMeshFace> loops = Loops(face);
        if (loops.empty())
            ++report.DroppedFaces;
        for (const TMeshFace& loop : loops) {
            if (!HasArea(mesh, loop, mergeDistance)) {
                ++report.DroppedFaces;
            } else if (loop.size() == 3 || IsFlatSimpleFace(mesh, loop, FlatShare * size)) {
                faces.push_back(loop);
            } else {
                ++report.SplitFaces;
                for (TMeshFace& triangle : SplitIntoTriangles(mesh, loop)) {
                    if (HasArea(mesh, triangle, mergeDistance))
                        faces.push_back(std::move(triangle));
                    else
                        ++report.DroppedFaces;
                }
            }
        }
    }
    mesh.Faces = std::move(faces);

    // A corner moved onto a side may bend a polygon that holds it elsewhere.
    if (CloseTJunctions(mesh, mergeDistance) > 0) {
        faces.clear();
        for (TMeshFace& face : mesh.Faces) {
            if (face.size() == 3 || IsFlatSimpleFace(mesh, face, FlatShare * size)) {
                faces.push_back(std::move(face));
                continue;
            }
            ++report.SplitFaces;
            for (TMeshFace& triangle : SplitIntoTriangles(mesh, face))
                faces.push_back(std::move(triangle));
        }
        mesh.Faces = std::move(faces);
    }
    report.TurnedFaces = OrientFaces(mesh);
    report.CutEdges = BuildMeshEdges(mesh).CrowdedEdges;
    report.JoinedFaces = JoinFlatFaces(mesh, options.FlatAngle, FlatShare * size);
    DropUnusedPoints(mesh);
    return mesh;
}

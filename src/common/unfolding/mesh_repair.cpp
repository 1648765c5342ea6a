// Corners put into their neighbours' sides, and faces turned outward.
#include "unfolding/mesh_repair.h"

#include "unfolding/mesh_edges.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace {

// Points hashed into square cells, to find the ones near a side.
class TPointCells {
public:
    explicit TPointCells(long double cellSize) : FCellSize(cellSize) {}

    void Add(const TMeshPoint& p, int vertex) {
        FCells[Key(Cell(p.X), Cell(p.Y), Cell(p.Z))].push_back(vertex);
    }

    template <class TVisit>
    void ForEachNear(const TMeshPoint& a, const TMeshPoint& b, long double margin,
                     TVisit visit) const {
        const std::int64_t x0 = Cell(std::min(a.X, b.X) - margin),
                           x1 = Cell(std::max(a.X, b.X) + margin);
        const std::int64_t y0 = Cell(std::min(a.Y, b.Y) - margin),
                           y1 = Cell(std::max(a.Y, b.Y) + margin);
        const std::int64_t z0 = Cell(std::min(a.Z, b.Z) - margin),
                           z1 = Cell(std::max(a.Z, b.Z) + margin);
        for (std::int64_t x = x0; x <= x1; ++x)
            for (std::int64_t y = y0; y <= y1; ++y)
                for (std::int64_t z = z0; z <= z1; ++z) {
                    const auto found = FCells.find(Key(x, y, z));
                    if (found != FCells.end())
                        for (int vertex : found->second)
                            visit(vertex);
                }
    }

private:
    std::int64_t Cell(long double value) const {
        return static_cast<std::int64_t>(std::floor(value / FCellSize));
    }
    static std::uint64_t Key(std::int64_t x, std::int64_t y, std::int64_t z) {
        const auto bits = [](std::int64_t v) { return static_cast<std::uint64_t>(v) & 0x1FFFFF; };
        return (bits(x) << 42) | (bits(y) << 21) | bits(z);
    }

    long double FCellSize;
    std::unordered_map<std::uint64_t, std::vector<int>> FCells;
};

} // namespace

int CloseTJunctions(TMesh& mesh, long double tolerance) {
    const TMeshEdges edges = BuildMeshEdges(mesh);
    std::vector<int> open;
    long double lengthSum = 0;
    for (int h = 0; h < edges.HalfEdgeCount(); ++h) {
        if (edges.Partner[h] >= 0)
            continue;
        open.push_back(h);
        lengthSum += Length(mesh.Vertices[edges.To[h]] - mesh.Vertices[edges.From[h]]);
    }
    if (open.empty())
        return 0;
    TPointCells cells(std::max(lengthSum / open.size(), tolerance * 4));
    std::vector<char> added(mesh.Vertices.size(), 0);
    for (int h : open) {
        if (!added[edges.From[h]]) {
            added[edges.From[h]] = 1;
            cells.Add(mesh.Vertices[edges.From[h]], edges.From[h]);
        }
    }

    // Per open side the corners that lie on it, by their distance from its start.
    std::unordered_map<int, std::vector<std::pair<long double, int>>> inserts;
    for (int h : open) {
        const TMeshPoint& a = mesh.Vertices[edges.From[h]];
        const TMeshPoint& b = mesh.Vertices[edges.To[h]];
        const TMeshPoint side = b - a;
        const long double length = Length(side);
        if (length <= 2 * tolerance)
            continue;
        const TMeshPoint along = side * (1 / length);
        cells.ForEachNear(a, b, tolerance, [&](int vertex) {
            if (vertex == edges.From[h] || vertex == edges.To[h])
                return;
            const TMeshPoint d = mesh.Vertices[vertex] - a;
            const long double t = Dot(d, along);
            if (t <= tolerance || t >= length - tolerance)
                return;
            if (Length(d - along * t) <= tolerance)
                inserts[h].push_back({t, vertex});
        });
    }

    int inserted = 0;
    for (int f = 0; f < edges.FaceCount(); ++f) {
        TMeshFace corners;
        for (int h = edges.FaceStart[f]; h < edges.FaceStart[f + 1]; ++h) {
            corners.push_back(edges.From[h]);
            const auto found = inserts.find(h);
            if (found == inserts.end())
                continue;
            std::vector<std::pair<long double, int>>& between = found->second;
            std::sort(between.begin(), between.end());
            // On the side exactly, so that the face stays flat.
            const TMeshPoint& a = mesh.Vertices[edges.From[h]];
            const TMeshPoint along = Normalized(mesh.Vertices[edges.To[h]] - a);
            for (const auto& [t, vertex] : between) {
                mesh.Vertices[vertex] = a + along * t;
                corners.push_back(vertex);
                ++inserted;
            }
        }
        mesh.Faces[f] = std::move(corners);
    }
    return inserted;
}

int OrientFaces(TMesh& mesh) {
    const TMeshEdges edges = BuildMeshEdges(mesh);
    const int faceCount = edges.FaceCount();
    std::vector<int> turn(faceCount, -1); // -1 not reached, 0 keep, 1 turn
    int turned = 0;
    std::vector<int> part;
    for (int seed = 0; seed < faceCount; ++seed) {
        if (turn[seed] >= 0)
            continue;
        part.assign(1, seed);
        turn[seed] = 0;
        bool closed = true;
        for (std::size_t next = 0; next < part.size(); ++next) {
            const int f = part[next];
            for (int h = edges.FaceStart[f]; h < edges.FaceStart[f + 1]; ++h) {
                const int partner = edges.Partner[h];
                if (partner < 0) {
                    closed = false;
                    continue;
                }
                const int g = edges.Face[partner];
                if (turn[g] >= 0)
                    continue; // a conflict stays: the unfolding never joins there
                turn[g] = turn[f] ^ (edges.Opposed[h] ? 0 : 1);
                part.push_back(g);
            }
        }

        bool invert = false;
        if (closed) {
            // The enclosed volume, from a point inside the part's box so that
            // a model far from the origin keeps its precision.
            const TMeshPoint origin = mesh.Vertices[mesh.Faces[seed][0]];
            long double volume = 0;
            for (int f : part) {
                const TMeshFace& face = mesh.Faces[f];
                const TMeshPoint a = mesh.Vertices[face[0]] - origin;
                long double faceVolume = 0;
                for (std::size_t i = 1; i + 1 < face.size(); ++i)
                    faceVolume += Dot(a, Cross(mesh.Vertices[face[i]] - origin,
                                               mesh.Vertices[face[i + 1]] - origin));
                volume += turn[f] ? -faceVolume : faceVolume;
            }
            invert = volume < 0;
        } else {
            const auto turnedCount =
                std::count_if(part.begin(), part.end(), [&](int f) { return turn[f] == 1; });
            invert = 2 * turnedCount > static_cast<std::ptrdiff_t>(part.size());
        }
        for (int f : part) {
            if ((turn[f] == 1) != invert) {
                std::reverse(mesh.Faces[f].begin(), mesh.Faces[f].end());
                ++turned;
            }
        }
    }
    return turned;
}

// Faces within a small angle of one plane joined into one flat face.
#include "unfolding/flat_faces.h"

#include "unfolding/mesh_edges.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <queue>
#include <utility>

namespace {

// One flat face while it grows: its faces and its outline as a loop through
// its corners, each corner at most once.
class TFlatFaceGrowth {
public:
    TFlatFaceGrowth(TMesh& mesh, const TMeshEdges& edges, long double maxAngle, long double onPlane,
                    bool mayMove)
        : FMesh(mesh), FEdges(edges), FMaxAngle(maxAngle), FOnPlane(onPlane), FMayMove(mayMove),
          FGroupOf(edges.FaceCount(), -1), FGroupSize(edges.FaceCount(), 0),
          FLoopNext(mesh.Vertices.size(), -1), FLoopOf(mesh.Vertices.size(), -1),
          FMoved(mesh.Vertices.size(), 0), FVertexFacesStart(mesh.Vertices.size() + 1, 0) {
        for (const TMeshFace& face : mesh.Faces)
            for (int vertex : face)
                ++FVertexFacesStart[vertex + 1];
        std::partial_sum(FVertexFacesStart.begin(), FVertexFacesStart.end(),
                         FVertexFacesStart.begin());
        FVertexFaces.resize(FVertexFacesStart.back());
        std::vector<int> fill(FVertexFacesStart.begin(), FVertexFacesStart.end() - 1);
        for (int f = 0; f < edges.FaceCount(); ++f)
            for (int vertex : mesh.Faces[f])
                FVertexFaces[fill[vertex]++] = f;
    }

    // The flat face grown from seed: its outline, or the seed alone.
    TMeshFace Grow(int seed) {
        const int group = seed;
        FGroupOf[seed] = group;
        FGroupSize[group] = 1;
        FNormal = FaceNormal(FMesh, FMesh.Faces[seed]);
        FOrigin = FaceCentroid(FMesh, FMesh.Faces[seed]);
        const TMeshFace& first = FMesh.Faces[seed];
        for (std::size_t i = 0; i < first.size(); ++i) {
            FLoopNext[first[i]] = first[(i + 1) % first.size()];
            FLoopOf[first[i]] = group;
        }
        TCandidates candidates;
        QueueNeighbours(seed, candidates);
        while (!candidates.empty()) {
            const int face = candidates.top().second;
            candidates.pop();
            if (FGroupOf[face] < 0 && TryJoin(face, group))
                QueueNeighbours(face, candidates);
        }
        if (FGroupSize[group] == 1)
            return first;
        TMeshFace outline;
        int start = -1;
        for (int vertex : first)
            if (FLoopOf[vertex] == group)
                start = vertex;
        // Some corner of the seed always stays on the loop: the loop only
        // loses corners whose every face joined, and the seed's first
        // neighbour left its run's ends on it.
        for (int vertex = start; outline.empty() || vertex != start; vertex = FLoopNext[vertex])
            outline.push_back(vertex);
        return outline;
    }

    int GroupOf(int face) const { return FGroupOf[face]; }

private:
    // Neighbours by their angle to the flat face's plane, the flattest
    // first: a face in the plane itself joins before one that would move
    // corners and then stand in its way.
    using TCandidate = std::pair<long double, int>;
    using TCandidates =
        std::priority_queue<TCandidate, std::vector<TCandidate>, std::greater<TCandidate>>;

    void QueueNeighbours(int face, TCandidates& candidates) const {
        for (int h = FEdges.FaceStart[face]; h < FEdges.FaceStart[face + 1]; ++h) {
            const int partner = FEdges.Partner[h];
            if (partner >= 0 && FEdges.Opposed[h] && FGroupOf[FEdges.Face[partner]] < 0)
                candidates.push(
                    {AngleBetween(FaceNormal(FMesh, FMesh.Faces[FEdges.Face[partner]]), FNormal),
                     FEdges.Face[partner]});
        }
    }

    // A corner may move onto the plane when no polygon face and no other flat
    // face holds it where it is.
    bool MayMove(int vertex, int face) const {
        if (!FMayMove || FMoved[vertex])
            return false;
        for (int i = FVertexFacesStart[vertex]; i < FVertexFacesStart[vertex + 1]; ++i) {
            const int other = FVertexFaces[i];
            if (other == face)
                continue;
            if (FMesh.Faces[other].size() > 3)
                return false;
            const int group = FGroupOf[other];
            if (group >= 0 && FGroupSize[group] > 1)
                return false;
        }
        return true;
    }

    bool TryJoin(int face, int group) {
        const TMeshFace& corners = FMesh.Faces[face];
        if (AngleBetween(FaceNormal(FMesh, corners), FNormal) >= FMaxAngle)
            return false;
        const int n = static_cast<int>(corners.size());
        const int firstHalfEdge = FEdges.FaceStart[face];
        std::vector<char> shared(n, 0);
        for (int i = 0; i < n; ++i) {
            const int partner = FEdges.Partner[firstHalfEdge + i];
            shared[i] = partner >= 0 && FEdges.Opposed[firstHalfEdge + i] &&
                        FGroupOf[FEdges.Face[partner]] == group;
        }
        // The shared sides must be one run, and not all of them.
        int runStart = -1, runs = 0;
        for (int i = 0; i < n; ++i) {
            if (shared[i] && !shared[(i + n - 1) % n]) {
                runStart = i;
                ++runs;
            }
        }
        if (runs != 1)
            return false;
        int runEnd = runStart;
        while (shared[(runEnd + 1) % n])
            runEnd = (runEnd + 1) % n;
        // Corners off the run join the loop: none may be on it already.
        std::vector<int> newCorners;
        for (int i = (runEnd + 2) % n; i != runStart; i = (i + 1) % n)
            newCorners.push_back(corners[i]);
        for (int vertex : newCorners) {
            if (FLoopOf[vertex] == group)
                return false;
            const long double off = Dot(FMesh.Vertices[vertex] - FOrigin, FNormal);
            if (std::fabs(off) > FOnPlane && !MayMove(vertex, face))
                return false;
        }

        for (int vertex : newCorners) {
            const long double off = Dot(FMesh.Vertices[vertex] - FOrigin, FNormal);
            if (std::fabs(off) > FOnPlane) {
                FMesh.Vertices[vertex] = FMesh.Vertices[vertex] - FNormal * off;
                FMoved[vertex] = 1;
            }
        }
        for (int i = (runStart + 1) % n; i != (runEnd + 1) % n; i = (i + 1) % n)
            FLoopOf[corners[i]] = -1;
        for (int i = (runEnd + 1) % n; i != runStart; i = (i + 1) % n) {
            FLoopNext[corners[i]] = corners[(i + 1) % n];
            FLoopOf[corners[i]] = group;
        }
        FGroupOf[face] = group;
        ++FGroupSize[group];
        return true;
    }

    TMesh& FMesh;
    const TMeshEdges& FEdges;
    const long double FMaxAngle;
    const long double FOnPlane;
    const bool FMayMove;
    std::vector<int> FGroupOf;   // the flat face each face joined, by its first face
    std::vector<int> FGroupSize; // faces in each flat face, by its first face
    std::vector<int> FLoopNext;  // the next corner on the outline of the growing flat face
    std::vector<int> FLoopOf;    // the flat face whose outline passes a corner
    std::vector<char> FMoved;    // corners moved onto a flat face's plane
    std::vector<int> FVertexFacesStart;
    std::vector<int> FVertexFaces;
    TMeshPoint FNormal;
    TMeshPoint FOrigin;
};

// One pass over the faces, largest first: each not yet in a flat face grows one.
int JoinPass(TMesh& mesh, long double maxAngle, long double onPlane, bool mayMove) {
    const TMeshEdges edges = BuildMeshEdges(mesh);
    const int faceCount = edges.FaceCount();
    std::vector<long double> area(faceCount);
    for (int f = 0; f < faceCount; ++f)
        area[f] = FaceArea(mesh, mesh.Faces[f]);
    std::vector<int> order(faceCount);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return area[a] > area[b]; });

    TFlatFaceGrowth growth(mesh, edges, maxAngle, onPlane, mayMove);
    std::vector<TMeshFace> faces;
    faces.reserve(faceCount);
    for (int seed : order)
        if (growth.GroupOf(seed) < 0)
            faces.push_back(growth.Grow(seed));
    const int joined = faceCount - static_cast<int>(faces.size());
    mesh.Faces = std::move(faces);
    return joined;
}

} // namespace

// Faces that already share a plane join first, so that a neighbour that
// would move a corner cannot part them.
int JoinFlatFaces(TMesh& mesh, long double maxAngle, long double onPlane) {
    const int joined = JoinPass(mesh, maxAngle, onPlane, false);
    return joined + JoinPass(mesh, maxAngle, onPlane, true);
}

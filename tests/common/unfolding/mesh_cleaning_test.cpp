// Tests of the cleaning that makes a mesh as a file holds it into one that
// unfolds: scale, merged points, dropped and repaired faces, split bent
// polygons, faces turned outward, flat neighbours joined and crowded edges.
#include "unfolding/mesh_cleaning.h"

#include "common/unfolding/mesh_samples.h"
#include "geometry/angles.h"
#include "unfolding/mesh_edges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr long double Degree = Pi / 180;

TMesh Clean(const TMesh& mesh, TCleaningReport& report, long double size = 0,
            long double flatAngle = 0.5L * Degree) {
    TCleaningOptions options;
    options.Size = size;
    options.FlatAngle = flatAngle;
    return CleanMesh(mesh, options, report);
}

// Every edge shared by exactly two faces that agree which side is outside.
bool IsClosed(const TMesh& mesh) {
    const TMeshEdges edges = BuildMeshEdges(mesh);
    for (int h = 0; h < edges.HalfEdgeCount(); ++h)
        if (edges.Partner[h] < 0 || !edges.Opposed[h])
            return false;
    return true;
}

long double Volume(const TMesh& mesh) {
    long double volume = 0;
    for (const TMeshFace& face : mesh.Faces)
        for (std::size_t i = 1; i + 1 < face.size(); ++i)
            volume += Dot(mesh.Vertices[face[0]],
                          Cross(mesh.Vertices[face[i]], mesh.Vertices[face[i + 1]])) /
                      6;
    return volume;
}

long double LargestDimension(const TMesh& mesh) {
    long double largest = 0;
    for (const TMeshPoint& a : mesh.Vertices)
        for (const TMeshPoint& b : mesh.Vertices)
            largest = std::max(
                {largest, std::fabs(a.X - b.X), std::fabs(a.Y - b.Y), std::fabs(a.Z - b.Z)});
    return largest;
}

// Each face with its own copy of its corners, moved by up to shift.
TMesh Soup(const TMesh& mesh, long double shift) {
    TMesh soup;
    int k = 0;
    for (const TMeshFace& face : mesh.Faces) {
        TMeshFace own;
        for (int vertex : face) {
            const long double s = (k++ % 3 - 1) * shift;
            soup.Vertices.push_back(mesh.Vertices[vertex] + TMeshPoint{s, -s, s});
            own.push_back(static_cast<int>(soup.Vertices.size()) - 1);
        }
        soup.Faces.push_back(own);
    }
    return soup;
}

// Two triangles of the unit square, the second lifted at its far corner so
// that they meet at the given angle.
TMesh BentSquare(long double angle) {
    TMesh mesh;
    mesh.Vertices = {
        {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, std::sqrt(2.0L) * std::tan(angle) / 2}};
    mesh.Faces = {{0, 1, 2}, {1, 3, 2}};
    return mesh;
}

} // namespace

TEST(MeshCleaning, ScalesTheLargestDimensionOrKeepsTheUnits) {
    for (long double size : {0.0L, 60.0L, 150.0L}) {
        TCleaningReport report;
        const TMesh mesh = Clean(CubeMesh(), report, size);
        const long double expected = size > 0 ? size : 2;
        EXPECT_NEAR(static_cast<double>(LargestDimension(mesh)), static_cast<double>(expected),
                    1e-12);
        EXPECT_NEAR(static_cast<double>(report.Scale), static_cast<double>(expected / 2), 1e-15);
    }
}

TEST(MeshCleaning, MergesPointsWithinAMillionthOfTheModelSize) {
    // The cube is 60 mm: points 1e-5 mm apart are one, 1e-3 mm apart two.
    const struct {
        long double Shift; // in the cube's own units, 1/30 mm
        bool Merged;
    } cases[] = {{3e-7L, true}, {3e-5L, false}};
    for (const auto& c : cases) {
        TCleaningReport report;
        const TMesh mesh = Clean(Soup(CubeMesh(), c.Shift), report, 60);
        EXPECT_EQ(IsClosed(mesh), c.Merged) << static_cast<double>(c.Shift);
        EXPECT_EQ(mesh.Vertices.size() == 8, c.Merged);
        if (c.Merged) {
            EXPECT_EQ(report.MergedVertices, 36 - 8);
        }
    }
}

TEST(MeshCleaning, DropsBrokenAndZeroAreaFaces) {
    TMesh mesh = CubeMesh();
    const int n = static_cast<int>(mesh.Vertices.size());
    mesh.Vertices.push_back({std::numeric_limits<long double>::quiet_NaN(), 0, 0});
    mesh.Faces.push_back({0, 0, 1});     // a corner twice
    mesh.Faces.push_back({0, 1, n + 5}); // a corner that does not exist
    mesh.Faces.push_back({0, 1, n});     // a corner that is no number
    mesh.Faces.push_back({0, 1});        // two corners only
    TCleaningReport report;
    const TMesh cleaned = Clean(mesh, report);
    EXPECT_EQ(report.DroppedFaces, 4);
    EXPECT_EQ(cleaned.Faces.size(), 6u);
    EXPECT_TRUE(IsClosed(cleaned));
    EXPECT_EQ(report.CutEdges, 0);
}

TEST(MeshCleaning, AZeroAreaFaceBetweenNeighboursLeavesThemJoined) {
    // The bottom of the cube split at the middle of an edge, the gap to its
    // neighbour filled by a zero-area triangle.
    TMesh mesh = CubeMesh();
    const TMeshFace bottom = mesh.Faces[0]; // a triangle with two corners on one edge
    const int a = bottom[0], b = bottom[1], c = bottom[2];
    mesh.Vertices.push_back((mesh.Vertices[a] + mesh.Vertices[b]) * 0.5L);
    const int m = static_cast<int>(mesh.Vertices.size()) - 1;
    mesh.Faces[0] = {a, m, c};
    mesh.Faces.push_back({m, b, c});
    mesh.Faces.push_back({a, b, m});
    TCleaningReport report;
    const TMesh cleaned = Clean(mesh, report, 0, 0);
    EXPECT_EQ(report.DroppedFaces, 1);
    EXPECT_TRUE(IsClosed(cleaned));
    EXPECT_NEAR(static_cast<double>(SurfaceArea(cleaned)), 24.0, 1e-12);
}

TEST(MeshCleaning, SplitsBentAndCrossedPolygonsOnly) {
    const struct {
        const char* Name;
        std::vector<TMeshPoint> Corners;
        int Split;
        std::size_t Faces;
    } cases[] = {
        {"flat arrow", {{0, 0, 0}, {2, 1, 0}, {0, 2, 0}, {1, 1, 0}}, 0, 1},
        {"twisted quad", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0.2L}, {0, 1, 0}}, 1, 2},
        {"crossed quad", {{0, 0, 0}, {1, 1, 0}, {1, 0, 0}, {0, 1, 0}}, 1, 2},
    };
    for (const auto& c : cases) {
        TMesh mesh;
        mesh.Vertices = c.Corners;
        mesh.Faces = {{0, 1, 2, 3}};
        TCleaningReport report;
        const TMesh cleaned = Clean(mesh, report, 0, 0);
        EXPECT_EQ(report.SplitFaces, c.Split) << c.Name;
        EXPECT_EQ(cleaned.Faces.size(), c.Faces) << c.Name;
    }
}

TEST(MeshCleaning, APolygonThatPassesACornerTwiceFallsIntoItsLoops) {
    // Two triangles drawn as one outline through their shared corner.
    TMesh mesh;
    mesh.Vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {-1, 0, 0}, {-1, -1, 0}};
    mesh.Faces = {{0, 1, 2, 0, 3, 4}};
    TCleaningReport report;
    const TMesh cleaned = Clean(mesh, report, 0, 0);
    ASSERT_EQ(cleaned.Faces.size(), 2u);
    EXPECT_EQ(cleaned.Faces[0].size(), 3u);
    EXPECT_EQ(cleaned.Faces[1].size(), 3u);
    EXPECT_NEAR(static_cast<double>(SurfaceArea(cleaned)), 1.0, 1e-15);
    EXPECT_EQ(report.DroppedFaces, 0);
}

TEST(MeshCleaning, TurnsFacesOutwardLikeTheirNeighbours) {
    TMesh inverted = CubeMesh();
    for (TMeshFace& face : inverted.Faces)
        std::reverse(face.begin(), face.end());
    TMesh twoTurned = CubeMesh();
    std::reverse(twoTurned.Faces[3].begin(), twoTurned.Faces[3].end());
    std::reverse(twoTurned.Faces[8].begin(), twoTurned.Faces[8].end());
    const struct {
        const char* Name;
        TMesh Mesh;
        int Turned;
    } cases[] = {{"inside out", inverted, 12}, {"two faces turned", twoTurned, 2}};
    for (const auto& c : cases) {
        TCleaningReport report;
        const TMesh cleaned = Clean(c.Mesh, report, 0, 0);
        EXPECT_EQ(report.TurnedFaces, c.Turned) << c.Name;
        EXPECT_TRUE(IsClosed(cleaned)) << c.Name;
        EXPECT_NEAR(static_cast<double>(Volume(cleaned)), 8.0, 1e-12) << c.Name;
    }

    // An open mesh keeps the way most of its faces came.
    TMesh open;
    open.Vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 0, 0}, {2, 1, 0}};
    open.Faces = {{0, 1, 2}, {0, 2, 3}, {1, 2, 4}};
    TCleaningReport report;
    const TMesh cleaned = Clean(open, report, 0, 0);
    EXPECT_EQ(report.TurnedFaces, 1);
    for (const TMeshFace& face : cleaned.Faces)
        EXPECT_GT(FaceNormal(cleaned, face).Z, 0);
}

TEST(MeshCleaning, JoinsNeighboursWithinTheFlatAngleIntoOneFlatFace) {
    const struct {
        long double Bend;
        long double FlatAngle;
        std::size_t Faces;
    } cases[] = {
        {0, 0.5L * Degree, 1},             // one plane
        {0, 0, 2},                         // no joining asked for
        {0.3L * Degree, 0.5L * Degree, 1}, // bent less than the angle: made flat
        {1.0L * Degree, 0.5L * Degree, 2}, // bent more
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.Bend / Degree));
        TCleaningReport report;
        const TMesh mesh = Clean(BentSquare(c.Bend), report, 0, c.FlatAngle);
        ASSERT_EQ(mesh.Faces.size(), c.Faces);
        EXPECT_EQ(report.JoinedFaces, static_cast<int>(2 - c.Faces));
        if (c.Faces == 1) {
            const TMeshFace& face = mesh.Faces[0];
            EXPECT_EQ(face.size(), 4u);
            const TMeshPoint normal = FaceNormal(mesh, face);
            for (int vertex : face)
                EXPECT_NEAR(static_cast<double>(
                                Dot(mesh.Vertices[vertex] - mesh.Vertices[face[0]], normal)),
                            0.0, 1e-15);
        }
    }

    // The cube's triangles pair up into its six squares.
    TCleaningReport report;
    EXPECT_EQ(Clean(CubeMesh(), report).Faces.size(), 6u);
    EXPECT_EQ(report.JoinedFaces, 6);
}

TEST(MeshCleaning, CountsEdgesOfMoreThanTwoFaces) {
    // Three fins on one edge.
    TMesh mesh;
    mesh.Vertices = {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, {-1, 1, 0}, {-1, -1, 0}};
    mesh.Faces = {{0, 1, 2}, {1, 0, 3}, {0, 1, 4}};
    TCleaningReport report;
    const TMesh cleaned = Clean(mesh, report, 0, 0);
    EXPECT_EQ(report.CutEdges, 1);
    EXPECT_EQ(cleaned.Faces.size(), 3u);
}

TEST(MeshCleaning, AMeshWithoutAreaCleansToNothing) {
    TMesh flat;
    flat.Vertices = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
    flat.Faces = {{0, 1, 2}};
    for (const TMesh& mesh : {TMesh(), flat}) {
        TCleaningReport report;
        EXPECT_TRUE(Clean(mesh, report).Faces.empty());
    }
}

// Tests of the unfolding on the benchmark set at three model sizes on an A4
// page less 10 mm margins, checked from the pieces and the cleaned mesh alone:
// no piece overlaps itself or leaves the white area, every cut edge is a
// complete joint, the area is kept and the pieces fold back into the mesh.
#include "unfolding/mesh_unfolding.h"

#include "common/unfolding/mesh_samples.h"
#include "common/unfolding/unfold_checks.h"
#include "geometry/angles.h"
#include "unfolding/mesh_cleaning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr long double AreaWidth = 190, AreaHeight = 277;

TUnfoldOptions A4Options() {
    TUnfoldOptions options;
    options.AreaWidth = AreaWidth;
    options.AreaHeight = AreaHeight;
    return options;
}

void ExpectNoFindings(const TFindings& findings, const std::string& what) {
    EXPECT_TRUE(findings.empty()) << what << ": " << findings.size() << " findings, first: "
                                  << (findings.empty() ? "" : findings.front());
}

// The most pieces each model may take at 60 mm.
const std::map<std::string, std::size_t> PiecesAt60 = {
    {"cube", 1},        {"icosphere 80", 1}, {"icosphere 320", 1}, {"UV sphere 32x16", 1},
    {"cylinder 24", 1}, {"cone 24", 1},      {"torus 24x8", 5},
};

} // namespace

TEST(MeshUnfolding, BenchmarkSetUnfoldsSoundlyAtEachSize) {
    for (const TSampleMesh& sample : BenchmarkMeshes()) {
        for (long double size : {60.0L, 100.0L, 150.0L}) {
            SCOPED_TRACE(sample.Name + " at " + std::to_string(static_cast<int>(size)) + " mm");
            TCleaningOptions cleaning;
            cleaning.Size = size;
            TCleaningReport report;
            const TMesh mesh = CleanMesh(sample.Mesh, cleaning, report);
            const auto start = std::chrono::steady_clock::now();
            const TUnfoldResult result = UnfoldMesh(mesh, A4Options());
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

            ASSERT_FALSE(result.Pieces.empty());
            std::cout << std::left << std::setw(18) << sample.Name << std::right << std::setw(6)
                      << mesh.Faces.size() << " faces " << std::setw(4) << static_cast<int>(size)
                      << " mm " << std::setw(4) << result.Pieces.size() << " pieces "
                      << std::setw(5) << result.Joints << " joints " << result.NarrowerTabs
                      << " narrower " << result.ThinTabs << " under 2 mm " << std::fixed
                      << std::setprecision(3) << seconds << " s; turned by";
            for (std::size_t p = 0; p < std::min<std::size_t>(result.Pieces.size(), 6); ++p)
                std::cout << " " << std::setprecision(1)
                          << static_cast<double>(result.Pieces[p].Rotation * 180 / Pi);
            if (result.Pieces.size() > 6)
                std::cout << " ...";
            std::cout << std::defaultfloat << "\n";

            for (std::size_t p = 0; p < result.Pieces.size(); ++p) {
                const TUnfoldedPiece& piece = result.Pieces[p];
                SCOPED_TRACE("piece " + std::to_string(p));
                EXPECT_TRUE(piece.Fits);
                ExpectNoFindings(SelfOverlaps(piece.Shape), "overlaps");
                ExpectNoFindings(OutsideArea(piece.Shape, AreaWidth, AreaHeight), "area");
            }
            EXPECT_EQ(result.JointsWithoutTab, 0);
            ExpectNoFindings(JointFaults(result, mesh), "joints");
            ExpectNoFindings(RefoldFaults(result, mesh, 1e-6L), "refolding");

            const long double area = PiecesArea(result);
            const long double meshArea = SurfaceArea(mesh);
            EXPECT_NEAR(static_cast<double>(area / meshArea), 1.0, 1e-6);
            // A bent polygon has no area of its own until it is split.
            if (report.SplitFaces == 0) {
                const long double sourceArea =
                    SurfaceArea(sample.Mesh) * report.Scale * report.Scale;
                EXPECT_NEAR(static_cast<double>(area / sourceArea), 1.0, 1e-6);
            }

            if (size == 60 && PiecesAt60.count(sample.Name)) {
                EXPECT_LE(result.Pieces.size(), PiecesAt60.at(sample.Name));
            }
        }
    }
}

namespace {

TMesh Cleaned(const TMesh& mesh, long double size) {
    TCleaningOptions options;
    options.Size = size;
    TCleaningReport report;
    return CleanMesh(mesh, options, report);
}

std::vector<std::string> Marks(const TUnfoldResult& result) {
    std::vector<std::string> marks;
    for (const TUnfoldedPiece& piece : result.Pieces)
        for (const TFlange& flange : piece.Shape.Flanges)
            if (!flange.Name.empty())
                marks.push_back(flange.Name);
    std::sort(marks.begin(), marks.end());
    return marks;
}

} // namespace

TEST(MeshUnfolding, MarksComeFromTheCallerOrCountOnFromTheFirstNumber) {
    const TMesh cube = Cleaned(CubeMesh(), 60);
    TUnfoldOptions numbered = A4Options();
    numbered.FirstMark = 7;
    const TUnfoldResult fromSeven = UnfoldMesh(cube, numbered);
    ASSERT_EQ(fromSeven.Joints, 7);
    EXPECT_EQ(Marks(fromSeven), (std::vector<std::string>{"10", "10", "11", "11", "12", "12", "13",
                                                          "13", "7", "7", "8", "8", "9", "9"}));

    TUnfoldOptions given = A4Options();
    int next = 0;
    given.NextMark = [&] { return "J" + std::to_string(++next); };
    const TUnfoldResult fromCaller = UnfoldMesh(cube, given);
    EXPECT_EQ(next, 7);
    const std::vector<std::string> marks = Marks(fromCaller);
    ASSERT_EQ(marks.size(), 14u);
    EXPECT_EQ(marks.front(), "J1");
    EXPECT_EQ(marks.back(), "J7");
}

TEST(MeshUnfolding, ReportsProgressAndStopsWhenTold) {
    const TMesh sphere = Cleaned(IcosphereMesh(2), 100);
    std::vector<double> shares;
    TUnfoldOptions watched = A4Options();
    watched.Progress = [&](double share) {
        shares.push_back(share);
        return true;
    };
    EXPECT_FALSE(UnfoldMesh(sphere, watched).Cancelled);
    ASSERT_FALSE(shares.empty());
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_GE(shares.front(), 0.0);
    EXPECT_EQ(shares.back(), 1.0);

    for (std::size_t stopAt : {std::size_t(0), shares.size() - 1}) {
        std::size_t calls = 0;
        TUnfoldOptions stopped = A4Options();
        stopped.Progress = [&](double) { return calls++ < stopAt; };
        const TUnfoldResult result = UnfoldMesh(sphere, stopped);
        EXPECT_TRUE(result.Cancelled) << stopAt;
        EXPECT_TRUE(result.Pieces.empty()) << stopAt;
        EXPECT_EQ(result.Joints, 0) << stopAt;
    }
}

TEST(MeshUnfolding, FoldsAreMountainsOnConvexEdgesAndValleysOnConcaveOnes) {
    const TUnfoldResult cube = UnfoldMesh(Cleaned(CubeMesh(), 60), A4Options());
    ASSERT_EQ(cube.Pieces.size(), 1u);
    EXPECT_EQ(cube.Pieces[0].Shape.BendLines[0].size(), 5u);
    EXPECT_TRUE(cube.Pieces[0].Shape.BendLines[1].empty());

    // Two squares meeting at an edge raised above or sunk below their outer
    // edges, seen from above.
    for (long double ridge : {1.0L, -1.0L}) {
        SCOPED_TRACE(ridge > 0 ? "ridge" : "valley");
        TMesh roof;
        roof.Vertices = {{-1, 0, 0}, {0, 0, ridge}, {0, 1, ridge},
                         {-1, 1, 0}, {1, 0, 0},     {1, 1, 0}};
        roof.Faces = {{0, 1, 2, 3}, {1, 4, 5, 2}};
        const TUnfoldResult result = UnfoldMesh(Cleaned(roof, 60), A4Options());
        ASSERT_EQ(result.Pieces.size(), 1u);
        const TPolygon& shape = result.Pieces[0].Shape;
        EXPECT_EQ(shape.BendLines[0].size(), ridge > 0 ? 1u : 0u);
        EXPECT_EQ(shape.BendLines[1].size(), ridge > 0 ? 0u : 1u);
    }
}

TEST(MeshUnfolding, OpenEdgesArePlainSidesAndCrowdedEdgesAreCut) {
    TMesh openBox = CubeMesh();
    openBox.Faces.resize(10); // without its last side
    TMesh twoCubes = CubeMesh();
    const int n = static_cast<int>(twoCubes.Vertices.size());
    for (int v = 0; v < n; ++v) {
        // The second cube shares the first one's edge at x = 1, y = 1.
        const TMeshPoint& p = twoCubes.Vertices[v];
        twoCubes.Vertices.push_back({p.X + 2, p.Y + 2, p.Z});
    }
    for (std::size_t f = 0; f < 12; ++f) {
        TMeshFace face = twoCubes.Faces[f];
        for (int& vertex : face)
            vertex += n;
        twoCubes.Faces.push_back(face);
    }
    const struct {
        const char* Name;
        TMesh Mesh;
        int CutEdges;
        int PlainSides;
    } cases[] = {{"open box", openBox, 0, 4}, {"two cubes on one edge", twoCubes, 1, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TCleaningOptions options;
        options.Size = 60;
        TCleaningReport report;
        const TMesh mesh = CleanMesh(c.Mesh, options, report);
        EXPECT_EQ(report.CutEdges, c.CutEdges);
        const TUnfoldResult result = UnfoldMesh(mesh, A4Options());
        int plain = 0;
        for (const TUnfoldedPiece& piece : result.Pieces)
            for (const TFlange& flange : piece.Shape.Flanges)
                plain += flange.Name.empty() && flange.Width == 0;
        EXPECT_EQ(plain, c.PlainSides);
        ExpectNoFindings(JointFaults(result, mesh), "joints");
        ExpectNoFindings(RefoldFaults(result, mesh, 1e-6L), "refolding");
    }
}

TEST(MeshUnfolding, AFaceLargerThanTheAreaComesOutAsAPieceThatDoesNotFit) {
    TMesh slab;
    slab.Vertices = {{0, 0, 0}, {300, 0, 0}, {300, 300, 0}, {0, 300, 0}};
    slab.Faces = {{0, 1, 2, 3}};
    const TUnfoldResult result = UnfoldMesh(Cleaned(slab, 0), A4Options());
    ASSERT_EQ(result.Pieces.size(), 1u);
    EXPECT_FALSE(result.Pieces[0].Fits);
    EXPECT_EQ(result.Joints, 0);
}

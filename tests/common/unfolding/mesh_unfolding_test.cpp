// Tests of the unfolding on the benchmark set at three model sizes on an A4
// page less 10 mm margins, checked from the pieces and the cleaned mesh alone:
// no piece overlaps itself or leaves the white area, every cut edge is a
// complete joint, the area is kept and the pieces fold back into the mesh.
#include "unfolding/mesh_unfolding.h"

#include "common/unfolding/mesh_samples.h"
#include "common/unfolding/unfold_checks.h"
#include "unfolding/mesh_cleaning.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <map>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
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
                      << " narrower " << std::fixed << std::setprecision(3) << seconds
                      << " s; turned by";
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

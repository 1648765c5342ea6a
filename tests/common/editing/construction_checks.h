// Checks the construction tests share: points compared within a tolerance and
// the side lengths of an outline.
#pragma once

#include "geometry/angles.h"
#include "geometry/plane_geometry.h"
#include "geometry/polygon.h"

#include <gtest/gtest.h>
#include <vector>

inline void ExpectPointNear(const TPointF& actual, const TPointF& expected,
                            double tolerance = 1e-9) {
    EXPECT_NEAR(static_cast<double>(actual.X), static_cast<double>(expected.X), tolerance);
    EXPECT_NEAR(static_cast<double>(actual.Y), static_cast<double>(expected.Y), tolerance);
}

inline void ExpectApexesNear(const TDaPointF& actual, const TDaPointF& expected,
                             double tolerance = 1e-9) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "vertex " << i);
        ExpectPointNear(actual[i], expected[i], tolerance);
    }
}

// Length of side i, from vertex i to the next.
inline std::vector<long double> SideLengths(const TDaPointF& apexes) {
    std::vector<long double> lengths;
    for (std::size_t i = 0; i < apexes.size(); ++i)
        lengths.push_back(PointDistance(apexes[i], apexes[(i + 1) % apexes.size()]));
    return lengths;
}

inline double Degrees(long double radians) {
    return static_cast<double>(RadToDeg(radians));
}

inline long double Radians(long double degrees) {
    return DegToRad(degrees);
}

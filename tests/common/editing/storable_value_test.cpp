// The values the editor lets a shape take are exactly those a drawing file
// holds: finite, and below the number field's limit once written.
#include "editing/storable_value.h"

#include "common/shape_builders.h"
#include "format/number_field.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr long double Infinity = std::numeric_limits<long double>::infinity();
constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();

} // namespace

TEST(StorableValueTest, FiniteValuesBelowTheFileLimitOnly) {
    const struct {
        long double Value;
        bool Storable;
    } cases[] = {
        {0, true},
        {-12.5L, true},
        {999999999999999.0L, true},  // the largest whole number below the limit
        {-999999999999999.0L, true}, // its sign still fits the field
        {999999999999999.4L, true},  // written without decimals, rounded down
        {999999999999999.9L, false}, // rounds up to the limit when written
        {NumberFieldLimit, false},
        {-NumberFieldLimit, false},
        {1e16L, false},
        {1e20L, false},
        {1e400L, false}, // finite in extended precision, far beyond the file
        {Infinity, false},
        {-Infinity, false},
        {NaN, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.Value));
        EXPECT_EQ(IsStorableValue(c.Value), c.Storable);
        // The very rule a save applies.
        std::string written;
        EXPECT_EQ(AppendNumberField(written, c.Value), c.Storable);
    }
}

TEST(StorableValueTest, EveryCoordinateOfEveryVertexCounts) {
    EXPECT_TRUE(AllApexesStorable(Square(10).Apexes));
    EXPECT_TRUE(AllApexesStorable({}));
    EXPECT_FALSE(AllApexesStorable({{0, 0}, {10, 1e16L}, {0, 10}}));
    EXPECT_FALSE(AllApexesStorable({{0, 0}, {10, 0}, {NaN, 10}}));
}

// Tests of decimal text for coordinates and stored factors: no needless
// zeros, no negative zero, and never the locale's decimal mark.
#include "format/number_field.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace {

struct TDecimalCase {
    const char* Name;
    long double Value;
    int Decimals;
    const char* Text;
};

class DecimalTextTest : public testing::TestWithParam<TDecimalCase> {};

TEST_P(DecimalTextTest, DropsTrailingZerosAndKeepsThePoint) {
    const TDecimalCase& c = GetParam();
    EXPECT_EQ(DecimalText(c.Value, c.Decimals), c.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DecimalTextTest,
    testing::Values(TDecimalCase{"Half", 12.5L, 6, "12.5"},
                    TDecimalCase{"Negative", -0.125L, 6, "-0.125"},
                    TDecimalCase{"Whole", 3, 6, "3"},
                    TDecimalCase{"TenWithoutDecimals", 10, 0, "10"},
                    TDecimalCase{"Rounded", 1.23456789L, 6, "1.234568"},
                    TDecimalCase{"TinyNegativeIsZero", -0.0000001L, 6, "0"},
                    TDecimalCase{"Large", 1e20L, 2, "100000000000000000000"},
                    TDecimalCase{"NotFinite", std::numeric_limits<long double>::infinity(), 6, ""}),
    [](const testing::TestParamInfo<TDecimalCase>& info) { return info.param.Name; });

TEST(DecimalText, IgnoresALocaleWithADecimalComma) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no German locale";
    EXPECT_EQ(DecimalText(0.5L, 3), "0.5");
    std::setlocale(LC_ALL, "C");
}

} // namespace

// Tests of the number fields: the field writer against the library's
// fixed-point conversion, which rounds the exact binary value as printf does
// (the same bytes for every value, halves to even, fewer decimals where a
// value needs them), decimal text for coordinates and stored factors (no
// needless zeros, no negative zero, never the locale's decimal mark), and
// fixed text for status lines and dialogs, digit for digit as printf writes.
#include "format/number_field.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

// The field as the library writes it: the most decimals up to 11 that fit.
std::string LibraryField(long double value) {
    char digits[NumberFieldWidth];
    for (int decimals = NumberFieldDecimals; decimals >= 0; --decimals) {
        const auto [end, error] = std::to_chars(digits, digits + NumberFieldWidth, value,
                                                std::chars_format::fixed, decimals);
        if (error == std::errc{}) {
            const std::string text(digits, end);
            return std::string(NumberFieldWidth - text.size(), ' ') + text;
        }
    }
    return {};
}

void ExpectLibraryField(long double value) {
    std::string text;
    ASSERT_TRUE(AppendNumberField(text, value)) << static_cast<double>(value);
    EXPECT_EQ(text, LibraryField(value)) << static_cast<double>(value);
}

TEST(AppendNumberField, WritesTheLibrarysDigitsForEdgeValues) {
    const long double tiny = std::numeric_limits<long double>::denorm_min();
    for (const long double value :
         {0.0L, -0.0L, -1e-20L, tiny, -tiny, 0.000244140625L, 0.000732421875L, 0.5e-11L, 2.5e-11L,
          1.5L, 9999.99999999999L, 9999.999999999995L, -999.999999999995L, -1000.5L,
          12345678901234.5L, 999999999999999.4L, -99999999999999.5L}) {
        ExpectLibraryField(value);
    }
}

// Every magnitude a field can hold, with values on the halfway points of the
// last decimal among them.
TEST(AppendNumberField, WritesTheLibrarysDigitsAcrossTheRange) {
    std::mt19937_64 random(23);
    for (int exponent = -45; exponent <= 49; ++exponent) {
        for (int i = 0; i < 200; ++i) {
            const long double fraction = static_cast<long double>(random() | 1ULL << 63) / 0x1p64L;
            const long double value = std::ldexp(fraction, exponent);
            ExpectLibraryField(value);
            ExpectLibraryField(-value);
        }
    }
    for (int shift = 1; shift < 48; ++shift) {
        const long double halfway = std::ldexp(static_cast<long double>(random() % 4096), -shift);
        ExpectLibraryField(halfway);
        ExpectLibraryField(-halfway);
    }
}

TEST(AppendNumberField, RefusesWhatNoFieldHolds) {
    std::string text;
    for (const long double value : {1e15L, -1e15L, std::numeric_limits<long double>::infinity(),
                                    std::numeric_limits<long double>::quiet_NaN()})
        EXPECT_FALSE(AppendNumberField(text, value));
    EXPECT_TRUE(text.empty());
}

// Just below the limit, a value with no room for a decimal rounds up to a
// number of 16 digits, which no reader takes back.
TEST(AppendNumberField, RefusesAValueThatRoundsUpToTheLimit) {
    std::string text;
    EXPECT_FALSE(AppendNumberField(text, std::nextafter(1e15L, 0.0L)));
    EXPECT_FALSE(AppendNumberField(text, -std::nextafter(1e15L, 0.0L)));
    EXPECT_TRUE(text.empty());
}

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

struct TFixedCase {
    const char* Name;
    long double Value;
    int Decimals;
    int Width;
    const char* Text;
};

class FixedTextTest : public testing::TestWithParam<TFixedCase> {};

TEST_P(FixedTextTest, WritesAsPrintfDoes) {
    const TFixedCase& c = GetParam();
    EXPECT_EQ(FixedText(c.Value, c.Decimals, c.Width), c.Text);
}

INSTANTIATE_TEST_SUITE_P(Values, FixedTextTest,
                         testing::Values(TFixedCase{"OneDecimal", 12.25L, 1, 0, "12.2"},
                                         TFixedCase{"TieToEven", 0.375L, 2, 0, "0.38"},
                                         TFixedCase{"KeepsZeros", 1, 4, 0, "1.0000"},
                                         TFixedCase{"NegativeRoundingToZero", -0.04L, 1, 0, "-0.0"},
                                         TFixedCase{"PaddedInteger", -5, 0, 3, " -5"},
                                         TFixedCase{"WiderThanWidth", 123, 0, 2, "123"},
                                         TFixedCase{"Padded", 7.5L, 1, 6, "   7.5"}),
                         [](const testing::TestParamInfo<TFixedCase>& info) {
                             return info.param.Name;
                         });

// The status line and the dialogs wrote their numbers with printf before;
// they must read the same now, ties included.
TEST(FixedText, MatchesPrintfForDoubles) {
    char expected[64];
    for (int i = -2000; i <= 2000; ++i) {
        const double value = i / 16.0 + i * 1e-7;
        for (const int decimals : {0, 1, 2, 4}) {
            std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
            ASSERT_EQ(FixedText(value, decimals), expected) << value << " " << decimals;
        }
    }
}

TEST(FixedText, IgnoresALocaleWithADecimalComma) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no German locale";
    EXPECT_EQ(FixedText(0.5L, 2), "0.50");
    std::setlocale(LC_ALL, "C");
}

} // namespace

// Tests of the locale-independent text-to-number conversion.
#include "format/text_to_float.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

constexpr long double Default = -9999;

TEST(TextToFloat, AcceptsDecimalNumbersWithBlanksSignAndExponent) {
    EXPECT_EQ(12.5L, TextToFloat(" \t12.5  ", Default));
    EXPECT_EQ(-300, TextToFloat("-3e2", Default));
    EXPECT_EQ(7, TextToFloat("+7", Default));
    EXPECT_EQ(0.25L, TextToFloat(".25", Default));
    EXPECT_EQ(4, TextToFloat("4.", Default));
    EXPECT_EQ(0.015L, TextToFloat("1.5E-2", Default));
    EXPECT_EQ(1500, TextToFloat("1.5e+3", Default));
    EXPECT_EQ(0, TextToFloat("-0", Default));
    EXPECT_EQ(90, TextToFloat("0090", Default));
}

TEST(TextToFloat, HoldsExtendedPrecision) {
    // 0.1 differs from its double rounding in the extended format.
    EXPECT_EQ(1.0L / 10, TextToFloat("0.1", Default));
    EXPECT_NE(static_cast<long double>(0.1), TextToFloat("0.1", Default));
}

TEST(TextToFloat, MalformedTextGivesDefault) {
    for (const char* text :
         {"",     "   ", "abc",      "12,5", "12.5mm", "1 2",      ".",     "-",
          "+",    "+-1", "--1",      "1e",   "1e+",    "e5",       "1.2.3", "inf",
          "-inf", "nan", "infinity", "0x10", "1\n",    "1\x81\x40"}) {
        EXPECT_EQ(Default, TextToFloat(text, Default)) << '"' << text << '"';
    }
}

TEST(TryTextToFloat, OverflowFailsAndUnderflowIsZero) {
    long double value = 3;
    EXPECT_FALSE(TryTextToFloat("1e5000", value));
    EXPECT_FALSE(TryTextToFloat("-0.001e4940", value));
    EXPECT_EQ(3, value);
    EXPECT_TRUE(TryTextToFloat("1e-5000", value));
    EXPECT_EQ(0, value);
    EXPECT_FALSE(TryTextToFloat("1e99999999999999999999", value));
    EXPECT_TRUE(TryTextToFloat("0e99999999999999999999", value));
    EXPECT_EQ(0, value);
    EXPECT_TRUE(TryTextToFloat(std::string(6000, '0') + "1e-10", value));
    EXPECT_EQ(1e-10L, value);
}

TEST(TextToFloat, IgnoresCommaDecimalLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* commaLocale = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8",
                             "nl_NL.UTF-8", "ru_RU.UTF-8", "it_IT.UTF-8", "es_ES.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
            commaLocale = name;
            break;
        }
    }
    if (commaLocale == nullptr) {
        std::setlocale(LC_ALL, previous.c_str());
        GTEST_SKIP() << "no locale with a comma decimal mark is installed";
    }
    const long double dotted = TextToFloat("12.5", Default);
    const long double commaed = TextToFloat("12,5", Default);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(12.5L, dotted) << commaLocale;
    EXPECT_EQ(Default, commaed) << commaLocale;
}

} // namespace

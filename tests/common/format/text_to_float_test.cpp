// Tests of the locale-independent text-to-number conversion.
#include "format/text_to_float.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cstring>
#include <random>
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

// The number as the library reads it, which rounds correctly, halves to even.
bool LibraryValue(std::string_view text, long double& value) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative || (!text.empty() && text.front() == '+'))
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return false;
    value = negative ? -value : value;
    return true;
}

void ExpectLibraryValue(const std::string& text) {
    long double expected = 0, actual = 0;
    ASSERT_TRUE(LibraryValue(text, expected)) << text;
    ASSERT_TRUE(TryTextToFloat(text, actual)) << text;
    EXPECT_EQ(std::memcmp(&actual, &expected, 10), 0) << text;
}

// Numbers as the drawing file holds them, and longer ones on either side of
// the digit counts that the exact division takes.
TEST(TryTextToFloat, ReadsTheLibrarysValueBitForBit) {
    for (const char* text :
         {"0.00000000000", "-0.00000000000", "9999.99999999999", "-999.99999999999",
          "0.00024414062", "123456789012345", "0.1", "4.", ".25", "0090.5", "1234567890123456789",
          "12345678901234567890", "0.123456789012345678", "0.1234567890123456789",
          "9999999999999999999.999999999999999999", "0.000000000000000001",
          "1.000000000000000001"}) {
        ExpectLibraryValue(text);
    }
    std::mt19937_64 random(31);
    for (int i = 0; i < 20000; ++i) {
        const int decimals = static_cast<int>(random() % 19);
        std::string text = std::to_string(random() % 100000000000000000ULL);
        text.insert(text.size() - std::min<std::size_t>(decimals, text.size() - 1), ".");
        ExpectLibraryValue((random() % 2 == 0 ? "-" : "") + text);
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

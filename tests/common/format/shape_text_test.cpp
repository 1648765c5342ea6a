// Tests of the shape text block: the exact bytes written, round trips, and
// every way a block fails to read.
#include "common/shape_builders.h"
#include "format/number_field.h"
#include "format/shape_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

TPolygon Named(std::string name) {
    TPolygon polygon = Triangle(10);
    polygon.Flanges[0] = TFlange{5, 0.5L, 1.5L, std::move(name)};
    return polygon;
}

std::string Text(const TPolygon& polygon) {
    std::string text;
    EXPECT_TRUE(PolygonToText(polygon, text));
    return text;
}

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

const std::string Zero = "   0.00000000000";
const std::string Ten = "  10.00000000000";

std::string VertexLine(const std::string& x, const std::string& y, const std::string& name = "") {
    return x + " " + y + " " + Zero + " " + Zero + " " + Zero + " " + name;
}

// A triangle block; vertex 1's line is replaced by the one given.
std::string TriangleBlock(const std::string& vertex1Line, const std::string& tail = "0\r\n0\r\n") {
    return Lines({std::string(PolygonMagicLine), "3", VertexLine(Zero, Zero), vertex1Line,
                  VertexLine(Zero, Ten)}) +
           tail;
}

// A shape that no valid read produces, to see that failed reads leave it alone.
TPolygon Sentinel() {
    return Named("sentinel");
}

void ExpectReadFails(const std::string& text, TTextReadResult expected) {
    TPolygon polygon = Sentinel();
    EXPECT_EQ(expected, TextToPolygon(text, polygon)) << text;
    EXPECT_EQ(Sentinel(), polygon) << text;
}

TPolygon ReadBack(const std::string& text) {
    TPolygon polygon;
    EXPECT_EQ(TTextReadResult::Ok, TextToPolygon(text, polygon)) << text;
    return polygon;
}

TEST(PolygonToText, SquareIsNineLinesWithFixedColumns) {
    const std::string expected =
        Lines({"Mirovelantiska PolygonDat", "4", VertexLine(Zero, Zero), VertexLine(Ten, Zero),
               VertexLine(Ten, Ten), VertexLine(Zero, Ten), "0", "0"});
    EXPECT_EQ(expected, Text(Square(10)));
    EXPECT_EQ(85u, VertexLine(Ten, Ten).size());
    EXPECT_EQ("  10.00000000000   10.00000000000    0.00000000000    0.00000000000    "
              "0.00000000000 ",
              VertexLine(Ten, Ten));
}

TEST(PolygonToText, WritesFlangesAndFoldLinesInTheirColumns) {
    TPolygon polygon = Named("AB");
    polygon.BendLines[0].push_back(MakeBendLine(0, 2));
    polygon.BendLines[0].push_back(MakeBendLine(9999, -999));
    polygon.BendLines[1].push_back(MakeBendLine(12, 1));
    const std::string expected =
        Lines({"Mirovelantiska PolygonDat", "3",
               Zero + " " + Zero + " " + "   5.00000000000    0.50000000000    1.50000000000 AB",
               VertexLine(Ten, Zero), VertexLine(Zero, Ten), "2", "   0    2", "9999 -999", "1",
               "  12    1"});
    EXPECT_EQ(expected, Text(polygon));
}

TEST(PolygonToText, NumbersTooWideForElevenDecimalsKeepTheirColumns) {
    TPolygon polygon = Shape({{123456.789L, -1000.5L}, {9999.999999999999L, 0}, {-5000, 1}});
    const std::string text = Text(polygon);
    const std::size_t first = text.find("\r\n3\r\n") + 5;
    EXPECT_EQ("123456.789000000 -1000.5000000000 " + Zero + " " + Zero + " " + Zero + " \r\n",
              text.substr(first, 87));
    EXPECT_EQ("10000.0000000000 " + Zero, text.substr(first + 87, 33));
    EXPECT_EQ("-5000.0000000000", text.substr(first + 2 * 87, 16));
}

TEST(PolygonToText, FailsForWhatCannotBeReadBack) {
    // 999999999999999.6 has no room for a decimal and rounds up to 1e15.
    const long double unwritable[] = {1e15L,
                                      -1e15L,
                                      1e20L,
                                      999999999999999.6L,
                                      -999999999999999.6L,
                                      std::numeric_limits<long double>::infinity(),
                                      std::numeric_limits<long double>::quiet_NaN()};
    for (const long double value : unwritable) {
        TPolygon polygon = Square(10);
        polygon.Flanges[2].Angle2 = value;
        std::string text = "stale";
        EXPECT_FALSE(PolygonToText(polygon, text)) << static_cast<double>(value);
        EXPECT_EQ("", text);
    }
    TPolygon largest = Square(10);
    largest.Apexes[1].X = 999999999999999.0L;
    largest.Apexes[1].Y = -999999999999999.0L;
    EXPECT_EQ(999999999999999.0L, ReadBack(Text(largest)).Apexes[1].X);
    EXPECT_EQ(-999999999999999.0L, ReadBack(Text(largest)).Apexes[1].Y);
    largest.Apexes[1].X = 999999999999999.4L;
    EXPECT_EQ(999999999999999.0L, ReadBack(Text(largest)).Apexes[1].X);

    for (const TBendLine& wide : {MakeBendLine(10000, 1), MakeBendLine(1, -1000)}) {
        TPolygon polygon = Square(10);
        polygon.BendLines[1].push_back(wide);
        std::string text;
        EXPECT_FALSE(PolygonToText(polygon, text));
    }
    for (const std::string& name : {std::string("a\rb"), std::string("a\x1A")}) {
        std::string text;
        EXPECT_FALSE(PolygonToText(Named(name), text));
    }
}

TEST(PolygonToText, RoundsDecimalsAsPrintfDoes) {
    const long double values[] = {
        0.000000000005L, 0.000000000015L, 0.000000000025L,    2.5e-12L, -1.234567890125L, 1.0L / 3,
        -0.0L,           -1e-20L,         9999.999999999994L, 0.1L,     123.456789012345L};
    for (const long double value : values) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%16.11Lf", value);
        std::string field;
        ASSERT_TRUE(AppendNumberField(field, value));
        EXPECT_EQ(expected, field);
    }
}

TEST(PolygonToText, CutsLongNamesAtAWholeCharacter) {
    EXPECT_NE(std::string::npos,
              Text(Named(std::string(20, 'x'))).find(" " + std::string(16, 'x') + "\r\n"));
    // Fifteen bytes then a double-byte character that would end at byte 17.
    const std::string name = std::string(15, 'x') + "\x95\x5C";
    EXPECT_NE(std::string::npos, Text(Named(name)).find(" " + std::string(15, 'x') + "\r\n"));
}

TEST(TextToPolygon, ReadsBackWhatWasWritten) {
    TPolygon polygon = Shape({{-1000.5L, 9999.5L}, {123456.789L, 0.25L}, {-5000, 7}, {0, 10}});
    polygon.Flanges[0] = TFlange{5, 0.5L, 1.5L, ""};
    // Eight double-byte characters: 16 bytes.
    polygon.Flanges[1] = TFlange{99, 1.25L, 0.75L,
                                 "\x82\xa0\x82\xa2\x82\xa4\x82\xa6"
                                 "\x82\xa8\x82\xa9\x82\xab\x82\xad"};
    // Trail bytes 0x5C: 表 and ソ.
    polygon.Flanges[2] = TFlange{3, 1, 1, "\x95\x5C\x83\x5C"};
    polygon.Flanges[3] = TFlange{2, 0.125L, 0.5L, std::string(16, 'N')};
    polygon.BendLines[0] = {MakeBendLine(0, 2), MakeBendLine(3, 1)};
    polygon.BendLines[1] = {MakeBendLine(1, 3)};
    EXPECT_EQ(polygon, ReadBack(Text(polygon)));
    EXPECT_EQ(Square(10), ReadBack(Text(Square(10))));
}

TEST(TextToPolygon, ReadsTheFieldsByColumn) {
    // Name column longer than 16 bytes: cut without splitting a character.
    const std::string longName = std::string(15, 'x') + "\x83\x5C" + "yy";
    EXPECT_EQ(std::string(15, 'x'),
              ReadBack(TriangleBlock(VertexLine(Ten, Zero, longName))).Flanges[1].Name);
    EXPECT_EQ(std::string(16, 'x'),
              ReadBack(TriangleBlock(VertexLine(Ten, Zero, std::string(20, 'x')))).Flanges[1].Name);
    // Columns 17, 34, 51, 68 and 85 are not read.
    std::string marked = VertexLine(Ten, Zero);
    for (const std::size_t column : {16, 33, 50, 67, 84})
        marked[column] = '#';
    EXPECT_EQ(PointF(10, 0), ReadBack(TriangleBlock(marked)).Apexes[1]);
    // Numbers anywhere in their field, values below -1000 included.
    const TPolygon wide =
        ReadBack(TriangleBlock(VertexLine("-5000.25        ", "   1e3          ")));
    EXPECT_EQ(PointF(-5000.25L, 1000), wide.Apexes[1]);
    // Fold-line fields by column, leniently.
    const TPolygon folds =
        ReadBack(TriangleBlock(VertexLine(Ten, Zero), Lines({"2", "   1    3", "  ab   -2", "0"})));
    EXPECT_EQ((TDaBendLine{MakeBendLine(1, 3), MakeBendLine(0, -2)}), folds.BendLines[0]);
    // Counts with leading blanks; missing fold-line counts read as 0.
    const TPolygon shortBlock =
        ReadBack(Lines({std::string(PolygonMagicLine), "  3", VertexLine(Zero, Zero),
                        VertexLine(Ten, Zero), VertexLine(Zero, Ten)}));
    EXPECT_EQ(3u, shortBlock.Apexes.size());
    EXPECT_TRUE(shortBlock.BendLines[0].empty() && shortBlock.BendLines[1].empty());
    // Lines after the second set are not read.
    EXPECT_EQ(3u, ReadBack(TriangleBlock(VertexLine(Ten, Zero)) + "junk\r\n").Apexes.size());
}

TEST(TextToPolygon, FailsAndLeavesTheShapeUntouched) {
    const std::string ok = TriangleBlock(VertexLine(Ten, Zero));
    ReadBack(ok);
    std::string trailingBlank = ok;
    trailingBlank.insert(PolygonMagicLine.size(), " ");
    ExpectReadFails(trailingBlank, TTextReadResult::Malformed);
    ExpectReadFails("mirovelantiska PolygonDat\r\n" + ok.substr(PolygonMagicLine.size() + 2),
                    TTextReadResult::Malformed);
    ExpectReadFails(Lines({std::string(PolygonMagicLine), "2", VertexLine(Zero, Zero),
                           VertexLine(Ten, Zero), "0", "0"}),
                    TTextReadResult::Malformed);
    ExpectReadFails(Lines({std::string(PolygonMagicLine), "3x", VertexLine(Zero, Zero),
                           VertexLine(Ten, Zero), VertexLine(Ten, Ten), "0", "0"}),
                    TTextReadResult::Malformed);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, Zero).substr(0, 84)), TTextReadResult::Malformed);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, "  abcdefghijklmn")), TTextReadResult::Malformed);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, "     1,50000000")), TTextReadResult::Malformed);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, "     1.5x       ")), TTextReadResult::Malformed);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, "                ")), TTextReadResult::Malformed);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, Zero), Lines({"1", "1 3", "0"})),
                    TTextReadResult::Malformed);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, Zero), Lines({"1", "   1    3 ", "0"})),
                    TTextReadResult::Malformed);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, Zero), Lines({"2", "   1    3", "0"})),
                    TTextReadResult::Malformed);
    // A failure in the last line leaves nothing half-read behind.
    ExpectReadFails(TriangleBlock(VertexLine(Ten, Zero), Lines({"1", "   0    1", "1", "x"})),
                    TTextReadResult::Malformed);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, Zero), Lines({"-1"})),
                    TTextReadResult::RangeError);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, Zero), Lines({"1", "   0    1", "-3"})),
                    TTextReadResult::RangeError);
    ExpectReadFails("", TTextReadResult::Malformed);
}

TEST(TextToPolygon, HostileCountsFailBeforeAllocating) {
    const std::string vertices =
        VertexLine(Zero, Zero) + "\r\n" + VertexLine(Ten, Zero) + "\r\n" + VertexLine(Zero, Ten);
    ExpectReadFails(std::string(PolygonMagicLine) + "\r\n2000000000\r\n" + vertices,
                    TTextReadResult::Malformed);
    ExpectReadFails(std::string(PolygonMagicLine) + "\r\n4\r\n" + vertices,
                    TTextReadResult::Malformed);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, Zero), Lines({"2147483647", "   0    1"})),
                    TTextReadResult::Malformed);
    // A count beyond the 32-bit range is not an integer and reads as 0.
    ExpectReadFails(std::string(PolygonMagicLine) + "\r\n99999999999999999999999\r\n" + vertices,
                    TTextReadResult::Malformed);
    EXPECT_TRUE(
        ReadBack(TriangleBlock(VertexLine(Ten, Zero), Lines({"99999999999999999999999", "0"})))
            .BendLines[0]
            .empty());
}

// Whatever reads can be written again: a number of 1e15 or more, or a name
// holding a byte that would end its line or the file, fails the read.
TEST(TextToPolygon, RefusesWhatCouldNotBeSavedAgain) {
    ExpectReadFails(TriangleBlock(VertexLine(Ten, "1000000000000000")), TTextReadResult::Malformed);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, "   -1.5e15      ")), TTextReadResult::Malformed);
    EXPECT_EQ(999999999999999.0L,
              ReadBack(TriangleBlock(VertexLine(Ten, " 999999999999999"))).Apexes[1].Y);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, Zero, "a\rb")), TTextReadResult::Malformed);
    ExpectReadFails(TriangleBlock(VertexLine(Ten, Zero, "a\x1A")), TTextReadResult::Malformed);
}

TEST(TextToPolygon, ClipboardTextWithLfOnlyLineEndsReads) {
    TPolygon polygon = Named("\x95\x5C");
    polygon.BendLines[1].push_back(MakeBendLine(0, 2));
    std::string lfOnly;
    for (const char c : Text(polygon))
        if (c != '\r')
            lfOnly += c;
    EXPECT_EQ(polygon, ReadBack(lfOnly));
    // With CR in the text, lines end at CR LF: an LF alone stays inside its
    // line, here in a name, and a CR alone is data that no line may hold.
    EXPECT_EQ("a\nb", ReadBack(TriangleBlock(VertexLine(Ten, Zero, "a\nb"))).Flanges[1].Name);
    std::string crOnly = Text(polygon);
    for (std::size_t at = crOnly.find("\r\n"); at != std::string::npos; at = crOnly.find("\r\n"))
        crOnly.erase(at + 1, 1);
    ExpectReadFails(crOnly, TTextReadResult::Malformed);
    // The end-of-file mark is a byte like any other: after the block it is
    // ignored with everything else there.
    EXPECT_EQ(polygon, ReadBack(Text(polygon) + "\x1A" + "garbage"));
}

// Finds a locale whose decimal mark is a comma, or none.
bool SetCommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8",
                             "nl_NL.UTF-8", "ru_RU.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr &&
            std::localeconv()->decimal_point == std::string(","))
            return true;
    }
    std::setlocale(LC_ALL, "C");
    return false;
}

TEST(PolygonToText, IgnoresACommaDecimalLocale) {
    if (!SetCommaLocale())
        GTEST_SKIP() << "no locale with a comma decimal mark is installed";
    TPolygon polygon = Shape({{1.5L, -1000.5L}, {123456.789L, 0}, {0, 10}});
    polygon.Flanges[1] = TFlange{5, 0.5L, 1.25L, "A"};
    std::string text;
    const bool written = PolygonToText(polygon, text);
    TPolygon read;
    const TTextReadResult result = TextToPolygon(text, read);
    std::setlocale(LC_ALL, "C");
    ASSERT_TRUE(written);
    EXPECT_NE(std::string::npos, text.find("\r\n   1.50000000000 "));
    EXPECT_EQ(TTextReadResult::Ok, result);
    EXPECT_EQ(polygon, read);
}

} // namespace

// Tests of joint marks: names read as numbers, the next free mark, a joint's
// partner side and the lengths of two sides about to be joined.
#include "document/joints.h"

#include "common/shape_builders.h"
#include "geometry/angles.h"

#include <gtest/gtest.h>

namespace {

constexpr long double Angle = Pi / 4;

// The square with its sides named as given, none of them flanged.
TPolygon NamedSquare(const std::vector<std::string>& names, long double size = 10) {
    TPolygon square = Square(size);
    for (std::size_t side = 0; side < names.size(); ++side)
        square.Flanges[side].Name = names[side];
    return square;
}

} // namespace

TEST(JointsTest, NamesReadAsNumbersAsTheyReadOnPaper) {
    const std::string fullWidth7 = "\x82\x56";          // "７"
    const std::string fullWidth12 = "\x82\x50\x82\x51"; // "１２"
    const struct {
        std::string Name;
        std::optional<std::uint64_t> Number;
    } cases[] = {
        {"7", 7},
        {"007", 7},
        {" 12 ", 12},
        {"0", 0},
        {fullWidth7, 7},
        {fullWidth12, 12},
        {"1" + fullWidth7, 17},
        {"999999999999999999", 999999999999999999ULL},
        {"1000000000000000000", std::nullopt}, // 19 digits
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"A", std::nullopt},
        {"7a", std::nullopt},
        {"-7", std::nullopt},
        {"1 2", std::nullopt},
        {"7.0", std::nullopt},
        {"\x82", std::nullopt},     // a lead byte cut off
        {"\x82\x60", std::nullopt}, // "Ａ"
        {"\x83\x5c", std::nullopt}, // "ソ"
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberOfName(c.Name), c.Number) << c.Name;
}

TEST(JointsTest, TheNextFreeMarkIsTheSmallestNumberNoNameReadsAs) {
    const struct {
        const char* What;
        TZvDat Drawing;
        std::string Mark;
    } cases[] = {
        {"an empty drawing", TZvDat(1), "1"},
        {"only other names", {{NamedSquare({"A", "B", "", "0"})}}, "1"},
        {"a gap", {{NamedSquare({"1", "2", "4"})}, {NamedSquare({"5"})}}, "3"},
        {"a gap on another page", {{NamedSquare({"2", "1"})}, {}, {NamedSquare({"3", "5"})}}, "4"},
        {"007 takes 7", {{NamedSquare({"1", "2", "3", "4"}), NamedSquare({"5", "6", "007"})}}, "8"},
        {"full-width digits", {{NamedSquare({"1", "\x82\x51"})}}, "3"},
        {"numbers beyond the count", {{NamedSquare({"2", "100", "99999999999999999"})}}, "1"},
        {"every side numbered", {{NamedSquare({"4", "3", "2", "1"})}}, "5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextFreeJointMark(c.Drawing), c.Mark) << c.What;

    // Flanged sides and sides without a flange count alike.
    TPolygon flanged = NamedSquare({"1"});
    flanged.Flanges[1] = MakeFlange("2", 3, Angle, Angle);
    EXPECT_EQ(NextFreeJointMark({{flanged}}), "3");
}

TEST(JointsTest, APartnerIsTheOneOtherSideWithTheMark) {
    const TZvDat drawing = {{NamedSquare({"1", "", "2", "1"})},
                            {NamedSquare({"2", "3", "3", "3"}), NamedSquare({"", "4"})}};
    const struct {
        const char* What;
        TSideRef Side;
        bool Found;
        TSideRef Partner;
    } cases[] = {
        {"on one shape", {0, 0, 0}, true, {0, 0, 3}},    {"and back", {0, 0, 3}, true, {0, 0, 0}},
        {"on another page", {1, 0, 0}, true, {0, 0, 2}}, {"three sides", {1, 0, 1}, false, {}},
        {"an open mark", {1, 1, 1}, false, {}},          {"no mark", {0, 0, 1}, false, {}},
        {"no such side", {0, 0, 4}, false, {}},          {"no such shape", {0, 1, 0}, false, {}},
        {"no such page", {2, 0, 0}, false, {}},
    };
    for (const auto& c : cases) {
        TSideRef partner{-1, -1, -1};
        EXPECT_EQ(FindJointPartner(drawing, c.Side, partner), c.Found) << c.What;
        if (c.Found)
            EXPECT_EQ(partner, c.Partner) << c.What;
        else
            EXPECT_EQ(partner, (TSideRef{-1, -1, -1})) << c.What;
    }
}

TEST(JointsTest, JoinLengthsDifferBeyondAHundredthOfAMillimetre) {
    const TZvDat drawing = {{Rect(40, 10), Rect(40.009L, 10), Rect(40.011L, 10)},
                            {Rect(39.995L, 10)}};
    const struct {
        TSideRef First;
        TSideRef Second;
        bool Differ;
    } cases[] = {
        {{0, 0, 0}, {0, 0, 2}, false}, {{0, 0, 0}, {0, 0, 1}, true}, // 40 against 10
        {{0, 0, 0}, {0, 1, 0}, false}, {{0, 0, 0}, {0, 2, 0}, true},
        {{1, 0, 0}, {0, 1, 0}, true},  {{1, 0, 0}, {0, 0, 2}, false},
    };
    for (const auto& c : cases) {
        TJoinLengths lengths;
        ASSERT_TRUE(JoinLengthsOf(drawing, c.First, c.Second, lengths));
        EXPECT_EQ(lengths.Differ, c.Differ) << static_cast<double>(lengths.First) << " against "
                                            << static_cast<double>(lengths.Second);
        EXPECT_EQ(lengths.First, SideLength(drawing, c.First));
        EXPECT_EQ(lengths.Second, SideLength(drawing, c.Second));
    }
    TJoinLengths lengths;
    EXPECT_FALSE(JoinLengthsOf(drawing, {0, 0, 0}, {0, 3, 0}, lengths));
    EXPECT_FALSE(JoinLengthsOf(drawing, {2, 0, 0}, {0, 0, 0}, lengths));
}

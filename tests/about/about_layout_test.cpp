// Tests of the about box's width rules.
#include "about_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(LabelWidth, AddsOnlyAnOverhangToTheRight) {
    EXPECT_EQ(LabelWidth(100, -7), 107);
    EXPECT_EQ(LabelWidth(100, 0), 100);
    EXPECT_EQ(LabelWidth(100, 3), 100);
    EXPECT_EQ(LabelWidth(0, 0), 0);
}

struct TLayoutCase {
    const char* Name;
    int Product;
    int Version;
    int Copyright;
    TAboutLayout Expected;
};

class AboutLayoutTest : public testing::TestWithParam<TLayoutCase> {};

TEST_P(AboutLayoutTest, SizesTheBoxToTheProductName) {
    const TLayoutCase& c = GetParam();
    EXPECT_EQ(AboutLayout(c.Product, c.Version, c.Copyright, 64), c.Expected);
}

// {panel, client, version left, copyright left, OK left}
INSTANTIATE_TEST_SUITE_P(
    Widths, AboutLayoutTest,
    testing::Values(
        // No product name: the panel is 20 pixels, the box 36; labels wider
        // than the panel start left of it, halves cut toward zero.
        TLayoutCase{"NoProductName", 0, 45, 0, {20, 36, -12, 10, -14}},
        TLayoutCase{"Typical", 140, 80, 101, {160, 176, 40, 29, 56}},
        TLayoutCase{"OddRoom", 141, 80, 100, {161, 177, 40, 30, 56}},
        TLayoutCase{"NegativeHalfTowardZero", 0, 25, 21, {20, 36, -2, 0, -14}}),
    [](const testing::TestParamInfo<TLayoutCase>& info) { return info.param.Name; });

} // namespace

// The decimals the editor shows: the usual formats by default, the chosen
// count for every number otherwise, and stored choices read back safely.
#include "editing/shown_decimals.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ShownDecimals, UsualFormatsUnlessACountIsChosen) {
    const TShownDecimals usual;
    EXPECT_EQ(usual.Text(24.4155L, 1), "24.4");
    EXPECT_EQ(usual.Text(-5, 2, 7), "  -5.00");
    EXPECT_EQ(usual.Text(2.5L, 0), "2");
    const TShownDecimals four{4};
    EXPECT_EQ(four.Text(24.4155L, 1), "24.4155");
    EXPECT_EQ(four.Text(-5, 2, 7), "-5.0000") << "wider than its field: not cut";
    EXPECT_EQ(four.Text(2.5L, 0), "2.5000");
    EXPECT_EQ(TShownDecimals{0}.Text(24.6L, 1), "25");
}

TEST(ShownDecimals, StoredChoicesOutsideTheRangeAreTheUsualFormats) {
    struct Case {
        std::int64_t Stored;
        int Chosen;
    };
    const std::vector<Case> cases = {
        {-1, UsualDecimals},       {0, 0}, {4, 4}, {9, 9}, {10, UsualDecimals}, {-7, UsualDecimals},
        {1LL << 40, UsualDecimals}};
    for (const Case& c : cases)
        EXPECT_EQ(ShownDecimalsFromStored(c.Stored).Chosen, c.Chosen) << c.Stored;
}

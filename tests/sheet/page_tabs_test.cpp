// The page tabs as drawn: every tab of every column shows its own fill, and
// the current one stands out from the rest wherever it lies.
#include "page_tabs.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A point inside a tab beside its caption.
QPoint FillPoint(const QRect& tab) {
    return {tab.left() + 3, tab.center().y()};
}

} // namespace

TEST(PageTabsTest, EveryColumnDrawsItsTabsAndTheCurrentOneStandsOut) {
    TPageTabs tabs;
    for (int page = 1; page <= 40; ++page)
        tabs.addTab(QString::number(page));
    const QSize cell = tabs.tabRect(0).size();
    tabs.resize(3 * cell.width(), 30 * cell.height());
    ASSERT_EQ(tabs.sizeHint().width(), 2 * cell.width()) << "30 tabs a column, two columns";
    tabs.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));

    for (const int current : {0, 34}) {
        tabs.setCurrentIndex(current);
        const QImage image = tabs.grab().toImage();
        // Below the last tab of the second column nothing is drawn.
        const QRgb background = image.pixel(FillPoint(tabs.tabRect(39)) + QPoint(0, cell.height()));
        const QRgb currentFill = image.pixel(FillPoint(tabs.tabRect(current)));
        EXPECT_NE(currentFill, background);
        for (int index = 0; index < tabs.count(); ++index) {
            const QRect tab = tabs.tabRect(index);
            ASSERT_EQ(tabs.tabAt(tab.center()), index);
            if (index == current)
                continue;
            const QRgb fill = image.pixel(FillPoint(tab));
            EXPECT_NE(fill, background) << "tab " << index + 1 << " is drawn";
            EXPECT_NE(fill, currentFill) << "tab " << index + 1 << " with " << current + 1;
        }
    }
}

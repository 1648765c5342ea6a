// The page surface's size at a scale and centring the view on one of its pixels.
#include "page_surface.h"

#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(PageSurfaceTest, SidesRoundHalvesToEvenAndStayWithinWidgetLimits) {
    EXPECT_EQ(PageSurfaceSize(170, 257, 3.5L), QSize(595, 900)); // 899.5 goes to 900
    EXPECT_EQ(PageSurfaceSize(0.5L, 1.5L, 1), QSize(0, 2));
    EXPECT_EQ(PageSurfaceSize(-10, 0, 3.5L), QSize(0, 0));
    EXPECT_EQ(PageSurfaceSize(std::nanl(""), 1e30L, 3.5L), QSize(0, QWIDGETSIZE_MAX));
}

TEST(PageSurfaceTest, CentringPositionTakesHalfTheClientRoundedDownAndNeverGoesBelowZero) {
    EXPECT_EQ(CentringScrollPosition(500, 200), 400);
    EXPECT_EQ(CentringScrollPosition(500, 201), 400);
    EXPECT_EQ(CentringScrollPosition(50, 200), 0);
    EXPECT_EQ(CentringScrollPosition(std::numeric_limits<std::int64_t>::max() / 2, 0),
              std::numeric_limits<int>::max());
}

TEST(PageSurfaceTest, ViewCentresOnThePixelAsFarAsTheScrollBarsReach) {
    QScrollArea area;
    auto* surface = new QWidget;
    surface->setFixedSize(1000, 1000);
    area.setWidget(surface);
    area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.resize(200 + 2 * area.frameWidth(), 100 + 2 * area.frameWidth());
    area.show();
    ASSERT_EQ(area.viewport()->size(), QSize(200, 100));

    CentreScrollOn(area, TPixelPoint{500, 300});
    EXPECT_EQ(area.horizontalScrollBar()->value(), 400);
    EXPECT_EQ(area.verticalScrollBar()->value(), 250);

    CentreScrollOn(area, TPixelPoint{990, 10});
    EXPECT_EQ(area.horizontalScrollBar()->value(), 800); // the last position
    EXPECT_EQ(area.verticalScrollBar()->value(), 0);
}

// A window's placement in the settings: read with fall-backs, written in its
// key order, applied to a window and taken back from it.
#include "window_placement.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr TWindowPlacement Defaults{201, 107, 562, 453, wsNormal};

void ExpectPlacement(const TWindowPlacement& actual, const TWindowPlacement& expected) {
    EXPECT_EQ(actual.Left, expected.Left);
    EXPECT_EQ(actual.Top, expected.Top);
    EXPECT_EQ(actual.Width, expected.Width);
    EXPECT_EQ(actual.Height, expected.Height);
    EXPECT_EQ(actual.WindowState, expected.WindowState);
}

} // namespace

TEST(WindowPlacementTest, UnusableValuesFallBackOneByOne) {
    ExpectPlacement(ReadWindowPlacement(TIniFile(), "W", Defaults), Defaults);

    const TIniFile settings("[W]\r\nLeft=-30\r\nTop=abc\r\nWidth=2147483648\r\nHeight=400\r\n"
                            "WindowState=2\r\n[Other]\r\nLeft=1\r\n");
    ExpectPlacement(ReadWindowPlacement(settings, "W", Defaults),
                    {-30, 107, 562, 400, wsMaximized});
    // Another section's keys are not this window's.
    ExpectPlacement(ReadWindowPlacement(settings, "None", Defaults), Defaults);
}

TEST(WindowPlacementTest, WrittenTopFirstAndReadBackTheSame) {
    TIniFile settings;
    const TWindowPlacement placement{10, 20, 300, 400, wsMinimized};
    WriteWindowPlacement(settings, "W", placement);
    EXPECT_EQ(settings.ToText(), "[W]\r\nTop=20\r\nLeft=10\r\nWidth=300\r\nHeight=400\r\n"
                                 "WindowState=1\r\n");
    ExpectPlacement(ReadWindowPlacement(settings, "W", Defaults), placement);
}

TEST(WindowPlacementTest, MaximisedWindowGivesBackItsNormalBounds) {
    QWidget window;
    ApplyWindowPlacement(window, {30, 40, 500, 600, wsMaximized});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.isMaximized());
    ExpectPlacement(WindowPlacementOf(window), {30, 40, 500, 600, wsMaximized});
}

TEST(WindowPlacementTest, UnknownStateLeavesTheWindowNormal) {
    QWidget window;
    ApplyWindowPlacement(window, {30, 40, 500, 600, 7});
    EXPECT_EQ(window.geometry(), QRect(30, 40, 500, 600));
    EXPECT_EQ(window.windowState(), Qt::WindowNoState);
    ExpectPlacement(WindowPlacementOf(window), {30, 40, 500, 600, wsNormal});
}

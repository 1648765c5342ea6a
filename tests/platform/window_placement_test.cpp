// A window's placement in the settings: read with fall-backs, written in its
// key order, applied to a window and taken back from it.
#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
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

TEST(KeptOnScreenTest, OversizedOrLostWindowsComeBackOnScreen) {
    const QRect primary(0, 0, 1600, 1170);   // the task bar takes the bottom 30 pixels
    const QRect second(1600, 0, 1280, 1024); // to the right of the primary screen
    const struct {
        const char* Case;
        QRect Stored;
        QRect Kept;
    } cases[] = {
        {"fits", QRect(203, 106, 480, 626), QRect(203, 106, 480, 626)},
        {"partly off stays", QRect(-100, 900, 480, 626), QRect(-100, 900, 480, 626)},
        {"too tall", QRect(203, 106, 480, 3975), QRect(203, 0, 480, 1170)},
        {"too wide on the second screen", QRect(1700, 50, 3000, 500), QRect(1600, 50, 1280, 500)},
        {"wholly off", QRect(-5000, -4000, 480, 626), QRect(0, 0, 480, 626)},
        {"off to the right", QRect(4000, 300, 480, 626), QRect(1120, 300, 480, 626)},
        {"on the second screen stays", QRect(2000, 200, 480, 626), QRect(2000, 200, 480, 626)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeptOnScreen(c.Stored, {primary, second}), c.Kept) << c.Case;
    EXPECT_EQ(KeptOnScreen(QRect(5, 5, 10, 10), {}), QRect(5, 5, 10, 10)) << "no screen known";
}

TEST(PlacedBesideTest, RightOfTheWindowElseLeftElseAgainstTheScreensEdge) {
    const QRect screen(0, 0, 1600, 1170);
    const QSize size(640, 320);
    const struct {
        const char* Case;
        QRect Other;
        QPoint TopLeft;
    } cases[] = {
        {"room to the right", QRect(203, 106, 480, 626), QPoint(691, 106)},
        {"room only to the left", QRect(1000, 50, 480, 626), QPoint(352, 50)},
        {"room on neither side", QRect(300, 50, 1000, 626), QPoint(960, 50)},
        {"low on the screen", QRect(203, 1000, 480, 626), QPoint(691, 850)},
        {"above the screen", QRect(203, -200, 480, 626), QPoint(691, 0)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlacedBeside(c.Other, size, screen), QRect(c.TopLeft, size)) << c.Case;
    EXPECT_EQ(PlacedBeside(QRect(0, 0, 100, 100), QSize(2000, 1500), screen).topLeft(),
              QPoint(0, 0))
        << "larger than the screen";
}

TEST(KeptOnScreenTest, AppliedPlacementFitsTheScreen) {
    QWidget window;
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    ApplyWindowPlacement(window, {203, 106, 480, available.height() + 3000, wsNormal});
    EXPECT_EQ(window.geometry().height(), available.height());
    EXPECT_TRUE(available.contains(window.geometry()));
}

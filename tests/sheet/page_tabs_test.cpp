// The page tabs as drawn: every tab of every column shows its own fill, and
// the current one stands out from the rest wherever it lies; as assistive
// technology reads them; and as the keyboard changes them.
#include "page_tabs.h"
#include "page_tabs_accessible.h"
#include "sheet_fixture.h"

#include <QAccessible>
#include <QImage>
#include <QLineEdit>
#include <QProxyStyle>
#include <QSignalSpy>
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

namespace {

// Counts the tabs a paint draws.
class TCountingStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_TabBarTabShape)
            ++Tabs;
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable int Tabs = 0;
};

} // namespace

// Numbered tabs made at once are the tabs added one by one, pixel for pixel.
TEST(PageTabsTest, NumberedTabsAreTheTabsAddedOneByOne) {
    TPageTabs added, numbered;
    for (int page = 1; page <= 45; ++page)
        added.addTab(QString::number(page));
    numbered.SetNumberedTabs(45);
    ASSERT_EQ(numbered.count(), 45);
    EXPECT_EQ(numbered.tabText(44), QStringLiteral("45"));
    EXPECT_EQ(numbered.currentIndex(), 0);
    const QSize cell = added.tabRect(0).size();
    ASSERT_EQ(numbered.tabRect(0).size(), cell);
    for (TPageTabs* tabs : {&added, &numbered}) {
        tabs->resize(3 * cell.width(), 20 * cell.height());
        tabs->setCurrentIndex(23);
    }
    EXPECT_EQ(numbered.grab().toImage(), added.grab().toImage());

    // Fewer: the current tab becomes the last when it goes, as removing does.
    for (int index = 44; index >= 10; --index)
        added.removeTab(index);
    numbered.SetNumberedTabs(10);
    EXPECT_EQ(numbered.currentIndex(), 9);
    EXPECT_EQ(numbered.currentIndex(), added.currentIndex());
    EXPECT_EQ(numbered.grab().toImage(), added.grab().toImage());
}

// However many pages, the strip asks for a few columns; the others scroll
// into sight, and a paint draws only the tabs near what it paints.
TEST(PageTabsTest, ManyPagesKeepTheStripNarrowAndPaintOnlyTheTabsInSight) {
    TPageTabs tabs;
    tabs.SetNumberedTabs(1000);
    const QSize cell = tabs.tabRect(0).size();
    EXPECT_EQ(tabs.sizeHint().width(), TPageTabs::MaxColumnsShown * cell.width());
    tabs.resize(tabs.sizeHint().width(), 20 * cell.height());
    auto* style = new TCountingStyle;
    style->setParent(&tabs);
    tabs.setStyle(style);
    tabs.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));

    style->Tabs = 0;
    tabs.repaint();
    EXPECT_EQ(style->Tabs, TPageTabs::MaxColumnsShown * 20);
    style->Tabs = 0;
    tabs.repaint(tabs.tabRect(45));
    EXPECT_GE(style->Tabs, 1);
    EXPECT_LE(style->Tabs, 9) << "the tab and its neighbours at most";

    tabs.setCurrentIndex(999);
    EXPECT_FALSE(tabs.tabRect(999).isEmpty());
    EXPECT_TRUE(tabs.tabRect(0).isEmpty());
    EXPECT_EQ(tabs.tabAt(tabs.tabRect(999).center()), 999);
    EXPECT_LE(tabs.tabRect(999).right(), tabs.width());
    style->Tabs = 0;
    tabs.repaint();
    EXPECT_LE(style->Tabs, TPageTabs::MaxColumnsShown * 20);

    tabs.SetNumberedTabs(1);
    EXPECT_EQ(tabs.currentIndex(), 0);
    EXPECT_FALSE(tabs.tabRect(0).isEmpty());
    EXPECT_EQ(tabs.sizeHint().width(), tabs.tabRect(0).width());
}

namespace {

// As the sheet window does before it makes its tabs.
QAccessibleInterface* TabList(TPageTabs& tabs) {
    InstallPageTabsAccessible();
    return QAccessible::queryAccessibleInterface(&tabs);
}

QStringList AccessibleNames(QAccessibleInterface* list) {
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i)
        names << list->child(i)->text(QAccessible::Name);
    return names;
}

} // namespace

TEST(PageTabsTest, AssistiveTechnologySeesAPageTabListOfNamedTabs) {
    TPageTabs tabs;
    for (int page = 1; page <= 3; ++page)
        tabs.addTab(QString::number(page));
    QSignalSpy changes(&tabs, &TPageTabs::currentChanged);
    QAccessibleInterface* list = TabList(tabs);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    EXPECT_EQ(AccessibleNames(list), QStringList({"1", "2", "3"}));
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* tab = list->child(i);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->parent(), list);
        EXPECT_EQ(list->indexOfChild(tab), i);
        EXPECT_TRUE(tab->state().selectable);
        EXPECT_EQ(tab->state().selected, i == 0) << i;
    }

    // The press action chooses the tab as a click does.
    QAccessibleActionInterface* press = list->child(2)->actionInterface();
    ASSERT_NE(press, nullptr);
    ASSERT_TRUE(press->actionNames().contains(QAccessibleActionInterface::pressAction()));
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(tabs.currentIndex(), 2);
    EXPECT_EQ(changes.size(), 1);
    EXPECT_TRUE(list->child(2)->state().selected);
    EXPECT_FALSE(list->child(0)->state().selected);

    // A tab that goes leaves no child behind; one added is named at once.
    QAccessibleInterface* third = list->child(2);
    tabs.removeTab(2);
    EXPECT_EQ(list->childCount(), 2);
    EXPECT_FALSE(third->isValid());
    tabs.addTab(QStringLiteral("3"));
    tabs.addTab(QStringLiteral("4"));
    EXPECT_EQ(AccessibleNames(list), QStringList({"1", "2", "3", "4"}));
}

TEST(PageTabsTest, TheKeyboardChangesPagesAndTheFocusedStripShowsWhichTab) {
    QWidget window;
    auto* other = new QLineEdit(&window);
    auto* tabs = new TPageTabs(&window);
    for (int page = 1; page <= 5; ++page)
        tabs->addTab(QString::number(page));
    tabs->setGeometry(100, 0, tabs->tabRect(0).width(), 5 * tabs->tabRect(0).height());
    window.resize(200, tabs->height());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();

    // Ctrl+PageDown and Ctrl+PageUp work from anywhere in the window.
    QTest::keyClick(other, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    QTest::keyClick(other, Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(other, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 0) << "no page before the first";
    EXPECT_TRUE(other->hasFocus());

    const QImage unfocused = tabs->grab().toImage();
    QTest::keyClick(other, Qt::Key_Tab);
    ASSERT_TRUE(tabs->hasFocus()) << "Tab reaches the strip";
    const QImage focused = tabs->grab().toImage();
    EXPECT_NE(focused.copy(tabs->tabRect(0)), unfocused.copy(tabs->tabRect(0)))
        << "the current tab carries the focus frame";
    EXPECT_EQ(focused.copy(tabs->tabRect(3)), unfocused.copy(tabs->tabRect(3)));
    EXPECT_TRUE(TabList(*tabs)->child(0)->state().focused);

    QTest::keyClick(tabs, Qt::Key_Down);
    QTest::keyClick(tabs, Qt::Key_Down);
    EXPECT_EQ(tabs->currentIndex(), 2);
    QTest::keyClick(tabs, Qt::Key_End);
    EXPECT_EQ(tabs->currentIndex(), 4);
    QTest::keyClick(tabs, Qt::Key_Down);
    EXPECT_EQ(tabs->currentIndex(), 4) << "no page after the last";
    QTest::keyClick(tabs, Qt::Key_Home);
    EXPECT_EQ(tabs->currentIndex(), 0);
}

namespace {

// The first interface of role below root, depth first.
QAccessibleInterface* FindRole(QAccessibleInterface* root, QAccessible::Role role) {
    if (root->role() == role)
        return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* found = FindRole(root->child(i), role))
            return found;
    return nullptr;
}

class SheetPageTabsTest : public SheetFixture {};

} // namespace

// Reached from the sheet window, as a screen reader walks it; choosing a tab
// shows its page as a click does.
TEST_F(SheetPageTabsTest, AScreenReaderFindsThePagesAndChoosesOne) {
    Open(TZvDat{{Square(10)}, {}, {Triangle(10)}});
    QAccessibleInterface* list =
        FindRole(QAccessible::queryAccessibleInterface(Fm.get()), QAccessible::PageTabList);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(AccessibleNames(list), QStringList({"1", "2", "3"}));
    list->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Fm->CurrentPage(), 2);
    EXPECT_EQ(Fm->CurrentDrawing()[Fm->CurrentPage()], TPolygonTbl{Triangle(10)});
}

// Tests of the joint commands on the sheet: joining sides with two clicks, on
// one page or across the tabs, the questions about lengths and old joints,
// leaving the mode, undo; unjoining and moving a tab from the Edit menu and
// from a side's menu; the sides drawn while picking; the flange check of a
// box net joined this way; and the names the editor offers.
#include "flange_check_dlg.h"
#include "sheet_fixture.h"

#include <QLabel>
#include <QMenu>

#include <array>

namespace {

constexpr long double Angle45 = Pi / 4;

// The one-piece net of a 60 x 40 x 30 mm box, 20 mm in from the page's
// corner, clockwise: front face on top, the bottom, the back and the lid
// below it, the two end faces left and right of the bottom.
const TDaPointF BoxCorners{{50, 20},  {110, 20},  {110, 50},  {140, 50}, {140, 90},
                           {110, 90}, {110, 120}, {110, 160}, {50, 160}, {50, 120},
                           {50, 90},  {20, 90},   {20, 50},   {50, 50}};
// The seven pairs of sides that are glued to close the box.
const std::array<std::pair<int, int>, 7> BoxJoints{
    {{0, 7}, {1, 2}, {3, 6}, {4, 5}, {8, 11}, {9, 10}, {12, 13}}};

TPolygon BoxNet() {
    return Shape(BoxCorners);
}

const TFlange& FlangeOf(const TZvDat& drawing, int page, int shape, int side) {
    return drawing[page][shape].Flanges[side];
}

// Flanges read back from a drawing file keep their angles to 11 decimals.
void ExpectFlange(const TFlange& actual, const TFlange& expected) {
    EXPECT_EQ(actual.Name, expected.Name);
    EXPECT_NEAR(static_cast<double>(actual.Width), static_cast<double>(expected.Width), 1e-9);
    EXPECT_NEAR(static_cast<double>(actual.Angle1), static_cast<double>(expected.Angle1), 1e-9);
    EXPECT_NEAR(static_cast<double>(actual.Angle2), static_cast<double>(expected.Angle2), 1e-9);
}

class SheetJointsTest : public SheetFixture {
protected:
    // The middle of side k of the shape at index on the current page.
    QPoint SideMiddle(int index, int side) const {
        const TDaPointF& apexes = ShapeAt(index).Apexes;
        const TPointF& a = apexes[side];
        const TPointF& b = apexes[(side + 1) % apexes.size()];
        return At((a.X + b.X) / 2, (a.Y + b.Y) / 2);
    }
    void ClickSide(int index, int side) {
        Click(SideMiddle(index, side));
        Later();
    }
    const TFlange& Side(int page, int shape, int side) const {
        return FlangeOf(Fm->CurrentDrawing(), page, shape, side);
    }
    QString Hint() const { return Fm->findChild<QLabel*>(QStringLiteral("StatusPanel1"))->text(); }
    const TSheetJoints& Joints() const { return Fm->JointCommands(); }
    QMenu* SideMenu() const { return Joints().SideMenu(); }
    void ShowActive() {
        Fm->show();
        QApplication::setActiveWindow(Fm.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Fm.get()));
    }
};

TEST_F(SheetJointsTest, TwoClicksJoinSidesWithTheNextFreeMarkAndTheModeStaysOn) {
    Editor.Default = MakeFlange("", 4, Pi / 3, Angle45);
    Open({{BoxNet()}});
    Trigger("JoinMi");
    EXPECT_EQ(Joints().Command(), TJointCommand::Join);
    EXPECT_TRUE(Item("JoinMi")->isChecked());
    EXPECT_EQ(Hint(), QStringLiteral(
                          "辺の接合: 接合する辺をクリックしてください。（Esc・右クリックで終了）"));

    ClickSide(0, 0);
    ASSERT_EQ(Joints().FirstSide(), (TSideRef{0, 0, 0}));
    EXPECT_TRUE(Hint().startsWith(QStringLiteral("辺の接合: 相手の辺をクリックしてください。")));
    ClickSide(0, 7);
    // The editor's default tab.
    ExpectFlange(Side(0, 0, 0), MakeFlange("1", 4, Pi / 3, Angle45));
    // The partner has no flange.
    ExpectFlange(Side(0, 0, 7), MakeFlange("1", 0, 0, 0));
    EXPECT_FALSE(Joints().FirstSide());
    EXPECT_EQ(Hint(),
              QStringLiteral("辺の接合: 「1」で接合しました。続けて次の辺をクリックしてください。"
                             "（Esc・右クリックで終了）"));
    EXPECT_TRUE(Prompt.Questions.empty());

    // The next pair takes the next mark; the selection and the shape stay put.
    ClickSide(0, 1);
    ClickSide(0, 2);
    EXPECT_EQ(Side(0, 0, 1).Name, "2");
    EXPECT_EQ(Side(0, 0, 2).Name, "2");
    EXPECT_EQ(ShapeAt(0).Apexes, BoxCorners);
    EXPECT_TRUE(Fm->CurrentSelection().empty());
    EXPECT_TRUE(Fm->IsModified());

    // Each join is one step of the history.
    Trigger("Undo1");
    EXPECT_TRUE(Side(0, 0, 1).Name.empty());
    EXPECT_TRUE(Side(0, 0, 2).Name.empty());
    EXPECT_EQ(Side(0, 0, 0).Name, "1");
    Trigger("Undo1");
    EXPECT_EQ(ShapeAt(0), BoxNet());
    Trigger("Repeat1");
    EXPECT_EQ(Side(0, 0, 7).Name, "1");
}

TEST_F(SheetJointsTest, ThePartnerMayLieOnAnotherPageReachedThroughTheTabs) {
    Open({{Square(20, {10, 10})}, {Rect(20, 10, {30, 30})}});
    Trigger("JoinMi");
    ClickSide(0, 1);
    Tabs()->setCurrentIndex(1);
    ASSERT_EQ(Fm->CurrentPage(), 1);
    EXPECT_EQ(Joints().FirstSide(), (TSideRef{0, 0, 1})) << "the first side waits on its page";
    Later();
    ClickSide(0, 0);
    ExpectFlange(Side(0, 0, 1), MakeFlange("1", 3, Angle45, Angle45));
    ExpectFlange(Side(1, 0, 0), MakeFlange("1", 0, 0, 0));
    EXPECT_EQ(Fm->CurrentPage(), 1);

    Trigger("Undo1");
    EXPECT_EQ(Fm->CurrentDrawing()[0][0], Square(20, {10, 10}));
    EXPECT_EQ(Fm->CurrentDrawing()[1][0], Rect(20, 10, {30, 30}));
}

// Sides of different lengths are joined only when the user says so; No keeps
// the first side, so that another partner can be clicked.
TEST_F(SheetJointsTest, SidesOfDifferentLengthsAskFirst) {
    Open({{Rect(30, 20, {10, 10}), Rect(30.005L, 20, {60, 10})}});
    Trigger("JoinMi");
    ClickSide(0, 0);
    Prompt.Answers = {TPromptAnswer::No};
    ClickSide(0, 1);
    ASSERT_EQ(Prompt.Questions.size(), 1u);
    EXPECT_EQ(Prompt.Questions[0].Title, InfoTitle);
    EXPECT_EQ(Prompt.Questions[0].Text,
              QStringLiteral("2つの辺の長さが違います。\n1つ目の辺: 30.000 mm\n"
                             "2つ目の辺: 20.000 mm\n接合しますか？"));
    EXPECT_EQ(Fm->CurrentDrawing()[0][0], Rect(30, 20, {10, 10}));
    EXPECT_EQ(Joints().FirstSide(), (TSideRef{0, 0, 0}));

    // Within 0.01 mm the lengths match: no question.
    ClickSide(1, 0);
    EXPECT_EQ(Prompt.Questions.size(), 1u);
    EXPECT_EQ(Side(0, 1, 0).Name, "1");

    ClickSide(0, 2);
    Prompt.Answers = {TPromptAnswer::Yes};
    ClickSide(0, 3);
    EXPECT_EQ(Prompt.Questions.size(), 2u);
    EXPECT_EQ(Side(0, 0, 2).Name, "2");
    EXPECT_EQ(Side(0, 0, 3).Name, "2");
}

TEST_F(SheetJointsTest, TheFirstSideClickedAgainIsGivenUp) {
    Open({{Square(20, {10, 10})}});
    Trigger("JoinMi");
    ClickSide(0, 0);
    ClickSide(0, 0);
    EXPECT_FALSE(Joints().FirstSide());
    EXPECT_TRUE(Hint().startsWith(QStringLiteral("辺の接合: 接合する辺をクリックしてください。")));
    // Clicks away from every side choose nothing.
    Click(At(20, 20));
    EXPECT_FALSE(Joints().FirstSide());
    EXPECT_EQ(Fm->CurrentDrawing()[0][0], Square(20, {10, 10}));
}

// A side that has a flange keeps it as the joint's tab; a side that belongs
// to another joint is taken from it only when the user says so, and its old
// partner is not left with the mark alone.
TEST_F(SheetJointsTest, OldFlangesStayAndOldJointsAreUnjoinedOnlyWhenAsked) {
    TPolygon square = Square(20, {10, 10});
    square.Flanges[0] = MakeFlange("", 6, Pi / 2, Pi / 3);
    square.Flanges[1] = MakeFlange("7", 5, Angle45, Angle45);
    square.Flanges[3] = MakeFlange("7", 0, 0, 0);
    Open({{square}});
    Trigger("JoinMi");
    ClickSide(0, 0);
    ClickSide(0, 2);
    ExpectFlange(Side(0, 0, 0), MakeFlange("1", 6, Pi / 2, Pi / 3));

    ClickSide(0, 1);
    Prompt.Answers = {TPromptAnswer::No};
    ClickSide(0, 2);
    ASSERT_EQ(Prompt.Questions.size(), 1u);
    EXPECT_EQ(Prompt.Questions[0].Text,
              QStringLiteral("選んだ辺は既に接合されています（「7」、「1」）。"
                             "その接合を解除して接合し直しますか？"));
    EXPECT_EQ(Side(0, 0, 1).Name, "7");
    EXPECT_EQ(Side(0, 0, 2).Name, "1");

    // Both old joints go, so the new one takes the first mark free again.
    Prompt.Answers = {TPromptAnswer::Yes};
    ClickSide(0, 2);
    ExpectFlange(Side(0, 0, 1), MakeFlange("1", 5, Angle45, Angle45));
    EXPECT_EQ(Side(0, 0, 2).Name, "1");
    EXPECT_TRUE(Side(0, 0, 0).Name.empty()) << "side 2's old partner";
    EXPECT_EQ(Side(0, 0, 0).Width, 6) << "unjoined, it keeps its flange";
    EXPECT_TRUE(Side(0, 0, 3).Name.empty()) << "side 1's old partner";
    Trigger("Undo1");
    EXPECT_EQ(Side(0, 0, 1).Name, "7");
    EXPECT_EQ(Side(0, 0, 0).Name, "1");
    EXPECT_EQ(Side(0, 0, 3).Name, "7");

    // Two sides already joined with each other are left as they are.
    Later();
    ClickSide(0, 1);
    ClickSide(0, 3);
    EXPECT_EQ(Prompt.Questions.size(), 2u);
    EXPECT_EQ(Side(0, 0, 1).Name, "7");
    EXPECT_TRUE(Hint().contains(QStringLiteral("既に「7」で接合されています")));
}

TEST_F(SheetJointsTest, CtrlJStartsTheModeAndEscapeOrARightClickLeavesIt) {
    Open({{Square(20, {10, 10})}});
    ShowActive();
    for (const bool byKey : {true, false}) {
        QTest::keyClick(Fm.get(), Qt::Key_J, Qt::ControlModifier);
        ClickSide(0, 0);
        ASSERT_TRUE(Joints().TakesMouse());
        if (byKey)
            QTest::keyClick(Fm.get(), Qt::Key_Escape);
        else
            Press(SideMiddle(0, 2), Qt::NoModifier, Qt::RightButton);
        EXPECT_FALSE(Joints().TakesMouse()) << byKey;
        EXPECT_FALSE(Joints().FirstSide()) << byKey;
        EXPECT_FALSE(Item("JoinMi")->isChecked()) << byKey;
        EXPECT_EQ(Hint(), QString()) << byKey;
        EXPECT_FALSE(SideMenu()->isVisible()) << "the click that leaves opens no menu";
    }
    // Choosing the checked item again leaves the mode too.
    Trigger("JoinMi");
    Trigger("JoinMi");
    EXPECT_FALSE(Joints().TakesMouse());

    // Out of the mode a click on a side selects and drags as ever.
    Click(At(20, 20));
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({0}));
    EXPECT_EQ(Fm->CurrentDrawing()[0][0], Square(20, {10, 10}));
}

// A shape pasted or made while the mode is on follows the pointer and is put
// down by the next click, as ever; the mode waits.
TEST_F(SheetJointsTest, AShapeBeingPlacedTakesTheClickBeforeTheMode) {
    Open({{Square(20, {10, 10})}});
    Trigger("JoinMi");
    Editor.Result = Square(20);
    PutPointerAt(At(80, 80));
    Trigger("MkNewPolygonMi");
    ASSERT_EQ(Fm->CurrentDragState(), dsMove);
    Click(At(80, 80));
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    EXPECT_EQ(Fm->CurrentDrawing()[0].size(), 2u);
    EXPECT_TRUE(Joints().TakesMouse());
    EXPECT_TRUE(Hint().startsWith(QStringLiteral("辺の接合:")));
    Later();
    ClickSide(1, 0);
    ClickSide(0, 0);
    EXPECT_EQ(Side(0, 1, 0).Width, 3) << "joined with the new shape";
}

TEST_F(SheetJointsTest, UnjoinFromTheEditMenuTakesTheMarkOffBothAndKeepsTheFlanges) {
    Open({{BoxNet()}});
    Trigger("JoinMi");
    ClickSide(0, 3);
    ClickSide(0, 6);
    Trigger("JoinMi");

    Trigger("UnjoinMi");
    EXPECT_EQ(Joints().Command(), TJointCommand::Unjoin);
    ClickSide(0, 4);
    EXPECT_EQ(Hint(), QStringLiteral("この辺は接合されていません。接合の解除: 接合された辺を"
                                     "クリックしてください。（Esc・右クリックで中止）"));
    EXPECT_TRUE(Joints().TakesMouse());
    ClickSide(0, 6);
    ExpectFlange(Side(0, 0, 3), MakeFlange("", 3, Angle45, Angle45));
    ExpectFlange(Side(0, 0, 6), MakeFlange("", 0, 0, 0));
    EXPECT_FALSE(Joints().TakesMouse()) << "one click, one joint";
    EXPECT_EQ(Hint(), QStringLiteral("「1」の接合を解除しました。"));

    Trigger("Undo1");
    EXPECT_EQ(Side(0, 0, 3).Name, "1");
    EXPECT_EQ(Side(0, 0, 6).Name, "1");
}

TEST_F(SheetJointsTest, MoveTheTabFromTheEditMenuThereAndBack) {
    Open({{BoxNet()}});
    Trigger("JoinMi");
    ClickSide(0, 4);
    ClickSide(0, 5);
    Trigger("JoinMi");
    const TPolygon joined = ShapeAt(0);

    Trigger("MoveTabMi");
    ClickSide(0, 5);
    ExpectFlange(Side(0, 0, 5), MakeFlange("1", 3, Angle45, Angle45));
    EXPECT_EQ(Side(0, 0, 4).Width, 0);
    EXPECT_EQ(Side(0, 0, 4).Name, "1");
    EXPECT_EQ(Hint(), QStringLiteral("「1」の糊代を相手側へ移動しました。"));
    EXPECT_FALSE(Joints().TakesMouse());
    Later();
    Trigger("MoveTabMi");
    ClickSide(0, 4);
    EXPECT_EQ(ShapeAt(0), joined);
    Trigger("Undo1");
    EXPECT_EQ(Side(0, 0, 5).Width, 3) << "one step back";
}

// Right-clicking a side opens its menu, the side drawn out while it is open;
// the menu offers what the side allows.
TEST_F(SheetJointsTest, ASidesMenuJoinsUnjoinsAndMovesTheTab) {
    TPolygon square = Square(20, {10, 10});
    square.Flanges[0] = MakeFlange("1", 0, 0, 0);
    square.Flanges[2] = MakeFlange("1", 0, 0, 0);
    TPolygon open = Square(20, {60, 10});
    open.Flanges[0] = MakeFlange("9", 0, 0, 0);
    Open({{square, open}});
    ShowActive();
    const auto item = [&](const char* name) {
        return SideMenu()->findChild<QAction*>(QLatin1String(name));
    };
    struct TCase {
        int Shape;
        int Side;
        bool Unjoin;
        bool MoveTab;
    };
    // A pair with no tab between them has none to move; an open mark has no
    // partner to move it to.
    for (const TCase& c :
         {TCase{0, 3, false, false}, TCase{0, 0, true, false}, TCase{1, 0, true, false}}) {
        Press(SideMiddle(c.Shape, c.Side), Qt::NoModifier, Qt::RightButton);
        Release(SideMiddle(c.Shape, c.Side), Qt::NoModifier, Qt::RightButton);
        ASSERT_TRUE(SideMenu()->isVisible()) << c.Side;
        EXPECT_EQ(Joints().MenuSide(), (TSideRef{0, c.Shape, c.Side}));
        EXPECT_TRUE(item("JoinFromSideMi")->isEnabled());
        EXPECT_EQ(item("UnjoinSideMi")->isEnabled(), c.Unjoin) << c.Shape << c.Side;
        EXPECT_EQ(item("MoveTabSideMi")->isEnabled(), c.MoveTab) << c.Shape << c.Side;
        SideMenu()->hide();
    }
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt()) << "the right click selects nothing";

    // Joining from the menu: the side clicked is the first side.
    Press(SideMiddle(0, 3), Qt::NoModifier, Qt::RightButton);
    item("JoinFromSideMi")->trigger();
    SideMenu()->hide();
    EXPECT_EQ(Joints().FirstSide(), (TSideRef{0, 0, 3}));
    ClickSide(0, 1);
    ExpectFlange(Side(0, 0, 3), MakeFlange("2", 3, Angle45, Angle45));
    ExpectFlange(Side(0, 0, 1), MakeFlange("2", 0, 0, 0));
    QTest::keyClick(Fm.get(), Qt::Key_Escape);

    Press(SideMiddle(0, 1), Qt::NoModifier, Qt::RightButton);
    ASSERT_TRUE(item("MoveTabSideMi")->isEnabled());
    item("MoveTabSideMi")->trigger();
    SideMenu()->hide();
    EXPECT_EQ(Side(0, 0, 1).Width, 3);
    EXPECT_EQ(Side(0, 0, 3).Width, 0);
    Later();

    Press(SideMiddle(0, 0), Qt::NoModifier, Qt::RightButton);
    item("UnjoinSideMi")->trigger();
    SideMenu()->hide();
    EXPECT_TRUE(Side(0, 0, 0).Name.empty());
    EXPECT_TRUE(Side(0, 0, 2).Name.empty());
    EXPECT_EQ(Hint(), QStringLiteral("「1」の接合を解除しました。"));
    Click(At(60, 60));
    EXPECT_EQ(Hint(), QString()) << "said until the user goes on";

    // A right click away from every side opens nothing.
    Press(At(20, 20), Qt::NoModifier, Qt::RightButton);
    EXPECT_FALSE(SideMenu()->isVisible());
}

TEST_F(SheetJointsTest, PickingShowsJoinedSidesTheFirstSideAndTheSideUnderThePointer) {
    TPolygon square = Square(40, {10, 10});
    square.Flanges[2] = MakeFlange("5", 0, 0, 0);
    Open({{square}});
    ShowActive();
    const auto colourAt = [&](long double x, long double y) {
        return Surface().pixelColor(At(x, y));
    };
    EXPECT_EQ(colourAt(30, 50), QColor(Qt::black)) << "out of the mode the page is as ever";
    Trigger("JoinMi");
    ClickSide(0, 0);
    MoveTo(At(50, 30), Qt::NoButton);
    EXPECT_EQ(colourAt(30, 10), QColor(255, 0, 255)) << "the first side";
    EXPECT_EQ(colourAt(50, 40), QColor(255, 140, 0)) << "the side under the pointer";
    EXPECT_EQ(colourAt(30, 50), QColor(0, 170, 0)) << "a joined side";
    EXPECT_EQ(colourAt(10, 30), QColor(Qt::black));
    MoveTo(At(30, 30), Qt::NoButton);
    EXPECT_EQ(colourAt(50, 40), QColor(Qt::black)) << "the pointer left it";
    QTest::keyClick(Fm.get(), Qt::Key_Escape);
    EXPECT_EQ(colourAt(30, 10), QColor(Qt::black));
    EXPECT_EQ(colourAt(30, 50), QColor(Qt::black));
}

TEST_F(SheetJointsTest, CommandsAreAvailableWhenThereIsSomethingToActOn) {
    const auto available = [&](const char* name) {
        OpenEditMenu();
        const bool enabled = Item(name)->isEnabled();
        CloseEditMenu();
        return enabled;
    };
    EXPECT_FALSE(available("JoinMi")) << "an empty drawing";
    Trigger("JoinMi");
    EXPECT_FALSE(Joints().TakesMouse());
    EXPECT_FALSE(Item("JoinMi")->isChecked());

    Open({{}, {Square(20)}});
    EXPECT_TRUE(available("JoinMi")) << "a shape on another page";
    EXPECT_FALSE(available("UnjoinMi"));
    EXPECT_FALSE(available("MoveTabMi"));
    Trigger("UnjoinMi");
    EXPECT_FALSE(Joints().TakesMouse());

    TPolygon named = Square(20);
    named.Flanges[1].Name = "A";
    Open({{named}});
    EXPECT_TRUE(available("UnjoinMi"));
    EXPECT_TRUE(available("MoveTabMi"));
    Fm->SetDragState(dsMove);
    EXPECT_FALSE(available("JoinMi")) << "not during a drag";
    EXPECT_FALSE(available("UnjoinMi"));
}

// The box net joined with 14 clicks and no question: every joint complete.
TEST_F(SheetJointsTest, TheJoinedBoxNetPassesTheFlangeCheck) {
    Open({{BoxNet()}});
    Trigger("JoinMi");
    for (const auto& [first, second] : BoxJoints) {
        ClickSide(0, first);
        ClickSide(0, second);
    }
    EXPECT_TRUE(Prompt.Questions.empty());
    for (std::size_t k = 0; k < BoxJoints.size(); ++k) {
        const std::string mark = std::to_string(k + 1);
        ExpectFlange(Side(0, 0, BoxJoints[k].first), MakeFlange(mark, 3, Angle45, Angle45));
        ExpectFlange(Side(0, 0, BoxJoints[k].second), MakeFlange(mark, 0, 0, 0));
    }
    Trigger("FlangeCheckMi");
    QApplication::processEvents();
    const TFlangeCheckDlg* check = Fm->findChild<TFlangeCheckDlg*>();
    EXPECT_EQ(check->findChild<QLabel*>(QStringLiteral("SummaryLabel"))->text(),
              QStringLiteral("問題はありません。完成した接合: 7"));
}

// The names of the drawing's sides, with or without a flange, are offered
// with the open marks, which wait for a partner, first.
TEST_F(SheetJointsTest, TheEditorOffersTheOpenMarksFirst) {
    TPolygon square = Square(20, {10, 10});
    square.Flanges[0] = MakeFlange("2", 0, 0, 0);
    square.Flanges[1] = MakeFlange("1", 3, Angle45, Angle45);
    square.Flanges[2] = MakeFlange("1", 0, 0, 0);
    square.Flanges[3] = MakeFlange("B", 0, 0, 0);
    Open({{square, Square(5, {50, 50})}});
    Editor.Result = Triangle(10);
    Trigger("MkNewPolygonMi");
    EXPECT_EQ(Fm->OfferedFlangeNames(), std::vector<std::string>({"2", "B", "1"}));
}

} // namespace

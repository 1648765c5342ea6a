// Tests of the flange dialog: what its OK button accepts and refuses, the
// fields it loads and reads, and the questions when a name in use is picked.
#include "flange_dlg.h"

#include "fake_flange_lookup.h"
#include "fakes/fake_prompt.h"
#include "shift_jis_codec.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

class FlangeDlgTest : public testing::Test {
protected:
    TFakePrompt Prompt;
    TFakeFlangeLookup Lookup;
    TFlangeDlg Dialog{Prompt};

    void SetUp() override {
        Dialog.SetLookup(&Lookup);
        Dialog.SetOneSide(true);
        Dialog.show();
    }
    QLineEdit* Field(const char* name) const {
        return Dialog.findChild<QLineEdit*>(QLatin1String(name));
    }
    QComboBox* Names() const { return Dialog.findChild<QComboBox*>(QStringLiteral("FlangeName")); }
    void Click(const char* button) {
        QTest::mouseClick(Dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    // Types the three values and presses OK; true when the dialog accepted them.
    bool Enter(const QString& width, const QString& angle1, const QString& angle2) {
        Dialog.setResult(QDialog::Rejected);
        Field("Edit1")->setText(width);
        Field("Edit2")->setText(angle1);
        Field("Edit3")->setText(angle2);
        Click("OkBtn");
        return Dialog.result() == QDialog::Accepted;
    }
};

} // namespace

TEST_F(FlangeDlgTest, OkAcceptsTheBoundsAndRefusesBeyondWithTheFieldFocused) {
    EXPECT_TRUE(Enter("99", "90", "0.01"));
    EXPECT_TRUE(Prompt.Errors.empty());
    Dialog.show();

    const struct {
        const char* Width;
        const char* Angle1;
        const char* Angle2;
        const char* Message;
        const char* Focused;
    } refused[] = {
        {"99.01", "45", "45", "幅設定値が異常です。", "Edit1"},
        {"abc", "45", "45", "幅設定値が異常です。", "Edit1"},
        {"3", "0", "45", "角度１設定値が異常です。", "Edit2"},
        {"3", "45", "90.01", "角度２設定値が異常です。", "Edit3"},
    };
    for (const auto& c : refused) {
        Prompt.Errors.clear();
        EXPECT_FALSE(Enter(c.Width, c.Angle1, c.Angle2)) << c.Width << " " << c.Angle1;
        ASSERT_EQ(Prompt.Errors.size(), 1u);
        EXPECT_EQ(Prompt.Errors[0].Text, QString::fromUtf8(c.Message));
        EXPECT_TRUE(Dialog.isVisible());
        EXPECT_EQ(Dialog.focusWidget(), Field(c.Focused)) << c.Message;
    }
}

TEST_F(FlangeDlgTest, NoFlangeButtonGivesWidthZeroWhichOkTakesAsNoFlange) {
    Dialog.LoadFlange(MakeFlange("A", 5, Pi / 4, Pi / 3));
    EXPECT_EQ(Field("Edit1")->text(), QStringLiteral("5.00"));
    EXPECT_EQ(Field("Edit2")->text(), QStringLiteral("45.00"));
    EXPECT_EQ(Field("Edit3")->text(), QStringLiteral("60.00"));
    EXPECT_EQ(Names()->currentText(), QStringLiteral("A"));

    Click("Button1");
    EXPECT_EQ(Field("Edit2")->text(), QStringLiteral("0"));
    EXPECT_TRUE(Names()->currentText().isEmpty());
    Click("OkBtn");
    EXPECT_EQ(Dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Dialog.ReadFlange().Width, 0);
}

TEST_F(FlangeDlgTest, NamesAreCutAtAWholeCharacterAndUnstorableOnesRefused) {
    Field("Edit1")->setText("3");
    Field("Edit2")->setText("45");
    Field("Edit3")->setText("45");
    // Eight double-byte characters make 16 bytes and are kept whole.
    Names()->setEditText(QStringLiteral("糊代糊代糊代糊代"));
    EXPECT_EQ(Dialog.ReadFlange().Name.size(), 16u);
    // Seven of them after one ASCII letter: the last one would be split.
    Names()->setEditText(QStringLiteral("A糊代糊代糊代糊代"));
    EXPECT_EQ(Dialog.ReadFlange().Name, UnicodeToShiftJis(QStringLiteral("A糊代糊代糊代糊")));

    Names()->setEditText(QString::fromUtf8("A\xF0\x9F\x98\x80"));
    Click("OkBtn");
    ASSERT_EQ(Prompt.Errors.size(), 1u);
    EXPECT_TRUE(Dialog.focusWidget() == Names() || Dialog.focusWidget() == Names()->lineEdit());
    EXPECT_TRUE(Dialog.isVisible());
}

// The sheet hands the open joint marks in first; the list keeps that order.
TEST_F(FlangeDlgTest, NamesAreOfferedInTheOrderGiven) {
    Dialog.SetNames({"3", "10", "A", "1", UnicodeToShiftJis(QStringLiteral("糊"))});
    QStringList items;
    for (int i = 0; i < Names()->count(); ++i)
        items << Names()->itemText(i);
    EXPECT_EQ(items, QStringList({"3", "10", "A", "1", "糊"}));
}

TEST_F(FlangeDlgTest, PickingANameInUseTakesItsParametersAndOptionallyItsLength) {
    Lookup.Flanges["B"] = {MakeFlange("B", 7, Pi / 6, Pi / 2), 42.5L};
    Dialog.SetNames({"A", "B", UnicodeToShiftJis(QStringLiteral("糊"))});
    ASSERT_EQ(Names()->count(), 3);
    Dialog.LoadFlange(MakeFlange("", 3, Pi / 4, Pi / 4));

    // A name nobody else carries asks nothing.
    emit Names()->activated(0);
    EXPECT_TRUE(Prompt.Questions.empty());

    // No to the parameters: the fields stay as they were.
    Prompt.Answers = {TPromptAnswer::No};
    emit Names()->activated(1);
    EXPECT_EQ(Field("Edit1")->text(), QStringLiteral("3.00"));
    EXPECT_TRUE(Dialog.isVisible());

    Prompt.Answers = {TPromptAnswer::Yes, TPromptAnswer::Yes};
    Names()->setCurrentIndex(1);
    emit Names()->activated(1);
    ASSERT_EQ(Prompt.Questions.size(), 3u);
    EXPECT_EQ(Prompt.Questions[1].Text,
              QStringLiteral("既存の同名糊代のパラメータに合わせますか？"));
    EXPECT_EQ(Prompt.Questions[2].Text,
              QStringLiteral("既存の同名糊代を持つ辺の長さに合わせますか？"));
    EXPECT_EQ(Dialog.result(), QDialog::Accepted) << "OK is pressed for the user";
    EXPECT_EQ(Field("Edit2")->text(), QStringLiteral("30.00"));
    EXPECT_TRUE(Dialog.LengthMatch());
    EXPECT_EQ(Dialog.FoundSideLength(), 42.5L);
    EXPECT_EQ(Dialog.ReadFlange().Name, "B");

    // Opening again forgets the length match.
    Dialog.show();
    EXPECT_FALSE(Dialog.LengthMatch());
}

TEST_F(FlangeDlgTest, CaptionAndNameFieldFollowOneSideOrAll) {
    EXPECT_EQ(Dialog.windowTitle(), QStringLiteral("糊代設定（１辺）"));
    EXPECT_TRUE(Names()->isEnabled());
    Dialog.SetOneSide(false);
    EXPECT_EQ(Dialog.windowTitle(), QStringLiteral("糊代設定（一括）"));
    EXPECT_FALSE(Names()->isEnabled());
}

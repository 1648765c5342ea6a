// Tests of the shape editor's four numeric dialogs: captions, fields, buttons
// and check box, numbers shown with two decimals and read with a point in any
// locale, the focus on the first field with its text selected, and the modal
// runner's answers.
#include "decimal_comma_locale.h"
#include "dialog_runner.h"
#include "geometry/angles.h"
#include "nset_line_angle_dlg.h"
#include "nset_line_length_dlg.h"
#include "nset_point_angle_dlg.h"
#include "nset_point_pos_dlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString Text(QDialog& dialog, const char* field) {
    return dialog.findChild<QLineEdit*>(QLatin1String(field))->text();
}

void Type(QDialog& dialog, const char* field, const QString& text) {
    dialog.findChild<QLineEdit*>(QLatin1String(field))->setText(text);
}

class NSetDialogsTest : public testing::Test {
protected:
    TNSetPointPosDlg PointPos;
    TNSetLineLengthDlg LineLength;
    TNSetPointAngleDlg PointAngle;
    TNSetLineAngleDlg LineAngle;

    std::vector<QDialog*> All() { return {&PointPos, &LineLength, &PointAngle, &LineAngle}; }
};

} // namespace

TEST_F(NSetDialogsTest, DialogsCarryTheirCaptionsFieldsAndButtons) {
    EXPECT_EQ(PointPos.windowTitle(), QStringLiteral("座標設定"));
    EXPECT_EQ(LineLength.windowTitle(), QStringLiteral("辺の長さ設定"));
    EXPECT_EQ(PointAngle.windowTitle(), QStringLiteral("内角設定"));
    EXPECT_EQ(LineAngle.windowTitle(), QStringLiteral("辺の傾き設定"));

    QStringList labels;
    for (const QLabel* label : PointPos.findChildren<QLabel*>())
        if (label->buddy() != nullptr)
            labels << label->buddy()->objectName() + "=" + label->text();
    EXPECT_EQ(labels,
              QStringList({QStringLiteral("Edit1=Ｘ座標"), QStringLiteral("Edit2=Ｙ座標")}));

    for (QDialog* dialog : All()) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        EXPECT_NE(dialog->findChild<QLineEdit*>(QStringLiteral("Edit1")), nullptr);
        const QPushButton* ok = dialog->findChild<QPushButton*>(QStringLiteral("OkButton"));
        const QPushButton* cancel = dialog->findChild<QPushButton*>(QStringLiteral("CancelButton"));
        ASSERT_NE(ok, nullptr);
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(cancel->text(), QStringLiteral("キャンセル"));
        dialog->show();
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "a fixed-size box";
        dialog->hide();
    }
}

TEST_F(NSetDialogsTest, NumbersShowTwoDecimalsAndReadBackWithAPointInAnyLocale) {
    const TDecimalCommaLocale comma;
    EXPECT_TRUE(comma.Active) << "the decimal-comma locale is not installed";

    PointPos.SetPoint(PointF(10.004L, -5.126L));
    EXPECT_EQ(Text(PointPos, "Edit1"), QStringLiteral("10.00"));
    EXPECT_EQ(Text(PointPos, "Edit2"), QStringLiteral("-5.13"));
    EXPECT_EQ(PointPos.Point(), PointF(10, -5.13L)) << "unedited, the shown value is read";
    Type(PointPos, "Edit1", QStringLiteral(" 12.5 "));
    Type(PointPos, "Edit2", QStringLiteral("12,5"));
    EXPECT_EQ(PointPos.Point(), PointF(12.5, 0)) << "a comma makes no number";

    LineLength.SetLength(12.3456L);
    EXPECT_EQ(Text(LineLength, "Edit1"), QStringLiteral("12.35"));
    EXPECT_EQ(LineLength.Length(), 12.35L);
    Type(LineLength, "Edit1", QString());
    EXPECT_EQ(LineLength.Length(), 0);

    PointAngle.SetAngle(Pi / 3);
    EXPECT_EQ(Text(PointAngle, "Edit1"), QStringLiteral("60.00"));
    EXPECT_EQ(PointAngle.Angle(), 60 / 180.0L * Pi);
}

TEST_F(NSetDialogsTest, SlopeIsShownCounterClockwiseAsSeen) {
    LineAngle.SetDirection(-Pi / 6); // up and to the right on screen
    EXPECT_EQ(Text(LineAngle, "Edit1"), QStringLiteral("30.00"));
    EXPECT_EQ(LineAngle.Direction(), -(30 / 180.0L * Pi));
    LineAngle.SetDirection(Pi / 2); // straight down
    EXPECT_EQ(Text(LineAngle, "Edit1"), QStringLiteral("-90.00"));
    LineAngle.SetDirection(0);
    EXPECT_EQ(Text(LineAngle, "Edit1"), QStringLiteral("0.00")) << "no sign on a level side";
    PointPos.SetPoint(PointF(-0.001L, 0));
    EXPECT_EQ(Text(PointPos, "Edit1"), QStringLiteral("0.00"));
}

TEST_F(NSetDialogsTest, ShownDialogFocusesItsFirstFieldWithTheTextSelected) {
    PointPos.SetPoint(PointF(3, 4));
    LineLength.SetLength(5);
    PointAngle.SetAngle(Pi / 2);
    LineAngle.SetDirection(0);
    for (QDialog* dialog : All()) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        for (int use = 0; use < 2; ++use) {
            dialog->show();
            auto* first = dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"));
            EXPECT_EQ(dialog->focusWidget(), first);
            EXPECT_FALSE(first->text().isEmpty());
            EXPECT_EQ(first->selectedText(), first->text());
            first->deselect(); // a use that leaves the text unselected
            dialog->hide();
        }
    }
}

TEST_F(NSetDialogsTest, RotateWholeShapeStartsCheckedAndKeepsItsStateBetweenUses) {
    auto* box = LineAngle.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("図形全体を回転"));
    EXPECT_TRUE(LineAngle.RotateWholeShape());
    box->setChecked(false);
    LineAngle.SetDirection(1);
    LineAngle.show();
    LineAngle.hide();
    EXPECT_FALSE(LineAngle.RotateWholeShape());
}

TEST_F(NSetDialogsTest, ModalRunnerAnswersOkByTheDefaultButtonAndCancelByEscape) {
    TModalDialogRunner runner;
    LineLength.SetLength(5);
    QTimer::singleShot(0, &LineLength, [this] {
        Type(LineLength, "Edit1", QStringLiteral("7.5"));
        QTest::keyClick(&LineLength, Qt::Key_Return);
    });
    EXPECT_TRUE(runner.Run(LineLength));
    EXPECT_EQ(LineLength.Length(), 7.5L);

    QTimer::singleShot(0, &LineLength, [this] { QTest::keyClick(&LineLength, Qt::Key_Escape); });
    EXPECT_FALSE(runner.Run(LineLength));
    EXPECT_FALSE(LineLength.isVisible());
}

// Tests of the printer calibration dialog: the factors in force and the
// rulers' lengths shown, the calibration page printed from its button, the
// measured lengths turned into factors, and lengths that give no accepted
// factor refused with a message while the dialog stays open.
#include "fakes/fake_prompt.h"
#include "print_calibration_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr long double Tight = 1e-12L;

class PrintCalibrationDlgTest : public testing::Test {
protected:
    TFakePrompt Prompt;
    TPrintCalibrationDlg Dlg{Prompt};
    int PagesPrinted = 0;

    QLineEdit* Field(const char* name) const {
        auto* field = Dlg.findChild<QLineEdit*>(QLatin1String(name));
        EXPECT_NE(field, nullptr) << name;
        return field;
    }
    QPushButton* Button(const char* name) const {
        auto* button = Dlg.findChild<QPushButton*>(QLatin1String(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }

    // Shows the dialog for scale and does each step in turn once it is up;
    // the last step must close it.
    bool Calibrate(TPrintScale& scale, std::vector<std::function<void()>> steps) {
        QTimer::singleShot(0, &Dlg, [this, steps] {
            EXPECT_TRUE(Dlg.isVisible());
            for (const auto& step : steps)
                step();
            if (Dlg.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                Dlg.reject();
            }
        });
        return Dlg.Calibrate(scale, [this] { ++PagesPrinted; });
    }
    std::function<void()> Enter(const char* field, const char* text) {
        return [this, field, text] { Field(field)->setText(QString::fromUtf8(text)); };
    }
    std::function<void()> Click(const char* button) {
        return [this, button] { Button(button)->click(); };
    }
};

TEST_F(PrintCalibrationDlgTest, ShowsTheFactorsInForceAndStartsAtTheRulersLengths) {
    TPrintScale scale{0.99L, 1.01L};
    QString shown;
    QString x;
    QString y;
    EXPECT_FALSE(Calibrate(scale, {[&] {
                                       shown = Dlg.findChild<QLabel*>("CurrentLbl")->text();
                                       x = Field("MeasuredXEd")->text();
                                       y = Field("MeasuredYEd")->text();
                                   },
                                   Click("CancelBtn")}));
    EXPECT_EQ(Dlg.windowTitle(), QStringLiteral("印刷の校正"));
    EXPECT_EQ(shown, QStringLiteral("現在の補正: 横 0.9900・縦 1.0100"));
    EXPECT_EQ(x, QStringLiteral("150"));
    EXPECT_EQ(y, QStringLiteral("200"));
    EXPECT_EQ(scale, (TPrintScale{0.99L, 1.01L}));
    EXPECT_EQ(Button("PrintPageBtn")->text(), QStringLiteral("校正ページを印刷..."));
}

TEST_F(PrintCalibrationDlgTest, TheButtonPrintsTheCalibrationPageAndOkTakesTheLengths) {
    TPrintScale scale;
    ASSERT_TRUE(Calibrate(scale, {Click("PrintPageBtn"), Enter("MeasuredXEd", " 148.5 "),
                                  Enter("MeasuredYEd", "202"), Click("OKBtn")}));
    EXPECT_EQ(PagesPrinted, 1);
    EXPECT_NEAR(scale.X, 0.99L, Tight);
    EXPECT_NEAR(scale.Y, 1.01L, Tight);
    EXPECT_TRUE(Prompt.Errors.empty());

    // A page printed with those factors that still measures long corrects them further.
    ASSERT_TRUE(Calibrate(scale, {Enter("MeasuredXEd", "151.5"), Click("OKBtn")}));
    EXPECT_NEAR(scale.X, 0.9999L, Tight);
    EXPECT_NEAR(scale.Y, 1.01L, Tight);
}

struct TRefusedCase {
    const char* Name;
    const char* X;
    const char* Y;
    const char* Message;
    const char* Focused;
};

class RefusedLengthTest : public PrintCalibrationDlgTest,
                          public testing::WithParamInterface<TRefusedCase> {};

TEST_P(RefusedLengthTest, IsReportedAndKeepsTheDialogOpen) {
    const TRefusedCase& c = GetParam();
    TPrintScale scale{1, 0.99L};
    bool stillOpen = false;
    QString focused;
    EXPECT_FALSE(
        Calibrate(scale, {Enter("MeasuredXEd", c.X), Enter("MeasuredYEd", c.Y), Click("OKBtn"),
                          [&] {
                              stillOpen = Dlg.isVisible();
                              if (QWidget* focus = Dlg.focusWidget())
                                  focused = focus->objectName();
                          },
                          Click("CancelBtn")}));
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(Prompt.Errors.size(), 1u);
    EXPECT_EQ(Prompt.Errors[0].Title, QStringLiteral("エラー"));
    EXPECT_EQ(Prompt.Errors[0].Text, QString::fromUtf8(c.Message));
    EXPECT_EQ(focused, QLatin1String(c.Focused));
    EXPECT_EQ(scale, (TPrintScale{1, 0.99L}));
}

// The vertical factor in force is 0.99, so the vertical ruler takes
// 0.9 * 200 / 0.99 = 181.8... to 1.1 * 200 / 0.99 = 222.2... mm.
INSTANTIATE_TEST_SUITE_P(
    Lengths, RefusedLengthTest,
    testing::Values(TRefusedCase{"HorizontalTooShort", "134", "200",
                                 "横の定規の長さは 135 mm から 165 mm の間で入力してください。",
                                 "MeasuredXEd"},
                    TRefusedCase{"HorizontalNotANumber", "15O", "200",
                                 "横の定規の長さは 135 mm から 165 mm の間で入力してください。",
                                 "MeasuredXEd"},
                    TRefusedCase{"VerticalTooLong", "150", "223",
                                 "縦の定規の長さは 181.9 mm から 222.2 mm の間で入力してください。",
                                 "MeasuredYEd"},
                    TRefusedCase{"VerticalEmpty", "150", "",
                                 "縦の定規の長さは 181.9 mm から 222.2 mm の間で入力してください。",
                                 "MeasuredYEd"}),
    [](const testing::TestParamInfo<TRefusedCase>& info) { return info.param.Name; });

} // namespace

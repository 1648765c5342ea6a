// Tests of the print settings dialog: its captions and fields, the margins
// and the partner page option shown and read back, the printer's setup behind
// its button and how it closes.
#include "print_set_dlg.h"
#include "sheet_test_fakes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

class PrintSetDlgTest : public testing::Test {
protected:
    TFakePrinter Printer;
    TPrintSetDlg Dlg{Printer};

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
    void Enter(const char* name, const QString& text) const { Field(name)->setText(text); }

    // Shows the dialog modally and clicks the button once it is up.
    bool ShowAndClick(const char* button) {
        QTimer::singleShot(0, &Dlg, [this, button] {
            EXPECT_TRUE(Dlg.isVisible());
            Button(button)->click();
        });
        return Dlg.ShowModal();
    }
};

TEST_F(PrintSetDlgTest, ShowsTheMarginGroupAndItsButtons) {
    EXPECT_EQ(Dlg.windowTitle(), QStringLiteral("印刷設定"));
    const auto* group = Dlg.findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("余白設定(mm)"));
    EXPECT_EQ(Button("Button1")->text(), QStringLiteral("プリンタ設定"));
    EXPECT_EQ(Button("OKBtn")->text(), QStringLiteral("OK"));
    EXPECT_EQ(Button("Button2")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    EXPECT_TRUE(Button("OKBtn")->isDefault());

    // Top, left, right and bottom from the top of the group down, each with its label.
    Dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Dlg));
    std::vector<std::pair<int, QString>> rows;
    for (const QLabel* label : group->findChildren<QLabel*>())
        rows.emplace_back(label->buddy()->y(),
                          label->text() + QStringLiteral(":") + label->buddy()->objectName());
    std::sort(rows.begin(), rows.end());
    QStringList order;
    for (const auto& row : rows)
        order << row.second;
    EXPECT_EQ(order.join(u' ').toStdString(),
              "上:TYohakuEd 左:LYohakuEd 右:RYohakuEd 下:BYohakuEd");
}

TEST_F(PrintSetDlgTest, MarginsAreShownInTwoColumns) {
    Dlg.LoadMargins(TPageMargins{5, -3, 12, 100});
    EXPECT_EQ(Field("TYohakuEd")->text(), QStringLiteral(" 5"));
    EXPECT_EQ(Field("BYohakuEd")->text(), QStringLiteral("-3"));
    EXPECT_EQ(Field("LYohakuEd")->text(), QStringLiteral("12"));
    EXPECT_EQ(Field("RYohakuEd")->text(), QStringLiteral("100"));
    EXPECT_EQ(Dlg.ReadMargins(), (TPageMargins{5, -3, 12, 100}));
}

TEST_F(PrintSetDlgTest, WhatIsNotAWholeNumberReadsAsZeroAndNothingIsRangeChecked) {
    const struct {
        QString Text;
        int Margin;
    } cases[] = {{"ab", 0},    {"-5", -5},
                 {" 7 ", 7},   {"3.5", 0},
                 {"", 0},      {"12mm", 0},
                 {"+4", 4},    {"99999999999", 0},
                 {"500", 500}, {"-2147483648", -2147483647 - 1}};
    for (const auto& c : cases) {
        Enter("LYohakuEd", c.Text);
        EXPECT_EQ(Dlg.ReadMargins().Left, c.Margin) << c.Text.toStdString();
    }
    Enter("TYohakuEd", "1");
    Enter("BYohakuEd", "2");
    Enter("LYohakuEd", "x");
    Enter("RYohakuEd", "4");
    EXPECT_EQ(Dlg.ReadMargins(), (TPageMargins{1, 2, 0, 4}));
}

TEST_F(PrintSetDlgTest, ThePartnerPageBoxIsShownUnderTheMarginsAndReadBack) {
    auto* box = Dlg.findChild<QCheckBox*>(QStringLiteral("PartnerPageChk"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("相手ページを印字"));
    EXPECT_FALSE(Dlg.ReadPartnerPages());
    Dlg.LoadPartnerPages(true);
    EXPECT_TRUE(box->isChecked());
    box->click();
    EXPECT_FALSE(Dlg.ReadPartnerPages());
    box->click();
    EXPECT_TRUE(Dlg.ReadPartnerPages());

    Dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Dlg));
    const QWidget* group = Dlg.findChild<QGroupBox*>();
    EXPECT_GT(box->y(), group->geometry().bottom());
}

TEST_F(PrintSetDlgTest, ThePrinterButtonOpensThePrintersSetupAndTheDialogStaysOpen) {
    Printer.SetupDialog = [] { return true; };
    QTimer::singleShot(0, &Dlg, [this] {
        Button("Button1")->click();
        EXPECT_TRUE(Dlg.isVisible());
        EXPECT_EQ(Printer.SetupCount, 1);
        Button("Button2")->click();
    });
    EXPECT_FALSE(Dlg.ShowModal());
    EXPECT_EQ(Printer.SetupCount, 1);
}

TEST_F(PrintSetDlgTest, OkAndEnterConfirmCancelAndEscapeDoNot) {
    EXPECT_TRUE(ShowAndClick("OKBtn"));
    EXPECT_FALSE(ShowAndClick("Button2"));

    QTimer::singleShot(0, &Dlg, [this] { QTest::keyClick(Field("RYohakuEd"), Qt::Key_Return); });
    EXPECT_TRUE(Dlg.ShowModal());
    QTimer::singleShot(0, &Dlg, [this] { QTest::keyClick(&Dlg, Qt::Key_Escape); });
    EXPECT_FALSE(Dlg.ShowModal());
    EXPECT_EQ(Printer.SetupCount, 0);
}

} // namespace

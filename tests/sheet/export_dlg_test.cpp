// Tests of the export dialog: the page and DXF version choice it is given is
// shown, the one the user makes comes back, and Cancel changes nothing.
#include "export_dlg.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

class ExportDlgTest : public testing::Test {
protected:
    TExportDlg Dlg;

    template <class TWidget> TWidget* Child(const char* name) const {
        auto* child = Dlg.findChild<TWidget*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    bool Choose(TExportChoice& choice, const std::function<void()>& user) {
        QTimer::singleShot(0, &Dlg, [this, user] {
            EXPECT_TRUE(Dlg.isVisible());
            user();
            if (Dlg.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                Dlg.reject();
            }
        });
        return Dlg.Choose(choice);
    }
};

TEST_F(ExportDlgTest, ShowsTheChoiceItIsGivenAndReturnsTheOneMade) {
    TExportChoice choice{TExportPages::All, true};
    bool allShown = false;
    bool r12Shown = false;
    ASSERT_TRUE(Choose(choice, [&] {
        allShown = Child<QRadioButton>("AllPagesRb")->isChecked();
        r12Shown = Child<QCheckBox>("DxfR12Chk")->isChecked();
        Child<QRadioButton>("CurrentPageRb")->setChecked(true);
        Child<QCheckBox>("DxfR12Chk")->setChecked(false);
        Child<QPushButton>("OKBtn")->click();
    }));
    EXPECT_TRUE(allShown);
    EXPECT_TRUE(r12Shown);
    EXPECT_EQ(choice, (TExportChoice{TExportPages::Current, false}));
    EXPECT_EQ(Dlg.windowTitle(), QStringLiteral("エクスポート"));
    EXPECT_EQ(Child<QRadioButton>("CurrentPageRb")->text(), QStringLiteral("現在のページ"));
    EXPECT_EQ(Child<QRadioButton>("AllPagesRb")->text(), QStringLiteral("全てのページ"));
}

TEST_F(ExportDlgTest, CancelKeepsTheChoice) {
    TExportChoice choice;
    EXPECT_FALSE(Choose(choice, [&] {
        Child<QRadioButton>("AllPagesRb")->setChecked(true);
        Child<QCheckBox>("DxfR12Chk")->setChecked(true);
        Child<QPushButton>("CancelBtn")->click();
    }));
    EXPECT_EQ(choice, TExportChoice{});
}

} // namespace

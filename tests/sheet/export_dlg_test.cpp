// Tests of the export dialog: the page choice it is given is shown, the one
// the user makes comes back, and Cancel changes nothing.
#include "export_dlg.h"

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
    bool Choose(TExportPages& pages, const std::function<void()>& user) {
        QTimer::singleShot(0, &Dlg, [this, user] {
            EXPECT_TRUE(Dlg.isVisible());
            user();
            if (Dlg.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                Dlg.reject();
            }
        });
        return Dlg.ChoosePages(pages);
    }
};

TEST_F(ExportDlgTest, ShowsTheChoiceItIsGivenAndReturnsTheOneMade) {
    TExportPages pages = TExportPages::All;
    bool allShown = false;
    ASSERT_TRUE(Choose(pages, [&] {
        allShown = Child<QRadioButton>("AllPagesRb")->isChecked();
        Child<QRadioButton>("CurrentPageRb")->setChecked(true);
        Child<QPushButton>("OKBtn")->click();
    }));
    EXPECT_TRUE(allShown);
    EXPECT_EQ(pages, TExportPages::Current);
    EXPECT_EQ(Dlg.windowTitle(), QStringLiteral("エクスポート"));
    EXPECT_EQ(Child<QRadioButton>("CurrentPageRb")->text(), QStringLiteral("現在のページ"));
    EXPECT_EQ(Child<QRadioButton>("AllPagesRb")->text(), QStringLiteral("全てのページ"));
}

TEST_F(ExportDlgTest, CancelKeepsTheChoice) {
    TExportPages pages = TExportPages::Current;
    EXPECT_FALSE(Choose(pages, [&] {
        Child<QRadioButton>("AllPagesRb")->setChecked(true);
        Child<QPushButton>("CancelBtn")->click();
    }));
    EXPECT_EQ(pages, TExportPages::Current);
}

} // namespace

// Tests of the 3D model import dialog: the file's own size and the values
// offered, what OK gives back in millimetres and radians, and values out of
// range refused with a message while the dialog stays open.
#include "fakes/fake_prompt.h"
#include "geometry/angles.h"
#include "mesh_import_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class MeshImportDlgTest : public testing::Test {
protected:
    TFakePrompt Prompt;
    TMeshImportDlg Dlg{Prompt};

    QLineEdit* Field(const char* name) const {
        auto* field = Dlg.findChild<QLineEdit*>(QLatin1String(name));
        EXPECT_NE(field, nullptr) << name;
        return field;
    }
    // Shows the dialog and does each step in turn once it is up; the last
    // step must close it.
    bool Ask(TMeshImportOptions& options, std::vector<std::function<void()>> steps) {
        QTimer::singleShot(0, &Dlg, [this, steps] {
            for (const auto& step : steps)
                step();
            if (Dlg.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                Dlg.reject();
            }
        });
        return Dlg.AskOptions(QStringLiteral("ball.obj"), 2.5L, options);
    }
    std::function<void()> Enter(const char* field, const char* text) {
        return [this, field, text] { Field(field)->setText(QString::fromUtf8(text)); };
    }
    std::function<void()> Click(const char* button) {
        return [this, button] { Dlg.findChild<QPushButton*>(QLatin1String(button))->click(); };
    }
};

TMeshImportOptions Offered() {
    TMeshImportOptions options;
    options.Size = 2.5L;
    options.TabWidth = 3;
    options.TabAngle1 = DegToRad(45);
    options.TabAngle2 = DegToRad(60);
    return options;
}

} // namespace

TEST_F(MeshImportDlgTest, OffersTheValuesGivenAndTheFilesOwnSize) {
    TMeshImportOptions options = Offered();
    std::vector<QString> shown;
    EXPECT_FALSE(Ask(options, {[&] {
                                   shown.push_back(Dlg.findChild<QLabel*>("FileLbl")->text());
                                   for (const char* name : {"SizeEd", "TabWidthEd", "TabAngle1Ed",
                                                            "TabAngle2Ed", "FlatAngleEd"})
                                       shown.push_back(Field(name)->text());
                               },
                               Click("CancelBtn")}));
    EXPECT_EQ(Dlg.windowTitle(), QStringLiteral("3Dモデルの読み込み"));
    EXPECT_EQ(shown, (std::vector<QString>{
                         QStringLiteral("ball.obj\nファイルの単位を mm とすると、最も長い寸法は "
                                        "2.5 mm です。"),
                         "2.5", "3", "45", "60", "0.5"}));
    EXPECT_EQ(options.Size, 2.5L);
}

TEST_F(MeshImportDlgTest, OkGivesTheValuesInMillimetresAndRadians) {
    TMeshImportOptions options = Offered();
    options.AreaWidth = 190;
    EXPECT_TRUE(Ask(options, {Enter("SizeEd", " 120 "), Enter("TabWidthEd", "7.5"),
                              Enter("TabAngle1Ed", "90"), Enter("TabAngle2Ed", "30"),
                              Enter("FlatAngleEd", "0"), Click("OKBtn")}));
    EXPECT_EQ(options.Size, 120);
    EXPECT_EQ(options.TabWidth, 7.5L);
    EXPECT_EQ(options.TabAngle1, DegToRad(90));
    EXPECT_EQ(options.TabAngle2, DegToRad(30));
    EXPECT_EQ(options.FlatAngle, 0);
    EXPECT_EQ(options.AreaWidth, 190); // what the dialog does not show stays
    EXPECT_TRUE(Prompt.Errors.empty());
}

TEST_F(MeshImportDlgTest, AValueOutOfRangeIsRefusedAndTheDialogStaysOpen) {
    const struct {
        const char* Field;
        const char* Text;
        QString Message;
    } cases[] = {
        {"SizeEd", "0",
         QStringLiteral("モデルの大きさは0 より大きく 10000 mm 以下で入力してください。")},
        {"SizeEd", "10000.5",
         QStringLiteral("モデルの大きさは0 より大きく 10000 mm 以下で入力してください。")},
        {"SizeEd", "12,5",
         QStringLiteral("モデルの大きさは0 より大きく 10000 mm 以下で入力してください。")},
        {"TabWidthEd", "-1",
         QStringLiteral("糊代の幅は0 より大きく 99 mm 以下で入力してください。")},
        {"TabAngle1Ed", "0",
         QStringLiteral("糊代の角度1は0 より大きく 90 度以下で入力してください。")},
        {"TabAngle2Ed", "90.01",
         QStringLiteral("糊代の角度2は0 より大きく 90 度以下で入力してください。")},
        {"FlatAngleEd", "-0.1",
         QStringLiteral("平らとみなす角度は0 度から 10 度までで入力してください。")},
        {"FlatAngleEd", "abc",
         QStringLiteral("平らとみなす角度は0 度から 10 度までで入力してください。")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Field) + " " + c.Text);
        Prompt.Errors.clear();
        TMeshImportOptions options = Offered();
        bool stayedOpen = false;
        QString focused;
        EXPECT_FALSE(Ask(options, {Enter(c.Field, c.Text), Click("OKBtn"),
                                   [&] {
                                       stayedOpen = Dlg.isVisible();
                                       focused = Dlg.focusWidget() != nullptr
                                                     ? Dlg.focusWidget()->objectName()
                                                     : QString();
                                   },
                                   Click("CancelBtn")}));
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(focused, QLatin1String(c.Field));
        ASSERT_EQ(Prompt.Errors.size(), 1u);
        EXPECT_EQ(Prompt.Errors[0].Title, ErrorTitle());
        EXPECT_EQ(Prompt.Errors[0].Text, c.Message);
        EXPECT_EQ(options.Size, 2.5L); // a cancel keeps what was offered
    }
}

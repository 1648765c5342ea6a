// Tests of the shape editor's flange command and information monitor driven
// through its menu: the flange dialog worked by a stand-in runner as a user
// would, its questions answered by the prompt stand-in, what it offers and
// what it hands the model.
#include "editor_fixture.h"
#include "fake_dialog_runner.h"
#include "fake_flange_lookup.h"

#include "flange_dlg.h"
#include "geometry/angles.h"
#include "polygon_info_dlg.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableView>

#include <cmath>

namespace {

constexpr std::string_view At200 = "20000";

const TPolygon Square40 = Square(40, {20, 20}); // (20, 20) to (60, 60)

class EditorFlangeTest : public EditorTest {
protected:
    TFlangeDlg FlangeDlg{Prompt};
    std::unique_ptr<TPolygonInfoDlg> Monitor = std::make_unique<TPolygonInfoDlg>(TIniFile{});
    TFakeDialogRunner Dialogs;
    TFakeFlangeLookup Lookup;

    void TearDown() override {
        EditorTest::TearDown();
        EXPECT_TRUE(Dialogs.Answers.empty());
        EXPECT_TRUE(Prompt.Answers.empty());
    }

    TMkPolygonFm& Edit(const TPolygon& shape) {
        ShowEditing(shape, At200);
        TEditorDialogs dialogs;
        dialogs.Runner = &Dialogs;
        dialogs.Monitor = Monitor.get();
        dialogs.Flange = &FlangeDlg;
        Fm->SetDialogs(dialogs);
        Fm->SetFlangeNames({"A", "B"}, &Lookup);
        return *Fm;
    }
    const TPolygon& Working() const { return Fm->Model().Polygon(); }
    void SelectSide(int j, int k) {
        Click(Working().Apexes[j]);
        Click(Working().Apexes[k], Qt::ControlModifier);
        Later();
    }
    void Flange() {
        Item("FlangeMi")->trigger();
        Later();
    }
    QStringList Offered; // the width, angles and name the last dialog offered

    void Remember(QDialog& dialog) {
        Offered.clear();
        for (const char* name : {"Edit1", "Edit2", "Edit3"})
            Offered << FieldOf(dialog, name)->text();
        Offered << dialog.findChild<QComboBox*>(QStringLiteral("FlangeName"))->currentText();
    }
    // Types into the fields, then presses the dialog's own OK, whose checks decide.
    TFakeDialogRunner::TAnswer PressOk(std::vector<std::pair<const char*, QString>> entries = {}) {
        return [this, entries = std::move(entries)](QDialog& dialog) {
            Remember(dialog);
            for (const auto& [name, text] : entries)
                TypeInto(dialog, name, text);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkBtn")),
                              Qt::LeftButton);
            return dialog.result() == QDialog::Accepted;
        };
    }
    // Picks a name from the list as a user does; the dialog asks and presses OK.
    TFakeDialogRunner::TAnswer PickName(const QString& name) {
        return [this, name](QDialog& dialog) {
            Remember(dialog);
            QComboBox* names = dialog.findChild<QComboBox*>(QStringLiteral("FlangeName"));
            const int index = names->findText(name);
            EXPECT_GE(index, 0) << name.toStdString();
            names->setCurrentIndex(index);
            emit names->activated(index);
            return dialog.result() == QDialog::Accepted;
        };
    }

    QString MonitorCell(int row, int column) const {
        const QAbstractItemModel* cells =
            Monitor->findChild<QTableView*>(QStringLiteral("StringGrid1"))->model();
        return cells->data(cells->index(row, column)).toString();
    }
};

} // namespace

TEST_F(EditorFlangeTest, OneSideTakesTheFlangeAndItsWidthBecomesTheDefault) {
    TMkPolygonFm& fm = Edit(Square40);
    SelectSide(1, 2);
    Dialogs.Answers = {PressOk({{"Edit1", "5"}, {"Edit2", "60"}})};
    FlangeDlg.findChild<QComboBox*>(QStringLiteral("FlangeName"))->setEditText("X");
    Flange();
    EXPECT_EQ(Dialogs.Captions, QStringList({QStringLiteral("糊代設定（１辺）")}));
    EXPECT_EQ(Offered, QStringList({"3.00", "45.00", "45.00", ""}))
        << "a side without a flange is offered the defaults without a name";
    const TFlange& flange = Working().Flanges[1];
    EXPECT_EQ(flange.Width, 5);
    EXPECT_NEAR(static_cast<double>(flange.Angle1), static_cast<double>(Pi / 3), 1e-15);
    EXPECT_EQ(fm.Model().FlangeWidth(), 5);

    // The flanged side now offers its own flange, and width 0 takes it away
    // without touching the defaults.
    Dialogs.Answers = {PressOk({{"Edit1", "0"}})};
    Flange();
    EXPECT_EQ(Offered, QStringList({"5.00", "60.00", "45.00", ""}));
    EXPECT_EQ(Working().Flanges[1].Width, 0);
    EXPECT_EQ(fm.Model().FlangeWidth(), 5);
}

// A side without a flange may carry a joint mark: the dialog shows it with
// the defaults, OK keeps it, and the monitor lists it.
TEST_F(EditorFlangeTest, ABareSidesMarkIsShownAndKept) {
    TPolygon marked = Square40;
    marked.Flanges[1] = MakeFlange("4", 0, 0, 0);
    Edit(marked);
    Item("PInfoMi")->trigger();
    EXPECT_EQ(MonitorCell(1, 5), QStringLiteral("4"));
    EXPECT_EQ(MonitorCell(1, 4), QStringLiteral("0:0:0"));
    SelectSide(1, 2);
    Dialogs.Answers = {PressOk()};
    Flange();
    EXPECT_EQ(Offered, QStringList({"3.00", "45.00", "45.00", "4"}));
    EXPECT_EQ(Working().Flanges[1].Name, "4");
    EXPECT_EQ(Working().Flanges[1].Width, 3);

    // Width 0 takes the flange away and leaves the mark.
    Dialogs.Answers = {PressOk({{"Edit1", "0"}})};
    Flange();
    EXPECT_EQ(Working().Flanges[1].Name, "4");
    EXPECT_EQ(Working().Flanges[1].Width, 0);
    EXPECT_EQ(MonitorCell(1, 5), QStringLiteral("4"));
}

TEST_F(EditorFlangeTest, RefusedOrCancelledDialogChangesNothing) {
    TMkPolygonFm& fm = Edit(Square40);
    SelectSide(0, 1);
    const int entries = fm.Model().History().Count();
    Dialogs.Answers = {PressOk({{"Edit1", "abc"}})};
    Flange();
    EXPECT_EQ(Prompt.Errors.size(), 1u);
    Prompt.Errors.clear(); // the one refusal is expected
    Dialogs.Answers = {Cancel()};
    Flange();
    EXPECT_EQ(Working(), Square40);
    EXPECT_EQ(fm.Model().History().Count(), entries);
    EXPECT_EQ(fm.Model().FlangeWidth(), 3);
}

TEST_F(EditorFlangeTest, AllSidesTakeTheWidthWithoutAName) {
    TPolygon named = Square40;
    named.Flanges[0] = MakeFlange("A", 2, Pi / 4, Pi / 4);
    named.Flanges[2] = MakeFlange("B", 0, Pi / 4, Pi / 4);
    TMkPolygonFm& fm = Edit(named);
    ASSERT_EQ(fm.Model().SelApex(), NoSelApex);
    Dialogs.Answers = {PressOk({{"Edit1", "7"}})};
    Flange();
    EXPECT_EQ(Dialogs.Captions, QStringList({QStringLiteral("糊代設定（一括）")}));
    EXPECT_FALSE(FlangeDlg.findChild<QComboBox*>(QStringLiteral("FlangeName"))->isEnabled());
    for (int side = 0; side < 4; ++side)
        EXPECT_EQ(Working().Flanges[side].Width, 7) << side;
    EXPECT_EQ(Working().Flanges[0].Name, "A");
    EXPECT_EQ(Working().Flanges[2].Name, "B");
}

TEST_F(EditorFlangeTest, NamePickedFromAnotherShapeSetsItsParametersAndLength) {
    Lookup.Flanges["B"] = {MakeFlange("B", 6, Pi / 6, Pi / 3), 25};
    Edit(Square40);
    SelectSide(0, 1);
    Prompt.Answers = {TPromptAnswer::Yes, TPromptAnswer::Yes};
    Dialogs.Answers = {PickName("B")};
    Flange();
    const TFlange& flange = Working().Flanges[0];
    EXPECT_EQ(flange.Name, "B");
    EXPECT_EQ(flange.Width, 6);
    EXPECT_NEAR(static_cast<double>(PointDistance(Working().Apexes[0], Working().Apexes[1])), 25,
                1e-12);
    EXPECT_EQ(Working().Apexes[0], Square40.Apexes[0]) << "the second selected vertex moves";
}

TEST_F(EditorFlangeTest, MonitorFollowsItsSwitchTheRunAndEveryChange) {
    TMkPolygonFm& fm = Edit(Square40);
    EXPECT_FALSE(Monitor->isVisible());
    Item("PInfoMi")->trigger();
    EXPECT_TRUE(Monitor->isVisible());
    EXPECT_EQ(MonitorCell(1, 0), QStringLiteral("  60.0/  20.0"));

    Dialogs.Answers = {PressOk({{"Edit1", "5"}})};
    Flange();
    EXPECT_EQ(MonitorCell(0, 4), QStringLiteral("5:45:45"));
    SelectSide(2, 3);
    EXPECT_EQ(Monitor->SelApex0(), 2);
    EXPECT_EQ(Monitor->SelApex1(), 3);

    // Closing the editor closes the monitor; the next run shows it again.
    fm.close();
    EXPECT_FALSE(Monitor->isVisible());
    fm.SetPolygon(Triangle(30));
    fm.show();
    EXPECT_TRUE(Monitor->isVisible());
    EXPECT_EQ(MonitorCell(2, 0), QStringLiteral("   0.0/  30.0"));

    // Its own close box hides it and leaves the switch on: the next click
    // switches it off, the one after shows it.
    Monitor->close();
    EXPECT_TRUE(Item("PInfoMi")->isChecked());
    Item("PInfoMi")->trigger();
    EXPECT_FALSE(Item("PInfoMi")->isChecked());
    EXPECT_FALSE(Monitor->isVisible());
    Item("PInfoMi")->trigger();
    EXPECT_TRUE(Monitor->isVisible());
}

// A long random editing run through the editor's menu and mouse: drawing,
// vertex drags with and without the length switch, moving and turning the
// shape, inserting and deleting vertices, fold lines, mirror, resize, the four
// numeric settings and flanges. Undoing everything must give the starting
// shape back exactly, and redoing everything the final one.
#include "editor_fixture.h"
#include "fake_dialog_runner.h"

#include "flange_dlg.h"
#include "nset_line_angle_dlg.h"
#include "nset_line_length_dlg.h"
#include "nset_point_angle_dlg.h"
#include "nset_point_pos_dlg.h"
#include "polygon_info_dlg.h"

#include <QPushButton>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

class EditorRandomTest : public EditorTest {
protected:
    TNSetPointPosDlg PointPosDlg;
    TNSetLineLengthDlg LineLengthDlg;
    TNSetPointAngleDlg PointAngleDlg;
    TNSetLineAngleDlg LineAngleDlg;
    TFlangeDlg FlangeDlg{Prompt};
    TFakeDialogRunner Dialogs;
    std::mt19937 Random;

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Random); }
    long double Real(long double low, long double high) {
        return std::uniform_real_distribution<long double>(low, high)(Random);
    }
    QString Number(long double low, long double high) {
        return QString::number(static_cast<double>(Real(low, high)), 'f', Int(0, 3));
    }

    void Start(unsigned seed) {
        Random.seed(seed);
        TPolygon shape;
        const int n = Int(3, 7);
        const TPointF centre = PointF(Real(60, 100), Real(60, 100));
        for (int i = 0; i < n; ++i) {
            const long double angle = 2 * Pi * i / n + Real(-0.3L, 0.3L);
            const long double radius = Real(15, 40);
            shape.Apexes.push_back(
                PointF(centre.X + radius * std::cos(angle), centre.Y + radius * std::sin(angle)));
            shape.Flanges.push_back(Int(0, 2) == 0 ? MakeFlange("A", 4, Pi / 4, Pi / 3)
                                                   : TFlange());
        }
        ShowEditing(shape, "20000");
        TEditorDialogs dialogs{&Dialogs, &PointPosDlg, &LineLengthDlg, &PointAngleDlg,
                               &LineAngleDlg};
        dialogs.Flange = &FlangeDlg;
        Fm->SetDialogs(dialogs);
    }

    const TDaPointF& Apexes() const { return Fm->WorkingPolygon().Apexes; }
    TPointF AnyApex() { return Apexes()[Int(0, static_cast<int>(Apexes().size()) - 1)]; }
    TPointF Near(const TPointF& p, long double reach) {
        return PointF(p.X + Real(-reach, reach), p.Y + Real(-reach, reach));
    }

    void SelectSomething() {
        switch (Int(0, 3)) {
        case 0:
            Click(AnyApex());
            break;
        case 1:
            Click(AnyApex());
            Click(AnyApex(), Qt::ControlModifier);
            break;
        case 2: {
            const int i = Int(0, static_cast<int>(Apexes().size()) - 1);
            const TPointF a = Apexes()[i];
            const TPointF b = Apexes()[(i + 1) % Apexes().size()];
            Click(PointF((a.X + b.X) / 2, (a.Y + b.Y) / 2));
            break;
        }
        default:
            Click(PointF(180, 260)); // far from the shape: nothing
            break;
        }
    }

    // Runs the item when the selection enables it; its dialog is answered by
    // typing a value and pressing OK.
    void Trigger(const char* name, TFakeDialogRunner::TAnswer answer = {}) {
        QAction* action = Item(name);
        if (!action->isEnabled())
            return;
        const bool dialog = static_cast<bool>(answer);
        if (dialog)
            Dialogs.Answers.push_back(std::move(answer));
        action->trigger();
        if (dialog && !Dialogs.Answers.empty())
            Dialogs.Answers.clear(); // the command turned out not to open it
    }

    TFakeDialogRunner::TAnswer Type(const QString& text, int checkBox = -1) {
        return [text, checkBox](QDialog& dialog) {
            if (checkBox >= 0)
                dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(checkBox);
            TypeInto(dialog, "Edit1", text);
            return true;
        };
    }
    TFakeDialogRunner::TAnswer TypeTwo(const QString& x, const QString& y) {
        return TypeAndAccept({{"Edit1", x}, {"Edit2", y}});
    }
    // A flange the dialog's own OK accepts, refusal included: a refused one
    // leaves the dialog cancelled.
    TFakeDialogRunner::TAnswer FlangeEntry() {
        return [this](QDialog& dialog) {
            TypeInto(dialog, "Edit1", Number(0, 8));
            TypeInto(dialog, "Edit2", Number(10, 90));
            TypeInto(dialog, "Edit3", Number(10, 90));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkBtn")),
                              Qt::LeftButton);
            Prompt.Errors.clear();
            return dialog.result() == QDialog::Accepted;
        };
    }

    void Command() {
        Ticks.Time += static_cast<std::uint32_t>(Int(150, 3000));
        SelectSomething();
        Ticks.Time += static_cast<std::uint32_t>(Int(150, 3000));
        switch (Int(0, 13)) {
        case 0:
        case 1: { // drag a vertex, sometimes keeping the side lengths
            if (Int(0, 2) == 0)
                Item("FixSegLenMi")->trigger();
            const TPointF from = AnyApex();
            Drag(from, Near(from, 8));
            break;
        }
        case 2: { // move or turn the whole shape
            TPointF centroid;
            if (PolygonCentroid(Apexes(), centroid) > 0)
                Drag(Near(centroid, 20), Near(centroid, 25));
            break;
        }
        case 3:
            Trigger("ApexInsertMi");
            break;
        case 4:
            Trigger("ApexDelMi");
            break;
        case 5:
            Trigger(Int(0, 1) == 0 ? "BendLine1Mi" : "BendLine2Mi");
            break;
        case 6:
            Trigger("ReverseMi");
            break;
        case 7:
            Prompt.Entries.push_back(Number(50, 200));
            Trigger("PolygonResizeMi");
            Prompt.Entries.clear();
            break;
        case 8:
            Trigger("NSetPp", TypeTwo(Number(20, 150), Number(20, 150)));
            break;
        case 9:
            Trigger("NSetPa", Type(Number(30, 200)));
            break;
        case 10:
            Trigger("NSetLl", Type(Number(5, 60)));
            break;
        case 11:
            Trigger("NSetLa", Type(Number(-180, 180), Int(0, 1)));
            break;
        default:
            Trigger("FlangeMi", FlangeEntry());
            break;
        }
    }
};

} // namespace

TEST_F(EditorRandomTest, UndoingAndRedoingARandomRunComesBackExactly) {
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::printf("editor random run, seed %u\n", seed);
        Start(seed);
        const TPolygon start = Fm->WorkingPolygon();
        for (int i = 0; i < 300; ++i)
            Command();
        const TPolygon end = Fm->WorkingPolygon();
        ASSERT_NE(end, start) << "the run changed nothing";

        int steps = 0;
        while (Fm->EditHistory().Cursor() > 0) {
            Later();
            Undo();
            ++steps;
        }
        EXPECT_GT(steps, 100);
        EXPECT_EQ(Fm->WorkingPolygon(), start);
        while (Fm->EditHistory().Cursor() < Fm->EditHistory().Count()) {
            Later();
            Redo();
        }
        EXPECT_EQ(Fm->WorkingPolygon(), end);
        Fm->close();
    }
}

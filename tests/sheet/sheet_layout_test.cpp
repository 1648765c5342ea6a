// Tests of the sheet's layout command and of where new and pasted shapes land:
// the layout dialog on its own, the command through the dialog as a person
// gives it (its one undo step, cancel, pieces too large, when it is offered),
// pasted copies beside their original, the word on the status line when a
// page has no room, and shapes larger than the page refused.
#include "sheet_fixture.h"

#include "geometry/flange_outline.h"
#include "layout_dlg.h"
#include "long_task.h"
#include "placement/outline_clearance.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>

namespace {

std::string BlockOf(const TPolygon& shape) {
    std::string block;
    EXPECT_TRUE(PolygonToText(shape, block));
    return block;
}

// Pieces drawn on top of each other, with flanges on some sides.
TPolygonTbl Pieces(int count) {
    TPolygonTbl pieces;
    for (int k = 0; k < count; ++k) {
        TPolygon piece = k % 2 == 0 ? Rect(20 + k % 5 * 5, 15 + k % 3 * 6, {10, 10})
                                    : Triangle(25 + k % 4 * 5, {30, 20});
        piece.Flanges[k % 3] = MakeFlange("", 5, Pi / 4, Pi / 4);
        pieces.push_back(piece);
    }
    return pieces;
}

// Every shape of the page inside the white area and at least gap from the
// others.
void ExpectApart(const TPolygonTbl& page, long double gap) {
    for (std::size_t i = 0; i < page.size(); ++i) {
        const TDaPointF outline = OutlineWithFlanges(page[i]);
        for (const TPointF& p : outline) {
            EXPECT_TRUE(p.X > 0 && p.X < 170 && p.Y > 0 && p.Y < 257) << "shape " << i;
        }
        for (std::size_t j = i + 1; j < page.size(); ++j)
            EXPECT_GE(OutlineDistance(outline, OutlineWithFlanges(page[j])), gap)
                << "shapes " << i << " and " << j;
    }
}

// Once armed, stops the work at its first report, as the cancel button does,
// and counts the runs; before, it lets the work (opening the drawing) finish.
class TCancellingLongTask : public ILongTask {
public:
    bool Armed = false;
    int Runs = 0;
    TLongTaskEnd Run(const QString&, const TLongWork& work) override {
        Runs += Armed ? 1 : 0;
        const bool armed = Armed;
        return work([armed](double) { return !armed; }) ? TLongTaskEnd::Finished
                                                        : TLongTaskEnd::Cancelled;
    }
};

template <class TWidget> TWidget* Child(const QWidget& parent, const char* name) {
    auto* child = parent.findChild<TWidget*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

class LayoutDlgTest : public testing::Test {
protected:
    TFakePrompt Prompt;
    TLayoutDlg Dlg{Prompt};

    bool Choose(TLayoutSettings& settings, bool hasSelection, const std::function<void()>& user) {
        QTimer::singleShot(0, &Dlg, [this, user] {
            EXPECT_TRUE(Dlg.isVisible());
            user();
            if (Dlg.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                Dlg.reject();
            }
        });
        return Dlg.ChooseLayout(settings, hasSelection);
    }
    template <class TWidget> TWidget* Control(const char* name) const {
        return Child<TWidget>(Dlg, name);
    }
};

// The sheet with the layout dialog and the long work run where it is asked.
class SheetLayoutTest : public SheetWindowTest {
protected:
    TLayoutDlg LayoutDlg{Prompt};
    TInlineLongTask Inline;

    void SetUp() override {
        WriteFile(SettingsPath(), TenMillimetreMargins);
        Ticks.Time = 1000;
        Dialogs.Layout = &LayoutDlg;
        LongTask = &Inline;
        Start();
    }
    // The layout command given through its dialog: user sets the dialog up
    // before OK is pressed.
    void LayOut(const std::function<void()>& user) {
        bool shown = false;
        QTimer::singleShot(0, &LayoutDlg, [&] {
            shown = LayoutDlg.isVisible();
            user();
            Child<QPushButton>(LayoutDlg, "OKBtn")->click();
            if (LayoutDlg.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                LayoutDlg.reject();
            }
        });
        Later();
        Trigger("LayoutMi");
        EXPECT_TRUE(shown);
    }
    void Choose(const char* scope) { Child<QRadioButton>(LayoutDlg, scope)->setChecked(true); }
    void Paste(QPoint pointer) {
        PutPointerAt(pointer);
        Later();
        Trigger("PolygonPasteMi");
    }
    QString StatusWord() const {
        return Fm->findChild<QLabel*>(QStringLiteral("StatusPanel1"))->text();
    }
};

} // namespace

TEST_F(LayoutDlgTest, ShowsTheSettingsGivenAndReturnsTheChoiceMade) {
    TLayoutSettings settings{TLayoutScope::Selection, 2.5L, TLayoutRotations::HalfTurns, true};
    ASSERT_TRUE(Choose(settings, false, [&] {
        // Without a selection the selected shapes cannot be chosen.
        EXPECT_FALSE(Control<QRadioButton>("SelectionRb")->isEnabled());
        EXPECT_TRUE(Control<QRadioButton>("CurrentPageRb")->isChecked());
        EXPECT_EQ(Control<QLineEdit>("GapEd")->text(), QStringLiteral("2.5"));
        EXPECT_EQ(Control<QComboBox>("RotationsCb")->currentText(), QStringLiteral("180度ずつ"));
        EXPECT_TRUE(Control<QCheckBox>("MirrorChk")->isChecked());

        Control<QRadioButton>("AllPagesRb")->setChecked(true);
        Control<QComboBox>("RotationsCb")->setCurrentIndex(3);
        Control<QCheckBox>("MirrorChk")->setChecked(false);
        for (const char* refused : {"20.5", "-1", "x"}) {
            Control<QLineEdit>("GapEd")->setText(QLatin1String(refused));
            Control<QPushButton>("OKBtn")->click();
            EXPECT_TRUE(Dlg.isVisible()) << refused;
        }
        Control<QLineEdit>("GapEd")->setText(QStringLiteral("20"));
        Control<QPushButton>("OKBtn")->click();
    }));
    EXPECT_EQ(settings, (TLayoutSettings{TLayoutScope::AllPages, 20,
                                         TLayoutRotations::Every15Degrees, false}));
    ASSERT_EQ(Prompt.Errors.size(), 3u);
    EXPECT_EQ(Prompt.Errors[0].Text,
              QStringLiteral("図形の間隔は 0 mm から 20 mm の間で入力してください。"));
    EXPECT_EQ(Dlg.windowTitle(), QStringLiteral("自動配置"));
    EXPECT_FALSE(Control<QLabel>("MirrorNoteLbl")->text().isEmpty());

    // Cancel keeps what was given.
    const TLayoutSettings given = settings;
    EXPECT_FALSE(Choose(settings, true, [&] {
        EXPECT_TRUE(Control<QRadioButton>("SelectionRb")->isEnabled());
        Control<QRadioButton>("SelectionRb")->setChecked(true);
        Control<QPushButton>("CancelBtn")->click();
    }));
    EXPECT_EQ(settings, given);
}

// Thirty pieces lying on top of each other, laid out as a person asks for it
// in the dialog, then undone and redone as one step each.
TEST_F(SheetLayoutTest, APageOfPiecesIsLaidOutAndUndoneInOneStep) {
    Open({Pieces(30), {}});
    const TZvDat before = Fm->CurrentDrawing();
    const int entries = Fm->EditHistory().Count();
    LayOut([&] {
        Choose("AllPagesRb");
        Child<QLineEdit>(LayoutDlg, "GapEd")->setText(QStringLiteral("2"));
    });
    const TZvDat laidOut = Fm->CurrentDrawing();
    ASSERT_EQ(laidOut.size(), 1u); // the empty page at the end goes
    ASSERT_EQ(laidOut[0].size(), 30u);
    ExpectApart(laidOut[0], 2);
    EXPECT_EQ(TabCaptions(), QStringList({"1"}));
    EXPECT_TRUE(Fm->IsModified());
    EXPECT_TRUE(Prompt.Warnings.empty());

    Later();
    Trigger("Undo1");
    ASSERT_EQ(Fm->CurrentDrawing().size(), 2u);
    EXPECT_EQ(TabCaptions(), QStringList({"1", "2"}));
    EXPECT_EQ(Fm->CurrentDrawing(), before);
    EXPECT_EQ(Fm->EditHistory().Cursor(), entries);
    Trigger("Repeat1");
    EXPECT_EQ(Fm->CurrentDrawing(), laidOut);
    EXPECT_EQ(TabCaptions(), QStringList({"1"}));
}

TEST_F(SheetLayoutTest, CancelLeavesTheDrawingAsItWas) {
    TCancellingLongTask cancelling;
    LongTask = &cancelling;
    Start();
    Open({Pieces(12)});
    cancelling.Armed = true;
    const TZvDat before = Fm->CurrentDrawing();
    const int entries = Fm->EditHistory().Count();
    LayOut([&] { Choose("CurrentPageRb"); });
    EXPECT_EQ(cancelling.Runs, 1);
    EXPECT_EQ(Fm->CurrentDrawing(), before);
    EXPECT_EQ(Fm->EditHistory().Count(), entries);
    EXPECT_FALSE(Fm->IsModified());
    EXPECT_TRUE(Prompt.Errors.empty());
    EXPECT_TRUE(Prompt.Warnings.empty());
}

// A piece larger than the page is named by where it is now and its size.
TEST_F(SheetLayoutTest, PiecesTooLargeForThePageAreNamed) {
    Open({{Square(20, {100, 100}), Rect(300, 20, {-40, 60}), Square(30)}});
    LayOut([&] {
        Choose("CurrentPageRb");
        Child<QComboBox>(LayoutDlg, "RotationsCb")->setCurrentIndex(0);
    });
    ASSERT_EQ(Prompt.Warnings.size(), 1u);
    EXPECT_EQ(Prompt.Warnings[0].Text,
              QStringLiteral("次の図形は用紙の描画領域 (170.0 × 257.0 mm) に収まらないため、"
                             "元の位置に残しました。\n1 ページの 1 番目の図形 (300.0 × 20.0 mm)"));
    EXPECT_EQ(ShapeAt(0), Rect(300, 20, {-40, 60}));
    // The others keep the gap from it.
    for (int i = 1; i < 3; ++i)
        EXPECT_GE(OutlineDistance(OutlineWithFlanges(ShapeAt(i)), OutlineWithFlanges(ShapeAt(0))),
                  1);
}

TEST_F(SheetLayoutTest, TheCommandIsOfferedWhenThereIsSomethingToLayOut) {
    QAction* command = Item("LayoutMi");
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->text(), QStringLiteral("自動配置(&O)..."));
    EXPECT_EQ(command->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+O")));
    Open({{}, {}});
    OpenEditMenu();
    EXPECT_FALSE(command->isEnabled());
    CloseEditMenu();
    Open({{}, {Square(10)}});
    OpenEditMenu();
    EXPECT_TRUE(command->isEnabled());
    CloseEditMenu();
    Fm->SetDragState(dsMove);
    OpenEditMenu();
    EXPECT_FALSE(command->isEnabled());
    CloseEditMenu();
    Fm->SetDragState(dsIdle);

    // Typed, the shortcut opens the dialog.
    Fm->show();
    Fm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Fm.get()));
    bool shown = false;
    QTimer::singleShot(0, &LayoutDlg, [&] {
        shown = LayoutDlg.isVisible();
        LayoutDlg.reject();
    });
    QTest::keySequence(Fm.get(), QKeySequence(QStringLiteral("Ctrl+Shift+O")));
    EXPECT_TRUE(shown);
}

// Pasted twice with the pointer on the original, each copy lands beside the
// shapes already there, unturned, takes the pointer to its centre and
// follows it from there.
TEST_F(SheetLayoutTest, PastedCopiesLandBesideTheirOriginal) {
    const TPolygon original = Square(20, {50, 50});
    Open({{original}});
    Clipboard.Content = QString::fromStdString(BlockOf(original));
    for (int copy = 1; copy <= 2; ++copy) {
        Paste(At(60, 60));
        ASSERT_EQ(Fm->CurrentDrawing()[0].size(), static_cast<std::size_t>(copy + 1));
        const TPolygon pasted = ShapeAt(copy);
        const TPointF shift = PointF(pasted.Apexes[0].X - 50, pasted.Apexes[0].Y - 50);
        ExpectNearPoints(pasted.Apexes, Square(20, {50 + shift.X, 50 + shift.Y}).Apexes);
        // The nearest place: beside the shapes there, a hair more than a side away.
        EXPECT_NEAR(static_cast<double>(std::hypot(shift.X, shift.Y)), 20.001, 1e-3);
        ExpectApart(Fm->CurrentDrawing()[0], LayoutLeastClearance);
        const QPoint centre = At(60 + shift.X, 60 + shift.Y);
        EXPECT_LE((PointerSentTo() - centre).manhattanLength(), 1);
        EXPECT_EQ(StatusWord(),
                  QStringLiteral("図形がマウスに付いて動きます。置く位置でクリックしてください。"));

        // 35 pixels are 10 mm.
        MoveTo(PointerSentTo() + QPoint(0, 35), Qt::NoButton);
        ExpectNearPoints(ShapeAt(copy).Apexes, Square(20, {50 + shift.X, 60 + shift.Y}).Apexes);
        MoveTo(PointerSentTo(), Qt::NoButton);
        Later();
        Press(PointerSentTo());
        Release(PointerSentTo());
        EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    }
}

TEST_F(SheetLayoutTest, OnAPageWithoutRoomTheStatusLineSaysSo) {
    Open({{Rect(168, 254, {1, 1})}});
    Clipboard.Content = QString::fromStdString(BlockOf(Square(10)));
    Paste(At(100, 150));
    EXPECT_EQ(ShapeAt(1), Square(10, {95, 145}));
    EXPECT_EQ(Fm->CurrentDragState(), dsMove);
    EXPECT_TRUE(Cursor.SentTo.empty());
    EXPECT_EQ(StatusWord(), QStringLiteral("ページに空いた場所がありません。図形がマウスに付いて"
                                           "動きます。置く位置でクリックしてください。"));
    Later();
    Press(At(100, 150));
    EXPECT_TRUE(StatusWord().isEmpty());
}

// Refused rather than hung off the page; a new shape is kept on the clipboard.
TEST_F(SheetLayoutTest, ShapesLargerThanThePageAreRefused) {
    Open({{Square(10)}});
    const TPolygon wide = Rect(200, 10);
    Clipboard.Content = QString::fromStdString(BlockOf(wide));
    Paste(At(50, 50));
    TPolygon tall = Rect(10, 253);
    tall.Flanges[0] = MakeFlange("", 5, Pi / 2, Pi / 2);
    Editor.Result = tall;
    Later();
    Trigger("MkNewPolygonMi");

    EXPECT_EQ(Fm->CurrentDrawing(), TZvDat({{Square(10)}}));
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    EXPECT_FALSE(Fm->IsModified());
    ASSERT_EQ(Prompt.Errors.size(), 2u);
    EXPECT_EQ(Prompt.Errors[0].Text,
              QStringLiteral("図形の大きさ (200.0 × 10.0 mm) が用紙の描画領域 (170.0 × 257.0 mm) "
                             "を超えるため、置けません。"));
    EXPECT_EQ(Prompt.Errors[1].Text,
              QStringLiteral("図形の大きさ (10.0 × 258.0 mm) が用紙の描画領域 (170.0 × 257.0 mm) "
                             "を超えるため、置けません。\n図形はクリップボードにコピーしました。"
                             "大きな用紙を選んでから貼り付けられます。"));
    EXPECT_EQ(Clipboard.Content.toStdString(), BlockOf(tall));
}

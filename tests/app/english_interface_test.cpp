// The English interface: with the program's translation installed, no text a
// person reads on the sheet, the editor, their dialogs and their messages is
// left in Japanese; without it, the same walk finds the Japanese sources. And
// the language setting, kept in the settings file, chosen from the View menu.
#include "about_box.h"
#include "editor/fake_dialog_runner.h"
#include "export_dlg.h"
#include "flange_dlg.h"
#include "layout_dlg.h"
#include "mesh_import_dlg.h"
#include "mk_polygon_fm.h"
#include "nset_line_angle_dlg.h"
#include "nset_line_length_dlg.h"
#include "nset_point_angle_dlg.h"
#include "nset_point_pos_dlg.h"
#include "polygon_info_dlg.h"
#include "print_calibration_dlg.h"
#include "print_set_dlg.h"
#include "sheet/sheet_fixture.h"
#include "ui_text.h"
#include "version.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTranslator>

namespace {

// Kana, CJK ideographs and punctuation, and the full- and half-width forms.
bool IsJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{3400}-\\x{4DBF}\\x{4E00}-\\x{9FFF}"
                       "\\x{F900}-\\x{FAFF}\\x{FF00}-\\x{FFEF}]"));
    return japanese.match(text).hasMatch();
}

// One text a person can read, and where it is.
struct TShownText {
    QString Where;
    QString Text;
};

class TTextWalk {
public:
    std::vector<TShownText> Texts;

    // The window, every widget in it (menus, status panels, dialogs' fields)
    // and every command it holds.
    void Window(const QWidget& window) {
        Widget(window);
        for (const QWidget* widget : window.findChildren<QWidget*>())
            Widget(*widget);
        for (const QAction* action : window.findChildren<QAction*>())
            Action(*action);
    }
    void Add(const QString& where, const QString& text) {
        if (!text.isEmpty())
            Texts.push_back({where, text});
    }

private:
    static QString Name(const QObject& object) {
        return QString::fromLatin1(object.metaObject()->className()) + u' ' + object.objectName();
    }

    void Widget(const QWidget& widget) {
        const QString where = Name(widget);
        if (widget.isWindow())
            Add(where + QStringLiteral(" title"), widget.windowTitle());
        Add(where + QStringLiteral(" tooltip"), widget.toolTip());
        Add(where + QStringLiteral(" status tip"), widget.statusTip());
        Add(where + QStringLiteral(" what's this"), widget.whatsThis());
        if (const auto* label = qobject_cast<const QLabel*>(&widget))
            Add(where, label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
            Add(where, button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
            Add(where, group->title());
        if (const auto* menu = qobject_cast<const QMenu*>(&widget))
            Add(where, menu->title());
        if (const auto* field = qobject_cast<const QLineEdit*>(&widget))
            Add(where + QStringLiteral(" placeholder"), field->placeholderText());
        if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
            for (int i = 0; i < combo->count(); ++i)
                Add(where + QStringLiteral(" item"), combo->itemText(i));
        if (const auto* tabs = qobject_cast<const QTabBar*>(&widget))
            for (int i = 0; i < tabs->count(); ++i)
                Add(where + QStringLiteral(" tab"), tabs->tabText(i) + tabs->tabToolTip(i));
        if (const auto* view = qobject_cast<const QAbstractItemView*>(&widget))
            if (const QAbstractItemModel* model = view->model())
                for (int column = 0; column < model->columnCount(); ++column)
                    Add(where + QStringLiteral(" header"),
                        model->headerData(column, Qt::Horizontal).toString());
    }
    void Action(const QAction& action) {
        const QString where = Name(action);
        Add(where, action.text());
        Add(where + QStringLiteral(" tooltip"), action.toolTip());
        Add(where + QStringLiteral(" status tip"), action.statusTip());
    }
};

// The program's windows as it makes them: the real editor with its dialogs,
// the about box and the sheet's dialogs, and the sheet window given them all,
// each in a state that shows its status texts. The walk covers them and the
// texts of the messages and input boxes asked meanwhile.
class InterfaceTextTest : public SheetWindowTest, public IPageArea {
protected:
    TFakeDialogRunner Runner;
    // Made, as every window, once the language is installed.
    std::unique_ptr<TNSetPointPosDlg> PointPos;
    std::unique_ptr<TNSetLineLengthDlg> LineLength;
    std::unique_ptr<TNSetPointAngleDlg> PointAngle;
    std::unique_ptr<TNSetLineAngleDlg> LineAngle;
    std::unique_ptr<TFlangeDlg> FlangeDlg;
    std::unique_ptr<TPolygonInfoDlg> Monitor;
    std::unique_ptr<TMkPolygonFm> RealEditor;
    std::unique_ptr<TAboutBox> About;
    std::unique_ptr<TPrintSetDlg> PrintSet;
    std::unique_ptr<TExportDlg> ExportDlg;
    std::unique_ptr<TPrintCalibrationDlg> CalibrationDlg;
    std::unique_ptr<TLayoutDlg> LayoutDlg;
    std::unique_ptr<TMeshImportDlg> MeshImportDlg;
    TTextWalk Walk;

    TPageAreaMm PageArea() const override { return Fm.Setup().PageArea(); }

    void TearDown() override {
        Fm.reset();
        Monitor.reset(); // the editor's child, gone before it as in the program
        RealEditor.reset();
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    void MakeWindows() {
        WriteFile(SettingsPath(), TenMillimetreMargins);
        PointPos = std::make_unique<TNSetPointPosDlg>();
        LineLength = std::make_unique<TNSetLineLengthDlg>();
        PointAngle = std::make_unique<TNSetPointAngleDlg>();
        LineAngle = std::make_unique<TNSetLineAngleDlg>();
        FlangeDlg = std::make_unique<TFlangeDlg>(Prompt);
        const TIniFile settings = LoadSettings(SettingsPath());
        RealEditor =
            std::make_unique<TMkPolygonFm>(TEditorServices{Prompt, Ticks, settings, *this});
        Monitor = std::make_unique<TPolygonInfoDlg>(settings, RealEditor.get());
        RealEditor->SetDialogs(TEditorDialogs{&Runner, PointPos.get(), LineLength.get(),
                                              PointAngle.get(), LineAngle.get(), Monitor.get(),
                                              FlangeDlg.get()});
        About = std::make_unique<TAboutBox>(TVersion{BuiltVersionBlock()});
        PrintSet = std::make_unique<TPrintSetDlg>(Printer);
        ExportDlg = std::make_unique<TExportDlg>();
        CalibrationDlg = std::make_unique<TPrintCalibrationDlg>(Prompt);
        LayoutDlg = std::make_unique<TLayoutDlg>(Prompt);
        MeshImportDlg = std::make_unique<TMeshImportDlg>(Prompt);
        Dialogs = TSheetDialogs{RealEditor.get(),   About.get(),          PrintSet.get(),
                                ExportDlg.get(),    CalibrationDlg.get(), LayoutDlg.get(),
                                MeshImportDlg.get()};
        Start();
    }

    // Each window in a state that shows its texts, walked as it is.
    void WalkEverything() {
        MakeWindows();

        // The editor: a flanged square, the side under the pointer reported,
        // the flange dialog walked while it is up, the resize box cancelled.
        TPolygon square = Square(40, PointF(20, 20));
        square.Flanges[0] = TFlange{5, 0.785398L, 0.785398L, "A"};
        RealEditor->SetPolygon(square);
        RealEditor->show();
        QWidget* surface = RealEditor->findChild<QWidget*>(QStringLiteral("PaintBox1"));
        const QPoint onSide = ScreenPoint(40, 20);
        QMouseEvent hover(QEvent::MouseMove, onSide, surface->mapToGlobal(onSide), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &hover);
        Runner.Answers.push_back([this](QDialog& dialog) {
            Walk.Window(dialog);
            return false;
        });
        RealEditor->findChild<QAction*>(QStringLiteral("FlangeMi"))->trigger();
        Prompt.Entries.push_back(std::nullopt);
        RealEditor->findChild<QAction*>(QStringLiteral("PolygonResizeMi"))->trigger();
        Walk.Window(*RealEditor);
        // A new outline: the hint how to draw one.
        RealEditor->NewPolygon();
        Walk.Window(*RealEditor);
        RealEditor->hide();

        for (const QWidget* dialog : std::initializer_list<const QWidget*>{
                 PointPos.get(), LineLength.get(), PointAngle.get(), LineAngle.get(), Monitor.get(),
                 About.get(), PrintSet.get(), ExportDlg.get(), CalibrationDlg.get(),
                 LayoutDlg.get(), MeshImportDlg.get()})
            Walk.Window(*dialog);

        // The sheet: the join command's hint, the flange check window, and
        // the save-changes question as the window closes.
        Open(TZvDat{TPolygonTbl{Square(30, PointF(20, 20))}});
        Trigger("JoinMi");
        Walk.Window(*Fm);
        Trigger("FlangeCheckMi");
        Walk.Window(*Fm); // the flange check window is the sheet's child
        Fm->MarkModified();
        Prompt.Answers.push_back(TPromptAnswer::No);
        Fm->close();

        for (const auto& asked : {Prompt.Questions, Prompt.Errors, Prompt.Warnings})
            for (const TFakePrompt::TMessage& message : asked) {
                Walk.Add(QStringLiteral("message title"), message.Title);
                Walk.Add(QStringLiteral("message"), message.Text);
            }
        for (const TFakePrompt::TInputBox& box : Prompt.InputBoxes) {
            Walk.Add(QStringLiteral("input box"), box.Caption);
            Walk.Add(QStringLiteral("input box"), box.Prompt);
        }
    }

    // Editor surface pixels of a point in millimetres at the editor's scale.
    QPoint ScreenPoint(long double x, long double y) const {
        const long double scale = RealEditor->ViewScale().ScreenScale();
        return QPoint(static_cast<int>(std::lround(static_cast<double>(x * scale))),
                      static_cast<int>(std::lround(static_cast<double>(y * scale))));
    }

    QStringList Japanese() const {
        QStringList found;
        for (const TShownText& shown : Walk.Texts)
            if (IsJapanese(shown.Text))
                found << shown.Where + QStringLiteral(": ") + shown.Text;
        return found;
    }
    bool Shows(const QString& text) const {
        return std::any_of(Walk.Texts.begin(), Walk.Texts.end(),
                           [&](const TShownText& shown) { return shown.Text == text; });
    }
};

TEST_F(InterfaceTextTest, JapaneseByDefaultTheWalkFindsTheJapaneseSources) {
    WalkEverything();

    EXPECT_GT(Japanese().size(), 150);
    for (const char* source :
         {"ファイル(&F)...", "表示(&V)", "糊代設定（一括）", "座標設定",
          "辺の接合: 接合する辺をクリックしてください。（Esc・右クリックで終了）",
          "クリックで頂点を置きます。最後に置いた頂点をもう一度クリックすると"
          "図形を閉じます。",
          "図面が変更されています。保存しますか？", "情報", "回転しない"})
        EXPECT_TRUE(Shows(QString::fromUtf8(source))) << source;
}

TEST_F(InterfaceTextTest, EnglishLeavesNoJapaneseText) {
    ASSERT_TRUE(InstallEnglishTranslation(*qApp));
    WalkEverything();

    const QStringList japanese = Japanese();
    EXPECT_TRUE(japanese.isEmpty()) << japanese.join(u'\n').toStdString();
    // The walk saw the translated texts, not nothing.
    EXPECT_GT(Walk.Texts.size(), 200u);
    for (const char* english :
         {"&File", "&View", "English", "Flange (All Sides)", "Vertex Position", "Import 3D Model",
          "Join sides: click a side to join. (Esc or right-click to stop)",
          "Click to place a vertex. Click the last vertex placed again to close the shape.",
          "Length:40.00 Slope:0.0 Flange[A]: Width:5.00 Angles:45.00 45.00",
          "The drawing has been changed. Save it?", "Information", "Enter the scale factor (%).",
          "No rotation", "Regular Polygon", "Decimals Shown", "Fold line style and width"})
        EXPECT_TRUE(Shows(QString::fromUtf8(english))) << english;
}

// The language is read from [TMainFm] Language; anything but "en" is Japanese.
TEST(UiLanguageTest, SettingReadsEnglishOnlyFromEn) {
    const struct {
        const char* Text;
        TUiLanguage Language;
    } cases[] = {{"", TUiLanguage::Japanese},
                 {"[TMainFm]\nLanguage=en\n", TUiLanguage::English},
                 {"[TMainFm]\nLanguage=ja\n", TUiLanguage::Japanese},
                 {"[TMainFm]\nLanguage=English\n", TUiLanguage::Japanese},
                 {"[Print]\nLanguage=en\n", TUiLanguage::Japanese}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadUiLanguage(TIniFile(c.Text)), c.Language) << c.Text;
        TIniFile written;
        WriteUiLanguage(written, c.Language);
        EXPECT_EQ(ReadUiLanguage(written), c.Language) << c.Text;
    }
}

using LanguageMenuTest = SheetWindowTest;

// View > English is checked as the settings say; a click changes what the
// settings file says for the next start and says so on the status line,
// while the interface stays as it is.
TEST_F(LanguageMenuTest, EnglishItemKeepsTheChoiceForTheNextStart) {
    for (const bool english : {false, true}) {
        WriteFile(SettingsPath(), english ? "[TMainFm]\nLanguage=en\n" : "");
        Start();
        QAction* item = Item("EnglishMi");
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->isChecked(), english);
        EXPECT_EQ(Fm->findChild<QMenu*>(QStringLiteral("ViewMi"))->actions(),
                  QList<QAction*>{item});

        item->trigger();
        EXPECT_EQ(item->isChecked(), !english);
        EXPECT_EQ(Fm->findChild<QLabel*>(QStringLiteral("StatusPanel1"))->text(),
                  QStringLiteral("表示の言語は次に起動したときから切り替わります。"));
        EXPECT_EQ(Item("New1")->text(), QStringLiteral("新規作成(&N)"));
        Fm.reset();
        EXPECT_EQ(ReadUiLanguage(StoredSettings()),
                  english ? TUiLanguage::Japanese : TUiLanguage::English);
    }
}

} // namespace

// Tests of the sheet window: its menu bar, the settings kept between runs and
// the document commands, with scripted prompts and a fixed printer.
#include "sheet_fixture.h"

#include "atomic_file.h"

#include <QDir>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QSignalSpy>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace {

const QString DrawingFilter =
    QStringLiteral("Zelvoデータファイル (*.zvt)|*.zvt|全てのファイル (*.*)|*.*");

// Two pages: a triangle on page 1, nothing on page 2.
TZvDat TwoPages() {
    return TZvDat{TPolygonTbl{Triangle(10, {5, 0})}, TPolygonTbl{}};
}

std::string ToBytes(const TZvDat& drawing) {
    std::string bytes;
    EXPECT_TRUE(DrawingToText(drawing, bytes));
    return bytes;
}

QByteArray FileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The items of the File menu after its last separator.
QList<QAction*> RecentMenuItems(const TMainFm& fm) {
    const QList<QAction*> items = fm.findChild<QMenu*>(QStringLiteral("File1"))->actions();
    QList<QAction*> recent;
    for (QAction* item : items) {
        if (item->isSeparator())
            recent.clear();
        else
            recent << item;
    }
    return recent;
}

// Each test makes its own windows, without a settings file unless it writes one.
class MainFmTest : public SheetWindowTest {
protected:
    QString DrawingFile(const QString& name, const TZvDat& drawing) {
        const QString path = PathIn(name);
        WriteFile(path, ToBytes(drawing));
        return path;
    }
    void OpenFile(TMainFm& fm, const QString& path) {
        Prompt.FileNames.push_back(path);
        Trigger(fm, "Open1");
    }
    // The drawing of box.zvt open, then changed.
    TSheetHandle StartWithChangedDrawing() {
        auto fm = NewWindow();
        OpenFile(*fm, DrawingFile(QStringLiteral("box.zvt"), TwoPages()));
        fm->MarkModified();
        return fm;
    }
};

} // namespace

// Typed into the sheet window, each shortcut runs its own command and no other.
TEST_F(MainFmTest, EveryShortcutRunsItsCommand) {
    const auto fm = NewWindow();
    fm->show();
    fm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fm.get()));
    const std::vector<std::pair<const char*, const char*>> shortcuts = {
        {"Alt+Backspace", "Undo1"},
        {"Shift+Alt+Backspace", "Repeat1"},
        {"Ctrl+Alt+P", "AddNewPageMi"},
        {"Ctrl+N", "MkNewPolygonMi"},
        {"Ctrl+E", "PolygonEditMi"},
        {"Ctrl+X", "PolygonCutMi"},
        {"Ctrl+C", "PolygonCopyMi"},
        {"Ctrl+V", "PolygonPasteMi"},
        {"Ctrl+Del", "PolygonDeleteMi"},
        {"Del", "PolygonDeleteMi"},
        {"Ctrl+Z", "Z1"},
        {"Ctrl+G", "FlangeCheckMi"},
        {"Ctrl+H", "ClickDragMi"},
        {"Ctrl+W", "WallChkMi"},
        {"Ctrl+L", "PorigonCrossChkMi"},
        {"Ctrl+M", "AutoRotateMi"},
        {"Ctrl+A", "AllMi"}};
    std::map<std::string, std::unique_ptr<QSignalSpy>> runs;
    for (QAction* item : fm->findChildren<QAction*>())
        if (!item->objectName().isEmpty())
            runs[item->objectName().toStdString()] =
                std::make_unique<QSignalSpy>(item, &QAction::triggered);
    Prompt.Entries.push_back(std::nullopt); // the zoom's input box, cancelled
    for (const auto& [keys, command] : shortcuts) {
        QTest::keySequence(fm.get(), QKeySequence(QLatin1String(keys)));
        for (const auto& [name, spy] : runs)
            EXPECT_EQ(spy->count(), name == command ? 1 : 0) << keys << " ran " << name;
        for (const auto& entry : runs)
            entry.second->clear();
        // The flange check window takes the focus when it opens.
        fm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fm.get()));
    }
}

TEST_F(MainFmTest, NoTwoCommandsShareAShortcut) {
    const auto fm = NewWindow();
    std::map<QString, QStringList> commands; // shortcut: the commands that have it
    for (const QAction* item : fm->findChildren<QAction*>())
        for (const QKeySequence& shortcut : item->shortcuts())
            commands[shortcut.toString(QKeySequence::PortableText)] << item->objectName();
    EXPECT_GE(commands.size(), 16u);
    for (const auto& [shortcut, names] : commands)
        EXPECT_EQ(names.size(), 1)
            << shortcut.toStdString() << ": " << names.join(u' ').toStdString();
}

TEST_F(MainFmTest, DragOptionsStartUncheckedAndAutoRotateNeedsAPlacementCheck) {
    const auto fm = NewWindow();
    const auto item = [&](const char* name) {
        return fm->findChild<QAction*>(QLatin1String(name));
    };
    for (const char* name : {"ClickDragMi", "WallChkMi", "PorigonCrossChkMi", "AutoRotateMi"}) {
        EXPECT_TRUE(item(name)->isCheckable()) << name;
        EXPECT_FALSE(item(name)->isChecked()) << name;
    }
    QMenu* edit = fm->findChild<QMenu*>(QStringLiteral("EditMi1"));
    const auto openEditMenu = [&] { emit edit->aboutToShow(); };

    openEditMenu();
    EXPECT_FALSE(item("AutoRotateMi")->isEnabled());
    item("WallChkMi")->setChecked(true);
    openEditMenu();
    EXPECT_TRUE(item("AutoRotateMi")->isEnabled());
    item("WallChkMi")->setChecked(false);
    item("PorigonCrossChkMi")->setChecked(true);
    openEditMenu();
    EXPECT_TRUE(item("AutoRotateMi")->isEnabled());
    item("PorigonCrossChkMi")->setChecked(false);
    item("ClickDragMi")->setChecked(true);
    openEditMenu();
    EXPECT_FALSE(item("AutoRotateMi")->isEnabled());
}

TEST_F(MainFmTest, FileMenuShowsPrintAndExportDisabledWithNothingToActOn) {
    const auto fm = NewWindow();
    QMenu* file = fm->findChild<QMenu*>(QStringLiteral("File1"));
    const auto enabled = [&](const char* name) {
        return fm->findChild<QAction*>(QLatin1String(name))->isEnabled();
    };
    const auto expectEnabled = [&](bool print, bool exporting) {
        emit file->aboutToShow();
        EXPECT_EQ(enabled("Print1"), print);
        EXPECT_EQ(enabled("ExportMi"), exporting);
        for (const char* name : {"New1", "Open1", "Save1", "SaveAs1", "PrintFontSetMi",
                                 "PrintSetMi", "PrintCalibrationMi", "PrintAll", "Exit1"})
            EXPECT_TRUE(enabled(name)) << name;
        // Closed, the menu leaves every command to check for itself.
        emit file->aboutToHide();
        EXPECT_TRUE(enabled("Print1") && enabled("ExportMi"));
    };
    expectEnabled(false, false);
    OpenFile(*fm, DrawingFile(QStringLiteral("box.zvt"), TwoPages()));
    expectEnabled(true, true);
    fm->findChild<TPageTabs*>(QStringLiteral("TabControl1"))->setCurrentIndex(1);
    expectEnabled(false, true);
}

TEST_F(MainFmTest, WithoutSettingsFileTheDesignedDefaultsHold) {
    const auto fm = NewWindow();
    EXPECT_EQ(fm->geometry(), QRect(203, 106, 480, 626));
    EXPECT_FALSE(fm->isMaximized());
    EXPECT_EQ(fm->Zoom(), 1);

    const TPrintSettings& print = fm.PrintSettings();
    EXPECT_EQ(print.PrintPaperSize, -1);
    EXPECT_EQ(print.PrintDir, -1);
    EXPECT_EQ(print.PrintPaperScale, -1);
    EXPECT_EQ(print.TYohaku + print.BYohaku + print.LYohaku + print.RYohaku, 0);
    EXPECT_EQ(print.PrintFont.family(), QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(print.PrintFont.pointSize(), 12);
    EXPECT_FALSE(print.PrintFont.bold() || print.PrintFont.italic() ||
                 print.PrintFont.underline() || print.PrintFont.strikeOut());
    EXPECT_EQ(print.PrintFontColor, fm->palette().color(QPalette::WindowText));

    EXPECT_DOUBLE_EQ(static_cast<double>(fm.PageAreaWidth()), 190);
    EXPECT_DOUBLE_EQ(static_cast<double>(fm.PageAreaHeight()), 277);

    EXPECT_EQ(fm->CurrentDrawing(), TZvDat(1));
    EXPECT_EQ(fm->CurrentPage(), 0);
    EXPECT_EQ(TabCaptions(*fm), QStringList({QStringLiteral("1")}));
    EXPECT_TRUE(fm->CurrentFileName().isEmpty());
    EXPECT_FALSE(fm->IsModified());
    EXPECT_TRUE(RecentMenuItems(*fm).isEmpty());
}

TEST_F(MainFmTest, StoredSettingsAreApplied) {
    WriteFile(SettingsPath(), "[TMainFm]\nLeft=10\nTop=20\nWidth=300\nHeight=400\n"
                              "Zoom=25000\nFile1=/a/one.zvt\nFile2=/a/two.zvt\nFile3=/a/R&D.zvt\n"
                              "[Print]\nPrintPaperSize=9\nPrintDir=2\nPrintPaperScale=100\n"
                              "TYohaku=10\nBYohaku=10\nLYohaku=10\nRYohaku=10\n"
                              "FontName=Arial\nFontSize=9\nFontColor=255\nFontStyle=5\n");
    const auto fm = NewWindow();
    EXPECT_EQ(fm->geometry(), QRect(10, 20, 300, 400));
    EXPECT_EQ(fm->Zoom(), 2.5L);

    const TPrintSettings& print = fm.PrintSettings();
    EXPECT_EQ(print.PrintPaperSize, 9);
    EXPECT_EQ(print.PrintDir, 2);
    EXPECT_EQ(print.PrintPaperScale, 100);
    EXPECT_EQ(print.PrintFont.family(), QStringLiteral("Arial"));
    EXPECT_EQ(print.PrintFont.pointSize(), 9);
    EXPECT_EQ(print.PrintFontColor, QColor(255, 0, 0));
    EXPECT_TRUE(print.PrintFont.bold());
    EXPECT_FALSE(print.PrintFont.italic());
    EXPECT_TRUE(print.PrintFont.underline());
    EXPECT_FALSE(print.PrintFont.strikeOut());

    // 190 x 277 mm printable less 10 mm on every side.
    EXPECT_DOUBLE_EQ(static_cast<double>(fm.PageAreaWidth()), 170);
    EXPECT_DOUBLE_EQ(static_cast<double>(fm.PageAreaHeight()), 257);

    const QList<QAction*> recent = RecentMenuItems(*fm);
    ASSERT_EQ(recent.size(), 3);
    EXPECT_EQ(recent[0]->text(), QStringLiteral("&1 /a/one.zvt"));
    EXPECT_EQ(recent[1]->text(), QStringLiteral("&2 /a/two.zvt"));
    EXPECT_EQ(recent[2]->text(), QStringLiteral("&3 /a/R&&D.zvt"));
    EXPECT_EQ(recent[2]->data().toInt(), 3);
}

TEST_F(MainFmTest, StoredZoomThatIsNotPositiveOrNotANumberGives100Percent) {
    for (const char* stored : {"0", "-5", "abc"}) {
        WriteFile(SettingsPath(), std::string("[TMainFm]\nZoom=") + stored + "\n");
        EXPECT_EQ(NewWindow()->Zoom(), 1) << stored;
    }
}

TEST_F(MainFmTest, SettingsAreWrittenWhenTheWindowGoesAndReadAtTheNextStart) {
    WriteFile(SettingsPath(), "[TMainFm]\nFile1=/old/one.zvt\nFile2=/old/two.zvt\n"
                              "File3=/old/three.zvt\n[TMkPolygonFm]\nZoom=5\n"
                              "[Print]\nLYohaku=7\nFontStyle=10\n");
    const QString box = PathIn(QStringLiteral("box.zvt"));
    {
        auto fm = NewWindow();
        fm->setGeometry(50, 60, 700, 500);
        Prompt.Entries.push_back(QStringLiteral("150"));
        Trigger(*fm, "Z1");
        fm->MarkModified();
        Prompt.FileNames.push_back(box);
        Trigger(*fm, "Save1");
        ASSERT_EQ(fm->windowTitle(), QStringLiteral("Zelvo - box"));
    }
    const TIniFile stored = StoredSettings();
    EXPECT_EQ(stored.ReadInteger("TMainFm", "Left", 0), 50);
    EXPECT_EQ(stored.ReadInteger("TMainFm", "Top", 0), 60);
    EXPECT_EQ(stored.ReadInteger("TMainFm", "Width", 0), 700);
    EXPECT_EQ(stored.ReadInteger("TMainFm", "Height", 0), 500);
    EXPECT_EQ(stored.ReadInteger("TMainFm", "WindowState", -1), 0);
    EXPECT_EQ(stored.ReadInteger("TMainFm", "Zoom", 0), 15000);
    EXPECT_EQ(stored.ReadString("TMainFm", "File1", ""), box.toStdString());
    EXPECT_EQ(stored.ReadString("TMainFm", "File4", ""), "/old/three.zvt");
    EXPECT_EQ(stored.ReadInteger("TMkPolygonFm", "Zoom", 0), 5);
    EXPECT_EQ(stored.ReadInteger("Print", "LYohaku", 0), 7);
    EXPECT_EQ(stored.ReadInteger("Print", "FontStyle", 0), 10);
    EXPECT_EQ(stored.ReadInteger("Print", "PrintPaperSize", 0), -1);
    EXPECT_EQ(stored.ReadString("Print", "FontName", ""), "ＭＳ 明朝");
    EXPECT_EQ(stored.ReadInteger("Print", "FontSize", 0), 12);

    // Fewer entries than keys: the keys above the list are left alone.
    WriteFile(SettingsPath(), "[TMainFm]\nFile1=/a.zvt\nFile2=\nFile3=/c.zvt\n");
    NewWindow();
    EXPECT_EQ(StoredSettings().ReadString("TMainFm", "File2", ""), "/c.zvt");
    EXPECT_EQ(StoredSettings().ReadString("TMainFm", "File3", ""), "/c.zvt");

    WriteFile(SettingsPath(), "[TMainFm]\nZoom=25000\nFile1=" + box.toStdString() + "\n");
    const auto next = NewWindow();
    EXPECT_EQ(next->Zoom(), 2.5L);
    ASSERT_EQ(next->RecentFileList().Count(), 1);
    EXPECT_EQ(next->RecentFileList().At(0), box);
}

TEST_F(MainFmTest, MaximisedWindowKeepsItsNormalBounds) {
    WriteFile(SettingsPath(), "[TMainFm]\nLeft=30\nTop=40\nWidth=500\nHeight=600\n"
                              "WindowState=2\n");
    {
        const auto fm = NewWindow();
        fm->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fm.get()));
        EXPECT_TRUE(fm->isMaximized());
        EXPECT_NE(fm->geometry(), QRect(30, 40, 500, 600));
    }
    const TIniFile stored = StoredSettings();
    EXPECT_EQ(stored.ReadInteger("TMainFm", "WindowState", -1), 2);
    EXPECT_EQ(stored.ReadInteger("TMainFm", "Left", 0), 30);
    EXPECT_EQ(stored.ReadInteger("TMainFm", "Top", 0), 40);
    EXPECT_EQ(stored.ReadInteger("TMainFm", "Width", 0), 500);
    EXPECT_EQ(stored.ReadInteger("TMainFm", "Height", 0), 600);
}

// A window once grown past the screen by a tall tab strip wrote its height to
// the settings; the next start must still show the whole window.
// Whatever lies where the settings file should be, the program starts with
// the defaults: noise, nothing, a folder or a pipe that would never end.
TEST_F(MainFmTest, UnusableSettingsFilesGiveTheDefaults) {
    const auto expectDefaults = [&](const char* what) {
        const auto fm = NewWindow();
        EXPECT_EQ(fm->Zoom(), 1) << what;
        EXPECT_EQ(fm->RecentFileList().Count(), 0) << what;
        EXPECT_EQ(fm->CurrentDrawing(), TZvDat(1)) << what;
    };
    std::string noise(64 * 1024, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>(i * 2654435761u >> 11);
    WriteFile(SettingsPath(), noise);
    expectDefaults("noise");
    WriteFile(SettingsPath(), "");
    expectDefaults("empty");
    ASSERT_TRUE(QFile::remove(SettingsPath()));
    ASSERT_TRUE(QDir().mkdir(SettingsPath()));
    expectDefaults("a folder");
    ASSERT_TRUE(QDir().rmdir(SettingsPath()));
    ASSERT_EQ(mkfifo(SettingsPath().toLocal8Bit().constData(), 0600), 0);
    expectDefaults("a pipe");
}

TEST_F(MainFmTest, FileNamesWithJapaneseAndSpacesOpenAndSave) {
    const auto fm = NewWindow();
    const QString path = DrawingFile(QStringLiteral("紙 模型 第1号.zvt"), TwoPages());
    OpenFile(*fm, path);
    EXPECT_EQ(fm->CurrentDrawing(), TwoPages());
    EXPECT_EQ(fm->windowTitle(), QStringLiteral("Zelvo - 紙 模型 第1号"));
    const QString copy = PathIn(QStringLiteral("控え ファイル.zvt"));
    Prompt.FileNames = {copy};
    Trigger(*fm, "SaveAs1");
    std::string saved;
    ASSERT_TRUE(ReadFileBytes(copy, saved));
    TZvDat reread;
    ASSERT_EQ(TextToDrawing(saved, reread), TDrawingReadResult::Ok);
    EXPECT_EQ(reread, TwoPages());
    EXPECT_EQ(fm->RecentFileList().At(0), copy);
}

TEST_F(MainFmTest, StoredBoundsLargerThanTheScreenAreCutToIt) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    WriteFile(SettingsPath(), "[TMainFm]\nLeft=203\nTop=106\nWidth=480\nHeight=3975\n");
    {
        const auto fm = NewWindow();
        fm->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fm.get()));
        EXPECT_EQ(fm->geometry().height(), std::min(3975, screen.height()));
        EXPECT_EQ(fm->geometry().width(), 480);
        // The platform may add its frame around the bounds it was given.
        EXPECT_TRUE(screen.contains(fm->geometry().topLeft()));
    }
    EXPECT_LE(StoredSettings().ReadInteger("TMainFm", "Height", 0), screen.height());
}

TEST_F(MainFmTest, OpenReadsEveryPageAndNamesTheWindowAfterTheFile) {
    const auto fm = NewWindow();
    const QString path = DrawingFile(QStringLiteral("box.zvt"), TwoPages());
    OpenFile(*fm, path);

    EXPECT_EQ(Prompt.Filters, QStringList({DrawingFilter}));
    EXPECT_EQ(Prompt.Extensions, QStringList({QStringLiteral("zvt")}));
    EXPECT_EQ(fm->CurrentDrawing(), TwoPages());
    EXPECT_EQ(TabCaptions(*fm), QStringList({QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(fm->CurrentPage(), 0);
    EXPECT_EQ(fm->CurrentFileName(), path);
    EXPECT_EQ(fm->windowTitle(), QStringLiteral("Zelvo - box"));
    EXPECT_FALSE(fm->IsModified());
    EXPECT_TRUE(Prompt.Errors.empty());
    ASSERT_NE(fm->PolygonAt(0), nullptr);
    EXPECT_EQ(*fm->PolygonAt(0), Triangle(10, {5, 0}));
    EXPECT_EQ(fm->PolygonAt(1), nullptr);
    EXPECT_EQ(fm->PolygonAt(-1), nullptr);

    // A cancelled dialog changes nothing.
    Prompt.FileNames.push_back(QString());
    Trigger(*fm, "Open1");
    EXPECT_EQ(fm->CurrentDrawing(), TwoPages());
    EXPECT_EQ(fm->CurrentFileName(), path);
}

TEST_F(MainFmTest, NewAsksBeforeDiscardingChanges) {
    auto fm = NewWindow();
    Trigger(*fm, "New1");
    EXPECT_TRUE(Prompt.Questions.empty());

    fm = StartWithChangedDrawing();
    Prompt.Answers = {TPromptAnswer::Cancel};
    Trigger(*fm, "New1");
    ASSERT_EQ(Prompt.Questions.size(), 1u);
    EXPECT_EQ(Prompt.Questions[0].Title, QStringLiteral("情報"));
    EXPECT_EQ(Prompt.Questions[0].Text, QStringLiteral("図面が変更されています。保存しますか？"));
    EXPECT_EQ(fm->CurrentDrawing(), TwoPages());
    EXPECT_TRUE(fm->IsModified());

    Prompt.Answers = {TPromptAnswer::No};
    Trigger(*fm, "New1");
    EXPECT_EQ(fm->CurrentDrawing(), TZvDat(1));
    EXPECT_EQ(TabCaptions(*fm), QStringList({QStringLiteral("1")}));
    EXPECT_TRUE(fm->CurrentFileName().isEmpty());
    EXPECT_FALSE(fm->IsModified());
}

TEST_F(MainFmTest, YesSavesUnderANewNameBeforeTheDrawingIsDiscarded) {
    const auto fm = StartWithChangedDrawing();
    const QString copy = PathIn(QStringLiteral("copy.zvt"));
    Prompt.Answers = {TPromptAnswer::Yes};
    Prompt.FileNames = {copy};
    Trigger(*fm, "New1");
    // Yes always asks for the name, offering the current one.
    EXPECT_EQ(Prompt.InitialPaths, QStringList({PathIn(QStringLiteral("box.zvt"))}));
    EXPECT_EQ(FileContent(copy).toStdString(), ToBytes(TwoPages()));
    EXPECT_EQ(fm->CurrentDrawing(), TZvDat(1));
}

TEST_F(MainFmTest, SaveWritesTheFileAndAsksForANameOnlyTheFirstTime) {
    const auto fm = NewWindow();
    const QString box = PathIn(QStringLiteral("box.zvt"));
    fm->MarkModified();
    Prompt.FileNames = {box};
    Trigger(*fm, "Save1");
    EXPECT_EQ(Prompt.InitialPaths, QStringList({QString()}));
    EXPECT_EQ(Prompt.Filters, QStringList({DrawingFilter}));
    EXPECT_EQ(Prompt.Extensions, QStringList({QStringLiteral("zvt")}));
    EXPECT_EQ(FileContent(box).toStdString(), ToBytes(TZvDat(1)));
    EXPECT_EQ(fm->windowTitle(), QStringLiteral("Zelvo - box"));
    EXPECT_EQ(fm->CurrentFileName(), box);
    EXPECT_FALSE(fm->IsModified());

    OpenFile(*fm, DrawingFile(QStringLiteral("two.zvt"), TwoPages()));
    fm->MarkModified();
    Trigger(*fm, "Save1"); // the file's own name, no dialog
    EXPECT_EQ(Prompt.FileNames.size(), 0u);
    EXPECT_EQ(FileContent(PathIn(QStringLiteral("two.zvt"))).toStdString(), ToBytes(TwoPages()));
    EXPECT_FALSE(fm->IsModified());
}

TEST_F(MainFmTest, CancelledSaveAsLeavesTheDrawingChanged) {
    const auto fm = StartWithChangedDrawing();
    Prompt.FileNames = {QString()};
    Trigger(*fm, "SaveAs1");
    EXPECT_TRUE(fm->IsModified());

    // So leaving still asks.
    Prompt.Answers = {TPromptAnswer::Cancel};
    Trigger(*fm, "Exit1");
    EXPECT_EQ(Prompt.Questions.size(), 1u);
}

TEST_F(MainFmTest, SaveAsAsksBeforeReplacingAnotherFileButNotTheDrawingsOwn) {
    const auto fm = StartWithChangedDrawing();
    const QString box = PathIn(QStringLiteral("box.zvt"));
    const QString other = PathIn(QStringLiteral("other.zvt"));
    WriteFile(other, "someone else's drawing");

    // No goes back to the dialog with the name chosen; cancelling it keeps both.
    Prompt.FileNames = {other, QString()};
    Prompt.Answers = {TPromptAnswer::No};
    Trigger(*fm, "SaveAs1");
    EXPECT_EQ(Prompt.ReplaceQuestions, QStringList({other}));
    EXPECT_EQ(Prompt.InitialPaths, QStringList({box, other}));
    EXPECT_EQ(FileContent(other), QByteArray("someone else's drawing"));
    EXPECT_EQ(fm->CurrentFileName(), box);
    EXPECT_TRUE(fm->IsModified());

    Prompt.FileNames = {other};
    Prompt.Answers = {TPromptAnswer::Yes};
    Trigger(*fm, "SaveAs1");
    EXPECT_EQ(FileContent(other).toStdString(), ToBytes(TwoPages()));
    EXPECT_EQ(fm->CurrentFileName(), other);
    EXPECT_FALSE(fm->IsModified());

    // The drawing's own file, however it is spelt, and a new file are written
    // without a question.
    Prompt.ReplaceQuestions.clear();
    Prompt.FileNames = {Dir.path() + QStringLiteral("/./other.zvt"),
                        PathIn(QStringLiteral("new.zvt"))};
    Trigger(*fm, "SaveAs1");
    Trigger(*fm, "SaveAs1");
    EXPECT_TRUE(Prompt.ReplaceQuestions.isEmpty());
    EXPECT_TRUE(QFile::exists(PathIn(QStringLiteral("new.zvt"))));

    // A drawing that has no file yet asks about every existing one.
    Trigger(*fm, "New1");
    Prompt.FileNames = {box, QString()};
    Prompt.Answers = {TPromptAnswer::No};
    Trigger(*fm, "SaveAs1");
    EXPECT_EQ(Prompt.ReplaceQuestions, QStringList({box}));
    EXPECT_EQ(FileContent(box).toStdString(), ToBytes(TwoPages()));
}

TEST_F(MainFmTest, ClosingWithUnsavedChangesFollowsTheAnswer) {
    const QString saved = PathIn(QStringLiteral("saved.zvt"));
    auto fm = StartWithChangedDrawing();
    Prompt.Answers = {TPromptAnswer::Cancel};
    EXPECT_FALSE(fm->close());

    Prompt.Answers = {TPromptAnswer::Yes};
    Prompt.FileNames = {QString()};
    EXPECT_FALSE(fm->close());

    Prompt.Answers = {TPromptAnswer::No};
    EXPECT_TRUE(fm->close());
    EXPECT_FALSE(QFile::exists(saved));
    EXPECT_EQ(Prompt.Questions.size(), 3u);

    fm = StartWithChangedDrawing();
    Prompt.Answers = {TPromptAnswer::Yes};
    Prompt.FileNames = {saved};
    EXPECT_TRUE(fm->close());
    EXPECT_EQ(FileContent(saved).toStdString(), ToBytes(TwoPages()));
}

TEST_F(MainFmTest, FailedLoadShowsTheFileAndLeavesTheEmptyDrawing) {
    std::string negativeFoldLines = ToBytes(TwoPages());
    // The triangle's first fold-line count "0" becomes "-1".
    negativeFoldLines.replace(negativeFoldLines.find("\r\n0\r\n0\r\n\r\n"), 5, "\r\n-1\r\n");
    const QString negative = PathIn(QStringLiteral("negative.zvt"));
    WriteFile(negative, negativeFoldLines);
    const QString malformed = PathIn(QStringLiteral("malformed.zvt"));
    WriteFile(malformed, "1\r\n1\r\nnot a shape\r\n");
    const QString missing = PathIn(QStringLiteral("missing.zvt"));
    // Files that do not start with a page count, as every drawing written
    // does: someone's notes under the drawing extension, a count of 0, an
    // empty file, a drawing with LF line ends (read as one line).
    const QString notes = PathIn(QStringLiteral("notes.zvt"));
    WriteFile(notes, "Shopping list\r\n1 kg flour\r\n");
    QStringList noPageCount{notes};
    for (const std::string_view content : {"0\r\n", "", "abc\r\n", "2\n1\n"}) {
        noPageCount << PathIn(QStringLiteral("blank%1.zvt").arg(noPageCount.size()));
        WriteFile(noPageCount.back(), content);
    }

    for (const QString& path : QStringList{negative, malformed, missing} + noPageCount) {
        const auto fm = StartWithChangedDrawing();
        Prompt.Answers = {TPromptAnswer::No};
        Prompt.Errors.clear();
        OpenFile(*fm, path);
        ASSERT_EQ(Prompt.Errors.size(), 1u) << path.toStdString();
        EXPECT_EQ(Prompt.Errors[0].Title, QStringLiteral("エラー"));
        EXPECT_EQ(Prompt.Errors[0].Text, QStringLiteral("ファイル「%1」を読み込めませんでした。")
                                             .arg(QDir::toNativeSeparators(path)));
        EXPECT_EQ(fm->CurrentDrawing(), TZvDat(1));
        EXPECT_EQ(TabCaptions(*fm), QStringList({QStringLiteral("1")}));
        EXPECT_TRUE(fm->CurrentFileName().isEmpty());
        EXPECT_FALSE(fm->IsModified());
        EXPECT_FALSE(fm->RecentFileList().Paths().contains(path));
        // Save asks for a name, so the file that failed to load is not written.
        Prompt.FileNames = {QString()};
        Trigger(*fm, "Save1");
        EXPECT_TRUE(Prompt.FileNames.empty()) << path.toStdString();
    }
    EXPECT_EQ(FileContent(notes), QByteArray("Shopping list\r\n1 kg flour\r\n"));
}

// With no file open the caption names none, whichever way the file went.
TEST_F(MainFmTest, CaptionNamesNoFileAfterNewOrAFailedOpen) {
    const auto fm = NewWindow();
    const QString box = DrawingFile(QStringLiteral("box.zvt"), TwoPages());
    const QString missing = PathIn(QStringLiteral("missing.zvt"));
    const std::vector<std::function<void()>> leaveTheFile = {
        [&] { Trigger(*fm, "New1"); },
        [&] { OpenFile(*fm, missing); },
        [&] { // entry 1 is the box, gone for the moment
            QFile::rename(box, box + ".gone");
            fm->RecentFileItem(1)->trigger();
            QFile::rename(box + ".gone", box);
        },
    };
    for (std::size_t way = 0; way < leaveTheFile.size(); ++way) {
        OpenFile(*fm, box);
        ASSERT_EQ(fm->windowTitle(), QStringLiteral("Zelvo - box"));
        leaveTheFile[way]();
        EXPECT_TRUE(fm->CurrentFileName().isEmpty()) << way;
        EXPECT_EQ(fm->windowTitle(), QStringLiteral("Zelvo")) << way;
    }
}

TEST_F(MainFmTest, FileNamedAtStartOpensAsARecentFileDoes) {
    const QString box = DrawingFile(QStringLiteral("box.zvt"), TwoPages());
    auto fm = NewWindow();
    fm->OpenStartFile(box);
    EXPECT_EQ(fm->CurrentDrawing(), TwoPages());
    EXPECT_EQ(fm->windowTitle(), QStringLiteral("Zelvo - box"));
    EXPECT_EQ(fm->RecentFileList().Paths(), QStringList({box}));
    EXPECT_FALSE(fm->IsModified());
    EXPECT_TRUE(Prompt.Questions.empty());

    const QString missing = PathIn(QStringLiteral("missing.zvt"));
    fm = NewWindow();
    fm->OpenStartFile(missing);
    ASSERT_EQ(Prompt.Errors.size(), 1u);
    EXPECT_EQ(Prompt.Errors[0].Text, QStringLiteral("ファイル「%1」を読み込めませんでした。")
                                         .arg(QDir::toNativeSeparators(missing)));
    EXPECT_EQ(fm->CurrentDrawing(), TZvDat(1));
    EXPECT_EQ(fm->windowTitle(), QStringLiteral("Zelvo"));
    EXPECT_TRUE(fm->CurrentFileName().isEmpty());

    // Unsaved work (a recovered drawing) is kept when the user cancels.
    fm->MarkModified();
    Prompt.Answers = {TPromptAnswer::Cancel};
    fm->OpenStartFile(box);
    EXPECT_EQ(Prompt.Questions.size(), 1u);
    EXPECT_TRUE(fm->IsModified());
    EXPECT_EQ(fm->CurrentDrawing(), TZvDat(1));
}

TEST_F(MainFmTest, FailedSaveShowsTheFileAndChangesNothing) {
    const auto fm = StartWithChangedDrawing();
    const QString box = PathIn(QStringLiteral("box.zvt"));
    const QByteArray before = FileContent(box);
    fm->PolygonAt(0)->Apexes[0].X = 1e16L; // too wide for its column
    fm->MarkModified();

    Trigger(*fm, "Save1");
    ASSERT_EQ(Prompt.Errors.size(), 1u);
    EXPECT_EQ(Prompt.Errors[0].Title, QStringLiteral("エラー"));
    EXPECT_EQ(Prompt.Errors[0].Text,
              QStringLiteral("ファイル「%1」を保存できませんでした。1ページの1番目の図形に、"
                             "ファイルに書けない値があります（原点から10^15 mm以上離れた頂点"
                             "など）。その図形を直してから保存してください。")
                  .arg(QDir::toNativeSeparators(box)));
    EXPECT_EQ(FileContent(box), before);
    EXPECT_TRUE(fm->IsModified());

    const QString other = PathIn(QStringLiteral("other.zvt"));
    const QString noFolder = PathIn(QStringLiteral("no/such/folder.zvt"));
    Prompt.FileNames = {other};
    Trigger(*fm, "SaveAs1");
    fm->PolygonAt(0)->Apexes[0].X = 5; // writable again, but the folder is not there
    Prompt.FileNames = {noFolder};
    Trigger(*fm, "SaveAs1");

    EXPECT_EQ(Prompt.Errors.size(), 3u);
    EXPECT_FALSE(QFile::exists(other));
    EXPECT_FALSE(QFile::exists(noFolder));
    EXPECT_EQ(fm->CurrentFileName(), box);
    EXPECT_EQ(fm->windowTitle(), QStringLiteral("Zelvo - box"));
    EXPECT_EQ(fm->RecentFileList().Paths(), QStringList({box}));
    EXPECT_TRUE(fm->IsModified());
}

TEST_F(MainFmTest, RecentFilesKeepTwentyAndReopenFromTheMenu) {
    const auto fm = NewWindow();
    std::vector<QString> paths;
    for (int n = 1; n <= 21; ++n) {
        TZvDat drawing(1);
        drawing[0].push_back(Triangle(10, PointF(n, 0)));
        paths.push_back(DrawingFile(QStringLiteral("file%1.zvt").arg(n), drawing));
        OpenFile(*fm, paths.back());
    }
    QList<QAction*> recent = RecentMenuItems(*fm);
    ASSERT_EQ(recent.size(), 20);
    EXPECT_EQ(fm->RecentFileList().At(0), paths[20]);
    EXPECT_EQ(fm->RecentFileList().At(19), paths[1]);
    EXPECT_FALSE(fm->RecentFileList().Paths().contains(paths[0]));
    EXPECT_EQ(recent[0]->text(), "&1 " + paths[20]);
    EXPECT_EQ(recent[9]->text(), "&0 " + paths[11]);
    EXPECT_EQ(recent[10]->text(), "&1 " + paths[10]);

    // Entry 5 (file17) comes back to the top, the four before it move down.
    fm->RecentFileItem(5)->trigger();
    EXPECT_EQ(fm->CurrentFileName(), paths[16]);
    ASSERT_NE(fm->PolygonAt(0), nullptr);
    EXPECT_EQ(*fm->PolygonAt(0), Triangle(10, {17, 0}));
    recent = RecentMenuItems(*fm);
    ASSERT_EQ(recent.size(), 20);
    EXPECT_EQ(recent[0]->text(), "&1 " + paths[16]);
    EXPECT_EQ(recent[1]->text(), "&2 " + paths[20]);
    EXPECT_EQ(recent[4]->text(), "&5 " + paths[17]);
    EXPECT_EQ(recent[5]->text(), "&6 " + paths[15]);

    // With unsaved changes Cancel keeps the drawing.
    fm->MarkModified();
    Prompt.Answers = {TPromptAnswer::Cancel};
    fm->RecentFileItem(2)->trigger();
    EXPECT_EQ(fm->CurrentFileName(), paths[16]);

    // An entry whose file has gone stays in the list and gives the empty drawing.
    QFile::remove(paths[20]);
    Prompt.Answers = {TPromptAnswer::No};
    fm->RecentFileItem(2)->trigger();
    EXPECT_EQ(Prompt.Errors.size(), 1u);
    EXPECT_EQ(fm->CurrentDrawing(), TZvDat(1));
    EXPECT_TRUE(fm->CurrentFileName().isEmpty());
    EXPECT_EQ(fm->RecentFileList().At(1), paths[20]);
}

TEST_F(MainFmTest, OpenNewAndSuccessfulSavesEmptyTheHistory) {
    const auto fm = NewWindow();
    const QString box = DrawingFile(QStringLiteral("box.zvt"), TwoPages());
    TPageTabs* tabs = fm->findChild<TPageTabs*>(QStringLiteral("TabControl1"));
    // Each page change leaves one entry to undo.
    const auto changePage = [&] {
        tabs->setCurrentIndex(1 - tabs->currentIndex());
        ASSERT_EQ(fm->EditHistory().Count(), 1);
    };

    OpenFile(*fm, box);
    EXPECT_EQ(fm->EditHistory().Count(), 0);
    changePage(); // to page 2
    Prompt.FileNames = {QString()};
    Trigger(*fm, "SaveAs1");
    EXPECT_EQ(fm->EditHistory().Count(), 1);
    Trigger(*fm, "Save1");
    EXPECT_EQ(fm->EditHistory().Count(), 0);

    changePage(); // back to page 1, where the triangle is
    ASSERT_NE(fm->PolygonAt(0), nullptr);
    fm->PolygonAt(0)->Apexes[0].X = 1e16L; // too wide for its column: the save fails
    Trigger(*fm, "Save1");
    EXPECT_EQ(Prompt.Errors.size(), 1u);
    EXPECT_EQ(fm->EditHistory().Count(), 1);
    fm->PolygonAt(0)->Apexes[0].X = 5;
    Prompt.FileNames = {PathIn(QStringLiteral("copy.zvt"))};
    Trigger(*fm, "SaveAs1");
    EXPECT_EQ(fm->EditHistory().Count(), 0);

    OpenFile(*fm, box);
    EXPECT_EQ(fm->EditHistory().Count(), 0);
    changePage();
    fm->RecentFileItem(1)->trigger();
    EXPECT_EQ(fm->EditHistory().Count(), 0);
    changePage();
    Trigger(*fm, "New1");
    EXPECT_EQ(fm->EditHistory().Count(), 0);
}

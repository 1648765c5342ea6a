// Tests of the sheet's file commands beyond the plain ones: 上書き保存 asks
// before it replaces a file another program changed, replaced or removed, and
// before it replaces a read-only file; a failed save says why; a cancelled
// open or save leaves the drawing and the files as they were.
#include "sheet_fixture.h"

#include "atomic_file.h"
#include "long_task.h"
#include "platform/child_process.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

using namespace child_process;

// Runs the work as the real runner does and cancels it at its report number
// CancelAt (from 1); 0 never cancels. Records the titles it was given.
class TCancellingLongTask : public ILongTask {
public:
    int CancelAt = 0;
    QStringList Titles;
    TLongTaskEnd Run(const QString& title, const TLongWork& work) override {
        Titles << title;
        int reports = 0;
        bool cancelled = false;
        const bool finished = work([&](double) {
            cancelled = cancelled || (CancelAt > 0 && ++reports >= CancelAt);
            return !cancelled;
        });
        return cancelled  ? TLongTaskEnd::Cancelled
               : finished ? TLongTaskEnd::Finished
                          : TLongTaskEnd::Failed;
    }
};

std::string ToBytes(const TZvDat& drawing) {
    std::string bytes;
    EXPECT_TRUE(DrawingToText(drawing, bytes));
    return bytes;
}

std::string FileBytes(const QString& path) {
    std::string bytes;
    return ReadFileBytes(path, bytes) ? bytes : std::string("(none)");
}

const TZvDat Box = {{Square(20, {10, 10}), Triangle(30, {50, 10})}, {}};

// Enough shapes for several pieces of file: a cancel lands halfway.
TZvDat Large() {
    TZvDat drawing(20);
    for (TPolygonTbl& page : drawing)
        for (int i = 0; i < 400; ++i)
            page.push_back(Square(5 + i % 7, {i % 20 * 8.0L, i / 20 * 8.0L}));
    return drawing;
}

// A shape of count vertices, about 87 bytes of file each.
TPolygon Long(int count) {
    TPolygon shape;
    for (int i = 0; i < count; ++i)
        shape.Apexes.push_back(PointF(i % 100, i / 100 + (i % 2) * 0.5L));
    shape.Flanges.resize(shape.Apexes.size());
    return shape;
}

class SheetFilesTest : public SheetWindowTest {
protected:
    void SetUp() override {
        LongTask = &Runner;
        Start();
    }
    QString BoxFile() const { return PathIn(QStringLiteral("box.zvt")); }
    // box.zvt holding drawing, opened in the window.
    void OpenBox(const TZvDat& drawing) {
        WriteFile(BoxFile(), ToBytes(drawing));
        Prompt.FileNames.push_back(BoxFile());
        Trigger("Open1");
        ASSERT_EQ(Fm->CurrentFileName(), BoxFile());
    }
    // What another program does: a new file written beside it and renamed over it.
    void ReplaceBehindTheWindow(const std::string& bytes) {
        const QString beside = PathIn(QStringLiteral("beside.zvt"));
        WriteFile(beside, bytes);
        ASSERT_EQ(::rename(QFile::encodeName(beside).constData(),
                           QFile::encodeName(BoxFile()).constData()),
                  0);
    }

    TCancellingLongTask Runner;
};

} // namespace

// Whatever another program did to the file since it was opened or last saved,
// 上書き保存 asks first, also when the drawing shown has not changed; No
// leaves the file as the other program left it.
TEST_F(SheetFilesTest, ChangesByAnotherProgramAreAskedAboutBeforeSaving) {
    const std::string theirs = ToBytes(TZvDat{{Square(99)}});
    struct TCase {
        const char* Name;
        std::function<void()> Change;
        QString Question;
    };
    const TCase cases[] = {
        {"replaced", [&] { ReplaceBehindTheWindow(theirs); },
         QStringLiteral("ファイル「%1」は、開いた後か最後に保存した後で、ほかのプログラムに"
                        "置き換えられています。上書きしますか？")},
        {"written into",
         [&] {
             QFile file(BoxFile());
             ASSERT_TRUE(file.open(QIODevice::Append));
             file.write("\r\n");
         },
         QStringLiteral("ファイル「%1」は、開いた後か最後に保存した後で、ほかのプログラムに"
                        "変更されています。上書きしますか？")},
        {"removed", [&] { ASSERT_TRUE(QFile::remove(BoxFile())); },
         QStringLiteral("ファイル「%1」は、開いた後か最後に保存した後で削除されています。"
                        "保存しますか？")},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        OpenBox(Box);
        c.Change();
        const std::string changed = FileBytes(BoxFile());
        Prompt.Questions.clear();
        Prompt.Answers = {TPromptAnswer::No};
        Trigger("Save1");
        ASSERT_EQ(Prompt.Questions.size(), 1u);
        EXPECT_EQ(Prompt.Questions[0].Text, c.Question.arg(BoxFile()));
        EXPECT_EQ(FileBytes(BoxFile()), changed) << "replaced without the user's Yes";

        Prompt.Answers = {TPromptAnswer::Yes};
        Trigger("Save1");
        EXPECT_EQ(FileBytes(BoxFile()), ToBytes(Box));
        // Saved, the file is the window's own again: no more questions.
        Prompt.Questions.clear();
        Fm->MarkModified();
        Trigger("Save1");
        EXPECT_TRUE(Prompt.Questions.empty());
        EXPECT_FALSE(Fm->IsModified());
    }
}

// A read-only file is replaced only after Yes, and keeps its permissions.
TEST_F(SheetFilesTest, AReadOnlyFileIsReplacedOnlyAfterAsking) {
    OpenBox(Box);
    const QByteArray name = QFile::encodeName(BoxFile());
    ASSERT_EQ(::chmod(name.constData(), 0444), 0);
    Click(At(20, 20));
    Trigger("PolygonDeleteMi");
    const QString question =
        QStringLiteral("ファイル「%1」は読み取り専用です。上書きしますか？").arg(BoxFile());

    Prompt.Answers = {TPromptAnswer::No};
    Trigger("Save1");
    ASSERT_EQ(Prompt.Questions.size(), 1u);
    EXPECT_EQ(Prompt.Questions[0].Text, question);
    EXPECT_EQ(FileBytes(BoxFile()), ToBytes(Box));
    EXPECT_TRUE(Fm->IsModified());

    Prompt.Answers = {TPromptAnswer::Yes};
    Trigger("Save1");
    EXPECT_EQ(FileBytes(BoxFile()), ToBytes(Fm->CurrentDrawing()));
    EXPECT_FALSE(Fm->IsModified());
    struct stat status {};
    ASSERT_EQ(::stat(name.constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0444u);
    EXPECT_TRUE(Prompt.Errors.empty());
}

// The message of a failed save names the file and says why: the shape that
// holds what no file can, a folder that is gone, a full disk.
TEST_F(SheetFilesTest, AFailedSaveSaysWhy) {
    OpenBox(Box);
    Fm->PolygonAt(1)->Apexes[2].Y = 1e15L;
    Fm->MarkModified();
    Trigger("Save1");
    ASSERT_EQ(Prompt.Errors.size(), 1u);
    EXPECT_EQ(Prompt.Errors[0].Text,
              QStringLiteral("ファイル「%1」を保存できませんでした。1ページの2番目の図形に、"
                             "ファイルに書けない値があります（原点から10^15 mm以上離れた頂点"
                             "など）。その図形を直してから保存してください。")
                  .arg(BoxFile()));
    EXPECT_EQ(FileBytes(BoxFile()), ToBytes(Box));
    Fm->PolygonAt(1)->Apexes[2].Y = 40;

    const QString gone = PathIn(QStringLiteral("gone/box.zvt"));
    Prompt.FileNames = {gone};
    Trigger("SaveAs1");
    ASSERT_EQ(Prompt.Errors.size(), 2u);
    EXPECT_EQ(Prompt.Errors[1].Text,
              QStringLiteral("ファイル「%1」を保存できませんでした。保存先のフォルダー「%2」が"
                             "ありません。削除されたか、ドライブが取り外された可能性があります。")
                  .arg(gone, PathIn(QStringLiteral("gone"))));

    if (!IsRoot())
        GTEST_SKIP() << "mounting a small file system to fill needs root";
    // A tiny file system of this thread's own, where the saves run.
    const QString small = PathIn(QStringLiteral("small"));
    ASSERT_TRUE(QDir().mkpath(small));
    ASSERT_EQ(::unshare(CLONE_NEWNS), 0);
    ASSERT_EQ(::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr), 0);
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=16k"), 0)
        << std::strerror(errno);
    const QString full = small + QStringLiteral("/box.zvt");
    *Fm->PolygonAt(0) = Long(300);
    Prompt.FileNames = {full};
    Trigger("SaveAs1");
    ::umount(QFile::encodeName(small).constData());
    ASSERT_EQ(Prompt.Errors.size(), 3u);
    EXPECT_EQ(
        Prompt.Errors[2].Text,
        QStringLiteral("ファイル「%1」を保存できませんでした。ディスクの空き容量が足りません。"
                       "不要なファイルを削除するか、別の場所に保存してください。")
            .arg(full));
    EXPECT_EQ(Fm->CurrentFileName(), BoxFile());
    EXPECT_TRUE(Fm->IsModified());
}

// A cancel while the file is read or written leaves the drawing shown, its
// file, its name and its state as they were, and says nothing.
TEST_F(SheetFilesTest, ACancelLeavesTheDrawingAndTheFilesAsTheyWere) {
    OpenBox(Box);
    Click(At(20, 20));
    Trigger("PolygonDeleteMi");
    const TZvDat shown = Fm->CurrentDrawing();
    const QString large = PathIn(QStringLiteral("large.zvt"));
    WriteFile(large, ToBytes(Large()));

    const int entries = Fm->EditHistory().Count();
    Runner.CancelAt = 2;
    Prompt.Answers = {TPromptAnswer::No}; // the changes may go, but the open is cancelled
    Prompt.FileNames = {large};
    Trigger("Open1");
    EXPECT_EQ(Fm->CurrentDrawing(), shown);
    EXPECT_EQ(Fm->CurrentFileName(), BoxFile());
    EXPECT_TRUE(Fm->IsModified());
    EXPECT_EQ(Fm->EditHistory().Count(), entries);

    *Fm->PolygonAt(0) = Long(30000); // three pieces of file
    const QStringList files = QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden);
    Trigger("Save1");
    EXPECT_EQ(FileBytes(BoxFile()), ToBytes(Box));
    EXPECT_TRUE(Fm->IsModified());
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), files);
    EXPECT_TRUE(Prompt.Errors.empty());

    // Each ran on the runner, named by the file's name.
    EXPECT_EQ(Runner.Titles.mid(Runner.Titles.size() - 2),
              QStringList({QStringLiteral("ファイル「large.zvt」を開いています..."),
                           QStringLiteral("ファイル「box.zvt」を保存しています...")}));
    Runner.CancelAt = 0;
    Trigger("Save1");
    EXPECT_FALSE(Fm->IsModified());
}

// Recovery copies of running programs, each under its own lock, found after
// their programs die; copies that cannot be read kept with their reason; a
// recovery folder that cannot be written reported; a copy older than its
// drawing's file named so.
#include "atomic_file.h"
#include "child_process.h"
#include "common/shape_builders.h"
#include "format/drawing_file.h"
#include "format/ini_file.h"
#include "left_recovery_copies.h"
#include "recovery_copy.h"
#include "recovery_messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>
#include <ostream>
#include <sys/stat.h>
#include <thread>

// Readable failure messages for Qt strings.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using namespace child_process;

const TZvDat TwoSquares = {{Square(20, {10, 10}), Square(20, {50, 10})}};
const TZvDat ThreeShapes = {{Square(20, {10, 10})}, {Triangle(30, {40, 40}), Square(5)}};

// A program that keeps a recovery copy of drawing and runs until it is
// killed; -1 when it could not write its copy.
pid_t StartProgramWithCopy(const QString& folder, const TZvDat& drawing, const QString& file) {
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        TRecoveryCopy copy(folder);
        const bool written = copy.Problem().Ok() && copy.Write(copy.Snapshot(drawing, file)).Ok();
        if (::write(ready[1], written ? "y" : "n", 1) != 1 || !written)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char answer = 'n';
    const bool started = pid > 0 && ::read(ready[0], &answer, 1) == 1 && answer == 'y';
    ::close(ready[0]);
    return started ? pid : -1;
}

void Kill(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

// A copy left behind: written by a program that then ended without removing it.
QString LeftCopy(const QString& folder, const TZvDat& drawing, const QString& file) {
    TRecoveryCopy copy(folder);
    EXPECT_TRUE(copy.Write(copy.Snapshot(drawing, file)).Ok());
    return copy.Path();
}

QString InfoPath(const QString& copy) {
    return copy.left(copy.size() - 4) + QStringLiteral(".info");
}

std::string Bytes(const QString& path) {
    std::string bytes;
    return ReadFileBytes(path, bytes) ? bytes : std::string("(none)");
}

void SetModified(const QString& path, const QDateTime& time) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

class RecoveryCopyTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Temporary.isValid());
        ASSERT_EQ(::chmod(QFile::encodeName(Temporary.path()).constData(), 0777), 0);
    }
    QString Folder() const { return Temporary.filePath(QStringLiteral("recovery")); }

    QTemporaryDir Temporary;
};

TEST_F(RecoveryCopyTest, EveryRunningProgramKeepsACopyAndEachIsFoundAfterItDies) {
    TRecoveryCopy own(Folder());
    ASSERT_TRUE(own.Problem().Ok());
    ASSERT_TRUE(own.Write(own.Snapshot(TwoSquares, QString())).Ok());
    const QString drawingFile = Temporary.filePath(QStringLiteral("a.zvt"));
    const pid_t first = StartProgramWithCopy(Folder(), TwoSquares, drawingFile);
    const pid_t second = StartProgramWithCopy(Folder(), ThreeShapes, QString());
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);

    EXPECT_TRUE(ListLeftRecoveryCopies(Folder()).empty()) << "the programs still run";
    Kill(first);
    EXPECT_EQ(ListLeftRecoveryCopies(Folder()).size(), 1u);
    Kill(second);

    std::vector<TLeftRecoveryCopy> left = ListLeftRecoveryCopies(Folder());
    ASSERT_EQ(left.size(), 2u);
    std::sort(left.begin(), left.end(), [](const auto& a, const auto& b) {
        return a.DrawingFile().size() > b.DrawingFile().size();
    });
    EXPECT_EQ(left[0].DrawingFile(), drawingFile);
    EXPECT_EQ(left[0].Drawing(), TwoSquares);
    EXPECT_EQ(left[1].DrawingFile(), QString());
    EXPECT_EQ(left[1].Drawing(), ThreeShapes);
    for (const TLeftRecoveryCopy& copy : left) {
        EXPECT_EQ(copy.State(), TRecoveryCopyState::Readable);
        EXPECT_FALSE(copy.OlderThanFile());
        EXPECT_LT(copy.Written().secsTo(QDateTime::currentDateTime()), 60);
    }
    EXPECT_TRUE(ListLeftRecoveryCopies(Folder()).empty())
        << "a program starting meanwhile offers the copies taken over a second time";

    // Restored or given up, a copy is gone; one not yet answered is offered
    // again at the next start.
    const QString discarded = left[0].Path();
    left[0].Discard();
    EXPECT_FALSE(QFileInfo::exists(discarded));
    left.clear();
    const std::vector<TLeftRecoveryCopy> again = ListLeftRecoveryCopies(Folder());
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].Drawing(), ThreeShapes);
    EXPECT_TRUE(QFileInfo::exists(own.Path()));
}

// A copy is named in the question by its drawing's file and its time, and
// one written before the file was saved again says that it is older.
TEST_F(RecoveryCopyTest, TheQuestionNamesTheFileTheTimeAndAnOlderCopy) {
    const QString drawingFile = Temporary.filePath(QStringLiteral("箱.zvt"));
    ASSERT_TRUE(WriteFileAtomically(drawingFile, "1\r\n0\r\n"));
    const QString copy = LeftCopy(Folder(), TwoSquares, drawingFile);
    const QDateTime written = QDateTime(QDate(2024, 5, 1), QTime(12, 34, 56));
    SetModified(copy, written);

    struct TCase {
        const char* Name;
        QDateTime FileTime;
        bool Older;
    };
    for (const TCase& c : {TCase{"file saved after the copy", written.addSecs(60), true},
                           TCase{"file saved before the copy", written.addSecs(-60), false}}) {
        SCOPED_TRACE(c.Name);
        SetModified(drawingFile, c.FileTime);
        const std::vector<TLeftRecoveryCopy> left = ListLeftRecoveryCopies(Folder());
        ASSERT_EQ(left.size(), 1u);
        EXPECT_EQ(left[0].OlderThanFile(), c.Older);
        EXPECT_EQ(RecoveryQuestionText(left[0]),
                  QStringLiteral("保存されずに終了した図形データがあります。復元しますか？\n\n"
                                 "図面: %1\n控えの日時: 2024/05/01 12:34:56")
                          .arg(drawingFile) +
                      (c.Older ? QStringLiteral("\n\nこの控えは、その後に保存された図面の"
                                                "ファイルより古いものです。")
                               : QString()));
    }

    // The one copy of earlier versions has no note of its file, and is left
    // alone while such a version runs: it held recovery.lock as a lock file.
    ASSERT_TRUE(QFile::rename(copy, Folder() + QStringLiteral("/recovery.zvt")));
    {
        QLockFile running(Folder() + QStringLiteral("/recovery.lock"));
        ASSERT_TRUE(running.tryLock(0));
        EXPECT_TRUE(ListLeftRecoveryCopies(Folder()).empty());
    }
    const std::vector<TLeftRecoveryCopy> legacy = ListLeftRecoveryCopies(Folder());
    ASSERT_EQ(legacy.size(), 1u);
    EXPECT_EQ(legacy[0].Drawing(), TwoSquares);
    EXPECT_TRUE(RecoveryQuestionText(legacy[0]).contains(QStringLiteral("図面: 名前なし\n")));
}

// A copy that cannot be read is never deleted: it is set aside where no later
// start offers it again, and the user is told why and where.
TEST_F(RecoveryCopyTest, UnreadableCopiesAreKeptWithTheirReason) {
    std::string far;
    ASSERT_TRUE(DrawingToText(TwoSquares, far));
    const std::size_t firstVertex = far.find("  10.00000000000");
    ASSERT_NE(firstVertex, std::string::npos);
    far.replace(firstVertex, 16, "            1e16");

    struct TCase {
        const char* Name;
        std::function<void(const QString& copy)> Spoil;
        TRecoveryCopyState State;
        QString Reason;
    };
    const TCase cases[] = {
        {"cut short",
         [](const QString& copy) {
             ASSERT_EQ(::truncate(QFile::encodeName(copy).constData(), 40), 0);
         },
         TRecoveryCopyState::CutShort, QStringLiteral("控えが途中で切れています。")},
        {"from a newer version",
         [](const QString& copy) {
             TIniFile info(Bytes(InfoPath(copy)));
             info.WriteInteger("Recovery", "Format", 2);
             ASSERT_TRUE(WriteFileAtomically(InfoPath(copy), info.ToText()));
         },
         TRecoveryCopyState::NewerVersion,
         QStringLiteral("新しい版の Zelvo で書かれた控えで、この版では読めません。")},
        {"holding 1e16",
         [&far](const QString& copy) { ASSERT_TRUE(WriteFileAtomically(copy, far)); },
         TRecoveryCopyState::Damaged,
         QStringLiteral("控えの内容が図形データとして正しくないか、範囲外の値を含んでいます。")},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString copy = LeftCopy(Folder(), TwoSquares, QString());
        c.Spoil(copy);
        const std::string bytes = Bytes(copy);
        std::vector<TLeftRecoveryCopy> left = ListLeftRecoveryCopies(Folder());
        ASSERT_EQ(left.size(), 1u);
        EXPECT_EQ(left[0].State(), c.State);
        left[0].Discard();
        ASSERT_EQ(Bytes(copy), bytes) << "an unreadable copy was deleted";

        const QString kept = left[0].SetAside();
        EXPECT_EQ(QFileInfo(kept).dir(), QDir(Folder() + QStringLiteral("/unreadable")));
        EXPECT_EQ(Bytes(kept), bytes);
        EXPECT_TRUE(QFileInfo::exists(InfoPath(kept)));
        EXPECT_FALSE(QFileInfo::exists(copy));
        EXPECT_TRUE(UnreadableRecoveryText(left[0]).startsWith(
            QStringLiteral("保存されずに終了した図形データの控えを"
                           "読み込めませんでした。") +
            c.Reason + QStringLiteral("控えは「%1」に残してあります。").arg(kept)))
            << UnreadableRecoveryText(left[0]).toStdString();
        left.clear();
        EXPECT_TRUE(ListLeftRecoveryCopies(Folder()).empty()) << "offered again";
    }
    EXPECT_EQ(QDir(Folder() + QStringLiteral("/unreadable")).entryList({"*.zvt"}).size(), 3);
}

TEST_F(RecoveryCopyTest, CopyTheSystemWillNotLetBeReadIsKeptWithTheReason) {
    const QString copy = LeftCopy(Folder(), TwoSquares, QString());
    ASSERT_EQ(::chmod(QFile::encodeName(Folder()).constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(copy).constData(), 0), 0);
    for (const QString& lock : QDir(Folder()).entryList({"*.lock"}))
        ASSERT_EQ(::chmod(QFile::encodeName(Folder() + '/' + lock).constData(), 0644), 0);
    const std::string child = RunUnprivileged([&] {
        std::vector<TLeftRecoveryCopy> left = ListLeftRecoveryCopies(Folder());
        if (left.size() != 1)
            return std::string("copies listed: ") + std::to_string(left.size());
        left[0].Discard();
        return std::to_string(static_cast<int>(left[0].State())) + "\n" +
               UnreadableRecoveryText(left[0]).toStdString();
    });
    const QStringList lines = Lines(child);
    ASSERT_GE(lines.size(), 2) << child;
    EXPECT_EQ(lines[0], QString::number(static_cast<int>(TRecoveryCopyState::CannotRead)));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("控えを読めません（%1）。控えは「%2」に")
                                      .arg(QString::fromLocal8Bit(std::strerror(EACCES)), copy)))
        << child;
    EXPECT_TRUE(QFileInfo::exists(copy));
}

TEST_F(RecoveryCopyTest, UnwritableFolderIsReportedAndNothingWritten) {
    // A file where the folder should be: no one may make the folder.
    ASSERT_TRUE(WriteFileAtomically(Folder(), "a file"));
    TRecoveryCopy blocked(Folder() + QStringLiteral("/zelvo"));
    EXPECT_EQ(blocked.Problem().Failure, TSaveFailure::FolderGone);
    EXPECT_EQ(blocked.Write(blocked.Snapshot(TwoSquares, QString())).Failure,
              TSaveFailure::FolderGone);
    EXPECT_EQ(Bytes(Folder()), "a file");

    const QString locked = Temporary.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0555), 0);
    const std::string child = RunUnprivileged([&] {
        TRecoveryCopy copy(locked);
        const TSaveResult written = copy.Write(copy.Snapshot(TwoSquares, QString()));
        return std::to_string(static_cast<int>(written.Failure)) + "\n" +
               RecoveryUnavailableText(locked, copy.Problem()).toStdString();
    });
    EXPECT_EQ(Lines(child),
              (QStringList{QString::number(static_cast<int>(TSaveFailure::NoPermission)),
                           QStringLiteral("復元用の控えをフォルダー「%1」に書き込めません"
                                          "（書き込む権限がありません）。保存しないまま異常終了"
                                          "すると、変更は失われます。")
                               .arg(locked)}));
    EXPECT_TRUE(QDir(locked).isEmpty());
}

// The window takes its snapshot on its own thread and a worker writes it; a
// save in between (which removes the copy) wins over the write.
TEST_F(RecoveryCopyTest, WritesRunOnAWorkerAndARemoveWins) {
    TRecoveryCopy copy(Folder());
    const TRecoverySnapshot beforeSave = copy.Snapshot(TwoSquares, QString());
    copy.Remove();
    TSaveResult written;
    std::thread worker([&] { written = copy.Write(beforeSave); });
    worker.join();
    EXPECT_TRUE(written.Ok());
    EXPECT_FALSE(QFileInfo::exists(copy.Path())) << "a copy of a drawing since saved";

    const TRecoverySnapshot afterSave = copy.Snapshot(ThreeShapes, QString());
    std::thread next([&] { written = copy.Write(afterSave); });
    next.join();
    ASSERT_TRUE(written.Ok());
    TZvDat read;
    ASSERT_EQ(TextToDrawing(Bytes(copy.Path()), read), TDrawingReadResult::Ok);
    EXPECT_EQ(read, ThreeShapes);
}

} // namespace

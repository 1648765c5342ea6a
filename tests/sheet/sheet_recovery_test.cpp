// Tests of crash recovery in the sheet: unsaved changes written aside from a
// few seconds after the first change and removed by a save, by giving them up
// and by a normal end; the copies programs left offered at the next start,
// one at a time, each named by its drawing and time, unreadable ones set
// aside with the reason, the rest left for another start; a folder that
// cannot be written said so; and the interval at which copies are written.
#include "sheet_fixture.h"

#include "atomic_file.h"
#include "left_recovery_copies.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>

#include <sys/stat.h>

namespace {

const TZvDat Box = {{Square(20, {10, 10}), Square(20, {50, 10}), Square(20, {90, 10})},
                    {Triangle(30, {40, 40})}};
const TZvDat Other = {{Triangle(15)}};

std::string TextOf(const TZvDat& drawing) {
    std::string text;
    DrawingToText(drawing, text);
    return text;
}

class SheetRecoveryTest : public SheetWindowTest {
protected:
    QString Folder() const { return PathIn(QStringLiteral("data")); }
    static std::string Bytes(const QString& path) {
        std::string bytes;
        return ReadFileBytes(path, bytes) ? bytes : std::string("(none)");
    }
    // The copies in the folder, of running programs and of ended ones.
    QStringList Copies() const {
        return QDir(Folder()).entryList({QStringLiteral("recovery-*.zvt")}, QDir::Files);
    }
    // A copy a program left as it died: written, its lock gone with it.
    QString LeftCopy(const TZvDat& drawing, const QString& file) const {
        TRecoveryCopy copy(Folder());
        EXPECT_TRUE(copy.Write(copy.Snapshot(drawing, file)).Ok());
        return copy.Path();
    }
    QString Status() const {
        return Fm->findChild<QLabel*>(QStringLiteral("RecoveryPanel"))->text();
    }
};

} // namespace

TEST_F(SheetRecoveryTest, UnsavedChangesAreKeptAsideUntilSavedOrGivenUp) {
    TRecoveryCopy recovery(Folder());
    ASSERT_TRUE(recovery.Problem().Ok());
    Recovery = &recovery;
    Start();
    Open(Box);
    Fm->WriteRecovery();
    EXPECT_FALSE(QFile::exists(recovery.Path())) << "an unchanged drawing needs no copy";

    Click(At(20, 20));
    Trigger("PolygonDeleteMi");
    Fm->WriteRecovery();
    EXPECT_EQ(Bytes(recovery.Path()), TextOf(Fm->CurrentDrawing()));
    EXPECT_NE(Bytes(recovery.Path()), TextOf(Box)) << "the copy holds the change";
    EXPECT_EQ(Bytes(Fm->CurrentFileName()), TextOf(Box)) << "the user's file is never written";

    Trigger("Save1");
    EXPECT_FALSE(QFile::exists(recovery.Path()));

    // Giving the changes up with New removes the copy as well.
    Click(At(60, 20));
    Trigger("PolygonDeleteMi");
    Fm->WriteRecovery();
    ASSERT_TRUE(QFile::exists(recovery.Path()));
    Prompt.Answers = {TPromptAnswer::No};
    Trigger("New1");
    EXPECT_FALSE(QFile::exists(recovery.Path()));

    // So does a normal end.
    Open(Box);
    Click(At(60, 20));
    Trigger("PolygonDeleteMi");
    Fm->WriteRecovery();
    ASSERT_TRUE(QFile::exists(recovery.Path()));
    Prompt.Answers = {TPromptAnswer::No};
    Fm->close();
    EXPECT_FALSE(QFile::exists(recovery.Path()));
}

// The copies left behind are offered newest first, each named; the first one
// wanted is restored as an unsaved drawing without a file, kept until the
// program's own copy of it is written; one the user declines is deleted; the
// one after a restored one waits for another start.
TEST_F(SheetRecoveryTest, TheNextStartOffersEachCopyLeftBehind) {
    const QString boxFile = PathIn(QStringLiteral("box.zvt"));
    const QString older = LeftCopy(Other, QString());
    QFile olderFile(older);
    ASSERT_TRUE(olderFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(olderFile.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                      QFileDevice::FileModificationTime));
    olderFile.close();
    const QString newer = LeftCopy(Box, boxFile);

    TRecoveryCopy own(Folder());
    Recovery = &own;
    Start();
    Prompt.Answers = {TPromptAnswer::Yes};
    Fm->OfferRecovery();
    ASSERT_EQ(Prompt.Questions.size(), 1u);
    EXPECT_TRUE(Prompt.Questions[0].Text.startsWith(
        QStringLiteral("保存されずに終了した図形データがあります。復元しますか？\n\n図面: %1\n"
                       "控えの日時: ")
            .arg(boxFile)))
        << Prompt.Questions[0].Text.toStdString();
    EXPECT_EQ(Fm->CurrentDrawing(), Box);
    EXPECT_TRUE(Fm->IsModified());
    EXPECT_TRUE(Fm->CurrentFileName().isEmpty()) << "the user chooses where to save it";
    EXPECT_EQ(Fm->EditHistory().Count(), 0);
    EXPECT_EQ(Bytes(own.Path()), TextOf(Box)) << "written aside again at once";
    EXPECT_FALSE(QFile::exists(newer)) << "replaced by the program's own copy";
    ASSERT_EQ(Prompt.Warnings.size(), 1u);
    EXPECT_EQ(Prompt.Warnings[0].Text,
              QStringLiteral("保存されずに終了した図形データがほかに1件あります。Zelvo を"
                             "もう一つ起動すると、それを復元するかどうかを確認します。"));
    EXPECT_TRUE(QFile::exists(older));
    Fm->OfferRecovery(); // asks only once
    EXPECT_EQ(Prompt.Questions.size(), 1u);

    // A second program, started while the first runs, offers the other copy;
    // No deletes it.
    TRecoveryCopy second(Folder());
    Recovery = &second;
    TSheetHandle secondWindow = NewWindow();
    Prompt.Answers = {TPromptAnswer::No};
    secondWindow->OfferRecovery();
    ASSERT_EQ(Prompt.Questions.size(), 2u);
    EXPECT_TRUE(Prompt.Questions[1].Text.contains(QStringLiteral("図面: 名前なし\n")));
    EXPECT_EQ(secondWindow->CurrentDrawing(), TZvDat(1));
    EXPECT_FALSE(QFile::exists(older));
    EXPECT_EQ(Copies(), QStringList({QFileInfo(own.Path()).fileName()}));
}

// An unreadable copy is never deleted: it is set aside, and the message says
// why it cannot be read and where it is now.
TEST_F(SheetRecoveryTest, AnUnreadableCopyIsKeptAndTheUserToldWhere) {
    const QString copy = LeftCopy(Box, QString());
    ASSERT_EQ(::truncate(QFile::encodeName(copy).constData(), 100), 0);
    const std::string bytes = Bytes(copy);
    TRecoveryCopy own(Folder());
    Recovery = &own;
    Start();
    Fm->OfferRecovery();
    EXPECT_TRUE(Prompt.Questions.empty());
    ASSERT_EQ(Prompt.Errors.size(), 1u);
    const QString kept = Folder() + QStringLiteral("/unreadable/") + QFileInfo(copy).fileName();
    EXPECT_TRUE(Prompt.Errors[0].Text.startsWith(
        QStringLiteral("保存されずに終了した図形データの控えを読み込めませんでした。"
                       "控えが途中で切れています。控えは「%1」に残してあります。")
            .arg(kept)))
        << Prompt.Errors[0].Text.toStdString();
    EXPECT_EQ(Bytes(kept), bytes);
    EXPECT_EQ(Fm->CurrentDrawing(), TZvDat(1));
}

// A folder where no copy can be written is said once at start and stays
// said in the status line.
TEST_F(SheetRecoveryTest, AFolderThatCannotBeWrittenIsSaid) {
    ASSERT_TRUE(WriteFileAtomically(Folder(), "a file where the folder should be"));
    TRecoveryCopy blocked(Folder() + QStringLiteral("/zelvo"));
    Recovery = &blocked;
    Start();
    Fm->OfferRecovery();
    const QString text = QStringLiteral("復元用の控えをフォルダー「%1」に書き込めません（"
                                        "フォルダーがありません）。保存しないまま異常終了すると、"
                                        "変更は失われます。")
                             .arg(Folder() + QStringLiteral("/zelvo"));
    ASSERT_EQ(Prompt.Warnings.size(), 1u);
    EXPECT_EQ(Prompt.Warnings[0].Text, text);
    EXPECT_EQ(Status(), text);
    Open(Box);
    Click(At(20, 20));
    Trigger("PolygonDeleteMi");
    Fm->WriteRecovery();
    EXPECT_EQ(Status(), text);
    EXPECT_EQ(Prompt.Warnings.size(), 1u) << "said once";
}

// The first copy comes a few seconds after the first change, not a minute
// later; the next waits for the interval.
TEST_F(SheetRecoveryTest, TheFirstCopyComesWithinSecondsOfTheFirstChange) {
    TRecoveryCopy recovery(Folder());
    Recovery = &recovery;
    Start();
    Open(Box);
    QElapsedTimer clock;
    clock.start();
    Click(At(20, 20));
    Trigger("PolygonDeleteMi");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(recovery.Path()); }, 10000));
    EXPECT_GE(clock.elapsed(), FirstRecoveryDelay.count() - 100);
    EXPECT_LT(clock.elapsed(), FirstRecoveryDelay.count() + 1500);
    const std::string first = Bytes(recovery.Path());
    EXPECT_EQ(first, TextOf(Fm->CurrentDrawing()));

    Click(At(60, 20));
    Trigger("PolygonDeleteMi");
    QTest::qWait(static_cast<int>(FirstRecoveryDelay.count()) + 1000);
    EXPECT_EQ(Bytes(recovery.Path()), first) << "the next copy waits for the minute";
}

TEST_F(SheetRecoveryTest, TheCopyIsWrittenAtTheIntervalGiven) {
    TRecoveryCopy recovery(Folder());
    Recovery = &recovery;
    RecoveryInterval = std::chrono::milliseconds(20);
    Start();
    Open(Box);
    Click(At(20, 20));
    Trigger("PolygonDeleteMi");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(recovery.Path()); }, 5000));
    EXPECT_EQ(Bytes(recovery.Path()), TextOf(Fm->CurrentDrawing()));
    Click(At(60, 20));
    Trigger("PolygonDeleteMi");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Bytes(recovery.Path()) == TextOf(Fm->CurrentDrawing()); }, 5000));

    // Saved, the drawing needs no copy.
    Trigger("Save1");
    EXPECT_FALSE(QFile::exists(recovery.Path()));
    QTest::qWait(100);
    EXPECT_FALSE(QFile::exists(recovery.Path()));
}

TEST(RecoveryInterval, IsAPositiveWholeNumberOfMillisecondsOrTheMinute) {
    using std::chrono::milliseconds;
    EXPECT_EQ(RecoveryIntervalFrom(nullptr), milliseconds(60000));
    EXPECT_EQ(RecoveryIntervalFrom("500"), milliseconds(500));
    for (const char* text : {"", "0", "-5", "1.5", "12ms", " 50", "99999999999"})
        EXPECT_EQ(RecoveryIntervalFrom(text), milliseconds(60000)) << text;
}

// The copy a crash left outlives copies written while the question waits for
// the user: Yes still restores it.
TEST_F(SheetRecoveryTest, TheCopyWaitsForTheAnswerHoweverLongItTakes) {
    const QString left = LeftCopy(Box, QString());
    TRecoveryCopy recovery(Folder());
    Recovery = &recovery;
    RecoveryInterval = std::chrono::milliseconds(10);
    Start();
    Prompt.WhileAsking = [] { QTest::qWait(200); };
    Prompt.Answers = {TPromptAnswer::Yes};
    Fm->OfferRecovery();
    EXPECT_EQ(Fm->CurrentDrawing(), Box);
    EXPECT_TRUE(Fm->IsModified());
    EXPECT_FALSE(QFile::exists(left));
}

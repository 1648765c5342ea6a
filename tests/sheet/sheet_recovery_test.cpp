// Tests of crash recovery: unsaved changes written aside and removed again by
// a save, by giving them up and by a normal end; the copy a crashed program
// left offered at the next start; a second program writing nothing; and the
// interval at which the copy is written.
#include "sheet_fixture.h"

#include "atomic_file.h"

namespace {

class SheetRecoveryTest : public SheetWindowTest {
protected:
    QString Folder() const { return PathIn(QStringLiteral("data")); }
    QString CopyPath() const { return Folder() + QStringLiteral("/recovery.zvt"); }
    std::string Copy() const {
        std::string bytes;
        return ReadFileBytes(CopyPath(), bytes) ? bytes : std::string("(none)");
    }
    static std::string TextOf(const TZvDat& drawing) {
        std::string text;
        DrawingToText(drawing, text);
        return text;
    }
};

const TZvDat Box = {{Square(20, {10, 10}), Square(20, {50, 10}), Square(20, {90, 10})},
                    {Triangle(30, {40, 40})}};

} // namespace

TEST_F(SheetRecoveryTest, UnsavedChangesAreKeptAsideUntilSavedOrGivenUp) {
    TRecoveryFile recovery(Folder());
    ASSERT_TRUE(recovery.IsOwned());
    Recovery = &recovery;
    Start();
    Open(Box);
    Fm->WriteRecovery();
    EXPECT_FALSE(QFile::exists(CopyPath())) << "an unchanged drawing needs no copy";

    Click(At(20, 20));
    Trigger("PolygonDeleteMi");
    Fm->WriteRecovery();
    EXPECT_EQ(Copy(), TextOf(Fm->CurrentDrawing()));
    EXPECT_NE(Copy(), TextOf(Box)) << "the copy holds the change";
    std::string saved;
    ASSERT_TRUE(ReadFileBytes(Fm->CurrentFileName(), saved));
    EXPECT_EQ(saved, TextOf(Box)) << "the user's file is never written";

    Trigger("Save1");
    EXPECT_FALSE(QFile::exists(CopyPath()));

    // Giving the changes up with New removes the copy as well.
    Click(At(60, 20));
    Trigger("PolygonDeleteMi");
    Fm->WriteRecovery();
    ASSERT_TRUE(QFile::exists(CopyPath()));
    Prompt.Answers = {TPromptAnswer::No};
    Trigger("New1");
    EXPECT_FALSE(QFile::exists(CopyPath()));

    // So does a normal end.
    Open(Box);
    Click(At(60, 20));
    Trigger("PolygonDeleteMi");
    Fm->WriteRecovery();
    ASSERT_TRUE(QFile::exists(CopyPath()));
    Prompt.Answers = {TPromptAnswer::No};
    Fm->close();
    EXPECT_FALSE(QFile::exists(CopyPath()));
}

TEST_F(SheetRecoveryTest, TheNextStartOffersWhatACrashLeftAsAnUnsavedDrawing) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    ASSERT_TRUE(WriteFileAtomically(CopyPath(), TextOf(Box)));
    {
        TRecoveryFile recovery(Folder());
        Recovery = &recovery;
        Start();
        Prompt.Answers = {TPromptAnswer::Yes};
        Fm->OfferRecovery();
        ASSERT_EQ(Prompt.Questions.size(), 1u);
        EXPECT_EQ(Prompt.Questions[0].Text,
                  QStringLiteral("保存されずに終了した図形データがあります。復元しますか？"));
        EXPECT_EQ(Fm->CurrentDrawing(), Box);
        EXPECT_TRUE(Fm->IsModified());
        EXPECT_TRUE(Fm->CurrentFileName().isEmpty()) << "the user chooses where to save it";
        EXPECT_EQ(Fm->EditHistory().Count(), 0);
        EXPECT_EQ(Copy(), TextOf(Box)) << "kept until it is saved";
        Fm->OfferRecovery(); // asks only once
        EXPECT_EQ(Prompt.Questions.size(), 1u);
        Fm.reset();
    }

    // No gives the copy up.
    TRecoveryFile recovery(Folder());
    Recovery = &recovery;
    Start();
    Prompt.Answers = {TPromptAnswer::No};
    Fm->OfferRecovery();
    EXPECT_EQ(Fm->CurrentDrawing(), TZvDat(1));
    EXPECT_FALSE(QFile::exists(CopyPath()));
}

TEST_F(SheetRecoveryTest, ASecondProgramWritesNothingOverTheFirstOnesCopy) {
    TRecoveryFile first(Folder());
    TRecoveryFile second(Folder());
    EXPECT_TRUE(first.IsOwned());
    EXPECT_FALSE(second.IsOwned());
    ASSERT_TRUE(first.Write("first"));
    EXPECT_FALSE(second.Write("second"));
    second.Remove();
    EXPECT_EQ(Copy(), "first");

    Recovery = &second;
    Start();
    Fm->OfferRecovery(); // nothing to offer: the copy is the running program's
    EXPECT_TRUE(Prompt.Questions.empty());
}

TEST_F(SheetRecoveryTest, TheCopyIsWrittenAtTheIntervalGiven) {
    TRecoveryFile recovery(Folder());
    Recovery = &recovery;
    RecoveryInterval = std::chrono::milliseconds(20);
    Start();
    Open(Box);
    Click(At(20, 20));
    Trigger("PolygonDeleteMi");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(CopyPath()); }, 5000));
    EXPECT_EQ(Copy(), TextOf(Fm->CurrentDrawing()));

    // Saved, the drawing needs no copy: the next tick leaves none.
    Trigger("Save1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(CopyPath()); }, 5000));
}

TEST(RecoveryInterval, IsAPositiveWholeNumberOfMillisecondsOrTheMinute) {
    using std::chrono::milliseconds;
    EXPECT_EQ(RecoveryIntervalFrom(nullptr), milliseconds(60000));
    EXPECT_EQ(RecoveryIntervalFrom("500"), milliseconds(500));
    for (const char* text : {"", "0", "-5", "1.5", "12ms", " 50", "99999999999"})
        EXPECT_EQ(RecoveryIntervalFrom(text), milliseconds(60000)) << text;
}

// The copy a crash left outlives intervals that pass while the question waits
// for the user: Yes still restores it.
TEST_F(SheetRecoveryTest, TheCopyWaitsForTheAnswerHoweverLongItTakes) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    ASSERT_TRUE(WriteFileAtomically(CopyPath(), TextOf(Box)));
    TRecoveryFile recovery(Folder());
    Recovery = &recovery;
    RecoveryInterval = std::chrono::milliseconds(10);
    Start();
    Prompt.WhileAsking = [] { QTest::qWait(200); };
    Prompt.Answers = {TPromptAnswer::Yes};
    Fm->OfferRecovery();
    EXPECT_EQ(Fm->CurrentDrawing(), Box);
    EXPECT_TRUE(Fm->IsModified());
}

// The clipboard under X11, on a virtual X server of the test's own: another
// program's text arrives, small or in parts, and a program that holds the
// clipboard without ever answering costs about a second and is reported.
#include "clipboard.h"
#include "common/shape_builders.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

pid_t XServer = -1;

// An Xvfb that picks a free display and names it on a pipe; false when
// there is none.
bool StartXServer() {
    int display[2];
    if (::pipe(display) != 0)
        return false;
    XServer = ::fork();
    if (XServer == 0) {
        // It ends with the test, however the test ends.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::dup2(display[1], 3);
        ::execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "640x480x24", "-nolisten",
                 "tcp", "-noreset", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(display[1]);
    std::string number;
    char c = 0;
    while (::read(display[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(display[0]);
    if (XServer < 0 || number.empty())
        return false;
    ::setenv("DISPLAY", (":" + number).c_str(), 1);
    return true;
}

// The other program, holding the clipboard until the test ends it.
class TOwner {
public:
    explicit TOwner(const QStringList& arguments) {
        FProcess.start(QStringLiteral(ZELVO_CLIPBOARD_OWNER), arguments);
        FOwns = FProcess.waitForReadyRead(20000) && FProcess.readLine() == "owned\n";
    }
    ~TOwner() {
        FProcess.kill();
        FProcess.waitForFinished();
    }
    bool Owns() const { return FOwns; }

private:
    QProcess FProcess;
    bool FOwns = false;
};

class X11ClipboardTest : public testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "no virtual X server (Xvfb) to run on";
        ASSERT_TRUE(Temporary.isValid());
    }
    TOwner Answering(const QString& text) {
        const QString file = Temporary.filePath(QStringLiteral("text"));
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.toUtf8());
        out.close();
        return TOwner({QStringLiteral("text"), file});
    }

    QTemporaryDir Temporary;
    TQtClipboard Clipboard;
};

// The toolkit takes the clipboard with the time of the last input event it
// saw, and a test has none: its own text comes before any other program has
// taken the clipboard, which would make that time too old.
TEST_F(X11ClipboardTest, OwnTextAnswersAtOnce) {
    Clipboard.SetText(QStringLiteral("ここにある"));
    QElapsedTimer clock;
    clock.start();
    QString text;
    EXPECT_EQ(Clipboard.ReadText(text), TClipboardRead::Answered);
    EXPECT_EQ(text, QStringLiteral("ここにある"));
    EXPECT_LT(clock.elapsed(), 500);
}

TEST_F(X11ClipboardTest, NoOwnerAnswersEmpty) {
    {
        const TOwner silent({QStringLiteral("silent")});
        ASSERT_TRUE(silent.Owns());
    }
    // The owner's end leaves the clipboard to no one once the server sees its
    // connection close.
    QString text = QStringLiteral("before");
    QElapsedTimer clock;
    clock.start();
    while (Clipboard.ReadText(text) == TClipboardRead::NoAnswer && clock.elapsed() < 10000) {
    }
    clock.restart();
    EXPECT_EQ(Clipboard.ReadText(text), TClipboardRead::Answered);
    EXPECT_TRUE(text.isEmpty());
    EXPECT_LT(clock.elapsed(), 500);
}

TEST_F(X11ClipboardTest, AnOwnerThatNeverAnswersCostsAboutASecond) {
    const TOwner silent({QStringLiteral("silent")});
    ASSERT_TRUE(silent.Owns());
    QElapsedTimer clock;
    clock.start();
    QString text = QStringLiteral("before");
    EXPECT_EQ(Clipboard.ReadText(text), TClipboardRead::NoAnswer);
    const qint64 waited = clock.elapsed();
    EXPECT_TRUE(text.isEmpty());
    EXPECT_GE(waited, ClipboardWait.count() * 9 / 10);
    EXPECT_LT(waited, ClipboardWait.count() * 5 / 2);

    TPolygon shape = Square(10);
    TClipboardRead read = TClipboardRead::Answered;
    EXPECT_EQ(PastePolygonFromClipboard(Clipboard, shape, &read), TTextReadResult::Malformed);
    EXPECT_EQ(read, TClipboardRead::NoAnswer);
    EXPECT_EQ(shape, Square(10));
    std::printf("a clipboard owner that never answers: %lld ms\n", static_cast<long long>(waited));
}

// 20 MB is more than one request can carry, so the owner sends it in parts.
TEST_F(X11ClipboardTest, AnotherProgramsTextArrivesWholeSmallOrInParts) {
    QString large = QStringLiteral("模型 箱\r\n");
    large.reserve(20 * 1024 * 1024);
    for (int i = 0; large.size() < 20 * 1024 * 1024; ++i)
        large += QChar(u'a' + i % 26);
    std::string blockBytes;
    ASSERT_TRUE(PolygonToText(Triangle(30, {5, 5}), blockBytes));
    const QString block = QString::fromLatin1(blockBytes);

    for (const QString& sent : {block, large}) {
        SCOPED_TRACE(sent.size());
        const TOwner owner = Answering(sent);
        ASSERT_TRUE(owner.Owns());
        QString text;
        ASSERT_EQ(Clipboard.ReadText(text), TClipboardRead::Answered);
        EXPECT_EQ(text.size(), sent.size());
        EXPECT_TRUE(text == sent);
    }
    const TOwner owner = Answering(block);
    ASSERT_TRUE(owner.Owns());
    TPolygon pasted;
    TClipboardRead read = TClipboardRead::NoAnswer;
    ASSERT_EQ(PastePolygonFromClipboard(Clipboard, pasted, &read), TTextReadResult::Ok);
    EXPECT_EQ(read, TClipboardRead::Answered);
    EXPECT_EQ(pasted.Apexes.size(), 3u);
}

} // namespace

int main(int argc, char** argv) {
    const bool onX = StartXServer();
    qputenv("QT_QPA_PLATFORM", onX ? "xcb" : "offscreen");
    int status = 0;
    {
        QGuiApplication application(argc, argv);
        testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    if (XServer > 0) {
        ::kill(XServer, SIGTERM);
        ::waitpid(XServer, nullptr, 0);
    }
    return status;
}

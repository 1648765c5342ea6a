// A save killed at any moment never loses the file that was there: the target
// is always the complete old file or the complete new one, and what a killed
// save leaves behind does not pile up beside it.
#include "atomic_file.h"
#include "large_drawing.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

QStringList OthersThan(const QString& folder, const QString& name) {
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                 QDir::NoDotAndDotDot);
    entries.removeAll(name);
    return entries;
}

// Starts the child saving variant over path; true once it has begun writing.
bool StartSave(QProcess& child, const QString& path, int variant) {
    child.start(QStringLiteral(ZELVO_SAVE_CHILD), {path, QString::number(variant)});
    return child.waitForStarted() && child.waitForReadyRead(60000);
}

} // namespace

TEST(InterruptedSaveTest, KilledSavesLeaveTheOldOrTheNewFileWhole) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("模型 箱.zvt"));
    const std::string contents[2] = {LargeDrawingText(0), LargeDrawingText(1)};
    ASSERT_TRUE(WriteFileAtomically(path, contents[0]));

    // How long one whole save takes here, to kill the others within it.
    QProcess timing;
    ASSERT_TRUE(StartSave(timing, path, 1));
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(timing.waitForFinished(120000));
    const qint64 saveMs = std::max<qint64>(clock.elapsed(), 1);
    int current = 1;

    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    // Kills land within the write; the few that come after it end nothing. On
    // a busy machine a save may run faster than the one timed, so more rounds
    // can be needed before 20 kills have landed.
    std::uniform_int_distribution<qint64> killAt(0, saveMs * 3 / 4);
    int killedMidway = 0;
    int rounds = 0;
    for (; killedMidway < 20 && rounds < 200; ++rounds) {
        const int round = rounds;
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", round " << round);
        const int next = 1 - current;
        QProcess child;
        ASSERT_TRUE(StartSave(child, path, next));
        const qint64 delay = killAt(random);
        if (!child.waitForFinished(static_cast<int>(delay))) {
            child.kill();
            ASSERT_TRUE(child.waitForFinished(10000));
            ++killedMidway;
        }
        std::string bytes;
        ASSERT_TRUE(ReadFileBytes(path, bytes));
        ASSERT_TRUE(bytes == contents[0] || bytes == contents[1])
            << "the file is neither the old nor the new drawing (" << bytes.size() << " bytes)";
        current = bytes == contents[0] ? 0 : 1;
        const QStringList left = OthersThan(folder.path(), QStringLiteral("模型 箱.zvt"));
        EXPECT_LE(left.size(), 1) << "what killed saves left piles up: "
                                  << left.join(u' ').toStdString();
    }
    std::printf("interrupted saves: seed %u, %d of %d killed while writing, a save takes %lld ms\n",
                seed, killedMidway, rounds, static_cast<long long>(saveMs));
    EXPECT_GE(killedMidway, 20);

    // The next whole save leaves nothing but the file.
    ASSERT_TRUE(WriteFileAtomically(path, contents[current]));
    const QStringList left = OthersThan(folder.path(), QStringLiteral("模型 箱.zvt"));
    EXPECT_TRUE(left.isEmpty()) << "left beside the file: " << left.join(u' ').toStdString();
}

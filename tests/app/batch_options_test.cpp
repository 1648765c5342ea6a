// Tests of the command line's options: which arguments run the program
// without a window (a drawing named alone still opens in it), and what the
// options' values become, or why they are refused.
#include "batch_options.h"

#include <QCommandLineParser>
#include <QPageSize>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The job the arguments (without the program's path) name, or the error.
bool Read(const QStringList& arguments, TBatchJob& job, QString& error) {
    QCommandLineParser parser;
    AddBatchOptions(parser);
    if (!parser.parse(QStringList{"zelvo"} + arguments)) {
        error = parser.errorText();
        return false;
    }
    return ReadBatchJob(parser, job, error);
}

} // namespace

TEST(BatchOptions, OnlyTheCommandLinesOwnOptionsRunWithoutAWindow) {
    const struct {
        QStringList Arguments;
        bool Batch;
    } cases[] = {
        {{"zelvo"}, false},
        {{"zelvo", "box.zvt"}, false},
        {{"zelvo", "-platform", "xcb", "box.zvt"}, false},
        {{"zelvo", "--", "--export"}, false},
        {{"zelvo", "--help"}, true},
        {{"zelvo", "-v"}, true},
        {{"zelvo", "box.zvt", "-e", "box.pdf"}, true},
        {{"zelvo", "--import=ball.obj", "box.zvt"}, true},
        {{"zelvo", "--size", "60", "box.zvt"}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsBatchRun(c.Arguments), c.Batch) << c.Arguments.join(u' ').toStdString();
}

TEST(BatchOptions, ValuesBecomeTheJob) {
    TBatchJob job;
    QString error;
    ASSERT_TRUE(Read({"-i",           "ball.obj",     "--size",
                      "120.5",        "--tab-width",  "4",
                      "--tab-angle1", "60",           "--tab-angle2",
                      "90",           "--flat-angle", "0",
                      "--paper",      "a3",           "--landscape",
                      "--margins",    "5,6,7,8",      "--export",
                      "ball.pdf",     "--page",       "2",
                      "ball.zvt"},
                     job, error))
        << error.toStdString();
    EXPECT_EQ(job.Drawing, QStringLiteral("ball.zvt"));
    EXPECT_EQ(job.Model, QStringLiteral("ball.obj"));
    EXPECT_EQ(job.Export, QStringLiteral("ball.pdf"));
    EXPECT_EQ(job.Page, 2);
    EXPECT_EQ(job.Size, 120.5L);
    EXPECT_EQ(job.TabWidth, 4);
    EXPECT_EQ(job.TabAngle1, 60);
    EXPECT_EQ(job.TabAngle2, 90);
    EXPECT_EQ(job.FlatAngle, 0);
    EXPECT_EQ(job.PaperSize, static_cast<int>(QPageSize::A3));
    EXPECT_EQ(job.Landscape, true);
    EXPECT_EQ(job.Margins, (QList<int>{5, 6, 7, 8}));

    ASSERT_TRUE(Read({"--export", "box.svg", "--margins", "10", "box.zvt"}, job, error));
    EXPECT_FALSE(job.Size || job.TabWidth || job.PaperSize || job.Landscape || job.Page);
    EXPECT_EQ(job.Margins, (QList<int>{10, 10, 10, 10}));
}

TEST(BatchOptions, ValuesTheProgramDoesNotTakeAreRefusedWithWhy) {
    const struct {
        QStringList Arguments;
        QString Message;
    } cases[] = {
        {{"--export", "a.svg"}, QStringLiteral("図面ファイル (.zvt) を一つ指定してください。")},
        {{"--export", "a.svg", "a.zvt", "b.zvt"},
         QStringLiteral("図面ファイル (.zvt) を一つ指定してください。")},
        {{"--size", "60", "a.zvt"}, QStringLiteral("--import か --export を指定してください。")},
        {{"-i", "a.obj", "--size", "0", "a.zvt"}, QStringLiteral("--size の値「0」は")},
        {{"-i", "a.obj", "--size", "1e5", "a.zvt"}, QStringLiteral("--size の値「1e5」は")},
        {{"-i", "a.obj", "--tab-width", "5mm", "a.zvt"}, QStringLiteral("--tab-width の値")},
        {{"-i", "a.obj", "--tab-angle1", "0", "a.zvt"}, QStringLiteral("--tab-angle1 の値")},
        {{"-i", "a.obj", "--tab-angle2", "91", "a.zvt"}, QStringLiteral("--tab-angle2 の値")},
        {{"-i", "a.obj", "--flat-angle", "-1", "a.zvt"}, QStringLiteral("--flat-angle の値")},
        {{"-e", "a.pdf", "--page", "0", "a.zvt"}, QStringLiteral("--page の値「0」は")},
        {{"-e", "a.pdf", "--paper", "B99", "a.zvt"}, QStringLiteral("--paper の値「B99」は")},
        {{"-e", "a.pdf", "--margins", "1,2,3", "a.zvt"}, QStringLiteral("--margins の値")},
        {{"-e", "a.pdf", "--margins", "-1", "a.zvt"}, QStringLiteral("--margins の値")},
        {{"-e", "a.pdf", "--landscape", "--portrait", "a.zvt"},
         QStringLiteral("--landscape と --portrait は一緒に指定できません。")},
    };
    for (const auto& c : cases) {
        TBatchJob job;
        QString error;
        EXPECT_FALSE(Read(c.Arguments, job, error)) << c.Arguments.join(u' ').toStdString();
        EXPECT_TRUE(error.startsWith(c.Message))
            << c.Arguments.join(u' ').toStdString() << ": " << error.toStdString();
    }
}

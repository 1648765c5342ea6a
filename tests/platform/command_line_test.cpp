// The drawing file picked out of the program's arguments.
#include "command_line.h"

#include <QDir>
#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for Qt strings.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

struct TArgumentsCase {
    QStringList Arguments;
    QString Expected; // relative to the current folder unless absolute; "" for none
};

TEST(CommandLineTest, FirstFileNamedIsTheDrawingToOpen) {
    const TArgumentsCase cases[] = {
        {{"zelvo"}, ""},
        {{"zelvo", "/home/u/box.zvt"}, "/home/u/box.zvt"},
        {{"zelvo", "box.zvt"}, "box.zvt"},
        {{"zelvo", "models/../紙 模型.zvt"}, "紙 模型.zvt"},
        {{"zelvo", "/home/u/a.zvt", "/home/u/b.zvt"}, "/home/u/a.zvt"},
        {{"zelvo", "--verbose", "", "box.zvt"}, "box.zvt"},
        {{"zelvo", "-x"}, ""},
        {{"zelvo", "--", "-box.zvt"}, "-box.zvt"},
        {{"zelvo", "--", "--"}, "--"},
    };
    for (const TArgumentsCase& test : cases) {
        const QString expected =
            test.Expected.isEmpty() ? QString() : QDir::current().absoluteFilePath(test.Expected);
        EXPECT_EQ(DrawingFileArgument(test.Arguments), QDir::cleanPath(expected))
            << test.Arguments.join(u' ').toStdString();
    }
}

} // namespace

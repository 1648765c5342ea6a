// Tests of the recent-file list: ordering, the 20-entry limit, captions and
// the File keys of the settings file.
#include "recent_files.h"

#include <gtest/gtest.h>

namespace {

QString PathOf(int n) {
    return QStringLiteral("/drawings/file%1.zvt").arg(n);
}

TRecentFiles ListOf(int count) {
    TRecentFiles list;
    for (int n = 1; n <= count; ++n)
        list.Add(PathOf(n));
    return list;
}

} // namespace

TEST(RecentFiles, NewestFirstAndTheTwentyFirstDropsTheOldest) {
    const TRecentFiles list = ListOf(21);
    ASSERT_EQ(list.Count(), 20);
    EXPECT_EQ(list.At(0), PathOf(21));
    EXPECT_EQ(list.At(19), PathOf(2));
    EXPECT_FALSE(list.Paths().contains(PathOf(1)));
}

TEST(RecentFiles, AddingAKnownFileMovesItToTheTop) {
    TRecentFiles list = ListOf(8); // entry 5 is file4
    list.Add(PathOf(4));
    ASSERT_EQ(list.Count(), 8);
    EXPECT_EQ(list.Paths(), QStringList({PathOf(4), PathOf(8), PathOf(7), PathOf(6), PathOf(5),
                                         PathOf(3), PathOf(2), PathOf(1)}));

    // A full list keeps all twenty when a known file comes back.
    TRecentFiles full = ListOf(20);
    full.Add(PathOf(1));
    EXPECT_EQ(full.Count(), 20);
    EXPECT_EQ(full.At(0), PathOf(1));
    EXPECT_EQ(full.At(19), PathOf(2));
}

TEST(RecentFiles, LetterCaseDoesNotMakeANewEntry) {
    TRecentFiles list;
    list.Add(QStringLiteral("/Drawings/Box.zvt"));
    list.Add(QStringLiteral("/drawings/other.zvt"));
    list.Add(QStringLiteral("/DRAWINGS/box.ZVT"));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0), QStringLiteral("/DRAWINGS/box.ZVT"));
    EXPECT_EQ(list.At(1), QStringLiteral("/drawings/other.zvt"));
}

TEST(RecentFiles, CaptionsNumberWithTheLastDigit) {
    EXPECT_EQ(RecentFileCaption(1, QStringLiteral("/a/b.zvt")), QStringLiteral("&1 /a/b.zvt"));
    EXPECT_EQ(RecentFileCaption(10, QStringLiteral("/a/b.zvt")), QStringLiteral("&0 /a/b.zvt"));
    EXPECT_EQ(RecentFileCaption(11, QStringLiteral("/a/b.zvt")), QStringLiteral("&1 /a/b.zvt"));
    EXPECT_EQ(RecentFileCaption(20, QStringLiteral("/a/b.zvt")), QStringLiteral("&0 /a/b.zvt"));
    EXPECT_EQ(RecentFileCaption(3, QStringLiteral("/R&D/b.zvt")), QStringLiteral("&3 /R&&D/b.zvt"));
}

TEST(RecentFiles, SettingsKeysSkipEmptyValuesAndKeepHigherKeys) {
    const TIniFile stored("[TMainFm]\nFile1=/a/one.zvt\nFile2=\nFile3=/a/図面.zvt\n"
                          "File20=/a/last.zvt\nFile21=/a/ignored.zvt\n");
    TRecentFiles list;
    list.ReadFrom(stored, "TMainFm");
    EXPECT_EQ(list.Paths(),
              QStringList({QStringLiteral("/a/one.zvt"), QStringLiteral("/a/図面.zvt"),
                           QStringLiteral("/a/last.zvt")}));

    TIniFile written("[TMainFm]\nFile1=old1\nFile2=old2\nFile3=old3\nFile4=old4\n");
    TRecentFiles two;
    two.Add(QStringLiteral("/b/first.zvt"));
    two.Add(QStringLiteral("/b/図面.zvt"));
    two.WriteTo(written, "TMainFm");
    EXPECT_EQ(written.ReadString("TMainFm", "File1", ""), "/b/図面.zvt");
    EXPECT_EQ(written.ReadString("TMainFm", "File2", ""), "/b/first.zvt");
    EXPECT_EQ(written.ReadString("TMainFm", "File3", ""), "old3");
    EXPECT_EQ(written.ReadString("TMainFm", "File4", ""), "old4");
}

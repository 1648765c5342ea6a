// Saves that say why they fail (a full disk, a read-only drive, a missing
// permission, a vanished folder), that write in place behind a copy where the
// folder refuses a new file, that follow links to the real file and keep its
// owner; and the identity that tells a file was changed on disk since.
#include "atomic_file.h"
#include "child_process.h"
#include "drawing_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <sys/mount.h>
#include <sys/stat.h>

// Readable failure messages for Qt strings.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using namespace child_process;

std::string Bytes(const QString& path) {
    std::string bytes;
    return ReadFileBytes(path, bytes) ? bytes : std::string("(none)");
}

QString Entries(const QString& folder) {
    return QDir(folder)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        .join(QLatin1Char(' '));
}

ino_t InodeOf(const QString& path) {
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_ino;
}

// What a save in a child process did, one line each: the failure, whether it
// wrote in place, the message, the file's content and what its folder holds.
std::string Outcome(const QString& file, const TSaveResult& result) {
    return QStringList{QString::number(static_cast<int>(result.Failure)),
                       QString::number(result.InPlace), SaveFailureText(file, result),
                       QString::fromStdString(Bytes(file)), Entries(QFileInfo(file).path())}
        .join(QLatin1Char('\n'))
        .toStdString();
}

struct TOutcome {
    TSaveFailure Failure;
    bool InPlace;
    QString Text;
    QString Content;
    QString Entries;
};

void ExpectOutcome(const std::string& child, const TOutcome& expected) {
    const QStringList lines = Lines(child);
    ASSERT_EQ(lines.size(), 5) << child;
    EXPECT_EQ(lines[0], QString::number(static_cast<int>(expected.Failure)));
    EXPECT_EQ(lines[1], QString::number(expected.InPlace));
    if (expected.Failure != TSaveFailure::None) {
        EXPECT_EQ(lines[2], expected.Text);
    }
    EXPECT_EQ(lines[3], expected.Content);
    EXPECT_EQ(lines[4], expected.Entries);
}

TSaveOptions WithBackupIn(const QString& folder) {
    TSaveOptions options;
    options.BackupFolder = folder;
    return options;
}

const QString Lead = QStringLiteral("ファイル「%1」を保存できませんでした。");
const QString NoPermissionText = QStringLiteral(
    "このファイルまたはフォルダーに書き込む権限がありません。別の場所に保存してください。");

// A temporary folder any user may enter and write, for the pieces run as nobody.
class FileSaveTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Temporary.isValid());
        ASSERT_EQ(::chmod(QFile::encodeName(Temporary.path()).constData(), 0777), 0);
    }
    QString Path(const QString& name) const { return Temporary.filePath(name); }
    // A folder holding name with content, mode given to both afterwards.
    QString FolderWith(const QString& folder, const QString& name, const std::string& content,
                       mode_t folderMode, mode_t fileMode) const {
        const QString file = Path(folder + QLatin1Char('/') + name);
        EXPECT_TRUE(QDir().mkpath(Path(folder)));
        EXPECT_TRUE(WriteFileAtomically(file, content));
        EXPECT_EQ(::chmod(QFile::encodeName(file).constData(), fileMode), 0);
        EXPECT_EQ(::chmod(QFile::encodeName(Path(folder)).constData(), folderMode), 0);
        return file;
    }
    void TearDown() override {
        // So the temporary folder can be removed.
        for (const QString& folder :
             QDir(Temporary.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            ::chmod(QFile::encodeName(Path(folder)).constData(), 0777);
    }

    QTemporaryDir Temporary;
};

TEST_F(FileSaveTest, FullDiskSaysSoAndKeepsTheOldFile) {
    if (!IsRoot())
        GTEST_SKIP() << "mounting a small file system to fill needs root";
    const QString folder = Path(QStringLiteral("small"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/模型 箱.zvt");
    const std::string child = RunWithOwnMounts([&] {
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") != 0)
            return std::string("mount failed: ") + std::strerror(errno);
        if (!WriteFileAtomically(file, "old"))
            return std::string("no old file");
        return Outcome(file, SaveFile(file, std::string(256 * 1024, 'x'), TSaveOptions()));
    });
    ExpectOutcome(child, {TSaveFailure::DiskFull, false,
                          Lead.arg(file) + QStringLiteral("ディスクの空き容量が足りません。"
                                                          "不要なファイルを削除するか、"
                                                          "別の場所に保存してください。"),
                          "old", QStringLiteral("模型 箱.zvt")});
}

TEST_F(FileSaveTest, ReadOnlyDriveSaysSo) {
    if (!IsRoot())
        GTEST_SKIP() << "mounting a read-only file system needs root";
    const QString folder = Path(QStringLiteral("drive"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/box.zvt");
    const std::string child = RunWithOwnMounts([&] {
        const QByteArray mountPoint = QFile::encodeName(folder);
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0 ||
            !WriteFileAtomically(file, "old") ||
            ::mount(nullptr, mountPoint.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return std::string("mount failed: ") + std::strerror(errno);
        if (IsReadOnlyFile(file))
            return std::string("the drive taken for the file's permissions");
        return Outcome(file, SaveFile(file, "new", WithBackupIn(Path("backups"))));
    });
    ExpectOutcome(child, {TSaveFailure::ReadOnlyFileSystem, false,
                          Lead.arg(file) + QStringLiteral("保存先のドライブは読み取り専用です。"
                                                          "別の場所に保存してください。"),
                          "old", QStringLiteral("box.zvt")});
}

// A folder without write permission refuses a new file; a writable file in it
// is written in place behind a copy of its old content, which goes once the
// new content is on disk; without a copy nothing is written.
TEST_F(FileSaveTest, ReadOnlyFolderWritesInPlaceOnlyBehindACopy) {
    const QString writable = FolderWith("locked", "box.zvt", "old content", 0555, 0666);
    const QString readOnly = FolderWith("locked2", "box.zvt", "old content", 0555, 0444);
    const ino_t inode = InodeOf(writable);

    struct TCase {
        const char* Name;
        QString File;
        TSaveOptions Options;
        TOutcome Expected;
    };
    TSaveOptions replace = WithBackupIn(Path("backups"));
    replace.ReplaceReadOnly = true;
    const TCase cases[] = {
        {"a new file",
         Path("locked/new.zvt"),
         WithBackupIn(Path("backups")),
         {TSaveFailure::NoPermission, false, Lead.arg(Path("locked/new.zvt")) + NoPermissionText,
          "(none)", "box.zvt"}},
        {"no copy allowed",
         writable,
         TSaveOptions(),
         {TSaveFailure::NoPermission, false, Lead.arg(writable) + NoPermissionText, "old content",
          "box.zvt"}},
        {"a read-only file",
         readOnly,
         WithBackupIn(Path("backups")),
         {TSaveFailure::ReadOnlyFile, false,
          Lead.arg(readOnly) + QStringLiteral("ファイルは読み取り専用です。"), "old content",
          "box.zvt"}},
        {"a read-only file to replace",
         readOnly,
         replace,
         {TSaveFailure::NoPermission, false, Lead.arg(readOnly) + NoPermissionText, "old content",
          "box.zvt"}},
        {"in place",
         writable,
         WithBackupIn(Path("backups")),
         {TSaveFailure::None, true, QString(), "new", "box.zvt"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ExpectOutcome(
            RunUnprivileged([&] { return Outcome(c.File, SaveFile(c.File, "new", c.Options)); }),
            c.Expected);
    }
    EXPECT_EQ(InodeOf(writable), inode) << "written in place";
    EXPECT_EQ(Entries(Path("backups")), QString()) << "the copy stays after a save that worked";
}

TEST_F(FileSaveTest, NoCopyNoInPlaceWrite) {
    const QString file = FolderWith("locked", "box.zvt", "old content", 0555, 0666);
    ASSERT_TRUE(QDir().mkpath(Path("closed")));
    ASSERT_EQ(::chmod(QFile::encodeName(Path("closed")).constData(), 0555), 0);
    const std::string child = RunUnprivileged([&] {
        const TSaveResult result = SaveFile(file, "new", WithBackupIn(Path("closed/backups")));
        return Outcome(file, result) + "\n" + result.BackupPath.toStdString();
    });
    QStringList lines = Lines(child);
    ASSERT_EQ(lines.size(), 6) << child;
    const QString backup = lines.takeLast();
    EXPECT_TRUE(backup.startsWith(Path("closed/backups/box-"))) << backup.toStdString();
    ExpectOutcome(
        lines.join(QLatin1Char('\n')).toStdString(),
        {TSaveFailure::BackupFailed, false,
         Lead.arg(file) +
             QStringLiteral("フォルダーに新しいファイルを作れないため、元の内容を「%1」に"
                            "控えてから上書きしようとしましたが、控えを作れませんでした。")
                 .arg(backup) +
             NoPermissionText,
         "old content", "box.zvt"});
}

TEST_F(FileSaveTest, VanishedFolderIsNamed) {
    const QString file = Path("gone/box.zvt");
    const TSaveResult result = SaveFile(file, "new", TSaveOptions());
    EXPECT_EQ(result.Failure, TSaveFailure::FolderGone);
    EXPECT_EQ(SaveFailureText(file, result),
              Lead.arg(file) +
                  QStringLiteral("保存先のフォルダー「%1」がありません。"
                                 "削除されたか、ドライブが取り外された可能性があります。")
                      .arg(Path("gone")));
    EXPECT_FALSE(QFileInfo::exists(Path("gone")));
}

TEST_F(FileSaveTest, ReadOnlyFileIsReplacedOnlyWhenAgreed) {
    const QString file = Path("box.zvt");
    ASSERT_TRUE(WriteFileAtomically(file, "old"));
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0444), 0);
    // Read-only by its permissions, also for the superuser.
    EXPECT_TRUE(IsReadOnlyFile(file));
    EXPECT_EQ(SaveFile(file, "new", TSaveOptions()).Failure, TSaveFailure::ReadOnlyFile);
    EXPECT_EQ(Bytes(file), "old");

    TSaveOptions agreed;
    agreed.ReplaceReadOnly = true;
    ASSERT_TRUE(SaveFile(file, "new", agreed).Ok());
    EXPECT_EQ(Bytes(file), "new");
    EXPECT_TRUE(IsReadOnlyFile(file)) << "the permissions are kept";

    EXPECT_FALSE(IsReadOnlyFile(Path("missing.zvt")));
    ASSERT_TRUE(QDir().mkpath(Path("folder.zvt")));
    const TSaveResult folder = SaveFile(Path("folder.zvt"), "new", agreed);
    EXPECT_EQ(folder.Failure, TSaveFailure::NotAFile);
    EXPECT_EQ(SaveFailureText(Path("folder.zvt"), folder),
              Lead.arg(Path("folder.zvt")) +
                  QStringLiteral("同じ名前のフォルダーなど、ファイルではないものがあります。"));
}

// Links to links end at the real file, which alone is replaced.
TEST_F(FileSaveTest, LinksAreFollowedToTheRealFileAtAnyDepth) {
    ASSERT_TRUE(QDir().mkpath(Path("models")));
    ASSERT_TRUE(QDir().mkpath(Path("links")));
    const QString real = Path("models/box.zvt");
    ASSERT_TRUE(WriteFileAtomically(real, "old"));
    ASSERT_EQ(::symlink("models/box.zvt", QFile::encodeName(Path("first.zvt")).constData()), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(Path("first.zvt")).constData(),
                        QFile::encodeName(Path("links/second.zvt")).constData()),
              0);

    const TSaveResult result = SaveFile(Path("links/second.zvt"), "new", TSaveOptions());
    ASSERT_TRUE(result.Ok()) << SaveFailureText(Path("links/second.zvt"), result).toStdString();
    EXPECT_EQ(QFileInfo(result.Path).canonicalFilePath(), QFileInfo(real).canonicalFilePath());
    EXPECT_EQ(Bytes(real), "new");
    EXPECT_EQ(QFile::symLinkTarget(Path("links/second.zvt")), Path("first.zvt"));
    EXPECT_EQ(QFile::symLinkTarget(Path("first.zvt")), real);
    EXPECT_EQ(Entries(Path("models")), "box.zvt");
    EXPECT_EQ(Entries(Path("links")), "second.zvt");

    // A link to a file not yet there creates it; links in a loop save nothing.
    ASSERT_EQ(::symlink("made.zvt", QFile::encodeName(Path("dangling.zvt")).constData()), 0);
    ASSERT_TRUE(SaveFile(Path("dangling.zvt"), "made", TSaveOptions()).Ok());
    EXPECT_EQ(Bytes(Path("made.zvt")), "made");
    EXPECT_TRUE(QFileInfo(Path("dangling.zvt")).isSymLink());
    ASSERT_EQ(::symlink("b.zvt", QFile::encodeName(Path("a.zvt")).constData()), 0);
    ASSERT_EQ(::symlink("a.zvt", QFile::encodeName(Path("b.zvt")).constData()), 0);
    const TSaveResult loop = SaveFile(Path("a.zvt"), "new", TSaveOptions());
    EXPECT_EQ(loop.Failure, TSaveFailure::Other);
    EXPECT_EQ(loop.Error, ELOOP);
    EXPECT_EQ(SaveFailureText(Path("a.zvt"), loop),
              Lead.arg(Path("a.zvt")) + QStringLiteral("予期しないエラーが起きました（%1）。")
                                            .arg(QString::fromLocal8Bit(std::strerror(ELOOP))));
    EXPECT_TRUE(QFileInfo(Path("a.zvt")).isSymLink());
}

// The superuser saving a user's file leaves it the user's.
TEST_F(FileSaveTest, OwnerGroupAndPermissionsAreKept) {
    if (!IsRoot())
        GTEST_SKIP() << "giving a file to another user needs root";
    const QString file = Path("box.zvt");
    ASSERT_TRUE(WriteFileAtomically(file, "old"));
    const QByteArray name = QFile::encodeName(file);
    ASSERT_EQ(::chown(name.constData(), NobodyId, NobodyId), 0);
    ASSERT_EQ(::chmod(name.constData(), 0640), 0);
    const ino_t before = InodeOf(file);

    ASSERT_TRUE(SaveFile(file, "new", TSaveOptions()).Ok());
    struct stat status {};
    ASSERT_EQ(::stat(name.constData(), &status), 0);
    EXPECT_NE(status.st_ino, before) << "replaced by a new file";
    EXPECT_EQ(status.st_uid, NobodyId);
    EXPECT_EQ(status.st_gid, NobodyId);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// The new content is a new file: another hard link keeps the old content.
TEST_F(FileSaveTest, OtherHardLinksKeepTheOldContent) {
    const QString file = Path("box.zvt");
    ASSERT_TRUE(WriteFileAtomically(file, "old"));
    ASSERT_EQ(::link(QFile::encodeName(file).constData(),
                     QFile::encodeName(Path("other.zvt")).constData()),
              0);
    ASSERT_TRUE(SaveFile(file, "new", TSaveOptions()).Ok());
    EXPECT_EQ(Bytes(file), "new");
    EXPECT_EQ(Bytes(Path("other.zvt")), "old");
}

// Another program writing the file after it was read or saved shows, also a
// write within the same tick of the file system's clock that keeps its time
// and size.
TEST_F(FileSaveTest, ChangesOnDiskByOtherProgramsAreSeen) {
    const QString file = Path("box.zvt");
    const QByteArray name = QFile::encodeName(file);
    TSaveResult saved = SaveFile(file, "1\r\n0\r\n", TSaveOptions());
    ASSERT_TRUE(saved.Ok());
    EXPECT_EQ(FileChangeSince(file, saved.Identity), TFileChange::Unchanged);

    // An editor's save: a new file written beside it and renamed over it.
    ASSERT_TRUE(WriteFileAtomically(Path("beside.zvt"), "1\r\n0\r\n"));
    ASSERT_EQ(::rename(QFile::encodeName(Path("beside.zvt")).constData(), name.constData()), 0);
    EXPECT_EQ(FileChangeSince(file, saved.Identity), TFileChange::Replaced);

    TZvDat drawing;
    const TDrawingLoadResult read = ReadDrawingFile(file, drawing);
    ASSERT_TRUE(read.Ok());
    const TFileIdentity opened = read.Identity;
    EXPECT_EQ(FileChangeSince(file, opened), TFileChange::Unchanged);

    // Written into, the same size, its time set back to the nanosecond.
    struct stat before {};
    ASSERT_EQ(::stat(name.constData(), &before), 0);
    {
        QFile same(file);
        ASSERT_TRUE(same.open(QIODevice::ReadWrite));
        ASSERT_EQ(same.write("2\r\n0\r\n"), 6);
    }
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, name.constData(), times, 0), 0);
    EXPECT_EQ(FileChangeSince(file, opened), TFileChange::Modified);

    saved = SaveFile(file, "1\r\n0\r\n", TSaveOptions());
    ASSERT_TRUE(saved.Ok());
    {
        QFile longer(file);
        ASSERT_TRUE(longer.open(QIODevice::Append));
        longer.write("\r\n");
    }
    EXPECT_EQ(FileChangeSince(file, saved.Identity), TFileChange::Modified);
    ASSERT_TRUE(QFile::remove(file));
    EXPECT_EQ(FileChangeSince(file, saved.Identity), TFileChange::Removed);

    // No file when the drawing was last saved or opened, one there now.
    const TFileIdentity none;
    EXPECT_EQ(FileChangeSince(file, none), TFileChange::Unchanged);
    ASSERT_TRUE(WriteFileAtomically(file, "new"));
    EXPECT_EQ(FileChangeSince(file, none), TFileChange::Replaced);
}

} // namespace

// Whole-file reads, and saves that replace a file only once the new content
// is completely on disk.
#include "atomic_file.h"

#include "in_place_save.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

bool ReadFileBytes(const QString& path, std::string& bytes) {
    // Only a plain file is read: a folder opens as a file on some systems, and
    // a pipe or a device would never end.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    bytes.assign(content.constData(), static_cast<std::size_t>(content.size()));
    return true;
}

QString DefaultBackupFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zelvo/backups");
}

namespace {

// Follows the link at the end of path to the file it names, and so on through
// links to links, each relative target read from the link's own folder. A
// name that does not exist ends the chain: the save creates it. The error
// number of what stopped it, 0 when path names no link any more.
int FollowLinks(QByteArray& path) {
    constexpr int MaxLinks = 40; // as the system follows them within a path
    for (int followed = 0; followed < MaxLinks; ++followed) {
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(status.st_mode))
            return 0;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.constData(), target.data(), PATH_MAX);
        if (length < 0)
            return errno;
        target.truncate(length);
        path = target.startsWith('/') ? target : FolderOf(path) + '/' + target;
    }
    return ELOOP;
}

bool LacksWritePermission(const QByteArray& path, const struct stat& status) {
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    // A read-only file system is no property of the file: the save says so.
    return ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

TSaveResult Failed(TSaveResult result, TSaveFailure failure, int error = 0) {
    result.Failure = failure;
    result.Error = error;
    return result;
}

} // namespace

TSaveResult SaveFile(const QString& path, const TContentWriter& content,
                     const TSaveOptions& options) {
    TSaveResult result;
    QByteArray target = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    const int linkError = FollowLinks(target);
    result.Path = QFile::decodeName(target);
    if (linkError != 0)
        return Failed(std::move(result), SaveFailureOf(linkError), linkError);
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return Failed(std::move(result), SaveFailureOf(errno), errno);
    if (exists && !S_ISREG(old.st_mode))
        return Failed(std::move(result), TSaveFailure::NotAFile);
    if (exists && !options.ReplaceReadOnly && LacksWritePermission(target, old))
        return Failed(std::move(result), TSaveFailure::ReadOnlyFile);

    const QByteArray folder = FolderOf(target);
    const QByteArray pending = PendingPathOf(target);
    struct stat written {};
    std::size_t checksum = 0;
    int error = WritePending(
        folder, pending, exists ? &old : nullptr,
        [&content, &checksum](int fd) { return WriteContent(fd, content, checksum); }, &written);
    if (error == 0)
        error = ReplaceWithPending(folder, pending, target);
    if (error == 0) {
        result.Identity = FileIdentityOfWritten(written, checksum);
        return result;
    }
    // The folder refuses a new file, or renaming over this one (a folder
    // whose sticky bit protects another user's file), while the file itself
    // may still be writable.
    if (exists && (error == EACCES || error == EPERM) && !options.BackupFolder.isEmpty())
        return SaveInPlace(std::move(result), target, content, options.BackupFolder);
    return Failed(std::move(result), SaveFailureOf(error), error);
}

TSaveResult SaveFile(const QString& path, std::string_view bytes, const TSaveOptions& options) {
    return SaveFile(
        path, [bytes](TContentSink& sink) { return sink.Put(bytes) ? 0 : sink.Error(); }, options);
}

bool WriteFileAtomically(const QString& path, std::string_view bytes) {
    TSaveOptions options;
    options.ReplaceReadOnly = true;
    return SaveFile(path, bytes, options).Ok();
}

bool IsReadOnlyFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    return ::stat(name.constData(), &status) == 0 && S_ISREG(status.st_mode) &&
           LacksWritePermission(name, status);
}

// Writing a file in place behind a copy of its old content.
#include "in_place_save.h"

#include "file_writing.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The file's own name with a mark of its folder, so that files of one name in
// different folders never share a copy: 箱.zvt becomes 箱-1a2b3c4d.zvt.
QString BackupPathFor(const QString& backupFolder, const QString& file) {
    const QFileInfo info(file);
    const QString mark = QString::fromLatin1(
        QCryptographicHash::hash(QFile::encodeName(file), QCryptographicHash::Md5).toHex().left(8));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return QDir(backupFolder).filePath(info.completeBaseName() + QLatin1Char('-') + mark + suffix);
}

// The old content, complete and on disk, under the backup's name.
int CopyToBackup(const QByteArray& source, const struct stat& old, const QString& backup) {
    const QByteArray folderName = QFile::encodeName(QFileInfo(backup).absolutePath());
    if (const int error = MakeFolders(folderName); error != 0)
        return error;
    TFileDescriptor from(::open(source.constData(), O_RDONLY | O_CLOEXEC));
    if (from.Get() < 0)
        return errno;
    const QByteArray target = QFile::encodeName(backup);
    const QByteArray pending = PendingPathOf(target);
    const int error = WritePending(
        folderName, pending, &old,
        [&from](int fd) {
            off_t copied = 0;
            return CopyAll(from.Get(), fd, copied);
        },
        nullptr);
    return error != 0 ? error : ReplaceWithPending(folderName, pending, target);
}

int Overwrite(int fd, const TContentWriter& content, std::size_t& checksum) {
    std::size_t bytes = 0;
    if (const int error = WriteContent(fd, content, checksum, &bytes); error != 0)
        return error;
    if (::ftruncate(fd, static_cast<off_t>(bytes)) != 0)
        return errno;
    return SyncFile(fd);
}

int PutBack(int fd, const QString& backup) {
    TFileDescriptor from(::open(QFile::encodeName(backup).constData(), O_RDONLY | O_CLOEXEC));
    if (from.Get() < 0)
        return errno;
    off_t copied = 0;
    if (const int error = CopyAll(from.Get(), fd, copied); error != 0)
        return error;
    if (::ftruncate(fd, copied) != 0)
        return errno;
    return SyncFile(fd);
}

} // namespace

TSaveResult SaveInPlace(TSaveResult result, const QByteArray& target, const TContentWriter& content,
                        const QString& backupFolder) {
    TFileDescriptor file(::open(target.constData(), O_WRONLY | O_CLOEXEC));
    struct stat old {};
    if (file.Get() < 0 || ::fstat(file.Get(), &old) != 0) {
        result.Error = errno;
        result.Failure = SaveFailureOf(result.Error);
        return result;
    }
    result.BackupPath = BackupPathFor(backupFolder, result.Path);
    if (const int error = CopyToBackup(target, old, result.BackupPath); error != 0) {
        result.Failure = TSaveFailure::BackupFailed;
        result.Error = error;
        return result;
    }
    std::size_t checksum = 0;
    const int error = Overwrite(file.Get(), content, checksum);
    if (error == 0) {
        result.InPlace = true;
        struct stat written {};
        if (::fstat(file.Get(), &written) == 0)
            result.Identity = FileIdentityOfWritten(written, checksum);
    }
    if (error == 0 || PutBack(file.Get(), result.BackupPath) == 0) {
        QFile::remove(result.BackupPath);
        result.BackupPath.clear();
    }
    if (error != 0) {
        result.Failure = SaveFailureOf(error);
        result.Error = error;
    }
    return result;
}

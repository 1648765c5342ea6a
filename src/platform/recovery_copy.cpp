// The recovery copy of this running program: its lock, its writes and its
// removal.
#include "recovery_copy.h"

#include "atomic_file.h"
#include "drawing_files.h"
#include "file_writing.h"
#include "format/ini_file.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

QString DefaultRecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zelvo");
}

namespace {

// Process ids are reused, so the start time goes into the name as well.
QString OwnBase(std::int64_t time) {
    return QStringLiteral("recovery-%1-%2").arg(::getpid()).arg(time);
}

// The lock file appears under its name already locked: it is made and locked
// under a name no program looks for and then renamed, so that no other
// program finds it unlocked for an instant and takes this program for gone.
// EEXIST when a lock of that name is there already.
int CreateLockedFile(const QString& path, int& fd) {
    const QByteArray name = QFile::encodeName(path);
    const QByteArray making = PendingPathOf(name);
    fd = ::open(making.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    int error = ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
    if (error == 0 && ::renameat2(AT_FDCWD, making.constData(), AT_FDCWD, name.constData(),
                                  RENAME_NOREPLACE) != 0)
        error = errno;
    // A file system that cannot rename without replacing can still link so.
    if (error == EINVAL)
        error =
            ::link(making.constData(), name.constData()) == 0 && ::unlink(making.constData()) == 0
                ? 0
                : errno;
    if (error != 0) {
        ::unlink(making.constData());
        ::close(fd);
        fd = -1;
    }
    return error;
}

TSaveResult FolderProblem(const QString& folder, int error) {
    TSaveResult result;
    result.Path = folder;
    result.Error = error;
    result.Failure = SaveFailureOf(error);
    return result;
}

} // namespace

TRecoveryCopy::TRecoveryCopy(const QString& folder)
    : FFolder(QFileInfo(folder).absoluteFilePath()),
      FFiles(FFolder, OwnBase(QDateTime::currentMSecsSinceEpoch())) {
    const QString& absolute = FFolder;
    int error = MakeFolders(QFile::encodeName(absolute));
    // Copies made within one millisecond by one process take the next names.
    for (std::int64_t time = QDateTime::currentMSecsSinceEpoch(); error == 0; ++time) {
        FFiles = TRecoveryFiles(absolute, OwnBase(time));
        error = CreateLockedFile(FFiles.Lock, FLockFd);
        if (error != EEXIST)
            break;
        error = 0;
    }
    if (error != 0)
        FProblem = FolderProblem(absolute, error);
}

TRecoveryCopy::~TRecoveryCopy() {
    const std::lock_guard<std::mutex> writing(FWriting);
    if (FLockFd < 0)
        return;
    if (!QFileInfo::exists(FFiles.Copy)) {
        QFile::remove(FFiles.Info);
        QFile::remove(FFiles.Lock);
    }
    ::close(FLockFd);
}

TRecoverySnapshot TRecoveryCopy::Snapshot(TZvDat drawing, QString drawingFile) const {
    return TRecoverySnapshot{std::move(drawing), std::move(drawingFile), FGeneration.load()};
}

TSaveResult TRecoveryCopy::Write(const TRecoverySnapshot& snapshot) {
    return Write(snapshot.Drawing, snapshot.DrawingFile, snapshot.Generation);
}

// A remove while the copy is written stops the writing: what it would leave
// is not wanted.
TSaveResult TRecoveryCopy::Write(const TZvDat& drawing, const QString& drawingFile,
                                 std::uint64_t generation, const TProgressFn& progress) {
    const std::lock_guard<std::mutex> writing(FWriting);
    // Without the lock another program would take the copy for one left behind.
    if (!FProblem.Ok())
        return FProblem;
    const auto current = [this, generation] { return generation == FGeneration.load(); };
    if (!current())
        return TSaveResult();
    TSaveOptions options;
    options.ReplaceReadOnly = true;
    const TDrawingSaveResult saved =
        SaveDrawingFile(FFiles.Copy, drawing, options, [&current, &progress](double done) {
            return current() && (!progress || progress(done));
        });
    TSaveResult result = saved.File;
    if (result.Ok()) {
        TIniFile info;
        info.WriteInteger(RecoveryInfoSection, "Format", RecoveryFormat);
        info.WriteString(RecoveryInfoSection, "File", drawingFile.toStdString());
        info.WriteInteger(RecoveryInfoSection, "Size",
                          static_cast<long long>(QFileInfo(FFiles.Copy).size()));
        result = SaveFile(FFiles.Info, info.ToText(), options);
    }
    if (!current()) {
        RemoveFiles();
        return TSaveResult();
    }
    return result;
}

void TRecoveryCopy::Remove() {
    ++FGeneration;
    RemoveFiles();
}

void TRecoveryCopy::RemoveFiles() {
    QFile::remove(FFiles.Copy);
    QFile::remove(FFiles.Info);
}

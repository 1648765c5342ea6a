// Finding the copies of programs that have ended: a copy whose lock this
// program can take has no running owner, and taking it keeps a second
// program starting at the same time from offering it too.
#include "left_recovery_copies.h"

#include "drawing_files.h"
#include "file_writing.h"
#include "recovery_files.h"
#include "settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace {

// recovery-<process>-<start>.zvt, and the recovery.zvt of earlier versions,
// which kept one copy for all running programs.
bool IsCopyName(const QString& name, QString& base) {
    static const QRegularExpression Pattern(QStringLiteral("^(recovery(-[0-9]+-[0-9]+)?)\\.zvt$"));
    const QRegularExpressionMatch match = Pattern.match(name);
    if (!match.hasMatch())
        return false;
    base = match.captured(1);
    return true;
}

// Takes the lock at path: false when a running program holds it. A lock file
// that is missing and cannot be made (the folder is read-only) has no owner
// either; fd is then -1.
bool TakeLock(const QString& path, int& fd) {
    const QByteArray name = QFile::encodeName(path);
    fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno == EACCES)
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return errno != EEXIST;
    }
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        fd = -1;
        return false;
    }
    return true;
}

// Locks of programs that ended before they wrote any copy.
void RemoveStrayLocks(const QString& folder) {
    static const QRegularExpression Pattern(QStringLiteral("^(recovery-[0-9]+-[0-9]+)\\.lock$"));
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("recovery-*.lock")}, QDir::Files);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = Pattern.match(name);
        const TRecoveryFiles files(folder, match.captured(1));
        int fd = -1;
        if (!match.hasMatch() || QFileInfo::exists(files.Copy) || !TakeLock(files.Lock, fd))
            continue;
        if (!QFileInfo::exists(files.Copy)) {
            QFile::remove(files.Info);
            QFile::remove(files.Lock);
        }
        if (fd >= 0)
            ::close(fd);
    }
}

} // namespace

TLeftRecoveryCopy::TLeftRecoveryCopy(const QString& folder, const QString& base, int lockFd)
    : FFolder(folder), FBase(base), FPath(TRecoveryFiles(folder, base).Copy), FLockFd(lockFd) {}

TLeftRecoveryCopy::TLeftRecoveryCopy(TLeftRecoveryCopy&& other) noexcept
    : FFolder(std::move(other.FFolder)), FBase(std::move(other.FBase)),
      FPath(std::move(other.FPath)), FDrawingFile(std::move(other.FDrawingFile)),
      FWritten(std::move(other.FWritten)), FOlderThanFile(other.FOlderThanFile),
      FState(other.FState), FError(other.FError), FDrawing(std::move(other.FDrawing)),
      FLockFd(std::exchange(other.FLockFd, -1)) {}

TLeftRecoveryCopy& TLeftRecoveryCopy::operator=(TLeftRecoveryCopy&& other) noexcept {
    if (this != &other) {
        Release();
        FFolder = std::move(other.FFolder);
        FBase = std::move(other.FBase);
        FPath = std::move(other.FPath);
        FDrawingFile = std::move(other.FDrawingFile);
        FWritten = std::move(other.FWritten);
        FOlderThanFile = other.FOlderThanFile;
        FState = other.FState;
        FError = other.FError;
        FDrawing = std::move(other.FDrawing);
        FLockFd = std::exchange(other.FLockFd, -1);
    }
    return *this;
}

TLeftRecoveryCopy::~TLeftRecoveryCopy() {
    Release();
}

void TLeftRecoveryCopy::Release() {
    if (FLockFd >= 0)
        ::close(FLockFd);
    FLockFd = -1;
}

bool TLeftRecoveryCopy::Read(const TProgressFn& progress) {
    const TRecoveryFiles files(FFolder, FBase);
    const QFileInfo copy(files.Copy);
    FWritten = copy.lastModified();
    // A copy without its note (one of an earlier version) has no file name.
    const TIniFile info = LoadSettings(files.Info);
    FDrawingFile =
        QString::fromStdString(info.ReadString(RecoveryInfoSection, "File", "", IniMaxPathBytes));
    const long long format = info.ReadInteger(RecoveryInfoSection, "Format", RecoveryFormat);
    const long long size = info.ReadInteger(RecoveryInfoSection, "Size", -1);
    if (!FDrawingFile.isEmpty()) {
        const QFileInfo drawingFile(FDrawingFile);
        FOlderThanFile = drawingFile.exists() && drawingFile.lastModified() > FWritten;
    }
    if (format > RecoveryFormat) {
        FState = TRecoveryCopyState::NewerVersion;
        return true;
    }
    const TDrawingLoadResult read = ReadDrawingFile(files.Copy, FDrawing, progress);
    switch (read.End) {
    case TDrawingLoadEnd::Read:
        return true;
    case TDrawingLoadEnd::CannotRead:
        FState = TRecoveryCopyState::CannotRead;
        FError = read.Error;
        return true;
    case TDrawingLoadEnd::NotADrawing:
        FState = size >= 0 && copy.size() < size ? TRecoveryCopyState::CutShort
                                                 : TRecoveryCopyState::Damaged;
        return true;
    case TDrawingLoadEnd::Cancelled:
        break;
    }
    return false;
}

void TLeftRecoveryCopy::Discard() {
    if (FState != TRecoveryCopyState::Readable)
        return;
    const TRecoveryFiles files(FFolder, FBase);
    QFile::remove(files.Copy);
    QFile::remove(files.Info);
    QFile::remove(files.Lock);
    Release();
}

QString TLeftRecoveryCopy::SetAside() {
    const QString aside = QDir(FFolder).filePath(QStringLiteral("unreadable"));
    if (MakeFolders(QFile::encodeName(aside)) != 0)
        return FPath;
    // Earlier versions gave every copy one name: none set aside before is replaced.
    QString name = FBase;
    for (int number = 2; QFileInfo::exists(TRecoveryFiles(aside, name).Copy); ++number)
        name = FBase + QLatin1Char('-') + QString::number(number);
    const TRecoveryFiles from(FFolder, FBase);
    const TRecoveryFiles to(aside, name);
    if (::rename(QFile::encodeName(from.Copy).constData(),
                 QFile::encodeName(to.Copy).constData()) != 0)
        return FPath;
    ::rename(QFile::encodeName(from.Info).constData(), QFile::encodeName(to.Info).constData());
    QFile::remove(from.Lock);
    Release();
    FPath = to.Copy;
    return FPath;
}

std::vector<TLeftRecoveryCopy> ListLeftRecoveryCopies(const QString& folder,
                                                      const TProgressFn& progress) {
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    std::vector<TLeftRecoveryCopy> copies;
    const QStringList names =
        QDir(absolute).entryList({QStringLiteral("recovery*.zvt")}, QDir::Files);
    for (const QString& name : names) {
        QString base;
        int fd = -1;
        if (!IsCopyName(name, base) || !TakeLock(TRecoveryFiles(absolute, base).Lock, fd))
            continue;
        copies.push_back(TLeftRecoveryCopy(absolute, base, fd));
    }
    // The progress is the share of all the copies' bytes read.
    qint64 total = 0;
    for (const TLeftRecoveryCopy& copy : copies)
        total += QFileInfo(copy.Path()).size();
    qint64 before = 0;
    for (TLeftRecoveryCopy& copy : copies) {
        const qint64 size = QFileInfo(copy.Path()).size();
        const auto share = [&](double done) {
            return !progress || total <= 0 || progress((before + done * size) / total);
        };
        if (!copy.Read(share))
            return {};
        before += size;
    }
    RemoveStrayLocks(absolute);
    std::stable_sort(copies.begin(), copies.end(),
                     [](const TLeftRecoveryCopy& a, const TLeftRecoveryCopy& b) {
                         return a.Written() > b.Written();
                     });
    return copies;
}

// Whole-file reads, and writes that replace a file only once the new content
// is completely on disk.
#include "atomic_file.h"

#include "format/drawing_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
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

bool ReadDrawingFileBytes(const QString& path, std::string& bytes) {
    constexpr qint64 ChunkBytes = 1 << 20;
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::string read;
    TDrawingFileScanner scanner;
    QByteArray chunk;
    while (!scanner.Ended() && !file.atEnd()) {
        chunk = file.read(ChunkBytes);
        if (file.error() != QFileDevice::NoError)
            return false;
        const std::string_view taken = scanner.Take(
            std::string_view(chunk.constData(), static_cast<std::size_t>(chunk.size())));
        if (scanner.Refused())
            return false;
        read.append(taken);
    }
    bytes = std::move(read);
    return true;
}

namespace {

// Where a save cut short between naming its content and renaming it over the
// target leaves that content: one fixed name per file, so the next save of the
// same file replaces it and such leftovers never pile up.
QByteArray PendingPath(const QFileInfo& target) {
    return QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                             QStringLiteral(".saving"));
}

// A file descriptor closed when it goes out of scope.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : Fd(fd) {}
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    ~TFileDescriptor() {
        if (Fd >= 0)
            ::close(Fd);
    }
    int Get() const { return Fd; }
    bool Close() {
        const int fd = std::exchange(Fd, -1);
        return ::close(fd) == 0;
    }

private:
    int Fd;
};

bool WriteAllAndSync(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t step = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return false;
        written += static_cast<std::size_t>(step);
    }
    return ::fsync(fd) == 0;
}

// A file of no name in the target's folder, which vanishes if the program
// ends before it is named; -1 where none can be made there.
int OpenUnnamedFile(const QByteArray& folder) {
#ifdef O_TMPFILE
    return ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
    (void)folder;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

// Gives the unnamed file the pending name, replacing what an interrupted
// save left there.
bool NameUnnamedFile(int fd, const QByteArray& pending) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, pending.constData(),
                     AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            return false;
        ::unlink(pending.constData());
    }
    return false;
}

// The rename is only lasting once the folder's entry is on disk too.
void SyncFolder(const QByteArray& folder) {
    TFileDescriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0)
        ::fsync(fd.Get());
}

// The content, complete and on disk, under the pending name; false, with
// nothing left under that name, when it cannot be.
bool WritePending(const QByteArray& folder, const QByteArray& pending, const QByteArray& target,
                  const std::string& bytes) {
    int raw = OpenUnnamedFile(folder);
    const bool unnamed = raw >= 0;
    if (!unnamed) {
        ::unlink(pending.constData());
        raw = ::open(pending.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0)
            return false;
    }
    TFileDescriptor fd(raw);
    // The new content keeps the permissions the user gave the old file, where
    // the file system holds them at all.
    struct stat old {};
    if (::stat(target.constData(), &old) == 0)
        ::fchmod(fd.Get(), old.st_mode & 07777);
    bool named = !unnamed;
    bool ok = WriteAllAndSync(fd.Get(), bytes);
    if (ok && unnamed) {
        named = NameUnnamedFile(fd.Get(), pending);
        ok = named;
    }
    ok = fd.Close() && ok;
    if (!ok && named)
        ::unlink(pending.constData());
    return ok;
}

} // namespace

bool WriteFileAtomically(const QString& path, const std::string& bytes) {
    // Saving through a link replaces the file it points to and keeps the link.
    QFileInfo target(path);
    if (target.isSymLink())
        target = QFileInfo(target.symLinkTarget());
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    const QByteArray pending = PendingPath(target);
    const QByteArray final = QFile::encodeName(target.absoluteFilePath());
    if (!WritePending(folder, pending, final, bytes))
        return false;
    if (::rename(pending.constData(), final.constData()) != 0) {
        ::unlink(pending.constData());
        return false;
    }
    SyncFolder(folder);
    return true;
}

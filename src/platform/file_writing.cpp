// Complete writes and the pending file of a save, on plain POSIX calls so that
// every failure keeps the system's own error number.
#include "file_writing.h"

#include "file_identity.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <utility>

TFileDescriptor::~TFileDescriptor() {
    if (Fd >= 0)
        ::close(Fd);
}

int TFileDescriptor::Close() {
    const int fd = std::exchange(Fd, -1);
    return fd < 0 || ::close(fd) == 0 ? 0 : errno;
}

int WriteAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t step = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (step < 0 && errno == EINTR)
            continue;
        if (step < 0)
            return errno;
        if (step == 0)
            return EIO;
        written += static_cast<std::size_t>(step);
    }
    return 0;
}

TContentSink::TContentSink(int fd) : FFd(fd) {
    FChunk.reserve(ChecksumChunkBytes);
}

bool TContentSink::Put(std::string_view bytes) {
    FBytes += bytes.size();
    while (FError == 0 && !bytes.empty()) {
        const std::size_t taken = std::min(bytes.size(), ChecksumChunkBytes - FChunk.size());
        FChunk.append(bytes.substr(0, taken));
        bytes.remove_prefix(taken);
        if (FChunk.size() == ChecksumChunkBytes)
            WriteChunk();
    }
    return FError == 0;
}

int TContentSink::Flush() {
    if (FError == 0 && !FChunk.empty())
        WriteChunk();
    return FError;
}

bool TContentSink::WriteChunk() {
    FChecksum = ChainChecksum(FChecksum, FChunk);
    FError = WriteAll(FFd, FChunk);
    FChunk.clear();
    return FError == 0;
}

int WriteContent(int fd, const TContentWriter& content, std::size_t& checksum, std::size_t* bytes) {
    TContentSink sink(fd);
    const int made = content(sink);
    const int error = sink.Error() != 0 ? sink.Error() : made != 0 ? made : sink.Flush();
    checksum = sink.Checksum();
    if (bytes != nullptr)
        *bytes = sink.Bytes();
    return error;
}

int CopyAll(int from, int to, off_t& copied) {
    constexpr std::size_t ChunkBytes = 1 << 20;
    std::string chunk(ChunkBytes, '\0');
    copied = 0;
    for (;;) {
        const ssize_t got = ::read(from, chunk.data(), ChunkBytes);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        for (ssize_t put = 0; put < got;) {
            const ssize_t step =
                ::pwrite(to, chunk.data() + put, static_cast<std::size_t>(got - put), copied + put);
            if (step < 0 && errno == EINTR)
                continue;
            if (step <= 0)
                return step < 0 ? errno : EIO;
            put += step;
        }
        copied += got;
    }
}

int SyncFile(int fd) {
    return ::fsync(fd) == 0 ? 0 : errno;
}

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

int MakeFolders(const QByteArray& folder) {
    struct stat status {};
    if (::stat(folder.constData(), &status) == 0)
        return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT)
        return errno;
    const QByteArray parent = FolderOf(folder);
    if (parent != folder)
        if (const int error = MakeFolders(parent); error != 0)
            return error;
    return ::mkdir(folder.constData(), 0777) == 0 || errno == EEXIST ? 0 : errno;
}

QByteArray PendingPathOf(const QByteArray& target) {
    const qsizetype slash = target.lastIndexOf('/');
    return target.left(slash + 1) + '.' + target.mid(slash + 1) + ".saving";
}

namespace {

// A file of no name in the folder, which vanishes if the program ends before
// it is named; -1 where none can be made there.
int OpenUnnamedFile(const QByteArray& folder) {
#ifdef O_TMPFILE
    return ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
    (void)folder;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

int NameUnnamedFile(int fd, const QByteArray& pending) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, pending.constData(),
                     AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != EEXIST)
            return errno;
        ::unlink(pending.constData());
    }
    return EEXIST;
}

// The superuser may give the new file any owner, others at most a group they
// belong to. The permissions come last: a change of owner clears the
// set-user-ID and set-group-ID bits.
void KeepOwnerAndPermissions(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // The new file stays this process's: all it may do.
    }
    ::fchmod(fd, old.st_mode & 07777);
}

// A rename is only lasting once the folder's entry is on disk too.
void SyncFolder(const QByteArray& folder) {
    TFileDescriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0)
        ::fsync(fd.Get());
}

} // namespace

int WritePending(const QByteArray& folder, const QByteArray& pending, const struct stat* old,
                 const std::function<int(int fd)>& write, struct stat* written) {
    int raw = OpenUnnamedFile(folder);
    const bool unnamed = raw >= 0;
    if (!unnamed) {
        ::unlink(pending.constData());
        raw = ::open(pending.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0)
            return errno;
    }
    TFileDescriptor fd(raw);
    if (old != nullptr)
        KeepOwnerAndPermissions(fd.Get(), *old);
    bool named = !unnamed;
    int error = write(fd.Get());
    if (error == 0)
        error = SyncFile(fd.Get());
    if (error == 0 && written != nullptr && ::fstat(fd.Get(), written) != 0)
        error = errno;
    if (error == 0 && unnamed) {
        error = NameUnnamedFile(fd.Get(), pending);
        named = error == 0;
    }
    const int closeError = fd.Close();
    if (error == 0)
        error = closeError;
    if (error != 0 && named)
        ::unlink(pending.constData());
    return error;
}

int ReplaceWithPending(const QByteArray& folder, const QByteArray& pending,
                       const QByteArray& target) {
    if (::rename(pending.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(pending.constData());
        return error;
    }
    SyncFolder(folder);
    return 0;
}

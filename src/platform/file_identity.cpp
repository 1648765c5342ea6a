// A file's identity from its status (device, inode, size, modification time to
// the nanosecond), with a checksum where the time alone cannot be trusted.
#include "file_identity.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

// A modification time this close to the present may be shared by a write yet
// to come: file systems keep times in ticks of a few milliseconds up to two
// seconds (FAT), and a network server's clock may run a little apart.
constexpr std::int64_t RecentSeconds = 3;

bool IsRecent(const struct stat& status) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    // A time ahead of this clock counts as recent too.
    return status.st_mtim.tv_sec > now.tv_sec - RecentSeconds;
}

std::size_t ChecksumOf(std::string_view content) {
    std::size_t value = 0;
    for (std::size_t offset = 0; offset < content.size(); offset += ChecksumChunkBytes)
        value = ChainChecksum(value, content.substr(offset, ChecksumChunkBytes));
    return value;
}

bool ChecksumOfFile(int fd, std::size_t& value) {
    std::string chunk(ChecksumChunkBytes, '\0');
    value = 0;
    for (off_t offset = 0;;) {
        std::size_t filled = 0;
        while (filled < ChecksumChunkBytes) {
            const ssize_t step =
                ::pread(fd, chunk.data() + filled, ChecksumChunkBytes - filled, offset + filled);
            if (step < 0 && errno == EINTR)
                continue;
            if (step < 0)
                return false;
            if (step == 0)
                break;
            filled += static_cast<std::size_t>(step);
        }
        if (filled > 0)
            value = ChainChecksum(value, std::string_view(chunk.data(), filled));
        if (filled < ChecksumChunkBytes)
            return true;
        offset += static_cast<off_t>(filled);
    }
}

TFileIdentity IdentityOfStatus(const struct stat& status) {
    TFileIdentity identity;
    identity.Exists = true;
    identity.Device = status.st_dev;
    identity.Inode = status.st_ino;
    identity.Size = status.st_size;
    identity.ModifiedSeconds = status.st_mtim.tv_sec;
    identity.ModifiedNanoseconds = status.st_mtim.tv_nsec;
    return identity;
}

class TReadOnlyFile {
public:
    explicit TReadOnlyFile(const QString& path)
        : Fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC)) {}
    TReadOnlyFile(const TReadOnlyFile&) = delete;
    TReadOnlyFile& operator=(const TReadOnlyFile&) = delete;
    ~TReadOnlyFile() {
        if (Fd >= 0)
            ::close(Fd);
    }
    const int Fd;
};

} // namespace

std::size_t ChainChecksum(std::size_t value, std::string_view chunk) {
    return qHashBits(chunk.data(), chunk.size(), value);
}

TFileIdentity FileIdentityOfOpenFile(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return {};
    TFileIdentity identity = IdentityOfStatus(status);
    if (IsRecent(status))
        identity.HasChecksum = ChecksumOfFile(fd, identity.Checksum);
    return identity;
}

TFileIdentity FileIdentityOfWritten(const struct stat& status, std::string_view content) {
    TFileIdentity identity = IdentityOfStatus(status);
    if (IsRecent(status)) {
        identity.HasChecksum = true;
        identity.Checksum = ChecksumOf(content);
    }
    return identity;
}

TFileIdentity FileIdentityOfWritten(const struct stat& status, std::size_t checksum) {
    TFileIdentity identity = IdentityOfStatus(status);
    if (IsRecent(status)) {
        identity.HasChecksum = true;
        identity.Checksum = checksum;
    }
    return identity;
}

TFileChange FileChangeSince(const QString& path, const TFileIdentity& known) {
    struct stat now {};
    if (::stat(QFile::encodeName(path).constData(), &now) != 0) {
        const bool gone = errno == ENOENT || errno == ENOTDIR;
        return gone && known.Exists ? TFileChange::Removed : TFileChange::Unchanged;
    }
    if (!known.Exists || now.st_dev != known.Device || now.st_ino != known.Inode)
        return TFileChange::Replaced;
    if (now.st_size != known.Size || now.st_mtim.tv_sec != known.ModifiedSeconds ||
        now.st_mtim.tv_nsec != known.ModifiedNanoseconds)
        return TFileChange::Modified;
    if (!known.HasChecksum)
        return TFileChange::Unchanged;
    const TReadOnlyFile file(path);
    std::size_t checksum = 0;
    if (file.Fd < 0 || !ChecksumOfFile(file.Fd, checksum))
        return TFileChange::Unchanged;
    return checksum == known.Checksum ? TFileChange::Unchanged : TFileChange::Modified;
}

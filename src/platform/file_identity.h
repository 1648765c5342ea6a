// What a file on disk was when the program read or wrote it, so that a later
// save can tell whether another program has changed or replaced it since.
#pragma once

#include <QString>

#include <cstdint>
#include <string_view>
#include <sys/stat.h>

struct TFileIdentity {
    // False when there was no file: every field below is then meaningless.
    bool Exists = false;
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::int64_t Size = 0;
    std::int64_t ModifiedSeconds = 0;
    std::int64_t ModifiedNanoseconds = 0;
    // A checksum of the content, taken only when the file had been written so
    // recently that a second write within the same tick of the file system's
    // clock would keep its time and size; such a file is compared by content.
    bool HasChecksum = false;
    std::size_t Checksum = 0;
};

enum class TFileChange {
    Unchanged,
    Modified, // the same file, written to since
    Replaced, // another file under the name: written beside it and renamed over
              // it, as editors save, or created where there was none
    Removed,
};

// The checksum is chained over chunks of this size, so content written a
// chunk at a time and the same content read back from its file give the same
// value: ChainChecksum over each chunk in turn, starting from 0.
inline constexpr std::size_t ChecksumChunkBytes = 1 << 20;
std::size_t ChainChecksum(std::size_t value, std::string_view chunk);

// A file open for reading as it is now; read for a checksum only when its
// modification time is too recent to tell changes by.
TFileIdentity FileIdentityOfOpenFile(int fd);
// A file just written with content, from its status after the write.
TFileIdentity FileIdentityOfWritten(const struct stat& status, std::string_view content);
// The same from the checksum of the content written, chained as above.
TFileIdentity FileIdentityOfWritten(const struct stat& status, std::size_t checksum);

// What became of the file at path since known was taken. A file that cannot
// be looked at (no permission on its folder) counts as unchanged: the save
// that follows says why it cannot write there.
TFileChange FileChangeSince(const QString& path, const TFileIdentity& known);

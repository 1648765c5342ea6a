// The system calls beneath every save: descriptors, complete writes, the
// pending file that becomes the new content only once it is whole on disk,
// and what the new file keeps of the old one.
#pragma once

#include <QByteArray>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <sys/stat.h>

// A file descriptor closed when it goes out of scope.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : Fd(fd) {}
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    ~TFileDescriptor();
    int Get() const { return Fd; }
    // The system's error number, 0 when closed cleanly.
    int Close();

private:
    int Fd;
};

// Each returns the system's error number of what stopped it, 0 on success.
int WriteAll(int fd, std::string_view bytes);

// Where a file's content goes as it is made: written to the descriptor in
// chunks of ChecksumChunkBytes, each added to the checksum the file's
// identity keeps, so content need never be held whole.
class TContentSink {
public:
    explicit TContentSink(int fd);
    // False once a write has failed: Error() says why and the rest is dropped.
    bool Put(std::string_view bytes);
    // Writes what is left; the error number, 0 when everything is written.
    int Flush();
    int Error() const { return FError; }
    std::size_t Checksum() const { return FChecksum; }
    // Of the content put, written or not.
    std::size_t Bytes() const { return FBytes; }

private:
    bool WriteChunk();

    int FFd;
    std::string FChunk;
    std::size_t FChecksum = 0;
    std::size_t FBytes = 0;
    int FError = 0;
};

// Makes a file's content into the sink: 0, or the error number that stopped
// it (the sink's, ECANCELED when the user cancelled, or one of its own).
using TContentWriter = std::function<int(TContentSink& sink)>;

// Writes what content makes to fd from where fd stands. checksum receives the
// checksum of the whole content and bytes its length.
int WriteContent(int fd, const TContentWriter& content, std::size_t& checksum,
                 std::size_t* bytes = nullptr);
// Everything from the start of from (read sequentially) to the start of to;
// copied receives the number of bytes copied.
int CopyAll(int from, int to, off_t& copied);
int SyncFile(int fd);

// The folder part of an absolute path.
QByteArray FolderOf(const QByteArray& path);
// Creates the folder and the folders above it that are missing.
int MakeFolders(const QByteArray& folder);
// Where a save cut short between naming its content and renaming it over the
// target leaves that content: one fixed name per file, beside it.
QByteArray PendingPathOf(const QByteArray& target);

// Writes content through write (which gets the descriptor and returns an
// error number) into a new file of no name in folder and then names it
// pending, replacing what an interrupted save left there; where the folder
// cannot hold a file of no name, the file is created under the pending name
// at once. With old, the new file takes its owner, group and permissions as
// far as this process may give them. written receives the new file's status.
// On failure nothing is left under the pending name.
int WritePending(const QByteArray& folder, const QByteArray& pending, const struct stat* old,
                 const std::function<int(int fd)>& write, struct stat* written);

// Renames pending over target and makes the rename lasting; on failure the
// pending file is removed.
int ReplaceWithPending(const QByteArray& folder, const QByteArray& pending,
                       const QByteArray& target);

// The system calls beneath every save: descriptors, complete writes, the
// pending file that becomes the new content only once it is whole on disk,
// and what the new file keeps of the old one.
#pragma once

#include <QByteArray>

#include <functional>
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

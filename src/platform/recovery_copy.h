// This running program's copy of its drawing while the drawing has unsaved
// changes, so that a crash loses little work: a file of its own in the
// recovery folder, named after the process, under a lock held while the
// program runs, so any number of running programs each keep one.
#pragma once

#include "geometry/polygon.h"
#include "long_task.h"
#include "recovery_files.h"
#include "save_result.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>

// The user's data folder for Zelvo, where recovery copies are kept.
QString DefaultRecoveryFolder();

// The drawing as it was when the window took it, for writing on a worker.
struct TRecoverySnapshot {
    TZvDat Drawing;
    // The drawing's own file, empty for one never saved or opened.
    QString DrawingFile;
    std::uint64_t Generation = 0;
};

class TRecoveryCopy {
public:
    // Creates the folder and takes this program's lock in it.
    explicit TRecoveryCopy(const QString& folder);
    // A copy still there stays for the next start; the lock goes with the
    // program either way.
    ~TRecoveryCopy();
    TRecoveryCopy(const TRecoveryCopy&) = delete;
    TRecoveryCopy& operator=(const TRecoveryCopy&) = delete;

    // Why no copy can be kept (the folder cannot be made or written), with
    // the folder as its path; Ok when copies can be written.
    const TSaveResult& Problem() const { return FProblem; }
    QString Path() const { return FFiles.Copy; }
    QString Folder() const { return FFolder; }

    // Counts the Removes: a write begun before the last one leaves nothing.
    std::uint64_t Generation() const { return FGeneration.load(); }
    // Takes the drawing as it is now, on the window's thread.
    TRecoverySnapshot Snapshot(TZvDat drawing, QString drawingFile) const;
    // Writes the snapshot, replacing the copy atomically so that a crash
    // keeps the previous one. Needs no window: a worker thread may run it,
    // one write at a time. A snapshot taken before the last Remove writes
    // nothing, and a Remove while it is written stops the writing; both
    // report success. A drawing with a value the file cannot hold fails
    // with Other and ERANGE.
    TSaveResult Write(const TRecoverySnapshot& snapshot);
    // The same for a drawing that nothing changes while it is written (the
    // long-work runner holds the user's input back), as of generation;
    // progress gets the share written and cancels the write, which then
    // leaves the copy before it, with Cancelled.
    TSaveResult Write(const TZvDat& drawing, const QString& drawingFile, std::uint64_t generation,
                      const TProgressFn& progress = {});
    // No copy is needed any more: the drawing was saved or given up, or the
    // program ends normally. Returns at once, also while a write runs; that
    // write then leaves nothing.
    void Remove();

private:
    void RemoveFiles();

    QString FFolder;
    TRecoveryFiles FFiles;
    TSaveResult FProblem;
    int FLockFd = -1;
    std::mutex FWriting;
    std::atomic<std::uint64_t> FGeneration{0};
};

// The recovery copies that programs no longer running left behind (they
// crashed or were killed with unsaved changes), found at the next start.
#pragma once

#include "geometry/polygon.h"
#include "long_task.h"

#include <QDateTime>
#include <QString>

#include <utility>
#include <vector>

enum class TRecoveryCopyState {
    Readable,
    CutShort,     // shorter than it was written: the rest is missing
    NewerVersion, // written by a newer version of the program in a form this one cannot read
    Damaged,      // not a drawing, or one holding a value out of range
    CannotRead,   // the system refused to read it (Error says why)
};

// One copy, taken over from the program that left it: while this object
// lives, no other program lists it. Unreadable copies are never deleted.
class TLeftRecoveryCopy {
public:
    TLeftRecoveryCopy(TLeftRecoveryCopy&& other) noexcept;
    TLeftRecoveryCopy& operator=(TLeftRecoveryCopy&& other) noexcept;
    TLeftRecoveryCopy(const TLeftRecoveryCopy&) = delete;
    TLeftRecoveryCopy& operator=(const TLeftRecoveryCopy&) = delete;
    // Hands the copy back: a later start lists it again.
    ~TLeftRecoveryCopy();

    QString Path() const { return FPath; }
    // The drawing's own file when the copy was written; empty when it had none.
    QString DrawingFile() const { return FDrawingFile; }
    QDateTime Written() const { return FWritten; }
    // The drawing's file was written after the copy: the copy may hold less.
    bool OlderThanFile() const { return FOlderThanFile; }
    TRecoveryCopyState State() const { return FState; }
    // The system's error number behind CannotRead.
    int Error() const { return FError; }
    // The drawing the copy holds, when it is readable.
    const TZvDat& Drawing() const { return FDrawing; }
    // The same, taken out of the copy without copying it.
    TZvDat TakeDrawing() { return std::move(FDrawing); }

    // Deletes a readable copy once restored or given up; an unreadable one
    // stays where it is.
    void Discard();
    // Moves an unreadable copy into the folder "unreadable" beside it, where
    // no later start lists it again, and returns where it is now (where it
    // was, when it cannot be moved).
    QString SetAside();

private:
    friend std::vector<TLeftRecoveryCopy> ListLeftRecoveryCopies(const QString& folder,
                                                                 const TProgressFn& progress);
    TLeftRecoveryCopy(const QString& folder, const QString& base, int lockFd);
    // False when progress cancelled the reading.
    bool Read(const TProgressFn& progress);
    void Release();

    QString FFolder;
    QString FBase;
    QString FPath;
    QString FDrawingFile;
    QDateTime FWritten;
    bool FOlderThanFile = false;
    TRecoveryCopyState FState = TRecoveryCopyState::Readable;
    int FError = 0;
    TZvDat FDrawing;
    int FLockFd = -1;
};

// The copies in folder whose programs have ended, each read and taken over,
// newest first. Copies of running programs, this one's own included, are
// left alone. Needs no window: a worker thread may run it. progress gets the
// share of the copies read; a cancel gives none, each left for a later start.
std::vector<TLeftRecoveryCopy> ListLeftRecoveryCopies(const QString& folder,
                                                      const TProgressFn& progress = {});

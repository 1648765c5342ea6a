// Opening and saving drawing files a piece at a time: the file is parsed as
// it is read and written as its text is made, so neither a file nor its text
// is ever held whole, and the work can report its progress and be cancelled.
// Needs no window: the long-work runner's worker runs it.
#pragma once

#include "atomic_file.h"
#include "file_identity.h"
#include "format/drawing_file.h"
#include "format/drawing_writer.h"
#include "long_task.h"
#include "save_result.h"

#include <QString>

enum class TDrawingLoadEnd {
    Read,
    NotADrawing, // the file is not a drawing (Reading says how it failed)
    CannotRead,  // the system refused to open or read it (Error says why)
    Cancelled,
};

struct TDrawingLoadResult {
    TDrawingLoadEnd End = TDrawingLoadEnd::Read;
    TDrawingReadResult Reading = TDrawingReadResult::Ok;
    int Error = 0;
    // What the file was when it was opened, for telling later whether
    // another program has changed it.
    TFileIdentity Identity;
    bool Ok() const { return End == TDrawingLoadEnd::Read; }
};

// Reads the drawing at path; drawing changes only when it was read. progress
// gets the share of the file read and stops the reading when it answers
// false. Only a plain file is read: a folder, a pipe or a device is not.
TDrawingLoadResult ReadDrawingFile(const QString& path, TZvDat& drawing,
                                   const TProgressFn& progress = {});

struct TDrawingSaveResult {
    TSaveResult File;
    // Unwritable when a shape holds a value the file cannot hold (File then
    // failed too); Stopped when cancelled.
    TDrawingWriteResult Writing;
    bool Ok() const { return File.Ok(); }
};

// Saves the drawing to path as SaveFile saves (atomically, or in place behind
// a copy where the folder needs it). progress gets the share written and
// cancels the save when it answers false: the file then stays as it was.
TDrawingSaveResult SaveDrawingFile(const QString& path, const TZvDat& drawing,
                                   const TSaveOptions& options, const TProgressFn& progress = {});

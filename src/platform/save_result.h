// The outcome of a save: the file written, or why it could not be, in classes
// a user can act on, and the message that tells the user.
#pragma once

#include "file_identity.h"

#include <QString>

enum class TSaveFailure {
    None,
    DiskFull,           // no space left, or the user's quota is used up
    NoPermission,       // on the file or its folder
    ReadOnlyFileSystem, // the whole drive is mounted read-only
    FolderGone,         // the folder does not exist (any more)
    ReadOnlyFile,       // the file is read-only and replacing it was not agreed to
    NotAFile,           // a folder, or anything else that is no file, has the name
    BackupFailed,       // writing in place needed a copy of the old content first
    Cancelled,          // the user stopped it: the file is as it was
    Other,
};

// The class of a system error number met while writing a file.
TSaveFailure SaveFailureOf(int error);

struct TSaveResult {
    TSaveFailure Failure = TSaveFailure::None;
    // The system's error number behind Failure: for BackupFailed the one that
    // stopped the copy.
    int Error = 0;
    // The file written, or meant to be: the path with links followed.
    QString Path;
    // Written into the old file rather than beside it: its folder forbids
    // creating the new file there.
    bool InPlace = false;
    // The copy of the old content: the one that could not be made
    // (BackupFailed), or the one kept because writing in place failed and
    // the old content could not be put back.
    QString BackupPath;
    // The file as written, for telling later changes by other programs.
    TFileIdentity Identity;

    bool Ok() const { return Failure == TSaveFailure::None; }
};

// "ファイル「path」を保存できませんでした。" followed by the reason; path is
// the one the user chose.
QString SaveFailureText(const QString& path, const TSaveResult& result);

// The question before 上書き保存 replaces a file that another program has
// changed, replaced or removed since it was opened or last saved.
QString FileChangedQuestion(const QString& path, TFileChange change);
// The question before a read-only file is replaced.
QString ReadOnlyFileQuestion(const QString& path);

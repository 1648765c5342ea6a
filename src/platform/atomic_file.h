// Whole-file reads, and saves that replace a file only once the new content
// is completely on disk, saying why when they cannot.
#pragma once

#include "file_identity.h"
#include "file_writing.h"
#include "save_result.h"

#include <QString>
#include <string>

// False when the file does not exist or cannot be read.
bool ReadFileBytes(const QString& path, std::string& bytes);

struct TSaveOptions {
    // A file without write permission is replaced only when the user agreed
    // to it (IsReadOnlyFile tells beforehand); otherwise the save fails with
    // ReadOnlyFile.
    bool ReplaceReadOnly = false;
    // Where a file is written in place, because its folder refuses the new
    // file beside it while the file itself is writable, the old content is
    // first copied into this folder (and removed again once the new content
    // is on disk). Empty: never in place.
    QString BackupFolder;
};

// The folder of those copies: the user's data folder for Zelvo.
QString DefaultBackupFolder();

// Writes the content to a new file beside the target, synced, and renames it
// over the target, so a failed, cancelled or killed save leaves the whole old
// file or the whole new one. Links are followed to the real file at any depth
// and stay links; the new file keeps the old one's permissions, and its owner
// and group where this process may give them. Another hard link to the old
// file keeps the old content, as the new file is a new one.
TSaveResult SaveFile(const QString& path, const TContentWriter& content,
                     const TSaveOptions& options);
TSaveResult SaveFile(const QString& path, std::string_view bytes, const TSaveOptions& options);

// SaveFile replacing even a read-only file and never writing in place; false
// when the file was not written.
bool WriteFileAtomically(const QString& path, std::string_view bytes);

// The file exists and is read-only: no one may write it by its permissions
// (which the superuser is told as well), or this process may not.
bool IsReadOnlyFile(const QString& path);

// Saving into the old file itself, for a file whose folder refuses a new file
// beside it: the old content is copied aside first and put back if the write
// fails.
#pragma once

#include "file_writing.h"
#include "save_result.h"

#include <QByteArray>
#include <QString>

// Writes the content over the file at target (no link) after copying its
// content into backupFolder; result carries the path the user meant. No
// copy, no write: the result then says why the copy could not be made. The
// copy is removed once the new content is on disk, or once the old content
// is back after a failed or cancelled write; it stays only when that too
// fails.
TSaveResult SaveInPlace(TSaveResult result, const QByteArray& target, const TContentWriter& content,
                        const QString& backupFolder);

// Saving into the old file itself, for a file whose folder refuses a new file
// beside it: the old content is copied aside first and put back if the write
// fails.
#pragma once

#include "save_result.h"

#include <QByteArray>
#include <QString>
#include <string>

// Writes bytes over the file at target (no link) after copying its content
// into backupFolder; result carries the path the user meant. No copy, no
// write: the result then says why the copy could not be made. The copy is
// removed once the new content is on disk, or once the old content is back
// after a failed write; it stays only when that too fails.
TSaveResult SaveInPlace(TSaveResult result, const QByteArray& target, const std::string& bytes,
                        const QString& backupFolder);

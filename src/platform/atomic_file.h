// Whole-file reads and atomic whole-file writes of bytes.
#pragma once

#include <QString>
#include <string>

// False when the file does not exist or cannot be read.
bool ReadFileBytes(const QString& path, std::string& bytes);

// Writes to a temporary file beside the target and renames it over the target
// only after everything was written, so a failed write never damages the file
// that was there.
bool WriteFileAtomically(const QString& path, const std::string& bytes);

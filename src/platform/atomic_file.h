// Whole-file reads and atomic whole-file writes of bytes.
#pragma once

#include <QString>
#include <string>

// False when the file does not exist or cannot be read.
bool ReadFileBytes(const QString& path, std::string& bytes);

// A drawing file's bytes up to its end-of-file mark, read a chunk at a time:
// a file that cannot be a drawing (a line far longer than any drawing has) is
// given up at its first such line, without reading the rest. False then, and
// when the file cannot be read.
bool ReadDrawingFileBytes(const QString& path, std::string& bytes);

// Writes to a temporary file beside the target and renames it over the target
// only after everything was written and synced, so a failed or killed write
// never damages the file that was there. The target keeps its permissions; a
// link is followed to the file it names.
bool WriteFileAtomically(const QString& path, const std::string& bytes);

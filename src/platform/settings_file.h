// Where the settings file lives, and loading and saving it.
#pragma once

#include "format/ini_file.h"

#include <QString>

// The executable's path plus ".ini" when that folder is writable, otherwise the
// same file name under the user's configuration folder.
QString DefaultSettingsPath();

// The executable's path with its extension replaced by ".ini" ("zelvo.exe"
// gives "zelvo.ini"), or with ".ini" appended when it has none ("zelvo").
QString SettingsPathBeside(const QString& executablePath);
// SettingsPathBeside when its folder is writable, otherwise the same file name
// in fallbackFolder, which is created.
QString ChooseSettingsPath(const QString& executablePath, const QString& fallbackFolder);

// A missing or unreadable file gives empty settings (every key its default);
// lines longer than IniMaxLineBytes are dropped as they are read.
TIniFile LoadSettings(const QString& path);
// Atomic; false when the file could not be written.
bool SaveSettings(const QString& path, const TIniFile& settings);

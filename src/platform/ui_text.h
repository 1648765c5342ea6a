// The interface language: the texts the windows show, written in Japanese in
// the sources and looked up in the installed translation at the moment they
// are shown, and the setting that chooses the language at start.
#pragma once

#include "format/ini_file.h"

#include <QString>

class QApplication;

enum class TUiLanguage { Japanese, English };

// The text to show for japaneseSource, a literal of the given context: the
// translation of the installed language, or the source itself in Japanese.
// Texts with numbers or names are templates with %1, %2 filled in afterwards,
// so that a translation may put them where its grammar wants them.
QString UiText(const char* context, const char* japaneseSource);

// The language kept in the settings file ([TMainFm] Language=ja or en);
// Japanese when the key is missing or holds anything else.
TUiLanguage ReadUiLanguage(const TIniFile& settings);
void WriteUiLanguage(TIniFile& settings, TUiLanguage language);

// Installs the program's English translation; false when it is missing from
// the executable. Japanese needs none: the sources are Japanese.
bool InstallEnglishTranslation(QApplication& application);

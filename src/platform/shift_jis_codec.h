// Conversion between Shift-JIS bytes (drawing files, flange names) and Qt's
// Unicode strings, with the code page 932 table drawing files use. ASCII is
// kept byte for byte.
#pragma once

#include <QString>
#include <string>

// Bytes that are no Shift-JIS character (a stray trail byte, a lead byte cut
// off at the end, an unassigned code) each become U+FFFD; an ASCII byte after
// a bad lead byte is kept as itself.
QString ShiftJisToUnicode(const std::string& bytes);

// Characters that Shift-JIS cannot express each become "?".
std::string UnicodeToShiftJis(const QString& text);

// True when every character of text has a Shift-JIS code, so that
// UnicodeToShiftJis keeps it as it is.
bool IsShiftJisEncodable(const QString& text);

// The Shift-JIS bytes of text, or false (bytes empty) as soon as a character
// has no code: text that no Shift-JIS file could have held.
bool TryUnicodeToShiftJis(const QString& text, std::string& bytes);

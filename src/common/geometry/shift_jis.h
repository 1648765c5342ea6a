// Byte-level knowledge of Shift-JIS text: which bytes start a double-byte
// character, and cutting text without splitting one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// True for a byte that starts a double-byte character.
bool IsShiftJisLeadByte(unsigned char byte);

// The longest prefix of text of at most maxBytes bytes that ends on a
// character boundary.
std::string CutShiftJis(std::string_view text, std::size_t maxBytes);

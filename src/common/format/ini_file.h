// An INI settings text held in memory: sections of "key=value" lines, read
// with defaults and written back with every other line kept.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// No settings line is longer: a longer one (a value another program let grow
// without end, or a file that is no settings file) is dropped as it is read,
// without ever being held whole, and so are lines after the first
// IniMaxLines. A settings file has a few dozen lines.
inline constexpr std::size_t IniMaxLineBytes = 64 * 1024;
inline constexpr std::size_t IniMaxLines = 10000;
// A path is never longer where the program runs; a longer value read as a
// path is no path.
inline constexpr std::size_t IniMaxPathBytes = 4096;

class TIniFile {
public:
    TIniFile() = default;
    // Parses INI text (LF or CR LF line ends, UTF-8), as TIniReader does.
    explicit TIniFile(std::string_view text);

    // Integer values that are missing or not a whole decimal number give the default.
    long long ReadInteger(std::string_view section, std::string_view key,
                          long long defaultValue) const;
    // A value longer than maxBytes gives the default too.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue,
                           std::size_t maxBytes = IniMaxLineBytes) const;

    // Line breaks in a written value become blanks, so that a value can never
    // open a line of its own.
    void WriteInteger(std::string_view section, std::string_view key, long long value);
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // The whole text, CR LF line ends.
    std::string ToText() const;

private:
    friend class TIniReader;

    // One line of the text. Lines that are not "key=value" (blanks, comments,
    // anything unknown) keep only their text; untouched entries are written
    // back as they were read.
    struct TEntry {
        std::string Key;
        std::string Value;
        std::string Line;
        bool IsKeyValue = false;
        bool Rewritten = false;
    };
    // Lines before the first section header form a section without header,
    // which no lookup finds.
    struct TSection {
        std::string Name;
        std::string HeaderLine;
        bool HasHeader = false;
        std::vector<TEntry> Entries;
    };
    static bool IsBlankLine(const TEntry& entry);
    const TSection* FindSection(std::string_view section) const;
    TSection& SectionForWriting(std::string_view section);
    const TEntry* Find(std::string_view section, std::string_view key) const;
    void AddLine(std::string_view line);

    std::vector<TSection> FSections;
};

// Reads INI text a chunk at a time as it comes from a file, holding no more
// than one line of IniMaxLineBytes.
class TIniReader {
public:
    void Take(std::string_view chunk);
    // IniMaxLines lines are read: the rest of the text is dropped unread.
    bool Full() const { return FLines >= IniMaxLines; }
    // The settings read; the reader starts anew.
    TIniFile Finish();

private:
    void EndLine();

    TIniFile FIni;
    std::string FLine;
    std::size_t FLines = 0;
    bool FTooLong = false;
};

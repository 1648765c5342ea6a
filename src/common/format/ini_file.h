// An INI settings text held in memory: sections of "key=value" lines, read
// with defaults and written back with every other line kept.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TIniFile {
public:
    TIniFile() = default;
    // Parses INI text (LF or CR LF line ends, UTF-8).
    explicit TIniFile(std::string_view text);

    // Integer values that are missing or not a whole decimal number give the default.
    long long ReadInteger(std::string_view section, std::string_view key,
                          long long defaultValue) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    // Line breaks in a written value become blanks, so that a value can never
    // open a line of its own.
    void WriteInteger(std::string_view section, std::string_view key, long long value);
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // The whole text, CR LF line ends.
    std::string ToText() const;

private:
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

// An INI settings text held in memory: sections of "key=value" lines, read
// with defaults and written back with every other line kept.
#pragma once

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

    void WriteInteger(std::string_view section, std::string_view key, long long value);
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // The whole text, CR LF line ends.
    std::string ToText() const;

private:
    struct TEntry {
        std::string Key;
        std::string Value;
    };
    struct TSection {
        std::string Name;
        std::vector<TEntry> Entries;
    };
    const TEntry* Find(std::string_view section, std::string_view key) const;
    std::vector<TSection> FSections;
};

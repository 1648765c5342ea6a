// Parsing, lookup and rewriting of INI settings text.
#include "format/ini_file.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Section and key names match without regard to ASCII letter case, as INI
// files have always been read.
bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

bool IsComment(std::string_view trimmed) {
    return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// "[name]" gives name; false for any other line.
bool ParseSectionHeader(std::string_view line, std::string_view& name) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[')
        return false;
    const std::size_t close = trimmed.find(']');
    if (close == std::string_view::npos)
        return false;
    name = Trim(trimmed.substr(1, close - 1));
    return true;
}

bool ParseKeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::string_view trimmed = Trim(line);
    if (IsComment(trimmed))
        return false;
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = Trim(trimmed.substr(0, equals));
    value = Trim(trimmed.substr(equals + 1));
    return !key.empty();
}

std::string WithoutLineBreaks(std::string_view value) {
    std::string result(value);
    std::replace(result.begin(), result.end(), '\r', ' ');
    std::replace(result.begin(), result.end(), '\n', ' ');
    return result;
}

// An optional sign and decimal digits, nothing else; false on overflow.
bool ParseWholeNumber(std::string_view text, long long& value) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return false;
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    const unsigned long long limit = 9223372036854775807ULL + (negative ? 1 : 0);
    if (magnitude > limit)
        return false;
    if (!negative)
        value = static_cast<long long>(magnitude);
    else if (magnitude == limit)
        value = -9223372036854775807LL - 1;
    else
        value = -static_cast<long long>(magnitude);
    return true;
}

// Every mark goes: the text is written without one, and a second mark left at
// the start of the first line would read as the file's own next time.
std::string_view WithoutByteOrderMarks(std::string_view text) {
    const std::string_view byteOrderMark = "\xEF\xBB\xBF";
    while (text.substr(0, byteOrderMark.size()) == byteOrderMark)
        text.remove_prefix(byteOrderMark.size());
    return text;
}

} // namespace

bool TIniFile::IsBlankLine(const TEntry& entry) {
    return !entry.IsKeyValue && Trim(entry.Line).empty();
}

TIniFile::TIniFile(std::string_view text) {
    TIniReader reader;
    reader.Take(text);
    *this = reader.Finish();
}

void TIniFile::AddLine(std::string_view line) {
    std::string_view name;
    if (ParseSectionHeader(line, name)) {
        FSections.push_back({std::string(name), std::string(line), true, {}});
        return;
    }
    if (FSections.empty())
        FSections.push_back({});
    TEntry entry;
    entry.Line = line;
    std::string_view key;
    std::string_view value;
    if (ParseKeyValue(line, key, value)) {
        entry.IsKeyValue = true;
        entry.Key = key;
        entry.Value = value;
    }
    FSections.back().Entries.push_back(std::move(entry));
}

const TIniFile::TSection* TIniFile::FindSection(std::string_view section) const {
    for (const TSection& candidate : FSections)
        if (candidate.HasHeader && SameName(candidate.Name, section))
            return &candidate;
    return nullptr;
}

const TIniFile::TEntry* TIniFile::Find(std::string_view section, std::string_view key) const {
    const TSection* found = FindSection(section);
    if (found == nullptr)
        return nullptr;
    for (const TEntry& entry : found->Entries)
        if (entry.IsKeyValue && SameName(entry.Key, key))
            return &entry;
    return nullptr;
}

TIniFile::TSection& TIniFile::SectionForWriting(std::string_view section) {
    if (const TSection* found = FindSection(section))
        return FSections[static_cast<std::size_t>(found - FSections.data())];
    std::string name = WithoutLineBreaks(section);
    FSections.push_back({name, "[" + name + "]", true, {}});
    return FSections.back();
}

long long TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                long long defaultValue) const {
    const TEntry* entry = Find(section, key);
    long long value = 0;
    if (entry == nullptr || !ParseWholeNumber(entry->Value, value))
        return defaultValue;
    return value;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue, std::size_t maxBytes) const {
    const TEntry* entry = Find(section, key);
    return entry != nullptr && entry->Value.size() <= maxBytes ? entry->Value
                                                               : std::string(defaultValue);
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, long long value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    TSection& target = SectionForWriting(section);
    const std::string flatValue = WithoutLineBreaks(value);
    const std::string cleanValue(Trim(flatValue));
    for (TEntry& entry : target.Entries) {
        if (entry.IsKeyValue && SameName(entry.Key, key)) {
            entry.Value = cleanValue;
            entry.Rewritten = true;
            return;
        }
    }
    // A new key goes after the last non-blank line of its section, so that
    // blank lines separating it from the next section stay where they were.
    auto insertAt = target.Entries.end();
    while (insertAt != target.Entries.begin() && IsBlankLine(*std::prev(insertAt)))
        --insertAt;
    const std::string flatKey = WithoutLineBreaks(key);
    TEntry entry;
    entry.Key = Trim(flatKey);
    entry.Value = cleanValue;
    entry.IsKeyValue = true;
    entry.Rewritten = true;
    target.Entries.insert(insertAt, std::move(entry));
}

std::string TIniFile::ToText() const {
    std::string text;
    for (const TSection& section : FSections) {
        if (section.HasHeader)
            text += section.HeaderLine + "\r\n";
        for (const TEntry& entry : section.Entries)
            text += (entry.Rewritten ? entry.Key + "=" + entry.Value : entry.Line) + "\r\n";
    }
    return text;
}

void TIniReader::Take(std::string_view chunk) {
    while (!chunk.empty() && !Full()) {
        const std::size_t end = chunk.find('\n');
        const std::string_view piece = chunk.substr(0, end);
        // One byte more for the CR of a CR LF line end.
        if (!FTooLong && FLine.size() + piece.size() > IniMaxLineBytes + 1) {
            FTooLong = true;
            std::string().swap(FLine);
        }
        if (!FTooLong)
            FLine.append(piece);
        if (end == std::string_view::npos)
            return;
        EndLine();
        chunk.remove_prefix(end + 1);
    }
}

void TIniReader::EndLine() {
    std::string_view line = FLine;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (FLines == 0)
        line = WithoutByteOrderMarks(line);
    if (!FTooLong && line.size() <= IniMaxLineBytes)
        FIni.AddLine(line);
    ++FLines;
    FLine.clear();
    FTooLong = false;
}

TIniFile TIniReader::Finish() {
    // Text of nothing but marks has no line.
    const bool onlyMarks = FLines == 0 && WithoutByteOrderMarks(FLine).empty();
    if (!Full() && (FTooLong || (!FLine.empty() && !onlyMarks)))
        EndLine();
    TIniFile read = std::move(FIni);
    *this = TIniReader();
    return read;
}

// The program's version information (product name, file version, legal
// notice) as a version resource holds it, and TVersion, which reads it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The first entry of the translation table (language in the low 16 bits,
// code page in the high 16 bits) and the strings, each filed under
// "\StringFileInfo\<language and code page key>\<name>".
struct TVersionBlock {
    std::uint32_t Translation = 0;
    std::map<std::string, std::string, std::less<>> Strings;
};

// The language-and-code-page key: the language as 4 upper-case hexadecimal
// digits followed by the code page as 4 (0x0411, 932 gives "041103A4").
std::string TranslationKey(std::uint16_t language, std::uint16_t codePage);

// The path a string of that name is filed under for key.
std::string VersionStringPath(std::string_view key, std::string_view name);

// Our executables carry no version resource: this program's information is
// fixed when it is built, from the project's name and version, in UTF-8.
TVersionBlock BuiltVersionBlock();

class TVersion {
public:
    // Without a block there is no version information.
    explicit TVersion(std::optional<TVersionBlock> block);

    bool HasInfo() const { return FBlock.has_value(); }
    std::uint16_t Language() const { return FLanguage; }
    std::uint16_t CodePage() const { return FCodePage; }
    // Empty without version information.
    const std::string& Key() const { return FKey; }

    // Each is empty when there is no information or no such string.
    std::string ProductName() const;
    std::string FileVersion() const;
    std::string LegalCopyright() const;

private:
    std::string StringNamed(std::string_view name) const;

    std::optional<TVersionBlock> FBlock;
    std::uint16_t FLanguage = 0;
    std::uint16_t FCodePage = 0;
    std::string FKey;
};

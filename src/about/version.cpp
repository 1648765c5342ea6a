// Reading the program's version information.
#include "version.h"

#include "build_version.h"

#include <cstdio>
#include <utility>

namespace {

// Japanese, UTF-8: the strings are kept as the program is written.
constexpr std::uint16_t BuildLanguage = 0x0411;
constexpr std::uint16_t BuildCodePage = 65001;

} // namespace

std::string TranslationKey(std::uint16_t language, std::uint16_t codePage) {
    char key[9];
    std::snprintf(key, sizeof key, "%04X%04X", static_cast<unsigned>(language),
                  static_cast<unsigned>(codePage));
    return key;
}

std::string VersionStringPath(std::string_view key, std::string_view name) {
    std::string path = "\\StringFileInfo\\";
    path.append(key).append("\\").append(name);
    return path;
}

TVersionBlock BuiltVersionBlock() {
    TVersionBlock block;
    block.Translation = static_cast<std::uint32_t>(BuildCodePage) << 16 | BuildLanguage;
    const std::string key = TranslationKey(BuildLanguage, BuildCodePage);
    block.Strings[VersionStringPath(key, "ProductName")] = BuildProductName;
    block.Strings[VersionStringPath(key, "FileVersion")] = BuildFileVersion;
    block.Strings[VersionStringPath(key, "LegalCopyright")] = BuildLegalCopyright;
    return block;
}

TVersion::TVersion(std::optional<TVersionBlock> block) : FBlock(std::move(block)) {
    if (!FBlock)
        return;
    FLanguage = static_cast<std::uint16_t>(FBlock->Translation & 0xFFFF);
    FCodePage = static_cast<std::uint16_t>(FBlock->Translation >> 16);
    FKey = TranslationKey(FLanguage, FCodePage);
}

std::string TVersion::ProductName() const {
    return StringNamed("ProductName");
}

std::string TVersion::FileVersion() const {
    return StringNamed("FileVersion");
}

std::string TVersion::LegalCopyright() const {
    return StringNamed("LegalCopyright");
}

std::string TVersion::StringNamed(std::string_view name) const {
    if (!FBlock)
        return {};
    const auto found = FBlock->Strings.find(VersionStringPath(FKey, name));
    return found == FBlock->Strings.end() ? std::string() : found->second;
}

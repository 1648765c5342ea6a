// Fuzzes the settings text: any bytes read without harm, every value the
// program reads comes back as it reads it after the text is written again,
// and writing a value reads back the value written.
#include "format/ini_file.h"
#include "format/int_setting.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr std::string_view Sections[] = {"TMainFm", "Print", "TMkPolygonFm", "TPolygonInfoDlg"};
constexpr std::string_view Keys[] = {"Left",        "Top",         "Width",    "Height",
                                     "WindowState", "Zoom",        "File1",    "LYohaku",
                                     "FontName",    "FlangeWidth", "ColWidth1"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const TIniFile settings(text);
    const TIniFile rewritten(settings.ToText());
    for (const std::string_view section : Sections) {
        for (const std::string_view key : Keys) {
            FUZZ_CHECK(rewritten.ReadString(section, key, "?") ==
                       settings.ReadString(section, key, "?"));
            FUZZ_CHECK(ReadIntSetting(rewritten, section, key, -1) ==
                       ReadIntSetting(settings, section, key, -1));
        }
    }
    // A value written, whatever it holds, reads back as written or is refused.
    TIniFile edited = settings;
    const std::string value = text.substr(0, std::min<std::size_t>(text.size(), 40));
    edited.WriteString("Print", "FontName", value);
    const TIniFile reread(edited.ToText());
    const std::string back = reread.ReadString("Print", "FontName", "?");
    FUZZ_CHECK(back == edited.ReadString("Print", "FontName", "?"));
    return 0;
}

// Writing DXF groups, handles and the start of each object.
#include "dxf_writer.h"

#include "format/number_field.h"

#include <cstdio>

namespace {

constexpr int CoordinateDecimals = 6;

std::string HexHandle(unsigned handle) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", handle);
    return text;
}

} // namespace

// Codes stand right-aligned in three columns, as DXF files have them; the
// extended data's four-digit codes take a fourth.
void TDxfWriter::Group(int code, const std::string& value) {
    AppendIntegerField(FText, code, code >= 1000 ? 4 : 3);
    FText += "\r\n";
    FText += value;
    FText += "\r\n";
}

void TDxfWriter::Number(int code, long double value) {
    Group(code, DecimalText(value, CoordinateDecimals));
}

void TDxfWriter::Point(int base, long double x, long double y) {
    Number(base, x);
    Number(base + 10, y);
    Number(base + 20, 0);
}

std::string TDxfWriter::NewHandle() {
    return HexHandle(FNextHandle++);
}

std::string TDxfWriter::Start(const std::string& type, const std::string& owner,
                              const std::string& subclass, int handleCode) {
    Group(0, type);
    if (!HasHandles())
        return {};
    const std::string handle = NewHandle();
    Group(handleCode, handle);
    Group(330, owner);
    if (!subclass.empty())
        Group(100, subclass);
    return handle;
}

void TDxfWriter::Subclass(const std::string& name) {
    if (HasHandles())
        Group(100, name);
}

std::string TDxfWriter::HandleSeed() const {
    return HexHandle(FNextHandle);
}

// The text of a DXF file: groups of a code and a value, each on a line of its
// own, and the handles that DXF R2000 gives every object and R12 none.
#pragma once

#include <string>

enum class TDxfVersion {
    R12,   // AC1009: read by every program that reads DXF; no units
    R2000, // AC1015: millimetres declared, line weights
};

class TDxfWriter {
public:
    explicit TDxfWriter(TDxfVersion version) : FVersion(version) {}

    TDxfVersion Version() const { return FVersion; }
    bool HasHandles() const { return FVersion == TDxfVersion::R2000; }

    void Group(int code, const std::string& value);
    void Group(int code, int value) { Group(code, std::to_string(value)); }
    void Number(int code, long double value);
    // A point as its X, Y and Z groups: codes base, base + 10 and base + 20.
    void Point(int base, long double x, long double y);

    // A new handle, in the hexadecimal form DXF writes them in.
    std::string NewHandle();
    // Starts an object of R2000 with its handle (written with code
    // handleCode), its owner and its subclass marker; R12 writes only the
    // type. Returns the handle, empty for R12.
    std::string Start(const std::string& type, const std::string& owner,
                      const std::string& subclass = {}, int handleCode = 5);
    // A subclass marker, written only where there are handles.
    void Subclass(const std::string& name);
    // The first handle no object has yet.
    std::string HandleSeed() const;

    const std::string& Text() const { return FText; }

private:
    TDxfVersion FVersion;
    std::string FText;
    unsigned FNextHandle = 1;
};

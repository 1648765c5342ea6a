// Writing a page's layers as DXF R12 text: a header with the extents and the
// code page, the line type, layer and text style tables, and the entities.
// Written here rather than through a library: the DXF libraries Debian ships
// are under the GPL or unmaintained, and R12 text is small and fixed.
#include "dxf_export.h"

#include "format/number_field.h"
#include "geometry/angles.h"

#include <cmath>

namespace {

constexpr int CoordinateDecimals = 6;

// The DXF colour number of each layer's colour.
int ColorIndex(TLayerKind kind) {
    switch (kind) {
    case lkCut:
        return 1; // red
    case lkFold1:
        return 5; // blue
    case lkFold2:
        return 3; // green
    default:
        return 7; // black on white paper, white on a dark screen
    }
}

// Groups of a code and a value on two lines each.
class TDxfText {
public:
    void Group(int code, const std::string& value) {
        AppendIntegerField(FText, code, 3);
        FText += "\r\n";
        FText += value;
        FText += "\r\n";
    }
    void Group(int code, int value) { Group(code, std::to_string(value)); }
    void Number(int code, long double value) {
        Group(code, DecimalText(value, CoordinateDecimals));
    }
    // A point as its X, Y and Z groups: codes base, base + 10 and base + 20.
    void Point(int base, long double x, long double y) {
        Number(base, x);
        Number(base + 10, y);
        Number(base + 20, 0);
    }
    const std::string& Text() const { return FText; }

private:
    std::string FText;
};

// Turns page millimetres, Y down from the paper's top edge, into DXF's
// coordinates, Y up from its bottom edge.
class TDxfPage {
public:
    TDxfPage(TDxfText& dxf, long double paperHeight) : FDxf(dxf), FHeight(paperHeight) {}

    void Point(int base, const TPointF& p) { FDxf.Point(base, p.X, FHeight - p.Y); }

    void Line(const std::string& layer, const TSegmentF& segment) {
        FDxf.Group(0, "LINE");
        FDxf.Group(8, layer);
        Point(10, segment.P1);
        Point(11, segment.P2);
    }

    void Outline(const std::string& layer, const TDaPointF& outline) {
        FDxf.Group(0, "POLYLINE");
        FDxf.Group(8, layer);
        FDxf.Group(66, 1);
        FDxf.Point(10, 0, 0);
        FDxf.Group(70, 1); // closed
        for (const TPointF& p : outline) {
            FDxf.Group(0, "VERTEX");
            FDxf.Group(8, layer);
            Point(10, p);
        }
        FDxf.Group(0, "SEQEND");
        FDxf.Group(8, layer);
    }

    // The placement's angle turns clockwise as seen with Y down; DXF's turns
    // counter-clockwise with Y up, which is the same turn as seen.
    void Text(const std::string& layer, const TTextPlacement& text) {
        FDxf.Group(0, "TEXT");
        FDxf.Group(8, layer);
        Point(10, text.At);
        FDxf.Number(40, text.Height);
        FDxf.Group(1, DxfText(text.Text));
        FDxf.Number(50, Degrees(-text.Angle));
        FDxf.Group(7, "STANDARD");
        FDxf.Group(72, 1); // centred on the alignment point, on the baseline
        Point(11, text.At);
    }

private:
    static long double Degrees(long double radians) {
        long double degrees = std::fmod(RadToDeg(radians), 360.0L);
        if (degrees < 0)
            degrees += 360;
        return degrees;
    }

    // A line break would end the value's line, and two percent signs open a
    // control code ("%%d" is a degree sign): percent signs that stand
    // together are each written "%%%", a percent sign, while one alone stays,
    // as every reader takes it. Shift-JIS trail bytes are never below 0x40,
    // so bytes are looked at one by one.
    static std::string DxfText(const std::string& shiftJis) {
        std::string text;
        for (std::size_t i = 0; i < shiftJis.size(); ++i) {
            const char c = shiftJis[i];
            const bool paired = (i > 0 && shiftJis[i - 1] == '%') ||
                                (i + 1 < shiftJis.size() && shiftJis[i + 1] == '%');
            if (c == '%' && paired)
                text += "%%%";
            else
                text += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
        return text;
    }

    TDxfText& FDxf;
    long double FHeight;
};

void StartSection(TDxfText& dxf, const char* name) {
    dxf.Group(0, "SECTION");
    dxf.Group(2, name);
}

void EndSection(TDxfText& dxf) {
    dxf.Group(0, "ENDSEC");
}

void WriteHeader(TDxfText& dxf, long double width, long double height) {
    StartSection(dxf, "HEADER");
    dxf.Group(9, "$ACADVER");
    dxf.Group(1, "AC1009");
    dxf.Group(9, "$DWGCODEPAGE");
    dxf.Group(3, "ANSI_932");
    dxf.Group(9, "$INSBASE");
    dxf.Point(10, 0, 0);
    dxf.Group(9, "$EXTMIN");
    dxf.Point(10, 0, 0);
    dxf.Group(9, "$EXTMAX");
    dxf.Point(10, width, height);
    dxf.Group(9, "$LIMMIN");
    dxf.Number(10, 0);
    dxf.Number(20, 0);
    dxf.Group(9, "$LIMMAX");
    dxf.Number(10, width);
    dxf.Number(20, height);
    EndSection(dxf);
}

void StartTable(TDxfText& dxf, const char* name, int entries) {
    dxf.Group(0, "TABLE");
    dxf.Group(2, name);
    dxf.Group(70, entries);
}

void EndTable(TDxfText& dxf) {
    dxf.Group(0, "ENDTAB");
}

void WriteLayerEntry(TDxfText& dxf, const std::string& name, int color) {
    dxf.Group(0, "LAYER");
    dxf.Group(2, name);
    dxf.Group(70, 0);
    dxf.Group(62, color);
    dxf.Group(6, "CONTINUOUS");
}

void WriteTables(TDxfText& dxf) {
    StartSection(dxf, "TABLES");
    StartTable(dxf, "LTYPE", 1);
    dxf.Group(0, "LTYPE");
    dxf.Group(2, "CONTINUOUS");
    dxf.Group(70, 0);
    dxf.Group(3, "Solid line");
    dxf.Group(72, 65);
    dxf.Group(73, 0);
    dxf.Number(40, 0);
    EndTable(dxf);

    StartTable(dxf, "LAYER", static_cast<int>(LayerKinds.size()) + 1);
    WriteLayerEntry(dxf, "0", 7); // every DXF drawing has layer 0
    for (const TLayerKind kind : LayerKinds)
        WriteLayerEntry(dxf, DxfLayerName(kind), ColorIndex(kind));
    EndTable(dxf);

    StartTable(dxf, "STYLE", 1);
    dxf.Group(0, "STYLE");
    dxf.Group(2, "STANDARD");
    dxf.Group(70, 0);
    dxf.Number(40, 0); // no fixed height: each text has its own
    dxf.Number(41, 1);
    dxf.Number(50, 0);
    dxf.Group(71, 0);
    dxf.Number(42, 2.5L);
    dxf.Group(3, "txt");
    dxf.Group(4, "");
    EndTable(dxf);
    EndSection(dxf);
}

void WriteEntities(TDxfText& dxf, const TPageLayers& layers, long double height) {
    StartSection(dxf, "ENTITIES");
    TDxfPage page(dxf, height);
    for (const TDaPointF& outline : layers.Cut)
        page.Outline(DxfLayerName(lkCut), outline);
    for (const TSegmentF& segment : layers.Fold1)
        page.Line(DxfLayerName(lkFold1), segment);
    for (const TSegmentF& segment : layers.Fold2)
        page.Line(DxfLayerName(lkFold2), segment);
    for (const TTextPlacement& text : layers.Text)
        page.Text(DxfLayerName(lkText), text);
    EndSection(dxf);
}

} // namespace

std::string DxfLayerName(TLayerKind kind) {
    switch (kind) {
    case lkCut:
        return "CUT";
    case lkFold1:
        return "FOLD1";
    case lkFold2:
        return "FOLD2";
    default:
        return "TEXT";
    }
}

std::string DxfOfPage(const TPageLayers& layers, long double paperWidth, long double paperHeight) {
    TDxfText dxf;
    WriteHeader(dxf, paperWidth, paperHeight);
    WriteTables(dxf);
    StartSection(dxf, "BLOCKS");
    EndSection(dxf);
    WriteEntities(dxf, layers, paperHeight);
    dxf.Group(0, "EOF");
    return dxf.Text();
}

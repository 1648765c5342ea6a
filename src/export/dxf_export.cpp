// Writing a page's layers as DXF entities, wrapped in the header, tables,
// blocks and objects of dxf_tables. Written here rather than through a
// library: the DXF libraries Debian ships are under the GPL or unmaintained,
// and the text of these entities is small and fixed.
#include "dxf_export.h"

#include "dxf_tables.h"
#include "geometry/angles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

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

const std::string DashedType = "DASHED";
const std::string DashDotType = "DASHDOT";

const std::string& LineTypeOf(TLineStyle style) {
    static const std::string continuous = "CONTINUOUS";
    switch (style) {
    case TLineStyle::Dashed:
        return DashedType;
    case TLineStyle::DashDot:
        return DashDotType;
    default:
        return continuous;
    }
}

// The line weights R2000 knows, in hundredths of a millimetre.
constexpr std::array<int, 24> LineWeights{0,  5,  9,  13, 15, 18,  20,  25,  30,  35,  40,  50,
                                          53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};

int LineWeightOf(long double width) {
    const long double wanted = width * 100;
    return *std::min_element(LineWeights.begin(), LineWeights.end(), [wanted](int a, int b) {
        return std::fabs(a - wanted) < std::fabs(b - wanted);
    });
}

// Turns page millimetres, Y down from the paper's top edge, into DXF's
// coordinates, Y up from its bottom edge, and writes the entities owned by
// model space.
class TDxfPage {
public:
    TDxfPage(TDxfWriter& dxf, long double paperHeight, const std::string& modelSpace)
        : FDxf(dxf), FHeight(paperHeight), FModelSpace(modelSpace) {}

    void Point(int base, const TPointF& p) { FDxf.Point(base, p.X, FHeight - p.Y); }

    void Line(const std::string& layer, const TSegmentF& segment, const TFoldLook& look) {
        Start("LINE", layer);
        FDxf.Group(6, LineTypeOf(look.Style));
        if (FDxf.HasHandles())
            FDxf.Group(370, LineWeightOf(look.Width));
        FDxf.Subclass("AcDbLine");
        Point(10, segment.P1);
        Point(11, segment.P2);
    }

    void Polyline(const std::string& layer, const TDaPointF& points, bool closed) {
        if (FDxf.HasHandles()) {
            Start("LWPOLYLINE", layer);
            FDxf.Subclass("AcDbPolyline");
            FDxf.Group(90, static_cast<int>(points.size()));
            FDxf.Group(70, closed ? 1 : 0);
            for (const TPointF& p : points) {
                FDxf.Number(10, p.X);
                FDxf.Number(20, FHeight - p.Y);
            }
            return;
        }
        Start("POLYLINE", layer);
        FDxf.Group(66, 1);
        FDxf.Point(10, 0, 0);
        FDxf.Group(70, closed ? 1 : 0);
        for (const TPointF& p : points) {
            Start("VERTEX", layer);
            Point(10, p);
        }
        Start("SEQEND", layer);
    }

    // A filled quadrilateral; DXF takes its third and fourth corners crosswise.
    void Solid(const std::string& layer, const TDaPointF& corners) {
        if (corners.size() != 4)
            return;
        Start("SOLID", layer);
        FDxf.Subclass("AcDbTrace");
        Point(10, corners[0]);
        Point(11, corners[1]);
        Point(12, corners[3]);
        Point(13, corners[2]);
    }

    // The placement's angle turns clockwise as seen with Y down; DXF's turns
    // counter-clockwise with Y up, which is the same turn as seen. Centred
    // texts are placed by their alignment point; readers that ignore the
    // alignment take the insertion point, the baseline's left end.
    void Text(const std::string& layer, const TTextPlacement& text) {
        Start("TEXT", layer);
        FDxf.Subclass("AcDbText");
        const TPointF left{text.At.X - text.Width / 2 * std::cos(text.Angle),
                           text.At.Y - text.Width / 2 * std::sin(text.Angle)};
        Point(10, left);
        FDxf.Number(40, text.Height);
        FDxf.Group(1, DxfText(text.Text));
        FDxf.Number(50, Degrees(-text.Angle));
        FDxf.Group(7, DxfTextStyle);
        FDxf.Group(72, 1); // centred
        Point(11, text.At);
        FDxf.Subclass("AcDbText");
        FDxf.Group(73, 0); // on the baseline
    }

private:
    void Start(const char* type, const std::string& layer) {
        FDxf.Start(type, FModelSpace, "AcDbEntity");
        FDxf.Group(8, layer);
    }

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

    TDxfWriter& FDxf;
    long double FHeight;
    std::string FModelSpace;
};

void WriteEntities(TDxfWriter& dxf, const TPageLayers& layers, const TDxfPaper& paper,
                   const std::string& modelSpace) {
    StartDxfSection(dxf, "ENTITIES");
    TDxfPage page(dxf, paper.Height, modelSpace);
    for (const TDaPointF& outline : layers.Cut)
        page.Polyline(DxfLayerName(lkCut), outline, true);
    for (const TSegmentF& segment : layers.FlangeBase)
        page.Line(DxfLayerName(lkFold1), segment, paper.Folds.FlangeBase);
    for (const TSegmentF& segment : layers.Fold1)
        page.Line(DxfLayerName(lkFold1), segment, paper.Folds.Set1);
    for (const TSegmentF& segment : layers.Fold2)
        page.Line(DxfLayerName(lkFold2), segment, paper.Folds.Set2);
    for (const TTextPlacement& text : layers.Text)
        page.Text(DxfLayerName(lkText), text);
    for (const TMarkPath& mark : layers.Registration) {
        if (mark.Filled)
            page.Solid(DxfRegistrationLayer, mark.Points);
        else
            page.Polyline(DxfRegistrationLayer, mark.Points, false);
    }
    EndDxfSection(dxf);
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

// The header holds the first free handle, so it is written once the rest is.
std::string DxfOfPage(const TPageLayers& layers, const TDxfPaper& paper) {
    std::vector<TDxfLayer> dxfLayers;
    for (const TLayerKind kind : LayerKinds)
        dxfLayers.push_back({DxfLayerName(kind), ColorIndex(kind)});
    dxfLayers.push_back({DxfRegistrationLayer, ColorIndex(lkText)});

    TDxfWriter body(paper.Version);
    const TDxfSpaces spaces = WriteDxfTables(body, dxfLayers,
                                             {{DashedType, DashPattern(TLineStyle::Dashed)},
                                              {DashDotType, DashPattern(TLineStyle::DashDot)}});
    WriteDxfBlocks(body, spaces);
    WriteEntities(body, layers, paper, spaces.Model);
    WriteDxfObjects(body);
    body.Group(0, "EOF");

    TDxfWriter header(paper.Version);
    WriteDxfHeader(header, paper.Width, paper.Height, body.HandleSeed());
    return header.Text() + body.Text();
}

// The header, tables, blocks and objects of a DXF drawing: what DXF R12 takes,
// and the least that programs reading DXF R2000 require besides (a viewport,
// the ByBlock and ByLayer line types, the ACAD application, a dimension
// style, the block records of model and paper space, and the root
// dictionary with its group dictionary).
#include "dxf_tables.h"

namespace {

const char* const ModelSpaceName = "*Model_Space";
const char* const PaperSpaceName = "*Paper_Space";

constexpr int MillimetreUnits = 4; // $INSUNITS
constexpr int Metric = 1;          // $MEASUREMENT

// The font shown for texts, which every Japanese system has; its character
// set is Shift-JIS, as the texts are.
const std::string JapaneseFontFile = "msgothic.ttc";
const std::string JapaneseFontFamily = "MS Gothic";
// Fixed pitch, modern family, Shift-JIS character set (128), as R2000 keeps
// a TrueType font's description.
constexpr int JapaneseFontFlags = 128 << 8 | 0x31;

std::string StartTable(TDxfWriter& dxf, const char* name, int entries) {
    dxf.Group(0, "TABLE");
    dxf.Group(2, name);
    std::string handle;
    if (dxf.HasHandles()) {
        handle = dxf.NewHandle();
        dxf.Group(5, handle);
        dxf.Group(330, "0");
        dxf.Group(100, "AcDbSymbolTable");
    }
    dxf.Group(70, entries);
    return handle;
}

void EndTable(TDxfWriter& dxf) {
    dxf.Group(0, "ENDTAB");
}

std::string StartRecord(TDxfWriter& dxf, const char* type, const std::string& table,
                        const char* subclass, int handleCode = 5) {
    const std::string handle = dxf.Start(type, table, "AcDbSymbolTableRecord", handleCode);
    dxf.Subclass(subclass);
    return handle;
}

void WriteViewports(TDxfWriter& dxf) {
    const std::string table = StartTable(dxf, "VPORT", dxf.HasHandles() ? 1 : 0);
    if (dxf.HasHandles()) {
        StartRecord(dxf, "VPORT", table, "AcDbViewportTableRecord");
        dxf.Group(2, "*ACTIVE");
        dxf.Group(70, 0);
        dxf.Number(10, 0);
        dxf.Number(20, 0);
        dxf.Number(11, 1);
        dxf.Number(21, 1);
        dxf.Number(12, 0);
        dxf.Number(22, 0);
        dxf.Number(40, 1);
        dxf.Number(41, 1);
    }
    EndTable(dxf);
}

void WriteLineType(TDxfWriter& dxf, const std::string& table, const std::string& name,
                   const std::string& description, const std::vector<long double>& dashes) {
    StartRecord(dxf, "LTYPE", table, "AcDbLinetypeTableRecord");
    dxf.Group(2, name);
    dxf.Group(70, 0);
    dxf.Group(3, description);
    dxf.Group(72, 65);
    dxf.Group(73, static_cast<int>(dashes.size()));
    long double total = 0;
    for (const long double dash : dashes)
        total += dash;
    dxf.Number(40, total);
    // Gaps are negative lengths.
    for (std::size_t i = 0; i < dashes.size(); ++i) {
        dxf.Number(49, i % 2 == 0 ? dashes[i] : -dashes[i]);
        if (dxf.HasHandles())
            dxf.Group(74, 0);
    }
}

void WriteLineTypes(TDxfWriter& dxf, const std::vector<TDxfLineType>& lineTypes) {
    const int own = dxf.HasHandles() ? 2 : 0;
    const std::string table =
        StartTable(dxf, "LTYPE", own + 1 + static_cast<int>(lineTypes.size()));
    if (dxf.HasHandles()) {
        WriteLineType(dxf, table, "ByBlock", "", {});
        WriteLineType(dxf, table, "ByLayer", "", {});
    }
    WriteLineType(dxf, table, "CONTINUOUS", "Solid line", {});
    for (const TDxfLineType& type : lineTypes)
        WriteLineType(dxf, table, type.Name, type.Name, type.Dashes);
    EndTable(dxf);
}

void WriteLayer(TDxfWriter& dxf, const std::string& table, const TDxfLayer& layer) {
    StartRecord(dxf, "LAYER", table, "AcDbLayerTableRecord");
    dxf.Group(2, layer.Name);
    dxf.Group(70, 0);
    dxf.Group(62, layer.Color);
    dxf.Group(6, "CONTINUOUS");
}

void WriteLayers(TDxfWriter& dxf, const std::vector<TDxfLayer>& layers) {
    const std::string table = StartTable(dxf, "LAYER", static_cast<int>(layers.size()) + 1);
    WriteLayer(dxf, table, {"0", 7}); // every DXF drawing has layer 0
    for (const TDxfLayer& layer : layers)
        WriteLayer(dxf, table, layer);
    EndTable(dxf);
}

// No fixed height: each text has its own.
void WriteStyle(TDxfWriter& dxf, const std::string& table, const std::string& name,
                const std::string& font) {
    StartRecord(dxf, "STYLE", table, "AcDbTextStyleTableRecord");
    dxf.Group(2, name);
    dxf.Group(70, 0);
    dxf.Number(40, 0);
    dxf.Number(41, 1);
    dxf.Number(50, 0);
    dxf.Group(71, 0);
    dxf.Number(42, 2.5L);
    dxf.Group(3, font);
    dxf.Group(4, "");
}

void WriteStyles(TDxfWriter& dxf) {
    const std::string table = StartTable(dxf, "STYLE", 2);
    WriteStyle(dxf, table, "STANDARD", "txt");
    WriteStyle(dxf, table, DxfTextStyle, JapaneseFontFile);
    if (dxf.HasHandles()) {
        dxf.Group(1001, "ACAD");
        dxf.Group(1000, JapaneseFontFamily);
        dxf.Group(1071, JapaneseFontFlags);
    }
    EndTable(dxf);
}

void WriteEmptyTable(TDxfWriter& dxf, const char* name) {
    StartTable(dxf, name, 0);
    EndTable(dxf);
}

void WriteApplications(TDxfWriter& dxf) {
    const std::string table = StartTable(dxf, "APPID", 1);
    StartRecord(dxf, "APPID", table, "AcDbRegAppTableRecord");
    dxf.Group(2, "ACAD");
    dxf.Group(70, 0);
    EndTable(dxf);
}

void WriteDimensionStyles(TDxfWriter& dxf) {
    const std::string table = StartTable(dxf, "DIMSTYLE", dxf.HasHandles() ? 1 : 0);
    if (dxf.HasHandles()) {
        dxf.Group(100, "AcDbDimStyleTable");
        dxf.Group(71, 1);
        StartRecord(dxf, "DIMSTYLE", table, "AcDbDimStyleTableRecord", 105);
        dxf.Group(2, "STANDARD");
        dxf.Group(70, 0);
    }
    EndTable(dxf);
}

TDxfSpaces WriteBlockRecords(TDxfWriter& dxf) {
    const std::string table = StartTable(dxf, "BLOCK_RECORD", 2);
    TDxfSpaces spaces;
    spaces.Model = StartRecord(dxf, "BLOCK_RECORD", table, "AcDbBlockTableRecord");
    dxf.Group(2, ModelSpaceName);
    spaces.Paper = StartRecord(dxf, "BLOCK_RECORD", table, "AcDbBlockTableRecord");
    dxf.Group(2, PaperSpaceName);
    EndTable(dxf);
    return spaces;
}

void WriteBlock(TDxfWriter& dxf, const std::string& owner, const char* name, bool paperSpace) {
    dxf.Start("BLOCK", owner, "AcDbEntity");
    if (paperSpace)
        dxf.Group(67, 1);
    dxf.Group(8, "0");
    dxf.Subclass("AcDbBlockBegin");
    dxf.Group(2, name);
    dxf.Group(70, 0);
    dxf.Point(10, 0, 0);
    dxf.Group(3, name);
    dxf.Group(1, "");
    dxf.Start("ENDBLK", owner, "AcDbEntity");
    if (paperSpace)
        dxf.Group(67, 1);
    dxf.Group(8, "0");
    dxf.Subclass("AcDbBlockEnd");
}

} // namespace

void StartDxfSection(TDxfWriter& dxf, const char* name) {
    dxf.Group(0, "SECTION");
    dxf.Group(2, name);
}

void EndDxfSection(TDxfWriter& dxf) {
    dxf.Group(0, "ENDSEC");
}

TDxfSpaces WriteDxfTables(TDxfWriter& dxf, const std::vector<TDxfLayer>& layers,
                          const std::vector<TDxfLineType>& lineTypes) {
    StartDxfSection(dxf, "TABLES");
    WriteViewports(dxf);
    WriteLineTypes(dxf, lineTypes);
    WriteLayers(dxf, layers);
    WriteStyles(dxf);
    WriteEmptyTable(dxf, "VIEW");
    WriteEmptyTable(dxf, "UCS");
    WriteApplications(dxf);
    WriteDimensionStyles(dxf);
    TDxfSpaces spaces;
    if (dxf.HasHandles())
        spaces = WriteBlockRecords(dxf);
    EndDxfSection(dxf);
    return spaces;
}

// R12 needs no blocks; R2000 the (empty) blocks of model and paper space.
void WriteDxfBlocks(TDxfWriter& dxf, const TDxfSpaces& spaces) {
    StartDxfSection(dxf, "BLOCKS");
    if (dxf.HasHandles()) {
        WriteBlock(dxf, spaces.Model, ModelSpaceName, false);
        WriteBlock(dxf, spaces.Paper, PaperSpaceName, true);
    }
    EndDxfSection(dxf);
}

void WriteDxfObjects(TDxfWriter& dxf) {
    if (!dxf.HasHandles())
        return;
    StartDxfSection(dxf, "OBJECTS");
    const std::string root = dxf.NewHandle();
    const std::string groups = dxf.NewHandle();
    dxf.Group(0, "DICTIONARY");
    dxf.Group(5, root);
    dxf.Group(330, "0");
    dxf.Group(100, "AcDbDictionary");
    dxf.Group(281, 1);
    dxf.Group(3, "ACAD_GROUP");
    dxf.Group(350, groups);
    dxf.Group(0, "DICTIONARY");
    dxf.Group(5, groups);
    dxf.Group(330, root);
    dxf.Group(100, "AcDbDictionary");
    dxf.Group(281, 1);
    EndDxfSection(dxf);
}

void WriteDxfHeader(TDxfWriter& dxf, long double width, long double height,
                    const std::string& handleSeed) {
    StartDxfSection(dxf, "HEADER");
    dxf.Group(9, "$ACADVER");
    dxf.Group(1, dxf.HasHandles() ? "AC1015" : "AC1009");
    dxf.Group(9, "$DWGCODEPAGE");
    dxf.Group(3, "ANSI_932");
    if (dxf.HasHandles()) {
        dxf.Group(9, "$HANDSEED");
        dxf.Group(5, handleSeed);
        dxf.Group(9, "$INSUNITS");
        dxf.Group(70, MillimetreUnits);
        dxf.Group(9, "$MEASUREMENT");
        dxf.Group(70, Metric);
    }
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
    EndDxfSection(dxf);
}

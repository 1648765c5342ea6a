// The parts of a DXF file around its entities: the header with the drawing's
// extents, code page and (R2000) units, the tables of line types, layers, text
// styles and the rest a reader requires, the blocks, and (R2000) the objects.
#pragma once

#include "dxf_writer.h"

#include <string>
#include <vector>

// A layer's name and DXF colour number.
struct TDxfLayer {
    std::string Name;
    int Color = 7;
};

// A line type's name and its dash pattern in mm (drawn and skipped in turn).
struct TDxfLineType {
    std::string Name;
    std::vector<long double> Dashes;
};

// The text style every text of the export uses: a font that shows Japanese.
inline const std::string DxfTextStyle = "JAPANESE";

// The handles of the block records of model space, which owns the entities,
// and paper space; empty for R12.
struct TDxfSpaces {
    std::string Model;
    std::string Paper;
};

TDxfSpaces WriteDxfTables(TDxfWriter& dxf, const std::vector<TDxfLayer>& layers,
                          const std::vector<TDxfLineType>& lineTypes);
void WriteDxfBlocks(TDxfWriter& dxf, const TDxfSpaces& spaces);
void WriteDxfObjects(TDxfWriter& dxf);
// Written last, into a writer of its own, as it holds the first free handle;
// the drawing's extents are width x height mm.
void WriteDxfHeader(TDxfWriter& dxf, long double width, long double height,
                    const std::string& handleSeed);

void StartDxfSection(TDxfWriter& dxf, const char* name);
void EndDxfSection(TDxfWriter& dxf);

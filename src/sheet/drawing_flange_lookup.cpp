// Looking a flange name up in the sheet's drawing for the shape editor.
#include "drawing_flange_lookup.h"

#include "document/flange_names.h"
#include "document/sheet_document.h"

TDrawingFlangeLookup::TDrawingFlangeLookup(const TSheetDocument& document, int editedIndex)
    : FDocument(document), FEditedIndex(editedIndex) {}

bool TDrawingFlangeLookup::FindFlange(const std::string& name, TNamedFlange& found) const {
    return FindNamedFlange(FDocument.Drawing(), FDocument.CurPage(), FEditedIndex, name, found);
}

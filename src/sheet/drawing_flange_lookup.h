// The drawing as the shape editor's flange dialog searches it for a flange
// name picked from its list: every shape but the one being edited.
#pragma once

#include "shape_editor.h"

class TSheetDocument;

class TDrawingFlangeLookup : public IFlangeLookup {
public:
    // editedIndex is the edited shape on the current page, -1 for a new shape.
    TDrawingFlangeLookup(const TSheetDocument& document, int editedIndex);

    bool FindFlange(const std::string& name, TNamedFlange& found) const override;

private:
    const TSheetDocument& FDocument;
    const int FEditedIndex;
};

// What the sheet window asks of the shape editor: the entry points of one
// editing run. The editor window implements it; sheet tests stand in for it.
#pragma once

#include "document/flange_names.h"
#include "geometry/polygon.h"

#include <string>
#include <vector>

// Where the flange dialog looks up a name picked from its list: the sheet's
// drawing without the shape being edited.
class IFlangeLookup {
public:
    virtual ~IFlangeLookup() = default;
    virtual bool FindFlange(const std::string& name, TNamedFlange& found) const = 0;
};

class IShapeEditor {
public:
    virtual ~IShapeEditor() = default;

    // Makes the working shape a new empty outline in drawing mode.
    virtual void NewPolygon() = 0;
    // Starts editing a copy of shape, which "restore" can bring back.
    virtual void SetPolygon(const TPolygon& shape) = 0;
    // The names the drawing's sides carry (Shift-JIS bytes, each once, open
    // joint marks first) for the flange dialog to offer in that order, and
    // where it looks a picked one up; the lookup must outlive the editing run,
    // and nullptr clears it.
    virtual void SetFlangeNames(const std::vector<std::string>& names,
                                const IFlangeLookup* lookup) = 0;
    // Shows the editor and returns when the user has closed it.
    virtual void ShowModal() = 0;
    virtual int ApexCount() const = 0;
    // Copies the working shape into shape; false (shape untouched) when it has
    // fewer than 3 vertices.
    virtual bool GetPolygon(TPolygon& shape) const = 0;
    // The width and angles offered for a side without a flange (no name):
    // what the user accepted last, kept between runs.
    virtual TFlange DefaultFlange() const = 0;
};

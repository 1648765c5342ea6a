// What the sheet window asks of the shape editor: the entry points of one
// editing run. The editor window implements it; sheet tests stand in for it.
#pragma once

#include "geometry/polygon.h"

class IShapeEditor {
public:
    virtual ~IShapeEditor() = default;

    // Makes the working shape a new empty outline in drawing mode.
    virtual void NewPolygon() = 0;
    // Starts editing a copy of shape, which "restore" can bring back.
    virtual void SetPolygon(const TPolygon& shape) = 0;
    // Shows the editor and returns when the user has closed it.
    virtual void ShowModal() = 0;
    virtual int ApexCount() const = 0;
    // Copies the working shape into shape; false (shape untouched) when it has
    // fewer than 3 vertices.
    virtual bool GetPolygon(TPolygon& shape) const = 0;
};

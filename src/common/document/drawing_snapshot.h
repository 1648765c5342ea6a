// A copy of a drawing taken a slice at a time, so that copying a drawing of
// hundreds of megabytes never holds the window's thread for long: the window
// takes one slice per turn of its event loop. A change to the drawing between
// slices spoils the copy: it is given up and taken again later.
#pragma once

#include "geometry/polygon.h"

#include <cstddef>
#include <cstdint>
#include <functional>

class TDrawingSnapshot {
public:
    // Vertices, flanges or fold lines copied between two looks at the clock:
    // a fraction of a millisecond of copying.
    static constexpr std::size_t SliceUnit = 4096;

    enum class TStep {
        Partial,  // the slice is used up; the copy goes on at the next step
        Complete, // the copy is whole: Take it
        Spoiled,  // the drawing changed since the copy began: start again
    };

    // Begins a copy of the drawing as it stands at change count change.
    void Start(std::uint64_t change);
    bool Started() const { return FStarted; }
    // Copies on from where the last step stopped until timeUp answers true (it
    // is asked after every SliceUnit elements and every shape) or the copy is
    // whole. change is the drawing's change count now.
    TStep Step(const TZvDat& drawing, std::uint64_t change, const std::function<bool()>& timeUp);
    // The whole copy, once Step said Complete; the snapshot is empty again.
    TZvDat Take();
    // Gives the copy up.
    void Clear();

private:
    // Copies the next SliceUnit elements or fewer of the shape at the
    // current position; true once the shape is whole.
    bool CopyShapePart(const TPolygon& source, TPolygon& copy);

    bool FStarted = false;
    std::uint64_t FChange = 0;
    TZvDat FCopy;
    std::size_t FPage = 0;
    std::size_t FShape = 0;
    std::size_t FElement = 0; // of the shape being copied: its vertices, then its flanges
};

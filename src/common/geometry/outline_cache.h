// The outline with flanges of one shape, kept from call to call: after a shape
// changes only what its changed vertices and flanges touch is computed again,
// and each part only when it is first asked for. Every number is exactly the
// one FlangeOutline, IsClockwiseOnScreen and OutlineWithFlanges give.
#pragma once

#include "geometry/bounding_box.h"
#include "geometry/flange_outline.h"
#include "geometry/polygon.h"

#include <array>
#include <vector>

// The coordinates, in mm, within which the order of a shape's robust copies is
// taken from the shape.
inline constexpr long double RobustRange = 1e6L;

class TOutlineCache {
public:
    // Takes the shape as it is now. A vertex without a flange record has no
    // flange. Coordinates are compared bit for bit, so a shape that did not
    // change keeps everything computed for it.
    void Sync(const TDaPointF& apexes, const TDaFlange& flanges);
    void Sync(const TPolygon& polygon) { Sync(polygon.Apexes, polygon.Flanges); }

    // The sides whose outline parts Sync with these would compute again: the
    // sides at a vertex that moved and those whose flange changed. Only for a
    // shape with as many vertices as the one held.
    std::vector<int> SidesChangedBy(const TDaPointF& apexes, const TDaFlange& flanges) const;

    int SideCount() const { return static_cast<int>(FApexes.size()); }
    const TDaPointF& Apexes() const { return FApexes; }
    // True when every vertex and flange length is ordinary (see IsOrdinary),
    // so that every outline point is finite and every box exact; the boxes are
    // unbounded otherwise.
    bool IsOrdinary();

    // Boxes that hold the outline with flanges, found without building it: of
    // the whole outline, and of the outline's sides that side i gives (from
    // vertex i through its flange's outer corners to vertex i + 1).
    const TBox& Bounds();
    const TBox& SideBounds(int side);

    bool Clockwise();
    // True when every copy of the shape moved and turned with rounding errors
    // far below a micrometre has the same Clockwise: every coordinate within
    // RobustRange, no side shorter than a micrometre, no vertex angle within
    // 1e-5 radians of a full or no turn, and the angle sum clear of the bound.
    bool IsOrderRobust();
    // For such a copy, whose vertices were just synced: takes its order from
    // the original instead of computing it.
    void AssumeClockwise(bool clockwise);

    // The outer corners of the flange of side i; false when FlangeOutline
    // builds none there.
    bool Corners(int side, TPointF& q1, TPointF& q2);
    // The same corners to a tolerance: exact (Error 0) where they are known,
    // estimated (EstimateFlangeCorner1 and 2) and not kept otherwise, for
    // callers that can tell when the estimate will not do and then ask for
    // Corners.
    bool CornerEstimates(int side, TPointEstimate& q1, TPointEstimate& q2);
    // The outline's sides that side i gives, in outline order: one, or three
    // when it has a flange. Returns their count.
    int SideSegments(int side, std::array<TSegmentF, 3>& segments);
    // One of them, computing only the corner it needs; false when side i gives
    // fewer.
    bool SideSegment(int side, int segment, TSegmentF& result);

    // OutlineWithFlanges of the shape, and boxes of it: the whole outline and
    // blocks of OutlineBlockSides consecutive outline sides (block k holds
    // sides k * OutlineBlockSides onwards, each from its point to the next).
    const TDaPointF& Outline();
    const TBox& OutlineBounds();
    static constexpr int OutlineBlockSides = 8;
    const std::vector<TBox>& OutlineBlocks();

private:
    struct TFlangeKey {
        long double Width = 0;
        long double Angle1 = 0;
        long double Angle2 = 0;
    };
    struct TSide {
        TFlangeKey Key;
        TFlangeReach Reach;
        long double Radius1 = 0; // a box this far around a vertex holds its corner
        long double Radius2 = 0;
        TBox Bounds;
        bool BoundsKnown = false;
        long double Direction = 0;
        bool DirectionKnown = false;
        bool HasCornersKnown = false;
        bool HasCorners = false;
        bool Q1Known = false;
        bool Q2Known = false;
        TPointF Q1;
        TPointF Q2;
    };

    void Reset(std::size_t count);
    static bool SameFlange(const TSide& side, const TFlange& flange);
    bool TakeFlange(TSide& side, const TFlange& flange);
    bool TakeApexes(const TDaPointF& apexes);
    void ForgetCorners();
    void EnsureOrdinary();
    void EnsureBounds();
    void UpdateBounds(std::size_t side);
    long double Direction(std::size_t side);
    bool HasCorners(std::size_t side);
    const TPointF& Corner1(std::size_t side);
    const TPointF& Corner2(std::size_t side);
    const TPointF& NextApex(std::size_t side) const;
    void BuildOutline();

    TDaPointF FApexes;
    std::vector<TSide> FSides;
    std::vector<long double> FDirections;
    bool FOrdinaryKnown = false;
    bool FOrdinary = true;
    // The ordinary state the side boxes and corner checks were made in.
    bool FBoundsOrdinary = true;
    bool FBoundsKnown = false;
    TBox FBounds;
    bool FClockwiseKnown = false;
    bool FClockwise = false;
    bool FRobustKnown = false;
    bool FRobust = false;
    bool FOutlineKnown = false;
    TDaPointF FOutline;
    TBox FOutlineBounds;
    std::vector<TBox> FOutlineBlocks;
};

// The joint check kept up to date with a drawing as it changes: after a
// command only the shapes it changed are looked at again, and only the marks
// they carry, or carried, are judged again. Its report is the one
// CheckFlangePartners gives for the drawing.
#pragma once

#include "document/drawing_changes.h"
#include "document/flange_partners.h"
#include "document/name_ids.h"

#include <memory>
#include <string>
#include <vector>

class TFlangePartnerIndex {
public:
    // A mark with its sides and findings. An entry never changes once made:
    // a change makes a new one.
    using TEntry = std::shared_ptr<const TFlangeNameSides>;
    // A mark's first side, which orders the marks.
    struct TKey {
        int Page = 0, Shape = 0, Side = 0;
        friend auto operator<=>(const TKey&, const TKey&) = default;
    };
    struct TOrdered {
        TKey First;
        TEntry Entry;
    };

    // Checks the whole drawing anew.
    void Rebuild(const TZvDat& drawing);
    // Takes the drawing after the shapes at slots changed (were added or
    // removed there) and nothing else did.
    void Apply(const TZvDat& drawing, const std::vector<TShapeSlot>& slots);

    // The marks with findings (group 0) and the complete ones (group 1), each
    // in the order of the marks' first sides.
    const std::vector<TOrdered>& Group(int group) const { return FGroups[group]; }
    int UnnamedFlanges() const { return FUnnamed; }
    // The entries replaced or dropped since the last call: a view that shows
    // entries keeps these until it has taken the new ones, so that an entry
    // it still shows is never freed and its address never taken by another.
    std::vector<TEntry> TakeRetired() { return std::move(FRetired); }
    // The entries made by the changes taken since the last call, for a view
    // that looks again only at what changed; a rebuild makes none.
    std::vector<const TFlangeNameSides*> TakeFresh() { return std::move(FFresh); }
    // The report CheckFlangePartners gives for the drawing last taken.
    TFlangePartnerReport Report();

private:
    struct TName {
        std::shared_ptr<TFlangeNameSides> Entry;
        bool Touched = false;
    };
    // A mark keeps its id, and its entry in FNames, until the mark has no
    // side left, and so no shape that names it.
    struct TShapeMarks {
        std::vector<int> Names; // the id of each named side's mark
        int Unnamed = 0;
    };

    static TKey KeyOf(const TNamedSide& side) { return {side.Page, side.Shape, side.Side}; }
    void TakeShape(const TZvDat& drawing, int page, int shape, std::vector<int>& touched);
    void DropShape(int page, int shape, std::vector<int>& touched);
    TName& Touch(int id, std::vector<int>& touched);
    // The entry of a mark's id, made empty when the id is new.
    TName& NameOf(int id);
    // Notes that the entry joins its group once the change is taken.
    void Place(const TEntry& entry);
    // Notes that the entry leaves its group once the change is taken; false
    // when the entry was not placed (a mark just made).
    bool Unplace(const TFlangeNameSides& entry);
    // Takes the entries noted as leaving out of the groups and merges those
    // joining in: one pass over each group for the whole change, where taking
    // them out and in one at a time moved half the group each time.
    void Regroup();

    TNameIds FIds;
    std::vector<TName> FNames;                     // by mark id
    std::vector<std::vector<TShapeMarks>> FShapes; // per page, per shape
    std::vector<TOrdered> FGroups[2];              // with findings, complete
    std::vector<TKey> FLeaving[2];                 // until Regroup, per group
    std::vector<TOrdered> FJoining[2];             // until Regroup, per group
    std::vector<TEntry> FRetired;
    std::vector<const TFlangeNameSides*> FFresh;
    int FUnnamed = 0;
};

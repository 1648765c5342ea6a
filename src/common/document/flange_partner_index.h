// The joint check kept up to date with a drawing as it changes: after a
// command only the shapes it changed are looked at again, and only the marks
// they carry, or carried, are judged again. Its report is the one
// CheckFlangePartners gives for the drawing.
#pragma once

#include "document/drawing_changes.h"
#include "document/flange_partners.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class TFlangePartnerIndex {
public:
    // A mark with its sides and findings. An entry never changes once made:
    // a change makes a new one, so a view may keep the entries it shows.
    using TEntry = std::shared_ptr<const TFlangeNameSides>;

    // Checks the whole drawing anew.
    void Rebuild(const TZvDat& drawing);
    // Takes the drawing after the shapes at slots changed (were added or
    // removed there) and nothing else did.
    void Apply(const TZvDat& drawing, const std::vector<TShapeSlot>& slots);

    // The marks with findings, then the complete ones, each group in the
    // order of the marks' first sides.
    const std::vector<TEntry>& WithFindings();
    const std::vector<TEntry>& Complete();
    int UnnamedFlanges() const { return FUnnamed; }
    // The report CheckFlangePartners gives for the drawing last taken.
    TFlangePartnerReport Report();

private:
    struct TKey {
        int Page = 0, Shape = 0, Side = 0;
        friend auto operator<=>(const TKey&, const TKey&) = default;
    };
    struct TOrdered {
        TKey First;
        TEntry Entry;
    };
    struct TShapeMarks {
        std::vector<std::string> Names; // one per named side
        int Unnamed = 0;
    };
    struct TName {
        std::shared_ptr<TFlangeNameSides> Entry;
        bool Touched = false;
    };

    static TKey KeyOf(const TNamedSide& side) { return {side.Page, side.Shape, side.Side}; }
    void TakeShape(const TZvDat& drawing, int page, int shape, std::vector<TName*>& touched);
    void DropShape(int page, int shape, std::vector<TName*>& touched);
    TName& Touch(const std::string& name, std::vector<TName*>& touched);
    void Place(const TEntry& entry);
    void Unplace(const TFlangeNameSides& entry);

    std::unordered_map<std::string, TName> FNames;
    std::vector<std::vector<TShapeMarks>> FShapes; // per page, per shape
    std::vector<TOrdered> FGroups[2];              // with findings, complete
    std::vector<TEntry> FLists[2];
    bool FListsKnown = false;
    int FUnnamed = 0;
};

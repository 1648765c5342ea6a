// The joint check kept up to date. Each shape's marks are remembered, so
// that a changed shape's old sides can be taken out of their marks before
// its new ones go in; each mark touched is judged once more and moved to
// where its first side and findings put it.
#include "document/flange_partner_index.h"

#include "geometry/plane_geometry.h"

#include <algorithm>
#include <tuple>

namespace {

TNamedSide NamedSide(const TPolygon& shape, int page, int index, std::size_t side) {
    const TPointF& from = shape.Apexes[side];
    const TPointF& to = shape.Apexes[(side + 1) % shape.Apexes.size()];
    return {page, index, static_cast<int>(side), PointDistance(from, to),
            shape.Flanges[side].Width};
}

bool SideBefore(const TNamedSide& a, const TNamedSide& b) {
    return std::tie(a.Page, a.Shape, a.Side) < std::tie(b.Page, b.Shape, b.Side);
}

} // namespace

// Marks are met in the order of their first sides, as CheckFlangePartners
// meets them, and a new table gives them ids in that order. A first pass
// gives every named side its mark's id; the entries are then made in one
// block, which each entry shares, instead of one allocation each: a drawing
// of 20000 shapes has some 60000 marks.
void TFlangePartnerIndex::Rebuild(const TZvDat& drawing) {
    for (std::vector<TOrdered>& group : FGroups)
        for (TOrdered& ordered : group)
            FRetired.push_back(std::move(ordered.Entry));
    FFresh.clear();
    FNames.clear();
    FShapes.assign(drawing.size(), {});
    FGroups[0].clear();
    FGroups[1].clear();
    FUnnamed = 0;
    std::size_t sides = 0;
    for (std::size_t page = 0; page < drawing.size(); ++page) {
        FShapes[page].resize(drawing[page].size());
        for (const TPolygon& shape : drawing[page])
            sides += shape.Flanges.size();
    }
    FIds.Clear(sides / 2 + 1);
    for (std::size_t page = 0; page < drawing.size(); ++page) {
        for (std::size_t index = 0; index < drawing[page].size(); ++index) {
            const TPolygon& shape = drawing[page][index];
            TShapeMarks& marks = FShapes[page][index];
            const std::size_t n = std::min(shape.Apexes.size(), shape.Flanges.size());
            marks.Names.reserve(n);
            for (std::size_t side = 0; side < n; ++side) {
                const TFlange& flange = shape.Flanges[side];
                if (flange.Name.empty())
                    marks.Unnamed += flange.Width != 0 ? 1 : 0;
                else
                    marks.Names.push_back(FIds.Intern(flange.Name).first);
            }
            FUnnamed += marks.Unnamed;
        }
    }
    const auto block = std::make_shared<std::vector<TFlangeNameSides>>(FIds.Size());
    for (std::size_t page = 0; page < drawing.size(); ++page) {
        for (std::size_t index = 0; index < drawing[page].size(); ++index) {
            const TPolygon& shape = drawing[page][index];
            // The named sides, in the order the first pass met them.
            auto id = FShapes[page][index].Names.begin();
            const std::size_t n = std::min(shape.Apexes.size(), shape.Flanges.size());
            for (std::size_t side = 0; side < n; ++side) {
                if (shape.Flanges[side].Name.empty())
                    continue;
                TFlangeNameSides& entry = (*block)[*id++];
                if (entry.Sides.empty()) {
                    entry.Name = shape.Flanges[side].Name;
                    entry.Sides.reserve(2);
                }
                entry.Sides.push_back(
                    NamedSide(shape, static_cast<int>(page), static_cast<int>(index), side));
            }
        }
    }
    FNames.resize(block->size());
    // Most marks of a finished model are complete joints.
    FGroups[1].reserve(block->size());
    for (std::size_t id = 0; id < block->size(); ++id) {
        TFlangeNameSides& entry = (*block)[id];
        entry.Findings = FindingsOf(entry.Sides);
        FNames[id].Entry = std::shared_ptr<TFlangeNameSides>(block, &entry);
        FGroups[entry.Findings != 0 ? 0 : 1].push_back(
            {KeyOf(entry.Sides.front()), FNames[id].Entry});
    }
}

TFlangePartnerIndex::TName& TFlangePartnerIndex::NameOf(int id) {
    if (static_cast<std::size_t>(id) >= FNames.size())
        FNames.resize(id + 1);
    return FNames[id];
}

// A mark leaves its group (once the change is taken) before its sides
// change, as its place there follows from them.
TFlangePartnerIndex::TName& TFlangePartnerIndex::Touch(int id, std::vector<int>& touched) {
    TName& entry = FNames[id];
    if (entry.Touched)
        return entry;
    entry.Touched = true;
    touched.push_back(id);
    if (Unplace(*entry.Entry))
        FRetired.push_back(entry.Entry);
    entry.Entry = std::make_shared<TFlangeNameSides>(*entry.Entry);
    return entry;
}

// A key names one placed entry at most, as every side carries one mark, so
// the entries noted as leaving can stay in their group until Regroup.
bool TFlangePartnerIndex::Unplace(const TFlangeNameSides& entry) {
    if (entry.Sides.empty())
        return false;
    const int group = entry.Findings != 0 ? 0 : 1;
    const std::vector<TOrdered>& ordered = FGroups[group];
    const TKey key = KeyOf(entry.Sides.front());
    const auto at = std::lower_bound(ordered.begin(), ordered.end(), key,
                                     [](const TOrdered& o, const TKey& k) { return o.First < k; });
    if (at == ordered.end() || !(at->First == key))
        return false;
    FLeaving[group].push_back(key);
    return true;
}

void TFlangePartnerIndex::Place(const TEntry& entry) {
    FJoining[entry->Findings != 0 ? 0 : 1].push_back({KeyOf(entry->Sides.front()), entry});
}

void TFlangePartnerIndex::Regroup() {
    const auto before = [](const TOrdered& a, const TOrdered& b) { return a.First < b.First; };
    for (int g = 0; g < 2; ++g) {
        std::vector<TOrdered>& group = FGroups[g];
        std::vector<TKey>& leaving = FLeaving[g];
        if (!leaving.empty()) {
            std::sort(leaving.begin(), leaving.end());
            std::erase_if(group, [&](const TOrdered& o) {
                return std::binary_search(leaving.begin(), leaving.end(), o.First);
            });
            leaving.clear();
        }
        std::vector<TOrdered>& joining = FJoining[g];
        if (!joining.empty()) {
            std::sort(joining.begin(), joining.end(), before);
            const std::ptrdiff_t kept = static_cast<std::ptrdiff_t>(group.size());
            group.insert(group.end(), std::make_move_iterator(joining.begin()),
                         std::make_move_iterator(joining.end()));
            std::inplace_merge(group.begin(), group.begin() + kept, group.end(), before);
            joining.clear();
        }
    }
}

void TFlangePartnerIndex::DropShape(int page, int shape, std::vector<int>& touched) {
    TShapeMarks& marks = FShapes[page][shape];
    FUnnamed -= marks.Unnamed;
    for (const int id : marks.Names) {
        TName& entry = Touch(id, touched);
        std::erase_if(entry.Entry->Sides, [&](const TNamedSide& side) {
            return side.Page == page && side.Shape == shape;
        });
    }
    marks = TShapeMarks();
}

void TFlangePartnerIndex::TakeShape(const TZvDat& drawing, int page, int index,
                                    std::vector<int>& touched) {
    const TPolygon& shape = drawing[page][index];
    TShapeMarks& marks = FShapes[page][index];
    const std::size_t n = std::min(shape.Apexes.size(), shape.Flanges.size());
    for (std::size_t side = 0; side < n; ++side) {
        const TFlange& flange = shape.Flanges[side];
        if (flange.Name.empty()) {
            marks.Unnamed += flange.Width != 0 ? 1 : 0;
            continue;
        }
        const int id = FIds.Intern(flange.Name).first;
        TName& entry = NameOf(id);
        if (entry.Entry == nullptr) {
            entry.Entry = std::make_shared<TFlangeNameSides>();
            entry.Entry->Name = flange.Name;
        }
        Touch(id, touched);
        const TNamedSide named = NamedSide(shape, page, index, side);
        std::vector<TNamedSide>& sides = entry.Entry->Sides;
        sides.insert(std::upper_bound(sides.begin(), sides.end(), named, SideBefore), named);
        marks.Names.push_back(id);
    }
    FUnnamed += marks.Unnamed;
}

// Every slot's old marks go out before any new ones come in, as a slot may
// now hold the shape another slot held (a deletion fills the gap with the
// last shape of the page).
void TFlangePartnerIndex::Apply(const TZvDat& drawing, const std::vector<TShapeSlot>& slots) {
    if (drawing.size() != FShapes.size()) {
        Rebuild(drawing);
        return;
    }
    std::vector<TShapeSlot> changed = slots;
    for (std::size_t page = 0; page < drawing.size(); ++page) {
        const int held = static_cast<int>(FShapes[page].size());
        const int now = static_cast<int>(drawing[page].size());
        for (int index = std::min(held, now); index < std::max(held, now); ++index)
            changed.push_back({static_cast<int>(page), index});
    }
    std::sort(changed.begin(), changed.end());
    changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
    std::erase_if(changed, [&](const TShapeSlot& slot) {
        return slot.Page < 0 || slot.Page >= static_cast<int>(drawing.size()) || slot.Shape < 0;
    });

    std::vector<int> touched;
    for (const TShapeSlot& slot : changed) {
        if (slot.Shape < static_cast<int>(FShapes[slot.Page].size()))
            DropShape(slot.Page, slot.Shape, touched);
    }
    for (std::size_t page = 0; page < drawing.size(); ++page)
        FShapes[page].resize(drawing[page].size());
    for (const TShapeSlot& slot : changed) {
        if (slot.Shape < static_cast<int>(drawing[slot.Page].size()))
            TakeShape(drawing, slot.Page, slot.Shape, touched);
    }
    for (const int id : touched) {
        TName& name = FNames[id];
        name.Touched = false;
        TFlangeNameSides& entry = *name.Entry;
        if (entry.Sides.empty()) {
            FIds.Erase(entry.Name);
            name = TName();
            continue;
        }
        entry.Findings = FindingsOf(entry.Sides);
        Place(name.Entry);
        FFresh.push_back(&entry);
    }
    Regroup();
}

TFlangePartnerReport TFlangePartnerIndex::Report() {
    std::vector<const TOrdered*> all;
    for (const std::vector<TOrdered>& group : FGroups)
        for (const TOrdered& ordered : group)
            all.push_back(&ordered);
    std::sort(all.begin(), all.end(),
              [](const TOrdered* a, const TOrdered* b) { return a->First < b->First; });
    TFlangePartnerReport report;
    report.UnnamedFlanges = FUnnamed;
    for (const TOrdered* ordered : all)
        report.Names.push_back(*ordered->Entry);
    return report;
}

// Flange changes kept field by field.
#include "history/flange_changes.h"

namespace {

template <class T>
TListChange<T> FieldChange(const TDaFlange& before, const TDaFlange& after, T TFlange::*field) {
    return TListChange<T>::Of(
        before, after, [field](const TDaFlange& list, std::size_t i) { return list[i].*field; },
        [](const T& a, const T& b) { return SameValue(a, b); });
}

template <class T>
void ApplyField(TDaFlange& flanges, const TListChange<T>& change, bool undo, T TFlange::*field) {
    change.Apply(flanges, undo, [field](TDaFlange& list, std::size_t i, const T& value) {
        list[i].*field = value;
    });
}

} // namespace

TFlangeChanges FlangeChangesOf(const TDaFlange& before, const TDaFlange& after) {
    return TFlangeChanges{
        FieldChange(before, after, &TFlange::Width), FieldChange(before, after, &TFlange::Angle1),
        FieldChange(before, after, &TFlange::Angle2), FieldChange(before, after, &TFlange::Name)};
}

void ApplyFlangeChanges(TDaFlange& flanges, const TFlangeChanges& changes, bool undo) {
    ApplyField(flanges, changes.Widths, undo, &TFlange::Width);
    ApplyField(flanges, changes.Angles1, undo, &TFlange::Angle1);
    ApplyField(flanges, changes.Angles2, undo, &TFlange::Angle2);
    ApplyField(flanges, changes.Names, undo, &TFlange::Name);
}

// The values a drawing file can hold, decided by the writer itself, so that
// what the editor accepts and what a save writes never part ways.
#include "editing/storable_value.h"

#include "format/number_field.h"

#include <algorithm>
#include <string>

bool IsStorableValue(long double value) {
    std::string written;
    return AppendNumberField(written, value);
}

bool AllApexesStorable(const TDaPointF& apexes) {
    return std::all_of(apexes.begin(), apexes.end(), [](const TPointF& apex) {
        return IsStorableValue(apex.X) && IsStorableValue(apex.Y);
    });
}

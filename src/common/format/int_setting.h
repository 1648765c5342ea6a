// Reading an integer setting that must fit an int.
#pragma once

#include "format/ini_file.h"

#include <limits>

// A missing value, one that is not a whole number and one beyond the range of
// int all give the default.
inline int ReadIntSetting(const TIniFile& settings, std::string_view section, std::string_view key,
                          int defaultValue) {
    const long long value = settings.ReadInteger(section, key, defaultValue);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(value);
}

// The shape editor's section of the settings file: window bounds and state, its
// own zoom and the flange values offered for a side without a flange.
#pragma once

#include "editing/shape_editor_model.h"
#include "editing/shown_decimals.h"
#include "format/ini_file.h"
#include "window_placement.h"

#include <string_view>

inline constexpr std::string_view MkPolygonSection = "TMkPolygonFm";

struct TMkPolygonSettings {
    TWindowPlacement Window{201, 107, 562, 453, wsNormal};
    long double Zoom = 1; // 1 = 100 %
    long double FlangeWidth = DefaultFlangeWidth;
    long double FlangeAngle1 = DefaultFlangeAngle;
    long double FlangeAngle2 = DefaultFlangeAngle;
    TShownDecimals Decimals; // of the status line and the monitor
};

// Missing or unreadable values take the defaults above, the window state the
// one given and the width the larger of the designed one and defaultWidth. A stored zoom of 0 or
// less gives 100 %; a flange width below 0 or an angle outside (0, pi/2], which no flange can have,
// gives the default.
TMkPolygonSettings ReadMkPolygonSettings(const TIniFile& settings, int currentWindowState,
                                         int defaultWidth = 0);

// Floats are written in the C locale's notation with as many digits as it
// takes to read back the same value.
void WriteMkPolygonSettings(TIniFile& settings, const TMkPolygonSettings& values);

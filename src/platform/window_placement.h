// A window's place on the screen as a settings section keeps it: its normal
// bounds and whether it was minimised or maximised.
#pragma once

#include "format/ini_file.h"

#include <QList>
#include <QRect>

#include <string_view>

class QWidget;

// The window state as the settings store it.
enum TStoredWindowState { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

struct TWindowPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int WindowState = wsNormal;
};

// Keys Left, Top, Width, Height and WindowState of section. A missing value,
// one that is not a whole number and one beyond the range of int give the
// value in defaults.
TWindowPlacement ReadWindowPlacement(const TIniFile& settings, std::string_view section,
                                     const TWindowPlacement& defaults);
// In the order Top, Left, Width, Height, WindowState.
void WriteWindowPlacement(TIniFile& settings, std::string_view section,
                          const TWindowPlacement& placement);

// Bounds that can be seen and reached on one of the screens' available areas,
// the primary screen's first. A window larger than the screen it is mostly on
// is cut to that screen's area and moved into it; one wholly off every screen
// is moved onto the primary screen. Any other bounds stay as they are.
QRect KeptOnScreen(const QRect& bounds, const QList<QRect>& screenAreas);

// Bounds of size beside the frame of another window, their tops level: to its
// right where area has room, else to its left, else against area's right
// edge; always within area as far as size allows.
QRect PlacedBeside(const QRect& other, const QSize& size, const QRect& area);

// Sets the bounds, kept on the screens the window can be shown on, then
// minimises or maximises; any other state leaves the window as it is.
void ApplyWindowPlacement(QWidget& window, const TWindowPlacement& placement);
// The normal bounds, so that a maximised window comes back to its old place.
TWindowPlacement WindowPlacementOf(const QWidget& window);

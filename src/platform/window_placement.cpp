// Reading and writing a window's placement in the settings, and applying it to
// and taking it from the window.
#include "window_placement.h"

#include "format/int_setting.h"

#include <QWidget>

TWindowPlacement ReadWindowPlacement(const TIniFile& settings, std::string_view section,
                                     const TWindowPlacement& defaults) {
    const auto read = [&](std::string_view key, int defaultValue) {
        return ReadIntSetting(settings, section, key, defaultValue);
    };
    TWindowPlacement placement;
    placement.Left = read("Left", defaults.Left);
    placement.Top = read("Top", defaults.Top);
    placement.Width = read("Width", defaults.Width);
    placement.Height = read("Height", defaults.Height);
    placement.WindowState = read("WindowState", defaults.WindowState);
    return placement;
}

void WriteWindowPlacement(TIniFile& settings, std::string_view section,
                          const TWindowPlacement& placement) {
    settings.WriteInteger(section, "Top", placement.Top);
    settings.WriteInteger(section, "Left", placement.Left);
    settings.WriteInteger(section, "Width", placement.Width);
    settings.WriteInteger(section, "Height", placement.Height);
    settings.WriteInteger(section, "WindowState", placement.WindowState);
}

void ApplyWindowPlacement(QWidget& window, const TWindowPlacement& placement) {
    window.setGeometry(placement.Left, placement.Top, placement.Width, placement.Height);
    switch (placement.WindowState) {
    case wsMinimized:
        window.setWindowState(Qt::WindowMinimized);
        break;
    case wsMaximized:
        window.setWindowState(Qt::WindowMaximized);
        break;
    default:
        break;
    }
}

TWindowPlacement WindowPlacementOf(const QWidget& window) {
    const QRect bounds = window.normalGeometry();
    const int state = window.isMinimized()   ? wsMinimized
                      : window.isMaximized() ? wsMaximized
                                             : wsNormal;
    return TWindowPlacement{bounds.left(), bounds.top(), bounds.width(), bounds.height(), state};
}

// Reading and writing a window's placement in the settings, and applying it to
// and taking it from the window.
#include "window_placement.h"

#include "format/int_setting.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

long long AreaOf(const QRect& rect) {
    return rect.isEmpty() ? 0 : static_cast<long long>(rect.width()) * rect.height();
}

// The available areas of the screens, the primary screen's first.
QList<QRect> ScreenAreas() {
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    }
    return areas;
}

} // namespace

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

QRect KeptOnScreen(const QRect& bounds, const QList<QRect>& screenAreas) {
    if (screenAreas.isEmpty())
        return bounds;
    QRect area = screenAreas.front();
    long long shared = 0;
    for (const QRect& candidate : screenAreas) {
        if (AreaOf(candidate & bounds) > shared) {
            shared = AreaOf(candidate & bounds);
            area = candidate;
        }
    }
    const bool tooLarge = bounds.width() > area.width() || bounds.height() > area.height();
    if (area.isEmpty() || (shared > 0 && !tooLarge))
        return bounds;
    QRect kept(bounds.topLeft(), bounds.size().boundedTo(area.size()).expandedTo(QSize(1, 1)));
    kept.moveLeft(std::clamp(kept.left(), area.left(), area.right() + 1 - kept.width()));
    kept.moveTop(std::clamp(kept.top(), area.top(), area.bottom() + 1 - kept.height()));
    return kept;
}

QRect PlacedBeside(const QRect& other, const QSize& size, const QRect& area) {
    constexpr int Gap = 8;
    QRect bounds(QPoint(other.right() + 1 + Gap, other.top()), size);
    if (bounds.right() > area.right())
        bounds.moveRight(other.left() - 1 - Gap);
    if (bounds.left() < area.left())
        bounds.moveRight(area.right());
    bounds.moveLeft(std::max(bounds.left(), area.left()));
    bounds.moveTop(std::clamp(bounds.top(), area.top(),
                              std::max(area.top(), area.bottom() + 1 - bounds.height())));
    return bounds;
}

void ApplyWindowPlacement(QWidget& window, const TWindowPlacement& placement) {
    window.setGeometry(KeptOnScreen(
        QRect(placement.Left, placement.Top, placement.Width, placement.Height), ScreenAreas()));
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

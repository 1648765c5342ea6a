// The view scale of a window that shows shapes (the sheet and the shape editor
// each keep their own): zoom factor, screen
// pixels per millimetre, grid step and the pick distances, all set together.
#pragma once

#include <string_view>

// Screen pixels per millimetre at 100 %, independent of the screen's resolution.
inline constexpr long double PixelsPerMmAt100 = 3.5L;

// Zoom factors the zoom commands accept lie strictly between these bounds.
// The lower bound is reckoned as the input box reckons a typed 0.1 %, so that
// 0.1 % is refused however 0.1 rounds.
inline constexpr long double MinZoomExclusive = 0.1L / 100;
inline constexpr long double MaxZoomExclusive = 1000.0L;

class TViewScale {
public:
    TViewScale() { SetZoom(1); }

    // Sets every value from the zoom factor z (1 = 100 %); z must be positive.
    void SetZoom(long double z);

    long double Zoom() const { return FZoom; }
    long double ScreenScale() const { return FScreenScale; } // pixels per mm
    long double GridStep() const { return FGridStep; }       // mm, a power of ten
    long double CloseDist() const { return FCloseDist; }     // 10 screen pixels in mm
    long double ApexPickDist() const { return FApexPickDist; }
    long double LinePickDist() const { return FLinePickDist; }

private:
    long double FZoom = 1;
    long double FScreenScale = PixelsPerMmAt100;
    long double FGridStep = 1;
    long double FCloseDist = 0;
    long double FApexPickDist = 0;
    long double FLinePickDist = 0;
};

// True when a zoom command may apply z.
bool IsAcceptedZoom(long double z);

// The zoom factor a stored setting (zoom x 10000) stands for; a stored value of
// 0 or less falls back to 100 %.
long double ZoomFromStored(long double stored);
// The setting stored for a zoom factor: zoom x 10000, halves to even.
long long ZoomToStored(long double zoom);

// Default text of the zoom input box: the percentage, halves to even.
long long ZoomPercentText(long double zoom);
// The zoom factor an entered percentage gives; malformed text keeps the zoom.
long double ZoomFromPercentText(std::string_view text, long double currentZoom);

// The drawing surface the shape drawing code writes to: integer pixels, a
// 1-pixel pen in copy or not-xor mode, hollow and filled rectangles, and text.
#pragma once

#include <cstdint>
#include <string_view>

// A pure RGB colour.
struct TColor {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend bool operator==(const TColor&, const TColor&) = default;
};

inline constexpr TColor ColorWhite{255, 255, 255};
inline constexpr TColor ColorBlack{0, 0, 0};
inline constexpr TColor ColorBlue{0, 0, 255};
inline constexpr TColor ColorMagenta{255, 0, 255};
inline constexpr TColor ColorGreen{0, 255, 0};
inline constexpr TColor ColorRed{255, 0, 0};

// Copy writes the pen colour; NotXor writes NOT(pen XOR destination), so the
// same line drawn twice restores what was there.
enum class TPenMode { Copy, NotXor };

enum class TPenStyle { Solid, Dotted };

// Pixel coordinates handed to a canvas stay within this magnitude, which keeps
// every difference and product a canvas forms free of overflow. Callers skip
// what lies beyond instead of clamping it.
inline constexpr std::int64_t CanvasCoordinateLimit = std::int64_t{1} << 60;

class ICanvas {
public:
    virtual ~ICanvas() = default;

    // The pen draws lines and hollow rectangles, always 1 pixel wide.
    virtual void SetPenMode(TPenMode mode) = 0;
    virtual void SetPenColor(TColor color) = 0;
    virtual void SetPenStyle(TPenStyle style) = 0;

    // LineTo draws from the current position up to but not including (x, y)
    // and makes (x, y) the current position, so the joints of an outline are
    // drawn once.
    virtual void MoveTo(std::int64_t x, std::int64_t y) = 0;
    virtual void LineTo(std::int64_t x, std::int64_t y) = 0;

    // Both corners are inclusive: (x-2, y-2)..(x+2, y+2) is a 5 x 5 square.
    // The frame takes the pen's colour and mode and is always solid; the fill
    // always copies.
    virtual void FrameRect(std::int64_t left, std::int64_t top, std::int64_t right,
                           std::int64_t bottom) = 0;
    virtual void FillRect(std::int64_t left, std::int64_t top, std::int64_t right,
                          std::int64_t bottom, TColor color) = 0;

    // Text is Shift-JIS bytes in the canvas's current font, written in the
    // pen colour over a transparent background. TextOut puts the top-left
    // corner of the text cell at (x, y); with an escapement the text runs at
    // that angle, counter-clockwise as seen, turning about (x, y).
    virtual std::int64_t TextWidth(std::string_view text) = 0;
    virtual std::int64_t TextHeight(std::string_view text) = 0;
    virtual void TextOut(std::int64_t x, std::int64_t y, std::string_view text) = 0;

    // The font's escapement in tenths of a degree, counter-clockwise as seen.
    virtual int FontEscapement() const = 0;
    virtual void SetFontEscapement(int tenthsOfDegree) = 0;
};

// A canvas in front of another that passes on only what can change the pixels
// of an area: lines and rectangles wholly outside it are left out, a line left
// out still moving the pen, so that whatever is drawn through it leaves the
// area exactly as drawing everything would.
#pragma once

#include "drawing/canvas.h"
#include "drawing/pixel_rect.h"

class TCullingCanvas : public ICanvas {
public:
    // area must hold every pixel the target can change (its clip).
    TCullingCanvas(ICanvas& target, const TPixelRect& area) : FTarget(target), FArea(area) {}

    void SetPenMode(TPenMode mode) override { FTarget.SetPenMode(mode); }
    void SetPenColor(TColor color) override { FTarget.SetPenColor(color); }
    void SetPenStyle(TPenStyle style) override { FTarget.SetPenStyle(style); }

    void MoveTo(std::int64_t x, std::int64_t y) override;
    void LineTo(std::int64_t x, std::int64_t y) override;
    void FrameRect(std::int64_t left, std::int64_t top, std::int64_t right,
                   std::int64_t bottom) override;
    void FillRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                  TColor color) override;

    // Text is passed on whole: its extent depends on the target's font.
    std::int64_t TextWidth(std::string_view text) override { return FTarget.TextWidth(text); }
    std::int64_t TextHeight(std::string_view text) override { return FTarget.TextHeight(text); }
    void TextOut(std::int64_t x, std::int64_t y, std::string_view text) override {
        FTarget.TextOut(x, y, text);
    }
    int FontEscapement() const override { return FTarget.FontEscapement(); }
    void SetFontEscapement(int tenthsOfDegree) override {
        FTarget.SetFontEscapement(tenthsOfDegree);
    }

private:
    bool Touches(std::int64_t left, std::int64_t top, std::int64_t right,
                 std::int64_t bottom) const;

    ICanvas& FTarget;
    TPixelRect FArea;
    std::int64_t FPenX = 0;
    std::int64_t FPenY = 0;
};

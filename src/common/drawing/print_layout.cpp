// Page area, page origin and caption position of a printed page.
#include "drawing/print_layout.h"

long double PixelsPerMm(long double pixelsPerInch) {
    return pixelsPerInch / MillimetresPerInch;
}

TPageAreaMm PageAreaOf(long double printableWidthPixels, long double printableHeightPixels,
                       long double pixelsPerMmX, long double pixelsPerMmY,
                       const TPageMargins& margins) {
    return {printableWidthPixels / pixelsPerMmX - margins.Left - margins.Right,
            printableHeightPixels / pixelsPerMmY - margins.Top - margins.Bottom};
}

TPixelShift PageOriginOnPaper(const TPageMargins& margins, long double pixelsPerMmX,
                              long double pixelsPerMmY) {
    return {margins.Left * pixelsPerMmX, margins.Top * pixelsPerMmY};
}

TPointF PageOriginOnPaperMm(const TPaperLayout& paper, const TPageMargins& margins) {
    return {paper.Left + margins.Left, paper.Top + margins.Top};
}

TPixelPoint CaptionPosition(std::int64_t printableWidth, std::int64_t printableHeight,
                            std::int64_t textWidth, std::int64_t textHeight) {
    return {printableWidth - textWidth, printableHeight - textHeight};
}

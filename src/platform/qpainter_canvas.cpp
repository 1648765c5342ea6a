// The canvas over a QPainter. Lines are rasterised here rather than by
// QPainter::drawLine: a line stops one pixel short of its end (so not-xor
// outlines do not toggle their joints twice) and only its visible part is
// walked, however long it is.
#include "qpainter_canvas.h"

#include "shift_jis_codec.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

using TWide = __int128; // holds every product of two canvas coordinate differences

// Pixel coordinates handed to QPainter stay well inside int.
constexpr std::int64_t PainterCoordinateLimit = std::int64_t{1} << 30;

// Every other pixel of a dotted line is set, counted from the line's start.
constexpr std::int64_t DotPeriod = 2;

bool IsCanvasCoordinate(std::int64_t value) {
    return value >= -CanvasCoordinateLimit && value <= CanvasCoordinateLimit;
}

// Rounds a / b up; b > 0. Division truncates towards zero, which already
// rounds a negative quotient up.
template <class TInt> TInt CeilDiv(TInt a, TInt b) {
    TInt quotient = a / b;
    if (a % b != 0 && a > 0)
        ++quotient;
    return quotient;
}

QColor ToQColor(TColor color) {
    return QColor(color.R, color.G, color.B);
}

QPainter::CompositionMode CompositionOf(TPenMode mode) {
    return mode == TPenMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                    : QPainter::CompositionMode_SourceOver;
}

QString ShiftJisToQString(std::string_view bytes) {
    return ShiftJisToUnicode(std::string(bytes));
}

// A line from (U0, V0) along its major axis U for Length pixels, the end pixel
// excluded. Pixel t (0 <= t < Length) lies at U0 + StepU * t, V0 + StepV * f(t)
// with f(t) = floor((2 t Minor + Length) / (2 Length)): the minor offset
// rounded to nearest, halves away from the start.
template <class TInt> struct TLineWalk {
    std::int64_t U0 = 0;
    std::int64_t V0 = 0;
    std::int64_t StepU = 1;
    std::int64_t StepV = 1;
    TInt Length = 0; // > 0
    TInt Minor = 0;  // 0 <= Minor <= Length

    TInt MinorOffset(TInt t) const { return (2 * t * Minor + Length) / (2 * Length); }
    std::int64_t U(TInt t) const { return U0 + StepU * static_cast<std::int64_t>(t); }
    std::int64_t V(TInt t) const { return V0 + StepV * static_cast<std::int64_t>(MinorOffset(t)); }

    // The last step whose minor offset is at most offset.
    TInt LastStepAtMost(TInt offset) const {
        return CeilDiv((2 * offset + 1) * Length, 2 * Minor) - 1;
    }
    // The first step whose minor offset is at least offset.
    TInt FirstStepAtLeast(TInt offset) const {
        return CeilDiv((2 * offset - 1) * Length, 2 * Minor);
    }

    // Narrows [first, last] to the steps whose U lies in [low, high].
    void ClipMajor(std::int64_t low, std::int64_t high, TInt& first, TInt& last) const {
        const TInt from = StepU > 0 ? TInt{low} - U0 : TInt{U0} - high;
        const TInt to = StepU > 0 ? TInt{high} - U0 : TInt{U0} - low;
        first = std::max(first, from);
        last = std::min(last, to);
    }

    // Narrows [first, last] to the steps whose V lies in [low, high].
    void ClipMinor(std::int64_t low, std::int64_t high, TInt& first, TInt& last) const {
        const TInt from = StepV > 0 ? TInt{low} - V0 : TInt{V0} - high;
        const TInt to = StepV > 0 ? TInt{high} - V0 : TInt{V0} - low;
        if (Minor == 0) {
            if (from > 0 || to < 0)
                last = first - 1;
            return;
        }
        first = std::max(first, FirstStepAtLeast(from));
        last = std::min(last, LastStepAtMost(to));
    }
};

template <class TInt>
TLineWalk<TInt> MakeWalk(std::int64_t u0, std::int64_t v0, std::int64_t du, std::int64_t dv) {
    TLineWalk<TInt> walk;
    walk.U0 = u0;
    walk.V0 = v0;
    walk.StepU = du < 0 ? -1 : 1;
    walk.StepV = dv < 0 ? -1 : 1;
    walk.Length = du < 0 ? -TInt{du} : TInt{du};
    walk.Minor = dv < 0 ? -TInt{dv} : TInt{dv};
    return walk;
}

// The steps [first, last] whose pixels fall inside [majorLow, majorHigh]
// along U and [minorLow, minorHigh] along V; first > last when none do.
template <class TInt>
void VisibleSteps(const TLineWalk<TInt>& walk, std::int64_t majorLow, std::int64_t majorHigh,
                  std::int64_t minorLow, std::int64_t minorHigh, TInt& first, TInt& last) {
    first = 0;
    last = walk.Length - 1;
    walk.ClipMajor(majorLow, majorHigh, first, last);
    walk.ClipMinor(minorLow, minorHigh, first, last);
}

// Calls run(v, uLow, uHigh) for each run of the line's pixels that share a
// row (or column) and whose steps fall inside [majorLow, majorHigh] along U
// and [minorLow, minorHigh] along V; dotted lines give every other pixel.
template <class TInt, class TRun>
void WalkVisibleRuns(const TLineWalk<TInt>& walk, std::int64_t majorLow, std::int64_t majorHigh,
                     std::int64_t minorLow, std::int64_t minorHigh, bool dotted, TRun run) {
    TInt first = 0;
    TInt last = 0;
    VisibleSteps(walk, majorLow, majorHigh, minorLow, minorHigh, first, last);
    const auto runOf = [&](TInt from, TInt to) {
        run(walk.V(from), std::min(walk.U(from), walk.U(to)), std::max(walk.U(from), walk.U(to)));
    };
    if (dotted) {
        for (TInt t = first + (DotPeriod - first % DotPeriod) % DotPeriod; t <= last;
             t += DotPeriod)
            runOf(t, t);
        return;
    }
    for (TInt t = first; t <= last;) {
        TInt runEnd = last;
        if (walk.Minor != 0)
            runEnd = std::min(last, walk.LastStepAtMost(walk.MinorOffset(t)));
        runOf(t, runEnd);
        t = runEnd + 1;
    }
}

// Calls pixel(u, v) for steps first..last of a walk in 64 bits (dotted:
// every other step from the line's start), carrying the minor offset's
// remainder from step to step as an error term instead of dividing at each.
template <class TPixel>
void WalkSteps(const TLineWalk<std::int64_t>& walk, std::int64_t first, std::int64_t last,
               bool dotted, TPixel pixel) {
    const std::int64_t twiceLength = 2 * walk.Length;
    const std::int64_t numerator = 2 * first * walk.Minor + walk.Length;
    std::int64_t rest = numerator % twiceLength;
    std::int64_t u = walk.U(first);
    std::int64_t v = walk.V0 + walk.StepV * (numerator / twiceLength);
    for (std::int64_t t = first; t <= last; ++t) {
        if (!dotted || t % DotPeriod == 0)
            pixel(u, v);
        u += walk.StepU;
        rest += 2 * walk.Minor;
        if (rest >= twiceLength) {
            rest -= twiceLength;
            v += walk.StepV;
        }
    }
}

// Lines whose ends lie within this of the origin are walked in 64 bits: with
// the visible bounds inside 2^30, every product of the walk stays below 2^63.
// Others need 128.
constexpr std::int64_t NarrowWalkLimit = std::int64_t{1} << 29;

bool IsNarrowWalk(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    return std::max({std::llabs(x0), std::llabs(y0), std::llabs(x1), std::llabs(y1)}) <=
           NarrowWalkLimit;
}

} // namespace

TQPainterCanvas::TQPainterCanvas(QPainter& painter, TSpanPath path)
    : FPainter(painter), FSpanPath(path) {
    FPainter.save();
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    FPainter.setRenderHint(QPainter::TextAntialiasing, true);
}

TQPainterCanvas::~TQPainterCanvas() {
    FPainter.restore();
}

void TQPainterCanvas::SetPenMode(TPenMode mode) {
    FPenMode = mode;
}

void TQPainterCanvas::SetPenColor(TColor color) {
    FPenColor = ToQColor(color);
}

void TQPainterCanvas::SetPenStyle(TPenStyle style) {
    FPenStyle = style;
}

void TQPainterCanvas::MoveTo(std::int64_t x, std::int64_t y) {
    FPenX = x;
    FPenY = y;
}

void TQPainterCanvas::LineTo(std::int64_t x, std::int64_t y) {
    if (IsCanvasCoordinate(FPenX) && IsCanvasCoordinate(FPenY) && IsCanvasCoordinate(x) &&
        IsCanvasCoordinate(y))
        DrawLine(FPenX, FPenY, x, y);
    FPenX = x;
    FPenY = y;
}

// The four sides are painted as disjoint spans so that in not-xor mode no
// corner pixel is toggled twice.
void TQPainterCanvas::FrameRect(std::int64_t left, std::int64_t top, std::int64_t right,
                                std::int64_t bottom) {
    if (!IsCanvasCoordinate(left) || !IsCanvasCoordinate(top) || !IsCanvasCoordinate(right) ||
        !IsCanvasCoordinate(bottom))
        return;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const TBounds bounds = VisibleBounds();
    PaintSpan(bounds, left, top, right, top, FPenColor, FPenMode);
    if (bottom > top)
        PaintSpan(bounds, left, bottom, right, bottom, FPenColor, FPenMode);
    if (bottom - top >= 2) {
        PaintSpan(bounds, left, top + 1, left, bottom - 1, FPenColor, FPenMode);
        if (right > left)
            PaintSpan(bounds, right, top + 1, right, bottom - 1, FPenColor, FPenMode);
    }
}

void TQPainterCanvas::FillRect(std::int64_t left, std::int64_t top, std::int64_t right,
                               std::int64_t bottom, TColor color) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    PaintSpan(VisibleBounds(), left, top, right, bottom, ToQColor(color), TPenMode::Copy);
}

std::int64_t TQPainterCanvas::TextWidth(std::string_view text) {
    return FPainter.fontMetrics().horizontalAdvance(ShiftJisToQString(text));
}

std::int64_t TQPainterCanvas::TextHeight(std::string_view) {
    return FPainter.fontMetrics().height();
}

// The painter turns about the text origin, so the text cell's top-left corner
// stays at (x, y) whatever the escapement.
void TQPainterCanvas::TextOut(std::int64_t x, std::int64_t y, std::string_view text) {
    if (std::llabs(x) > PainterCoordinateLimit || std::llabs(y) > PainterCoordinateLimit)
        return;
    FPainter.save();
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FPainter.setPen(FPenColor);
    FPainter.translate(static_cast<qreal>(x), static_cast<qreal>(y));
    FPainter.rotate(-FEscapement / 10.0);
    FPainter.drawText(QPointF(0, FPainter.fontMetrics().ascent()), ShiftJisToQString(text));
    FPainter.restore();
}

// The painter's transform and clip stay as they were when the canvas first
// drew (TextOut restores what it turns), so the bounds are found once.
TQPainterCanvas::TBounds TQPainterCanvas::VisibleBounds() const {
    if (!FBoundsKnown) {
        FBounds = PainterBounds();
        FBoundsKnown = true;
    }
    return FBounds;
}

// The logical pixels the painter can reach: its device, mapped back through
// its transform, cut by its clip; one pixel of slack on every side.
TQPainterCanvas::TBounds TQPainterCanvas::PainterBounds() const {
    const QPaintDevice* device = FPainter.device();
    if (device == nullptr)
        return {};
    bool invertible = false;
    const QTransform inverse = FPainter.combinedTransform().inverted(&invertible);
    if (!invertible)
        return {};
    QRectF area = inverse.mapRect(QRectF(0, 0, device->width(), device->height()));
    if (FPainter.hasClipping())
        area &= FPainter.clipBoundingRect();
    if (area.isEmpty())
        return {};
    const auto clamp = [](qreal value) {
        return static_cast<std::int64_t>(
            std::clamp<qreal>(value, -static_cast<qreal>(PainterCoordinateLimit),
                              static_cast<qreal>(PainterCoordinateLimit)));
    };
    return TBounds{clamp(std::floor(area.left()) - 1), clamp(std::floor(area.top()) - 1),
                   clamp(std::ceil(area.right()) + 1), clamp(std::ceil(area.bottom()) + 1)};
}

// The inclusive pixel rectangle cut to bounds, as a QRect; false when nothing
// of it is left.
bool TQPainterCanvas::ClipToBounds(const TBounds& bounds, std::int64_t left, std::int64_t top,
                                   std::int64_t right, std::int64_t bottom, QRect& rect) {
    left = std::max(left, bounds.Left);
    top = std::max(top, bounds.Top);
    right = std::min(right, bounds.Right);
    bottom = std::min(bottom, bounds.Bottom);
    if (left > right || top > bottom)
        return false;
    rect = QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left + 1),
                 static_cast<int>(bottom - top + 1));
    return true;
}

void TQPainterCanvas::PaintSpan(const TBounds& bounds, std::int64_t left, std::int64_t top,
                                std::int64_t right, std::int64_t bottom, const QColor& color,
                                TPenMode mode) {
    QRect rect;
    if (!ClipToBounds(bounds, left, top, right, bottom, rect))
        return;
    if (TImageSpans* image = ImageSpans()) {
        image->Fill(rect, color.rgb(), mode == TPenMode::NotXor);
        return;
    }
    FPainter.setCompositionMode(CompositionOf(mode));
    FPainter.fillRect(rect, color);
}

TImageSpans* TQPainterCanvas::ImageSpans() {
    if (FSpanPath == TSpanPath::PainterOnly)
        return nullptr;
    if (!FImageSpans)
        FImageSpans.emplace(FPainter);
    return FImageSpans->Usable() ? &*FImageSpans : nullptr;
}

// Calls span(left, top, right, bottom) for each run of the line's pixels
// that share a row (or column) and lie inside bounds; only those steps are
// walked.
template <class TSpan>
void TQPainterCanvas::WalkLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                               const TBounds& bounds, bool dotted, TSpan span) {
    const std::int64_t dx = x1 - x0;
    const std::int64_t dy = y1 - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const auto run = [&](std::int64_t v, std::int64_t uLow, std::int64_t uHigh) {
        if (xMajor)
            span(uLow, v, uHigh, v);
        else
            span(v, uLow, v, uHigh);
    };
    const auto walkAs = [&](auto wide) {
        using TInt = decltype(wide);
        const TLineWalk<TInt> walk =
            xMajor ? MakeWalk<TInt>(x0, y0, dx, dy) : MakeWalk<TInt>(y0, x0, dy, dx);
        WalkVisibleRuns(walk, xMajor ? bounds.Left : bounds.Top,
                        xMajor ? bounds.Right : bounds.Bottom, xMajor ? bounds.Top : bounds.Left,
                        xMajor ? bounds.Bottom : bounds.Right, dotted, run);
    };
    if (IsNarrowWalk(x0, y0, x1, y1))
        walkAs(std::int64_t{});
    else
        walkAs(TWide{});
}

// Calls pixel(x, y) for each of the line's pixels inside bounds, for lines
// whose walk fits in 64 bits.
template <class TPixel>
void TQPainterCanvas::WalkPixels(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                                 const TBounds& bounds, bool dotted, TPixel pixel) {
    const std::int64_t dx = x1 - x0;
    const std::int64_t dy = y1 - y0;
    std::int64_t first = 0;
    std::int64_t last = 0;
    if (std::llabs(dx) >= std::llabs(dy)) {
        const auto walk = MakeWalk<std::int64_t>(x0, y0, dx, dy);
        VisibleSteps(walk, bounds.Left, bounds.Right, bounds.Top, bounds.Bottom, first, last);
        WalkSteps(walk, first, last, dotted, pixel);
    } else {
        const auto walk = MakeWalk<std::int64_t>(y0, x0, dy, dx);
        VisibleSteps(walk, bounds.Top, bounds.Bottom, bounds.Left, bounds.Right, first, last);
        WalkSteps(walk, first, last, dotted, [&](std::int64_t u, std::int64_t v) { pixel(v, u); });
    }
}

// Walks only the steps whose pixels fall inside the visible bounds: into the
// painter's image pixel by pixel where it can be written, otherwise each run
// of pixels that share a row (or column) handed to the painter as one span.
void TQPainterCanvas::DrawLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    if (x0 == x1 && y0 == y1)
        return;
    const bool dotted = FPenStyle == TPenStyle::Dotted;
    if (TImageSpans* image = ImageSpans()) {
        // Walked once inside each clip rectangle, so each pixel is written
        // without being cut again.
        const QRgb color = FPenColor.rgb();
        const bool notXor = FPenMode == TPenMode::NotXor;
        for (const QRect& clip : image->Clip()) {
            const TBounds bounds{clip.left(), clip.top(), clip.right(), clip.bottom()};
            if (IsNarrowWalk(x0, y0, x1, y1)) {
                WalkPixels(x0, y0, x1, y1, bounds, dotted, [&](std::int64_t x, std::int64_t y) {
                    image->SetInside(static_cast<int>(x), static_cast<int>(y), color, notXor);
                });
                continue;
            }
            WalkLine(
                x0, y0, x1, y1, bounds, dotted,
                [&](std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
                    image->FillInside(
                        QRect(QPoint(static_cast<int>(left), static_cast<int>(top)),
                              QPoint(static_cast<int>(right), static_cast<int>(bottom))),
                        color, notXor);
                });
        }
        return;
    }
    const TBounds bounds = VisibleBounds();
    if (bounds.Right < bounds.Left || bounds.Bottom < bounds.Top)
        return;
    // A line's runs are disjoint, so they are painted together: one painter
    // call per line rather than one per run.
    TSpanBatch runs;
    WalkLine(x0, y0, x1, y1, bounds, dotted,
             [&](std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
                 runs.Add(bounds, left, top, right, bottom);
             });
    PaintSpans(runs);
}

void TQPainterCanvas::PaintSpans(const TSpanBatch& spans) {
    if (spans.Rects.empty())
        return;
    FPainter.setCompositionMode(CompositionOf(FPenMode));
    if (spans.Rects.size() == 1) {
        FPainter.fillRect(spans.Rects.front(), FPenColor);
        return;
    }
    // Without a pen, the brush fills each rectangle's pixels exactly as
    // fillRect does. TextOut restores the pen it sets, so both stay set.
    if (!FFillReady || FFillColor != FPenColor) {
        FPainter.setPen(Qt::NoPen);
        FPainter.setBrush(FPenColor);
        FFillColor = FPenColor;
        FFillReady = true;
    }
    FPainter.drawRects(spans.Rects.constData(), static_cast<int>(spans.Rects.size()));
}

void TQPainterCanvas::TSpanBatch::Add(const TBounds& bounds, std::int64_t left, std::int64_t top,
                                      std::int64_t right, std::int64_t bottom) {
    QRect rect;
    if (ClipToBounds(bounds, left, top, right, bottom, rect))
        Rects.append(rect);
}

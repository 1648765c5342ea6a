// Fold line looks: the dash patterns and the accepted widths.
#include "drawing/fold_style.h"

namespace {

// A millimetre dash with a gap a little shorter reads as a dashed line at arm's
// length on any printer from 300 to 1200 dpi; the dash-dot's dot is still
// twice the width of the widest line.
constexpr long double Dash = 1.0L;
constexpr long double DashGap = 0.7L;
constexpr long double LongDash = 1.6L;
constexpr long double Dot = 0.2L;
constexpr long double DotGap = 0.5L;

} // namespace

const TFoldLook& TFoldLooks::Of(TFoldKind kind) const {
    switch (kind) {
    case TFoldKind::Set2:
        return Set2;
    case TFoldKind::FlangeBase:
        return FlangeBase;
    default:
        return Set1;
    }
}

TFoldLook& TFoldLooks::Of(TFoldKind kind) {
    return const_cast<TFoldLook&>(static_cast<const TFoldLooks&>(*this).Of(kind));
}

std::vector<long double> DashPattern(TLineStyle style) {
    switch (style) {
    case TLineStyle::Dashed:
        return {Dash, DashGap};
    case TLineStyle::DashDot:
        return {LongDash, DotGap, Dot, DotGap};
    default:
        return {};
    }
}

bool IsAcceptedFoldWidth(long double width) {
    return width >= MinFoldWidth && width <= MaxFoldWidth;
}

TLineStyle LineStyleFromCode(int code, TLineStyle fallback) {
    if (code < 0 || code >= LineStyleCount)
        return fallback;
    return static_cast<TLineStyle>(code);
}

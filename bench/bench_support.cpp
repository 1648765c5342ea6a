// Step timing, bit-for-bit comparison and the surface image.
#include "bench_support.h"

#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>
#include <numeric>

namespace {

// The bytes of a long double that hold its value: the 80-bit extended format
// pads 10 bytes to 16, and the padding holds no value.
constexpr std::size_t ValueBytes =
    std::numeric_limits<long double>::digits == 64 ? 10 : sizeof(long double);

TStepClock StepClock = TStepClock::Wall;

} // namespace

void SetStepClock(TStepClock clock) {
    StepClock = clock;
}

double TStopwatch::Now() {
    if (StepClock == TStepClock::Thread) {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double TStepTimes::Total() const {
    return std::accumulate(FTimes.begin(), FTimes.end(), 0.0);
}

double TStepTimes::Percentile(double p) const {
    if (FTimes.empty())
        return 0;
    std::vector<double> sorted = FTimes;
    std::sort(sorted.begin(), sorted.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100 * sorted.size()));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

bool SameBits(long double a, long double b) {
    unsigned char bytesA[sizeof(long double)] = {};
    unsigned char bytesB[sizeof(long double)] = {};
    std::memcpy(bytesA, &a, ValueBytes);
    std::memcpy(bytesB, &b, ValueBytes);
    return std::memcmp(bytesA, bytesB, ValueBytes) == 0;
}

bool SameBits(const TPointF& a, const TPointF& b) {
    return SameBits(a.X, b.X) && SameBits(a.Y, b.Y);
}

bool SameBits(const TPolygon& a, const TPolygon& b) {
    if (a.Apexes.size() != b.Apexes.size() || a.Flanges.size() != b.Flanges.size() ||
        a.BendLines != b.BendLines)
        return false;
    for (std::size_t i = 0; i < a.Apexes.size(); ++i) {
        if (!SameBits(a.Apexes[i], b.Apexes[i]))
            return false;
    }
    for (std::size_t i = 0; i < a.Flanges.size(); ++i) {
        const TFlange& f = a.Flanges[i];
        const TFlange& g = b.Flanges[i];
        if (!SameBits(f.Width, g.Width) || !SameBits(f.Angle1, g.Angle1) ||
            !SameBits(f.Angle2, g.Angle2) || f.Name != g.Name)
            return false;
    }
    return true;
}

namespace {

// Two lists hold the same elements bit for bit, in the same order.
template <class TList> bool SameBitsEach(const TList& a, const TList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const auto& x, const auto& y) { return SameBits(x, y); });
}

} // namespace

bool SameBits(const TPolygonTbl& a, const TPolygonTbl& b) {
    return SameBitsEach(a, b);
}

bool SameBits(const TZvDat& a, const TZvDat& b) {
    return SameBitsEach(a, b);
}

TSurfaceImage::TSurfaceImage(int width, int height) : FImage(width, height, QImage::Format_RGB32) {
    FImage.fill(Qt::white);
}

void TSurfaceImage::Paint(const QRect& area, const std::function<void(QPainter&)>& paint) {
    QPainter painter(&FImage);
    painter.setClipRect(area);
    paint(painter);
}

// What every workload of the benchmarks uses: step timing with its median,
// 99th percentile and maximum, bit-for-bit comparison of shapes and drawings,
// and an image standing in for a window's paint surface.
#pragma once

#include "geometry/polygon.h"

#include <QImage>
#include <QRect>

#include <functional>
#include <vector>

class QPainter;

// Times of the steps of one run, in milliseconds.
class TStepTimes {
public:
    void Add(double milliseconds) { FTimes.push_back(milliseconds); }
    std::size_t Count() const { return FTimes.size(); }
    double Median() const { return Percentile(50); }
    double P99() const { return Percentile(99); }
    double Max() const { return Percentile(100); }
    double Total() const;
    // The nearest-rank percentile: the smallest time that at least p percent
    // of the steps do not exceed.
    double Percentile(double p) const;

private:
    std::vector<double> FTimes;
};

// Steps are timed on the wall clock, or, on a machine others share, on the
// thread's own processor time, which leaves out the time other work took.
enum class TStepClock { Wall, Thread };
void SetStepClock(TStepClock clock);

class TStopwatch {
public:
    TStopwatch() : FStart(Now()) {}
    double Milliseconds() const { return (Now() - FStart) * 1000; }

private:
    static double Now(); // seconds
    double FStart;
};

// Bit-for-bit equality, 0 and -0 told apart and a NaN equal to itself, so that
// "identical" means every stored byte of every number.
bool SameBits(long double a, long double b);
bool SameBits(const TPointF& a, const TPointF& b);
bool SameBits(const TPolygon& a, const TPolygon& b);
bool SameBits(const TPolygonTbl& a, const TPolygonTbl& b);
bool SameBits(const TZvDat& a, const TZvDat& b);

// A white image of a paint surface; paint() draws onto it through a painter
// clipped to area, as a widget's paint event is.
class TSurfaceImage {
public:
    TSurfaceImage(int width, int height);
    void Paint(const QRect& area, const std::function<void(QPainter&)>& paint);
    void Grey() { FImage.fill(Qt::gray); }
    const QImage& Image() const { return FImage; }
    bool operator==(const TSurfaceImage& other) const { return FImage == other.FImage; }

private:
    QImage FImage;
};

// How long the shape information monitor takes to refresh, beside today's
// monitor, for shapes of 1,000, 10,000 and 100,000 vertices. While its check
// mark is on it refreshes after every selection change, undo and drag step,
// so a refresh (the update and the grid's repaint) must stay within 50 ms.
// Today's monitor is run only where it finishes in reasonable time: at
// 10,000 vertices it takes seconds, at 100,000 it does not finish.
#include "baseline_polygon_info_dlg.h"
#include "format/ini_file.h"
#include "geometry/angles.h"
#include "polygon_info_dlg.h"

#include <QApplication>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

namespace {

constexpr double TargetMs = 50;

// A wavy ring of radius 100 mm, a flange on every third side.
TPolygon Ring(int vertices) {
    TPolygon shape;
    for (int i = 0; i < vertices; ++i) {
        const long double angle = 2 * Pi * i / vertices;
        const long double radius = 100 + (i % 2 == 0 ? 0 : 0.5L);
        shape.Apexes.push_back(
            PointF(120 + radius * std::cos(angle), 120 + radius * std::sin(angle)));
        shape.Flanges.push_back(i % 3 == 0 ? MakeFlange("A", 5, Pi / 4, Pi / 4) : TFlange());
    }
    return shape;
}

QWidget* GridViewport(TPolygonInfoDlg& monitor) {
    return monitor.findChild<QTableView*>(QStringLiteral("StringGrid1"))->viewport();
}

QWidget* GridViewport(baseline::TPolygonInfoDlg& monitor) {
    return monitor.Grid()->viewport();
}

enum class TChange {
    Drag,  // a vertex moves: the vertex count stays
    Count, // a vertex comes or goes
};

// Each refresh as the editor asks for it: the shape changed, the monitor
// updated, and the rows in view painted.
template <class TMonitor>
void RunRefreshes(benchmark::State& state, TMonitor& monitor, TChange change) {
    const int vertices = static_cast<int>(state.range(0));
    const TPolygon full = Ring(vertices);
    TPolygon shape = full;
    monitor.show();
    if (!QTest::qWaitForWindowExposed(&monitor)) {
        state.SkipWithError("the monitor was not shown");
        return;
    }
    monitor.Update(shape, 0, 1);
    QApplication::processEvents();
    QWidget* viewport = GridViewport(monitor);
    double slowest = 0;
    int step = 0;
    for (auto _ : state) {
        ++step;
        if (change == TChange::Drag) {
            shape.Apexes[0].X += step % 2 == 0 ? 0.1L : -0.1L;
        } else if (step % 2 == 1) {
            shape.Apexes.pop_back();
            shape.Flanges.pop_back();
        } else {
            shape = full;
        }
        const auto start = std::chrono::steady_clock::now();
        monitor.Update(shape, 0, 1);
        viewport->repaint();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        slowest = std::max(slowest, took.count() * 1000);
    }
    state.counters["vertices"] = vertices;
    state.counters["slowest_ms"] = slowest;
}

void Production(benchmark::State& state, TChange change) {
    TPolygonInfoDlg monitor(TIniFile{});
    RunRefreshes(state, monitor, change);
    if (state.counters["slowest_ms"] > TargetMs)
        state.SkipWithError("a refresh took longer than 50 ms");
}

void Baseline(benchmark::State& state, TChange change) {
    baseline::TPolygonInfoDlg monitor;
    RunRefreshes(state, monitor, change);
}

void Register(const char* name, void (*side)(benchmark::State&, TChange), TChange change,
              std::initializer_list<int> sizes, bool once) {
    for (const int vertices : sizes) {
        auto* benchmark = benchmark::RegisterBenchmark(
            name, [side, change](benchmark::State& state) { side(state, change); });
        benchmark->Arg(vertices)->UseManualTime()->Unit(benchmark::kMillisecond);
        if (once || vertices >= 10000)
            benchmark->Iterations(once ? 1 : 20);
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Register("MonitorDragStep/baseline", Baseline, TChange::Drag, {1000}, false);
    Register("MonitorDragStep/baseline", Baseline, TChange::Drag, {10000}, true);
    Register("MonitorDragStep/production", Production, TChange::Drag, {1000, 10000, 100000}, false);
    Register("MonitorVertexCount/baseline", Baseline, TChange::Count, {1000}, false);
    Register("MonitorVertexCount/production", Production, TChange::Count, {1000, 10000, 100000},
             false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

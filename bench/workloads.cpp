// The workloads of the benchmark program. The drag paths are long enough to
// meet the crowd many times, and the short workloads repeat often enough that
// their 99th percentile leaves out a stray delay of the machine; the
// auto-rotate drag is shorter, as today's code takes seconds for each step.
#include "workloads.h"

#include "drag_workload.h"
#include "file_workload.h"
#include "page_workloads.h"
#include "sheet_workloads.h"

#include <cstdio>

namespace {

std::string Format(const char* format, double a, double b, double c, double d) {
    char text[200];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

TWorkloadResult TimesOf(const std::string& name, const TTimedRun& run) {
    TWorkloadResult result{name, false, run.Baseline, run.Production, 0, 0, run.Identical, {}};
    result.Details = Format("medians %.3f / %.3f ms, maxima %.3f / %.3f ms", run.Baseline.Median(),
                            run.Production.Median(), run.Baseline.Max(), run.Production.Max());
    return result;
}

TWorkload Drag(const std::string& name, TDragKind kind, bool inside, bool overlap, bool autoRotate,
               int steps, bool withRepaint, int shapes = 0) {
    TWorkload workload;
    workload.Names = {name};
    if (withRepaint)
        workload.Names.push_back("repaint_drag_step");
    if (shapes > 0)
        workload.Names.push_back(name + "_handler");
    workload.Run = [=](const TRunOptions& options) {
        const TDragWorkload drag{name,    kind,       inside,
                                 overlap, autoRotate, options.Steps > 0 ? options.Steps : steps,
                                 shapes};
        const TDragRun run = RunDrag(drag, options.Baseline, options.Production);
        std::vector<TWorkloadResult> results;
        TWorkloadResult steps{name, false, run.Baseline, run.Production, 0, 0, run.Identical, {}};
        steps.Details = Format("%.0f steps, %.0f refused, %.0f turned aside; medians %.3f",
                               static_cast<double>(run.Production.Count()), run.Refused, run.Turned,
                               run.Baseline.Median()) +
                        Format(" / %.3f ms", run.Production.Median(), 0, 0, 0);
        results.push_back(steps);
        if (withRepaint) {
            TWorkloadResult repaint{"repaint_drag_step",   false, run.BaselineRepaint,
                                    run.ProductionRepaint, 0,     0,
                                    run.Identical,         {}};
            repaint.Details = "the repaint part of the " + name + " steps";
            results.push_back(repaint);
        }
        if (shapes > 0) {
            TWorkloadResult handler = TimesOf(
                name + "_handler", {run.BaselineHandler, run.ProductionHandler, run.Identical});
            handler.Details =
                "the mouse-move handler's part of the " + name + " steps; " + handler.Details;
            results.push_back(handler);
        }
        return results;
    };
    return workload;
}

TWorkload Timed(const std::string& name, std::function<TTimedRun(bool, bool)> run) {
    return {{name}, [=](const TRunOptions& options) {
                return std::vector<TWorkloadResult>{
                    TimesOf(name, run(options.Baseline, options.Production))};
            }};
}

TWorkload PageTabs(int pages, int repeats) {
    const std::string size = std::to_string(pages);
    const std::vector<std::string> names = {
        "open_" + size + "_pages", "new_after_" + size + "_pages", "tab_click_" + size + "_pages"};
    return {names, [=](const TRunOptions& options) {
                const TPageTabRuns runs =
                    RunPageTabs(pages, repeats, options.Baseline, options.Production);
                return std::vector<TWorkloadResult>{TimesOf(names[0], runs.Open),
                                                    TimesOf(names[1], runs.New),
                                                    TimesOf(names[2], runs.Click)};
            }};
}

TWorkload FlangeCheck(int steps) {
    const std::vector<std::string> names = {"flange_check_step", "flange_check_full"};
    return {names, [=](const TRunOptions& options) {
                const TFlangeCheckRuns runs =
                    RunFlangeCheck(steps, options.Baseline, options.Production);
                return std::vector<TWorkloadResult>{TimesOf(names[0], runs.Step),
                                                    TimesOf(names[1], runs.Full)};
            }};
}

TWorkload File(int shapes, int repeats) {
    const std::string size = std::to_string(shapes);
    return {{"save_" + size, "load_" + size}, [=](const TRunOptions&) {
                const TFileRun run = RunFile(shapes, repeats);
                const std::string bytes = Format("%.1f MB of file", run.Bytes / 1e6, 0, 0, 0);
                return std::vector<TWorkloadResult>{{"save_" + size,
                                                     true,
                                                     {},
                                                     {},
                                                     run.BaselineSaveMbS,
                                                     run.ProductionSaveMbS,
                                                     run.SavedIdentical,
                                                     bytes},
                                                    {"load_" + size,
                                                     true,
                                                     {},
                                                     {},
                                                     run.BaselineLoadMbS,
                                                     run.ProductionLoadMbS,
                                                     run.LoadedIdentical,
                                                     bytes}};
            }};
}

} // namespace

const std::vector<TWorkload>& Workloads() {
    static const std::vector<TWorkload> workloads = {
        Drag("drag_none", TDragKind::Move, false, false, false, 300, true),
        Drag("drag_overlap", TDragKind::Move, false, true, false, 300, false),
        Drag("drag_all", TDragKind::Move, true, true, true, 24, false),
        Drag("rotate_overlap", TDragKind::Rotate, false, true, false, 120, false),
        // Crowded pages of irregular shapes at random turns, beside today's code.
        Drag("drag_overlap_300", TDragKind::Move, false, true, false, 300, false, 300),
        Drag("drag_overlap_1000", TDragKind::Move, false, true, false, 300, false, 1000),
        Drag("drag_overlap_3000", TDragKind::Move, false, true, false, 300, false, 3000),
        Drag("drag_all_300", TDragKind::Move, true, true, true, 120, false, 300),
        Drag("drag_all_1000", TDragKind::Move, true, true, true, 120, false, 1000),
        Drag("drag_all_3000", TDragKind::Move, true, true, true, 120, false, 3000),
        Drag("rotate_overlap_3000", TDragKind::Rotate, false, true, false, 120, false, 3000),
        Timed("collision_check",
              [](bool baseline, bool production) {
                  return RunCollisionChecks(60, baseline, production);
              }),
        Timed("rubber_band_up",
              [](bool baseline, bool production) {
                  return RunRubberBand(100, baseline, production);
              }),
        Timed("repaint_full_100",
              [](bool baseline, bool production) {
                  return RunFullRepaint(1, false, 100, baseline, production);
              }),
        Timed("repaint_full_100_first",
              [](bool baseline, bool production) {
                  return RunFullRepaint(1, true, 20, baseline, production);
              }),
        Timed("repaint_full_400",
              [](bool baseline, bool production) {
                  return RunFullRepaint(4, false, 100, baseline, production);
              }),
        Timed("first_paint_300",
              [](bool baseline, bool production) {
                  return RunFirstPaint(300, 100, true, baseline, production);
              }),
        Timed("first_paint_3000",
              [](bool baseline, bool production) {
                  return RunFirstPaint(3000, 100, true, baseline, production);
              }),
        Timed("back_to_page_300",
              [](bool baseline, bool production) {
                  return RunFirstPaint(300, 100, false, baseline, production);
              }),
        Timed("back_to_page_3000",
              [](bool baseline, bool production) {
                  return RunFirstPaint(3000, 100, false, baseline, production);
              }),
        Timed("editor_vertex_drag",
              [](bool baseline, bool production) {
                  return RunEditorDrag(300, baseline, production);
              }),
        PageTabs(100, 5),
        PageTabs(1000, 5),
        FlangeCheck(100),
        File(20000, 3),
        File(200000, 3),
    };
    return workloads;
}

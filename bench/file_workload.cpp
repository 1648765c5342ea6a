// The drawing file workloads.
#include "file_workload.h"

#include "baseline_format.h"
#include "bench_support.h"
#include "crowded_page.h"
#include "format/drawing_file.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::uint32_t DrawingSeed = 101;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double MegabytesPerSecond(std::size_t bytes, double milliseconds) {
    return milliseconds > 0 ? bytes / 1e6 / (milliseconds / 1000) : 0;
}

} // namespace

TFileRun RunFile(int shapeCount, int repeats) {
    const TZvDat drawing = CrowdedDrawing(shapeCount, DrawingSeed);
    TFileRun run;
    std::vector<double> saveOld, saveNew, loadOld, loadNew;
    std::string oldBytes, newBytes;
    for (int i = 0; i < repeats; ++i) {
        {
            const TStopwatch watch;
            baseline::DrawingToText(drawing, oldBytes);
            saveOld.push_back(watch.Milliseconds());
        }
        {
            const TStopwatch watch;
            DrawingToText(drawing, newBytes);
            saveNew.push_back(watch.Milliseconds());
        }
        run.SavedIdentical = run.SavedIdentical && oldBytes == newBytes;
        TZvDat oldDrawing, newDrawing;
        TDrawingReadResult oldResult, newResult;
        {
            const TStopwatch watch;
            oldResult = baseline::TextToDrawing(oldBytes, oldDrawing);
            loadOld.push_back(watch.Milliseconds());
        }
        {
            const TStopwatch watch;
            newResult = TextToDrawing(oldBytes, newDrawing);
            loadNew.push_back(watch.Milliseconds());
        }
        run.LoadedIdentical = run.LoadedIdentical && oldResult == newResult &&
                              oldResult == TDrawingReadResult::Ok &&
                              SameBits(oldDrawing, newDrawing);
    }
    run.Bytes = oldBytes.size();
    run.BaselineSaveMbS = MegabytesPerSecond(run.Bytes, Median(saveOld));
    run.ProductionSaveMbS = MegabytesPerSecond(run.Bytes, Median(saveNew));
    run.BaselineLoadMbS = MegabytesPerSecond(run.Bytes, Median(loadOld));
    run.ProductionLoadMbS = MegabytesPerSecond(run.Bytes, Median(loadNew));
    return run;
}

// The drawing file workloads. Today's code makes the whole text and parses
// the whole text; the program now writes and reads a file a piece at a time,
// so the production side passes its text on in pieces (each compared with
// today's bytes as it comes, where the program writes it to the file) and
// reads today's bytes a megabyte at a time, as it reads a file.
#include "file_workload.h"

#include "baseline_format.h"
#include "bench_support.h"
#include "crowded_page.h"
#include "format/drawing_reader.h"
#include "format/drawing_writer.h"

#include <algorithm>
#include <cstring>
#include <string_view>
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

// True when the pieces written make up expected, byte for byte.
bool WritesPieces(const TZvDat& drawing, const std::string& expected) {
    std::size_t at = 0;
    bool same = true;
    const TDrawingWriteResult result =
        WriteDrawingText(drawing, [&](std::string_view piece, double) {
            same = same && at + piece.size() <= expected.size() &&
                   std::memcmp(expected.data() + at, piece.data(), piece.size()) == 0;
            at += piece.size();
            return true;
        });
    return result.End == TDrawingWriteEnd::Written && same && at == expected.size();
}

TDrawingReadResult ReadInChunks(std::string_view bytes, TZvDat& drawing) {
    constexpr std::size_t ChunkBytes = 1 << 20;
    TDrawingReader reader(bytes.size());
    for (std::size_t at = 0; at < bytes.size(); at += ChunkBytes)
        if (!reader.Take(bytes.substr(at, ChunkBytes)))
            break;
    return reader.Finish(drawing);
}

} // namespace

TFileRun RunFile(int shapeCount, int repeats) {
    const TZvDat drawing = CrowdedDrawing(shapeCount, DrawingSeed);
    TFileRun run;
    std::vector<double> saveOld, saveNew, loadOld, loadNew;
    std::string oldBytes;
    for (int i = 0; i < repeats; ++i) {
        {
            oldBytes = std::string();
            const TStopwatch watch;
            baseline::DrawingToText(drawing, oldBytes);
            saveOld.push_back(watch.Milliseconds());
        }
        {
            const TStopwatch watch;
            const bool same = WritesPieces(drawing, oldBytes);
            saveNew.push_back(watch.Milliseconds());
            run.SavedIdentical = run.SavedIdentical && same;
        }
        TZvDat oldDrawing, newDrawing;
        TDrawingReadResult oldResult, newResult;
        {
            const TStopwatch watch;
            oldResult = baseline::TextToDrawing(oldBytes, oldDrawing);
            loadOld.push_back(watch.Milliseconds());
        }
        {
            const TStopwatch watch;
            newResult = ReadInChunks(oldBytes, newDrawing);
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

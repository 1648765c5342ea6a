// The memory the program needs for large drawings, step by step: the peak
// resident memory of each step over the resident memory of the loaded
// drawing. Two workloads, each in a process of its own so that one leaves the
// other nothing:
//   --big-shape   one shape of 1,000,000 flanged vertices (about 87 MB of
//                 file): load, save, open in the editor, drag a vertex,
//                 resize, undo, close the editor, the sheet's undo and redo,
//                 and one drag on the sheet;
//   --large-file  a drawing of about 314 MB of file: opened as today's code
//                 opened it (the whole file read, then parsed) and as the
//                 program opens it now, saved both ways, and the recovery
//                 copy's snapshot taken in slices, with the longest slice.
// Run from a Release build: build-release/bench/memory_bench --big-shape
#include "baseline_format.h"
#include "crowded_page.h"
#include "document/drawing_snapshot.h"
#include "document/sheet_document.h"
#include "drawing_files.h"
#include "editing/shape_editor_model.h"
#include "history/tick_counter.h"

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <malloc.h>
#include <string>
#include <unistd.h>

namespace {

using TClock = std::chrono::steady_clock;

// A clock the history takes its stamps from: a person's commands are far
// apart, so each command is a step of its own.
class TSteppingTicks : public ITickCounter {
public:
    std::uint32_t Now() override { return FTime += 1000; }

private:
    std::uint32_t FTime = 0;
};

long StatusKilobytes(const char* key) {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr)
        return -1;
    char line[256];
    long value = -1;
    while (std::fgets(line, sizeof line, status) != nullptr)
        if (std::strncmp(line, key, std::strlen(key)) == 0)
            value = std::atol(line + std::strlen(key));
    std::fclose(status);
    return value;
}

// Memory freed is handed back first, so that what is resident is what lives.
void ResetPeak() {
    malloc_trim(0);
    const int fd = ::open("/proc/self/clear_refs", O_WRONLY);
    if (fd >= 0) {
        if (::write(fd, "5", 1) != 1)
            std::fprintf(stderr, "the peak could not be reset\n");
        ::close(fd);
    }
}

double Megabytes(long kilobytes) {
    return kilobytes / 1024.0;
}

// Runs step and prints its peak and what stays resident after it, each also
// over reference (the loaded drawing's resident memory) when there is one.
void Step(const char* name, double reference, const std::function<void()>& step) {
    ResetPeak();
    const TClock::time_point start = TClock::now();
    step();
    const double seconds = std::chrono::duration<double>(TClock::now() - start).count();
    const double peak = Megabytes(StatusKilobytes("VmHWM:"));
    malloc_trim(0);
    const double resident = Megabytes(StatusKilobytes("VmRSS:"));
    std::printf("%-26s peak_mb=%7.1f resident_mb=%7.1f", name, peak, resident);
    if (reference > 0)
        std::printf(" peak_ratio=%.2f", peak / reference);
    std::printf(" seconds=%.2f\n", seconds);
    std::fflush(stdout);
}

double Resident() {
    malloc_trim(0);
    return Megabytes(StatusKilobytes("VmRSS:"));
}

// The whole file read into memory a megabyte at a time, as today's program
// read a drawing before parsing it.
std::string WholeFile(const QString& path) {
    QFile file(path);
    std::string bytes;
    if (!file.open(QIODevice::ReadOnly))
        return bytes;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(1 << 20);
        bytes.append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    }
    return bytes;
}

int BigShape(const QString& folder) {
    constexpr int VertexCount = 1000000;
    const QString path = folder + QStringLiteral("/big.zvt");
    {
        TZvDat drawing = {{LargeFlangedShape(VertexCount, PointF(100, 140), 90, 7)}};
        // A fold line's vertex numbers have four columns in the file.
        drawing[0][0].BendLines[0] = {MakeBendLine(0, 5000)};
        if (!SaveDrawingFile(path, drawing, TSaveOptions()).Ok())
            return 1;
    }
    std::printf("one shape of %d vertices, %.1f MB of file; start %.1f MB\n", VertexCount,
                QFileInfo(path).size() / 1e6, Resident());

    TSteppingTicks ticks;
    TSheetDocument document(ticks);
    Step("load", 0, [&] {
        TZvDat drawing;
        ReadDrawingFile(path, drawing);
        document.SetDrawing(std::move(drawing));
        document.PageIndex(); // the outlines a paint of the page needs
    });
    const double loaded = Resident();
    std::printf("%-26s resident_mb=%7.1f\n", "loaded drawing", loaded);
    Step("save", loaded, [&] {
        SaveDrawingFile(folder + QStringLiteral("/saved.zvt"), document.Drawing(), TSaveOptions());
    });
    Step("select", loaded, [&] { document.Select(0); });

    TShapeEditorModel editor(ticks);
    Step("open in editor", loaded, [&] {
        editor.SetPolygon(*document.PolygonAt(0));
        editor.StartRun();
    });
    const TPickDistances distances{0.5L, 0.5L, 0.5L};
    Step("editor: drag a vertex", loaded, [&] {
        const TPointF apex = editor.Polygon().Apexes[VertexCount / 4];
        editor.Press(apex, false, distances);
        editor.MoveTo(PointF(apex.X + 0.2L, apex.Y - 0.1L), false);
        editor.Release();
    });
    Step("editor: resize", loaded, [&] { editor.ResizeShape(1.25L); });
    Step("editor: undo", loaded, [&] { editor.Undo(); });
    Step("close editor", loaded, [&] {
        TPolygon shape;
        editor.GetPolygon(shape);
        document.ChangePolygon(0, std::move(shape));
    });
    Step("sheet: undo", loaded, [&] { document.UndoStep(); });
    Step("sheet: redo", loaded, [&] { document.RedoStep(); });
    TPlacementRules rules;
    rules.PageWidth = 400;
    rules.PageHeight = 400;
    Step("sheet: one drag", loaded, [&] {
        document.BeginDrag();
        const TPointF from = PointF(100, 140);
        for (int step = 1; step <= 5; ++step)
            document.MoveSelection(from, PointF(100 + step, 140 + step), rules, TGrip{});
        document.EndDrag();
    });
    Step("sheet: undo the drag", loaded, [&] { document.UndoStep(); });
    std::printf("history entries: sheet %d, editor %d\n", document.History().Count(),
                editor.History().Count());
    return 0;
}

int LargeFile(const QString& folder) {
    constexpr int ShapeCount = 214500;
    const QString path = folder + QStringLiteral("/large.zvt");
    {
        const TZvDat drawing = CrowdedDrawing(ShapeCount, 101);
        if (!SaveDrawingFile(path, drawing, TSaveOptions()).Ok())
            return 1;
    }
    std::printf("%d shapes, %.1f MB of file; start %.1f MB\n", ShapeCount,
                QFileInfo(path).size() / 1e6, Resident());

    Step("today: open", 0, [&] {
        TZvDat drawing;
        const std::string bytes = WholeFile(path);
        baseline::TextToDrawing(bytes, drawing);
        std::printf("%-26s resident_mb=%7.1f\n", "  opened, today", Resident());
    });
    TZvDat drawing;
    Step("open", 0, [&] { ReadDrawingFile(path, drawing); });
    const double loaded = Resident();
    std::printf("%-26s resident_mb=%7.1f\n", "opened", loaded);
    Step("today: save", loaded, [&] {
        std::string bytes;
        baseline::DrawingToText(drawing, bytes);
        QFile file(folder + QStringLiteral("/today.zvt"));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    });
    Step("save", loaded,
         [&] { SaveDrawingFile(folder + QStringLiteral("/saved.zvt"), drawing, TSaveOptions()); });

    // The recovery copy's snapshot, a slice of at most 15 ms per turn of the
    // event loop, and the writing of the copy on a worker.
    TDrawingSnapshot snapshot;
    double longest = 0;
    int slices = 0;
    Step("recovery snapshot", loaded, [&] {
        snapshot.Start(1);
        for (TDrawingSnapshot::TStep step = TDrawingSnapshot::TStep::Partial;
             step == TDrawingSnapshot::TStep::Partial;) {
            const TClock::time_point start = TClock::now();
            const TClock::time_point end = start + std::chrono::milliseconds(15);
            step = snapshot.Step(drawing, 1, [end] { return TClock::now() >= end; });
            longest = std::max(
                longest, std::chrono::duration<double, std::milli>(TClock::now() - start).count());
            ++slices;
        }
    });
    std::printf("%-26s slices=%d longest_ms=%.1f\n", "  snapshot slices", slices, longest);
    TZvDat copy = snapshot.Take();
    Step("recovery copy written", loaded,
         [&] { SaveDrawingFile(folder + QStringLiteral("/recovery.zvt"), copy, TSaveOptions()); });
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    const std::string workload = argc > 1 ? argv[1] : "";
    if (workload == "--big-shape")
        return BigShape(folder.path());
    if (workload == "--large-file")
        return LargeFile(folder.path());
    std::fprintf(stderr, "usage: memory_bench --big-shape | --large-file\n");
    return 2;
}

// What printing a large model to PDF costs: 100 pages of 200 flanged, named
// pieces with fold lines of both sets, partner pages on, printed without a
// printer as the print-all command does (one vector PDF of every page),
// beside the print of before kept in baseline/ (one 300 dpi PDF per page,
// every line drawn pixel by pixel, the partner marks checked again for each
// page). Each run is a child process of its own, so that its processor time
// and its peak memory are its alone; the target is at most 10 s and 30 MB.
#include "baseline_print.h"
#include "document/flange_partners.h"
#include "geometry/angles.h"
#include "page_printer.h"
#include "page_setup.h"
#include "qt_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

constexpr long double Angle = Pi / 4;
constexpr int Pages = 100; // an even number: the pages pair up
constexpr int ShapesPerPage = 200;

std::string NameOf(const char* kind, int number) {
    return kind + std::to_string(number);
}

// Shape k of the model, an irregular hexagon on a grid of 10 x 20 cells: its
// top side glues to the same shape of the page beside, its slanted sides to
// its neighbours, the bottom one unnamed; a fold line of each set across it.
TPolygon Piece(int k, int page, int column) {
    const long double x = 10 + (column % 10) * 18;
    const long double y = 5 + (column / 10) * 13.5L;
    const long double lean = (k % 7) * 0.3L;
    TPolygon shape;
    shape.Apexes = {PointF(x + lean, y),    PointF(x + 10, y),        PointF(x + 14, y + 5),
                    PointF(x + 10, y + 10), PointF(x - lean, y + 10), PointF(x - 4, y + 5)};
    const int partner = page % 2 == 0 ? k + ShapesPerPage : k - ShapesPerPage;
    shape.Flanges = {
        MakeFlange(NameOf("T", k < partner ? k : partner), 3, Angle, Angle),
        MakeFlange(NameOf("R", k), 3, Angle, Angle),
        MakeFlange(NameOf("S", page * ShapesPerPage + (column + 1) % ShapesPerPage), 3, Angle,
                   Angle),
        MakeFlange("", 3, Angle, Angle),
        MakeFlange(NameOf("S", k), 3, Angle, Angle),
        MakeFlange(NameOf("R", page * ShapesPerPage + (column + ShapesPerPage - 1) % ShapesPerPage),
                   3, Angle, Angle),
    };
    shape.BendLines[0] = {MakeBendLine(0, 3)};
    shape.BendLines[1] = {MakeBendLine(2, 5)};
    return shape;
}

TZvDat LargeModel() {
    TZvDat drawing(Pages);
    for (int page = 0; page < Pages; ++page)
        for (int column = 0; column < ShapesPerPage; ++column)
            drawing[page].push_back(Piece(page * ShapesPerPage + column, page, column));
    return drawing;
}

// Today's print of every page: one job, one PDF, the partner marks from one
// check, each page drawn as vector paths.
bool PrintAll(const TZvDat& drawing, const QString& folder) {
    TQtPrinter printer(TPrinterChoice::PdfOnly);
    TIniFile settings;
    settings.WriteInteger("Print", "PrintPartnerPage", 1);
    TPageSetup setup(printer, settings);
    setup.PrepareJob();
    const std::vector<TPageNameMarks> marks = PartnerPageMarksOfAllPages(drawing);
    TPagePrinter pages(setup.Settings(), printer.PaperLayout(), setup.SheetArea());
    const std::unique_ptr<IPrintJob> job =
        printer.StartJob(QStringLiteral("Zelvo - model"), folder + QStringLiteral("/model.pdf"));
    if (job == nullptr)
        return false;
    for (int page = 0; page < Pages; ++page)
        if (!pages.PrintPage(*job, drawing[page], marks[page],
                             QStringLiteral("Zelvo - model - %1").arg(page + 1), page == 0,
                             [] { return true; }))
            return false;
    return job->Finish();
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

double ResidentMegabytes() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576;
}

double FolderMegabytes(const QString& folder) {
    qint64 bytes = 0;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
        bytes += file.size();
    return static_cast<double>(bytes) / 1048576;
}

struct TRunFigures {
    bool Ok = false;
    double CpuSeconds = 0;
    double PeakGrowthMb = 0; // resident memory the print added at its peak
    double FilesMb = 0;
};

// One print in a child process of its own, its figures sent back through a pipe.
TRunFigures RunInChild(bool baseline) {
    int channel[2];
    if (pipe(channel) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        int argc = 1;
        char name[] = "print_bench";
        char* argv[] = {name, nullptr};
        QGuiApplication app(argc, argv);
        QTemporaryDir folder;
        const TZvDat drawing = LargeModel();
        TRunFigures figures;
        const double before = ResidentMegabytes();
        const double start = CpuSeconds();
        figures.Ok = baseline ? baseline::PrintAllPages(drawing, folder.path())
                              : PrintAll(drawing, folder.path());
        figures.CpuSeconds = CpuSeconds() - start;
        figures.PeakGrowthMb = PeakMegabytes() - before;
        figures.FilesMb = FolderMegabytes(folder.path());
        const bool sent = write(channel[1], &figures, sizeof figures) == sizeof figures;
        close(channel[1]);
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    TRunFigures figures;
    if (child < 0 || read(channel[0], &figures, sizeof figures) != sizeof figures)
        figures = {};
    close(channel[0]);
    if (child > 0)
        waitpid(child, nullptr, 0);
    return figures;
}

void BM_PrintToPdf(benchmark::State& state) {
    const bool baseline = state.range(0) != 0;
    TRunFigures figures;
    for (auto _ : state) {
        figures = RunInChild(baseline);
        if (!figures.Ok) {
            state.SkipWithError("the print failed");
            return;
        }
        state.SetIterationTime(figures.CpuSeconds);
    }
    state.SetLabel(baseline ? "baseline" : "production");
    state.counters["cpu_s"] = figures.CpuSeconds;
    state.counters["peak_growth_mb"] = figures.PeakGrowthMb;
    state.counters["pdf_mb"] = figures.FilesMb;
}

} // namespace

BENCHMARK(BM_PrintToPdf)
    ->ArgName("baseline")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// --summary runs both once more and gives the ratios.
int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--summary") {
        const TRunFigures production = RunInChild(false);
        const TRunFigures before = RunInChild(true);
        if (!production.Ok || !before.Ok) {
            std::printf("a print failed\n");
            return 1;
        }
        std::printf("print_100x200_pdf baseline_cpu_s=%.2f cpu_s=%.2f ratio=%.1f\n",
                    before.CpuSeconds, production.CpuSeconds,
                    before.CpuSeconds / production.CpuSeconds);
        std::printf("print_100x200_pdf baseline_peak_growth_mb=%.1f peak_growth_mb=%.1f "
                    "ratio=%.1f\n",
                    before.PeakGrowthMb, production.PeakGrowthMb,
                    before.PeakGrowthMb / production.PeakGrowthMb);
        std::printf("print_100x200_pdf baseline_pdf_mb=%.1f pdf_mb=%.1f ratio=%.1f\n",
                    before.FilesMb, production.FilesMb, before.FilesMb / production.FilesMb);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

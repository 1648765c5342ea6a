// A command-line run through the sheet's own document, file, import and
// export classes, headless: the dialogs answered from the command.
#include "batch_run.h"

#include "command_line_prompt.h"
#include "crash_recovery.h"
#include "document/sheet_document.h"
#include "export_dlg.h"
#include "format/ini_file.h"
#include "geometry/angles.h"
#include "long_task.h"
#include "mesh_import.h"
#include "mesh_import_dlg.h"
#include "mk_polygon_settings.h"
#include "page_setup.h"
#include "qt_printer.h"
#include "qt_tick_counter.h"
#include "sheet_exporter.h"
#include "sheet_files.h"
#include "sheet_mesh_import.h"

#include "japanese_ui.h"
#include "settings_file.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <string_view>

namespace {

constexpr std::string_view PrintSection = "Print";

const QString NoDrawingText = QStringLiteral("図面ファイル「%1」がありません。");
const QString NoPageText = QStringLiteral("ページ %1 はありません。図面は %2 ページです。");
const QString TooLargeText =
    QStringLiteral("モデルの最も長い寸法はファイルの単位で %1 で、mm としては大きすぎます。"
                   "--size で大きさを指定してください。");

// The import dialog of a run from the command line: the command's values,
// the dialog's own for those it does not name (the file's units as mm).
class TBatchImportOptions : public IMeshImportDialog {
public:
    TBatchImportOptions(const TBatchJob& job, TCommandLinePrompt& prompt)
        : Job(job), Prompt(prompt) {}

    bool AskOptions(const QString&, long double fileSize, TMeshImportOptions& options) override {
        if (!Job.Size && !(fileSize <= MaxModelSize)) {
            Prompt.Fail(TooLargeText.arg(static_cast<double>(fileSize)));
            return false;
        }
        options.Size = Job.Size.value_or(fileSize);
        options.TabWidth = Job.TabWidth.value_or(options.TabWidth);
        if (Job.TabAngle1)
            options.TabAngle1 = DegToRad(*Job.TabAngle1);
        if (Job.TabAngle2)
            options.TabAngle2 = DegToRad(*Job.TabAngle2);
        if (Job.FlatAngle)
            options.FlatAngle = DegToRad(*Job.FlatAngle);
        return true;
    }

private:
    const TBatchJob& Job;
    TCommandLinePrompt& Prompt;
};

class TBatchExportPages : public IExportDialog {
public:
    explicit TBatchExportPages(TExportPages pages) : Pages(pages) {}
    bool Choose(TExportChoice& choice) override {
        choice.Pages = Pages;
        return true;
    }

private:
    TExportPages Pages;
};

// The settings with the command's paper, orientation and margins in place of
// the stored ones. An orientation alone needs a paper to go with it: the
// printer's own, as the window would store it.
TIniFile WithPageSetup(TIniFile settings, const TBatchJob& job, const IPrinter& printer) {
    if (job.PaperSize || job.Landscape) {
        const auto stored =
            static_cast<int>(settings.ReadInteger(PrintSection, "PrintPaperSize", -1));
        const int paper = job.PaperSize.value_or(stored >= 0 ? stored : printer.Device().PaperSize);
        settings.WriteInteger(PrintSection, "PrintPaperSize", paper);
    }
    if (job.Landscape)
        settings.WriteInteger(PrintSection, "PrintDir", *job.Landscape ? 1 : 0);
    if (job.Margins) {
        const char* keys[] = {"TYohaku", "BYohaku", "LYohaku", "RYohaku"};
        for (int i = 0; i < 4; ++i)
            settings.WriteInteger(PrintSection, keys[i], (*job.Margins)[i]);
    }
    return settings;
}

} // namespace

int RunBatchJob(const TBatchJob& job, const TIniFile& settings, TCommandLinePrompt& prompt) {
    // A paper of the command's own is the PDF printer's, whatever is installed.
    TQtPrinter printer(job.PaperSize ? TPrinterChoice::PdfOnly : TPrinterChoice::Installed);
    const TIniFile pageSettings = WithPageSetup(settings, job, printer);
    TPageSetup setup(printer, pageSettings);
    TQtTickCounter ticks;
    TSheetDocument document(ticks);
    TCrashRecovery recovery(nullptr, prompt, nullptr, document, DefaultRecoveryInterval);
    TSheetFiles files(prompt, nullptr, document, recovery);

    if (QFileInfo::exists(job.Drawing)) {
        files.OpenStartFile(job.Drawing);
        if (prompt.Failed())
            return 1;
    } else if (job.Model.isEmpty()) {
        prompt.Fail(NoDrawingText.arg(QDir::toNativeSeparators(job.Drawing)));
        return 1;
    }

    if (!job.Model.isEmpty()) {
        TFileMeshReader reader;
        TInlineLongTask task;
        TBatchImportOptions options(job, prompt);
        const TMkPolygonSettings editor = ReadMkPolygonSettings(settings, 0);
        TSheetMeshImport import(
            prompt, &reader, &task, &options, setup, document,
            MakeFlange("", editor.FlangeWidth, editor.FlangeAngle1, editor.FlangeAngle2), nullptr);
        prompt.AnswerOpen(job.Model);
        if (!import.Import() || prompt.Failed())
            return 1;
        prompt.AnswerSave(job.Drawing);
        files.Save();
        if (prompt.Failed() || document.Modified())
            return 1;
    }

    if (!job.Export.isEmpty()) {
        const int pages = static_cast<int>(document.Drawing().size());
        if (job.Page && *job.Page > pages) {
            prompt.Fail(NoPageText.arg(*job.Page).arg(pages));
            return 1;
        }
        if (job.Page)
            document.ChangePage(*job.Page - 1);
        TBatchExportPages choice(job.Page ? TExportPages::Current : TExportPages::All);
        TInlineLongTask task;
        TSheetExporter exporter(prompt, printer, setup, &choice, task, document, files);
        prompt.AnswerSave(job.Export);
        exporter.Export();
        if (prompt.Failed())
            return 1;
    }
    return 0;
}

// The program needs no display: no window is shown.
int RunFromCommandLine(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallJapaneseUi(application);
    const TVersion version{BuiltVersionBlock()};
    QCoreApplication::setApplicationName(QString::fromStdString(version.ProductName()));
    QCoreApplication::setApplicationVersion(QString::fromStdString(version.FileVersion()));

    QCommandLineParser parser;
    AddBatchOptions(parser);
    parser.process(application);
    TCommandLinePrompt prompt(stdout, stderr);
    TBatchJob job;
    QString error;
    if (!ReadBatchJob(parser, job, error)) {
        prompt.Fail(error + QStringLiteral("\n使い方は --help で表示します。"));
        return 1;
    }
    return RunBatchJob(job, LoadSettings(DefaultSettingsPath()), prompt);
}

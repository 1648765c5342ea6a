// Exporting the sheet's pages for cutting machines: where a print puts them,
// in millimetres, the whole page as one drawing however many sheets it is
// printed on; one file a page for SVG and DXF and one PDF for them all.
#include "sheet_exporter.h"

#include "atomic_file.h"
#include "document/flange_partners.h"
#include "document/sheet_document.h"
#include "drawing/page_layers.h"
#include "drawing/print_layout.h"
#include "drawing/print_tiles.h"
#include "dxf_export.h"
#include "long_task.h"
#include "outside_warning.h"
#include "page_files.h"
#include "page_printer.h"
#include "page_setup.h"
#include "pdf_export.h"
#include "printer.h"
#include "prompt.h"
#include "qt_text_measure.h"
#include "sheet_files.h"
#include "svg_export.h"

#include "ui_text.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>
#include <span>

namespace {

QString ExportTitle() {
    return UiText("TSheetExporter", "エクスポート");
}
QString NothingToExportText() {
    return UiText("TSheetExporter", "書き出す図形がありません。");
}
QString UnknownTypeText() {
    return UiText("TSheetExporter",
                  "ファイル「%1」の種類が分かりません。名前の終わりを .svg、.dxf、.pdf "
                  "のどれかにしてください。");
}
QString ExportFailedText() {
    return UiText("TSheetExporter", "ファイル「%1」に書き出せませんでした。");
}
QString ExportFilter() {
    return UiText("TSheetExporter",
                  "SVGファイル (*.svg)|*.svg|DXFファイル (*.dxf)|*.dxf|PDFファイル (*.pdf)|*.pdf");
}
const QString SvgExtension = QStringLiteral("svg");

enum class TExportFormat { Svg, Dxf, Pdf };

std::optional<TExportFormat> ExportFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("svg"))
        return TExportFormat::Svg;
    if (suffix == QStringLiteral("dxf"))
        return TExportFormat::Dxf;
    if (suffix == QStringLiteral("pdf"))
        return TExportFormat::Pdf;
    return std::nullopt;
}

std::string Bytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The paper of a page tiled over several sheets: as large as the sheets
// taped together, the printer's margins around it.
TPaperLayout TiledPaper(const TPaperLayout& paper, const TTileGrid& grid) {
    const TPageAreaMm tiled = TiledArea(
        grid, {paper.Width - paper.Left - paper.Right, paper.Height - paper.Top - paper.Bottom});
    TPaperLayout whole = paper;
    whole.Width = paper.Left + tiled.Width + paper.Right;
    whole.Height = paper.Top + tiled.Height + paper.Bottom;
    return whole;
}

// The registration marks, in mm from the paper's corner shifted by shift.
std::vector<TMarkPath> RegistrationOf(const TPrintOptions& options, const TPaperLayout& paper,
                                      const TPointF& shift) {
    if (!options.RegistrationMarks)
        return {};
    std::vector<TMarkPath> marks =
        RegistrationMarks(paper.Width, paper.Height, options.RegistrationDistance);
    for (TMarkPath& mark : marks)
        for (TPointF& p : mark.Points)
            p = {p.X + shift.X, p.Y + shift.Y};
    return marks;
}

} // namespace

TSheetExporter::TSheetExporter(IPrompt& prompt, IPrinter& printer, TPageSetup& setup,
                               IExportDialog* dialog, ILongTask& longWork,
                               const TSheetDocument& document, const TSheetFiles& files)
    : Prompt(prompt), Printer(printer), Setup(setup), Dialog(dialog), LongWork(longWork),
      Document(document), Files(files) {}

// The name offered has no extension, so that the file type chosen in the
// dialog gives it one; all pages go to one file each, numbered, except in a
// PDF, which holds them all.
void TSheetExporter::Export() {
    if (Dialog == nullptr || !Dialog->Choose(Choice))
        return;
    const bool all = Choice.Pages == TExportPages::All;
    const int current = Document.CurPage();
    const std::vector<int> pages = all ? PagesWithShapes(Document.Drawing())
                                   : Document.Drawing()[current].empty()
                                       ? std::vector<int>()
                                       : std::vector<int>{current};
    if (pages.empty()) {
        Prompt.ShowWarning(ExportTitle(), NothingToExportText());
        return;
    }
    if (!ConfirmShapesInside(Prompt, Document.Drawing(), pages, Setup.PrintableOnPage()))
        return;
    const QString path =
        Prompt.SaveFileName(ExportFilter(), SvgExtension, DrawingNameAs(Files.FileName(), {}));
    if (!path.isEmpty())
        ExportPages(pages, all, path);
}

// SVG and DXF are exact: the page lies on the paper where a print puts it,
// uncorrected. A PDF is drawn as a print is, calibration included. Nothing
// is written until every page is ready, so a cancel leaves no file.
bool TSheetExporter::ExportPages(const std::vector<int>& pages, bool numbered,
                                 const QString& path) {
    const std::optional<TExportFormat> format = ExportFormatOf(path);
    if (!format) {
        Prompt.ShowError(ErrorTitle(), UnknownTypeText().arg(QDir::toNativeSeparators(path)));
        return false;
    }
    Setup.ApplyStoredPrinterSettings();
    const TPrintSettings& print = Setup.Settings();
    const TPaperLayout paper = TiledPaper(Printer.PaperLayout(), print.Options.Tiles);
    const TPageMargins margins = print.Margins();
    const QString caption = Files.Caption();
    const TZvDat& drawing = Document.Drawing();
    // With the partner page option the text layer carries the marks a print does.
    const std::vector<TPageNameMarks> marks = print.PrintPartnerPages
                                                  ? PartnerPageMarksOfAllPages(drawing)
                                                  : std::vector<TPageNameMarks>();
    const auto marksOf = [&marks](int page) {
        return IsIndexOf(marks, page) ? std::span<const std::vector<std::string>>(marks[page])
                                      : std::span<const std::vector<std::string>>();
    };
    const TDxfVersion dxfVersion = Choice.DxfR12 ? TDxfVersion::R12 : TDxfVersion::R2000;

    QString failed;
    const TLongTaskEnd end = LongWork.Run(ExportTitle(), [&](const TProgressFn& progress) {
        const TQtTextMeasure measure(print.PrintFont);
        const TPageLook look{print.Options.Folds, FontHeightMm(print.PrintFont), &measure};
        // A PDF's layers lie from the printable area's corner, the others'
        // from the paper's.
        const bool pdf = *format == TExportFormat::Pdf;
        const TPointF origin =
            pdf ? PointF(margins.Left, margins.Top) : PageOriginOnPaperMm(paper, margins);
        const TPointF marksShift = pdf ? PointF(-paper.Left, -paper.Top) : TPointF{};
        const double steps = static_cast<double>(pages.size()) * 2;
        std::vector<TPageLayers> layers;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            layers.push_back(PageLayersOf(drawing[pages[i]], origin, look, marksOf(pages[i])));
            layers.back().Registration = RegistrationOf(print.Options, paper, marksShift);
            if (!progress((i + 1) / steps))
                return false;
        }
        if (pdf) {
            QSaveFile file(path);
            int done = 0;
            if (file.open(QIODevice::WriteOnly) &&
                WritePdfOfPages(
                    file, layers,
                    {paper, print.Scale(), print.PrintFont, caption, print.Options.Folds},
                    [&] { return progress(0.5 + ++done / steps); }) &&
                file.commit())
                return true;
            failed = path;
            return false;
        }
        std::vector<std::string> files;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            files.push_back(
                *format == TExportFormat::Svg
                    ? Bytes(SvgOfPage(layers[i],
                                      {paper.Width, paper.Height, PageCaption(caption, pages[i]),
                                       print.PrintFont.family(), print.Options.Folds}))
                    : DxfOfPage(layers[i],
                                {paper.Width, paper.Height, print.Options.Folds, dxfVersion}));
            if (!progress(0.5 + (i + 1) / steps))
                return false;
        }
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const QString file = numbered ? NumberedFileName(path, pages[i] + 1) : path;
            if (files[i].empty() || !WriteFileAtomically(file, files[i])) {
                failed = file;
                return false;
            }
        }
        return true;
    });
    if (end == TLongTaskEnd::Failed && !failed.isEmpty())
        Prompt.ShowError(ErrorTitle(), ExportFailedText().arg(QDir::toNativeSeparators(failed)));
    return end == TLongTaskEnd::Finished;
}

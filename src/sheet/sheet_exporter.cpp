// Exporting the sheet's pages for cutting machines: where a print puts them,
// in millimetres, one file a page for SVG and DXF and one PDF for them all.
#include "sheet_exporter.h"

#include "atomic_file.h"
#include "document/flange_partners.h"
#include "document/sheet_document.h"
#include "drawing/page_layers.h"
#include "drawing/print_layout.h"
#include "dxf_export.h"
#include "page_files.h"
#include "page_setup.h"
#include "pdf_export.h"
#include "printer.h"
#include "prompt.h"
#include "sheet_files.h"
#include "svg_export.h"

#include "ui_text.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>

#include <span>

#include <optional>

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

constexpr long double PointsPerInch = 72;

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

// The height of the print font's letters on paper.
long double TextHeightMm(const QFont& font) {
    return QFontInfo(font).pointSizeF() * MillimetresPerInch / PointsPerInch;
}

std::string Bytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

TSheetExporter::TSheetExporter(IPrompt& prompt, IPrinter& printer, TPageSetup& setup,
                               IExportDialog* dialog, const TSheetDocument& document,
                               const TSheetFiles& files)
    : Prompt(prompt), Printer(printer), Setup(setup), Dialog(dialog), Document(document),
      Files(files) {}

// The name offered has no extension, so that the file type chosen in the
// dialog gives it one; all pages go to one file each, numbered as a
// print-all's PDF files are, except in a PDF, which holds them all.
void TSheetExporter::Export() {
    if (Dialog == nullptr || !Dialog->ChoosePages(Choice))
        return;
    const bool all = Choice == TExportPages::All;
    const int current = Document.CurPage();
    const std::vector<int> pages = all ? PagesWithShapes(Document.Drawing())
                                   : Document.Drawing()[current].empty()
                                       ? std::vector<int>()
                                       : std::vector<int>{current};
    if (pages.empty()) {
        Prompt.ShowWarning(ExportTitle(), NothingToExportText());
        return;
    }
    const QString path =
        Prompt.SaveFileName(ExportFilter(), SvgExtension, DrawingNameAs(Files.FileName(), {}));
    if (!path.isEmpty())
        ExportPages(pages, all, path);
}

// SVG and DXF are exact: the page lies on the paper where a print puts it,
// uncorrected. A PDF is drawn as a print is, calibration included.
bool TSheetExporter::ExportPages(const std::vector<int>& pages, bool numbered,
                                 const QString& path) {
    const std::optional<TExportFormat> format = ExportFormatOf(path);
    if (!format) {
        Prompt.ShowError(ErrorTitle(), UnknownTypeText().arg(QDir::toNativeSeparators(path)));
        return false;
    }
    Setup.ApplyStoredPrinterSettings();
    const TPrintSettings& print = Setup.Settings();
    const TPaperLayout paper = Printer.PaperLayout();
    const TPageMargins margins = print.Margins();
    const long double textHeight = TextHeightMm(print.PrintFont);
    const QString caption = Files.Caption();
    const auto write = [this](const QString& file, const std::string& bytes) {
        if (!bytes.empty() && WriteFileAtomically(file, bytes))
            return true;
        Prompt.ShowError(ErrorTitle(), ExportFailedText().arg(QDir::toNativeSeparators(file)));
        return false;
    };

    // With the partner page option the text layer carries the marks a print does.
    const std::vector<TPageNameMarks> marks = print.PrintPartnerPages
                                                  ? PartnerPageMarksOfAllPages(Document.Drawing())
                                                  : std::vector<TPageNameMarks>();
    const auto marksOf = [&marks](int page) {
        return IsIndexOf(marks, page) ? std::span<const std::vector<std::string>>(marks[page])
                                      : std::span<const std::vector<std::string>>();
    };

    if (*format == TExportFormat::Pdf) {
        std::vector<TPageLayers> layers;
        for (const int page : pages)
            layers.push_back(PageLayersOf(Document.Drawing()[page],
                                          PointF(margins.Left, margins.Top), textHeight,
                                          marksOf(page)));
        return write(path,
                     Bytes(PdfOfPages(layers, {paper, print.Scale(), print.PrintFont, caption})));
    }
    const TPointF origin = PageOriginOnPaperMm(paper, margins);
    for (const int page : pages) {
        const TPageLayers layers =
            PageLayersOf(Document.Drawing()[page], origin, textHeight, marksOf(page));
        const std::string bytes =
            *format == TExportFormat::Svg
                ? Bytes(SvgOfPage(layers, {paper.Width, paper.Height, PageCaption(caption, page),
                                           print.PrintFont.family()}))
                : DxfOfPage(layers, paper.Width, paper.Height);
        if (!write(numbered ? NumberedFileName(path, page + 1) : path, bytes))
            return false;
    }
    return true;
}

// The sheet's output for cutting machines and its printer calibration: the
// current page or every page with shapes exported as SVG, DXF or PDF, and
// the calibration page with the dialog that takes its measured rulers.
#include "main_fm.h"

#include "atomic_file.h"
#include "document/flange_partners.h"
#include "drawing/page_layers.h"
#include "drawing/print_calibration.h"
#include "drawing/print_layout.h"
#include "dxf_export.h"
#include "page_files.h"
#include "pdf_export.h"
#include "print_calibration_dlg.h"
#include "printer.h"
#include "prompt.h"
#include "qpainter_canvas.h"
#include "shift_jis_codec.h"
#include "svg_export.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QPainter>

#include <optional>

namespace {

const QString ExportTitle = QStringLiteral("エクスポート");
const QString NothingToExportText = QStringLiteral("書き出す図形がありません。");
const QString UnknownTypeText =
    QStringLiteral("ファイル「%1」の種類が分かりません。名前の終わりを .svg、.dxf、.pdf "
                   "のどれかにしてください。");
const QString ExportFailedText = QStringLiteral("ファイル「%1」に書き出せませんでした。");
const QString ExportFilter =
    QStringLiteral("SVGファイル (*.svg)|*.svg|DXFファイル (*.dxf)|*.dxf|PDFファイル (*.pdf)|*.pdf");
const QString SvgExtension = QStringLiteral("svg");

const QString CalibrationTitle = QStringLiteral("印刷の校正");
const QString CalibrationFile = QStringLiteral("印刷の校正.pdf");
const QString PageTooSmallText =
    QStringLiteral("校正ページには %1 × %2 mm の印刷範囲が要ります。用紙か余白を変えてください。");
// Small enough for the rulers' numbers to stand apart, whatever the print font's size.
constexpr int CalibrationFontPoints = 9;
constexpr int FactorDecimals = 4;

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

QString FactorText(long double factor) {
    return QString::number(static_cast<double>(factor), 'f', FactorDecimals);
}

std::vector<std::string> CalibrationNotes(const TPrintScale& scale) {
    const QString lengths = QStringLiteral("横の定規 %1 mm・縦の定規 %2 mm・正方形 %3 mm 四方")
                                .arg(static_cast<int>(CalibrationRulerX))
                                .arg(static_cast<int>(CalibrationRulerY))
                                .arg(static_cast<int>(CalibrationSquareSide));
    const QString factors = QStringLiteral("この印刷の補正: 横 %1・縦 %2")
                                .arg(FactorText(scale.X), FactorText(scale.Y));
    // Every character here has a Shift-JIS code, as canvas text must.
    const QString steps = QStringLiteral("定規の 0 から端の目盛りまでを測り、"
                                         "ファイル メニューの「印刷の校正」に入力してください。");
    return {UnicodeToShiftJis(CalibrationTitle), UnicodeToShiftJis(lengths),
            UnicodeToShiftJis(factors), UnicodeToShiftJis(steps)};
}

} // namespace

void TMainFm::connectExportCommands() {
    connect(ExportMi, &QAction::triggered, this, &TMainFm::ExportMiClick);
    connect(PrintCalibrationMi, &QAction::triggered, this, &TMainFm::PrintCalibrationMiClick);
}

// The name offered has no extension, so that the file type chosen in the
// dialog gives it one; all pages go to one file each, numbered as a
// print-all's PDF files are, except in a PDF, which holds them all.
void TMainFm::ExportMiClick() {
    if (ExportDlg == nullptr || !ExportDlg->ChoosePages(ExportChoice))
        return;
    std::vector<int> pages;
    const bool all = ExportChoice == TExportPages::All;
    for (std::size_t page = 0; page < Document.Drawing().size(); ++page) {
        const bool chosen = all || static_cast<int>(page) == Document.CurPage();
        if (chosen && !Document.Drawing()[page].empty())
            pages.push_back(static_cast<int>(page));
    }
    if (pages.empty()) {
        Prompt.ShowWarning(ExportTitle, NothingToExportText);
        return;
    }
    const QString path =
        Prompt.SaveFileName(ExportFilter, SvgExtension, DrawingNameAs(FileName, {}));
    if (!path.isEmpty())
        ExportPages(pages, all, path);
}

// SVG and DXF are exact: the page lies on the paper where a print puts it,
// uncorrected. A PDF is drawn as a print is, calibration included.
bool TMainFm::ExportPages(const std::vector<int>& pages, bool numbered, const QString& path) {
    const std::optional<TExportFormat> format = ExportFormatOf(path);
    if (!format) {
        Prompt.ShowError(ErrorTitle, UnknownTypeText.arg(QDir::toNativeSeparators(path)));
        return false;
    }
    ApplyStoredPrinterSettings();
    const TPaperLayout paper = Printer.PaperLayout();
    const TPageMargins margins = Print.Margins();
    const long double textHeight = TextHeightMm(Print.PrintFont);
    const auto write = [this](const QString& file, const std::string& bytes) {
        if (!bytes.empty() && WriteFileAtomically(file, bytes))
            return true;
        Prompt.ShowError(ErrorTitle, ExportFailedText.arg(QDir::toNativeSeparators(file)));
        return false;
    };

    // With the partner page option the text layer carries the marks a print does.
    const std::vector<TPageNameMarks> marks = Print.PrintPartnerPages
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
        return write(path, Bytes(PdfOfPages(
                               layers, {paper, Print.Scale(), Print.PrintFont, windowTitle()})));
    }
    const TPointF origin = PageOriginOnPaperMm(paper, margins);
    for (const int page : pages) {
        const TPageLayers layers =
            PageLayersOf(Document.Drawing()[page], origin, textHeight, marksOf(page));
        const QString title = windowTitle() + QStringLiteral(" - ") + QString::number(page + 1);
        const std::string bytes = *format == TExportFormat::Svg
                                      ? Bytes(SvgOfPage(layers, {paper.Width, paper.Height, title,
                                                                 Print.PrintFont.family()}))
                                      : DxfOfPage(layers, paper.Width, paper.Height);
        if (!write(numbered ? NumberedFileName(path, page + 1) : path, bytes))
            return false;
    }
    return true;
}

// New factors change what the printer can reach, and so the page area.
void TMainFm::PrintCalibrationMiClick() {
    if (PrintCalibrationDlg == nullptr)
        return;
    TPrintScale scale = Print.Scale();
    if (!PrintCalibrationDlg->Calibrate(scale, [this] { PrintCalibrationPage(); }))
        return;
    Print.SetScale(scale);
    ReadPrinterResolution();
    UpdateAreaSize();
    RepaintPage();
}

// Printed with the factors in force, so that a page that measures true shows
// the calibration holds, and one that does not gives the next factors.
void TMainFm::PrintCalibrationPage() {
    const TCalibrationPage page = CalibrationPage();
    if (PageWidth < page.Size.Width || PageHeight < page.Size.Height) {
        Prompt.ShowError(ErrorTitle, PageTooSmallText.arg(static_cast<double>(page.Size.Width))
                                         .arg(static_cast<double>(page.Size.Height)));
        return;
    }
    const QString offered =
        FileName.isEmpty() ? CalibrationFile : QFileInfo(FileName).dir().filePath(CalibrationFile);
    QString file;
    if (!AskPrintFileName(file, offered))
        return;
    const std::vector<std::string> notes = CalibrationNotes(Print.Scale());
    RunPrintJob(windowTitle() + QStringLiteral(" - ") + CalibrationTitle, file,
                [&](QPainter& painter) {
                    QFont font = Print.PrintFont;
                    font.setPointSize(CalibrationFontPoints);
                    painter.setFont(font);
                    TQPainterCanvas canvas(painter);
                    const TPixelShift origin =
                        PageOriginOnPaper(Print.Margins(), PrinterPxPerMMX, PrinterPxPerMMY);
                    painter.translate(static_cast<qreal>(origin.X), static_cast<qreal>(origin.Y));
                    DrawCalibrationPage(canvas, page, notes, PrinterPxPerMMX, PrinterPxPerMMY);
                });
}

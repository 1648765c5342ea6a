// Calibrating the printer: new correction factors from measured rulers, and
// the calibration page that shows the factors it was printed with.
#include "printer_calibration.h"

#include "drawing/print_calibration.h"
#include "drawing/print_layout.h"
#include "page_printer.h"
#include "page_setup.h"
#include "print_calibration_dlg.h"
#include "printer.h"
#include "prompt.h"
#include "sheet_files.h"
#include "sheet_painter.h"
#include "sheet_printing.h"
#include "shift_jis_codec.h"

#include "ui_text.h"

#include <QDir>
#include <QFileInfo>

#include <string>
#include <vector>

namespace {

QString CalibrationTitle() {
    return UiText("TPrinterCalibration", "印刷の校正");
}
QString CalibrationFile() {
    return UiText("TPrinterCalibration", "印刷の校正.pdf");
}
QString PageTooSmallText() {
    return UiText("TPrinterCalibration",
                  "校正ページには %1 × %2 mm の印刷範囲が要ります。用紙か余白を変えてください。");
}
// Small enough for the rulers' numbers to stand apart, whatever the print font's size.
constexpr int CalibrationFontPoints = 9;

QString FactorText(long double factor) {
    return QString::fromStdString(PrintScaleText(factor));
}

// Printed, so the same in either interface language.
std::vector<std::string> CalibrationNotes(const TPrintScale& scale) {
    const QString title = QStringLiteral("印刷の校正");
    const QString lengths = QStringLiteral("横の定規 %1 mm・縦の定規 %2 mm・正方形 %3 mm 四方")
                                .arg(static_cast<int>(CalibrationRulerX))
                                .arg(static_cast<int>(CalibrationRulerY))
                                .arg(static_cast<int>(CalibrationSquareSide));
    const QString factors = QStringLiteral("この印刷の補正: 横 %1・縦 %2")
                                .arg(FactorText(scale.X), FactorText(scale.Y));
    // Every character here has a Shift-JIS code, as canvas text must.
    const QString steps = QStringLiteral("定規の 0 から端の目盛りまでを測り、"
                                         "ファイル メニューの「印刷の校正」に入力してください。");
    return {UnicodeToShiftJis(title), UnicodeToShiftJis(lengths), UnicodeToShiftJis(factors),
            UnicodeToShiftJis(steps)};
}

// Printed too, like the notes.
TLegendLabels LegendLabels() {
    return {UnicodeToShiftJis(QStringLiteral("折り線1")),
            UnicodeToShiftJis(QStringLiteral("折り線2")),
            UnicodeToShiftJis(QStringLiteral("糊代の付け根"))};
}

} // namespace

TPrinterCalibration::TPrinterCalibration(IPrompt& prompt, TPageSetup& setup,
                                         TSheetPrinting& printing, IPrintCalibrationDialog* dialog,
                                         const TSheetFiles& files)
    : Prompt(prompt), Setup(setup), Printing(printing), Dialog(dialog), Files(files) {}

bool TPrinterCalibration::Calibrate() {
    if (Dialog == nullptr)
        return false;
    TPrintScale scale = Setup.Settings().Scale();
    if (!Dialog->Calibrate(scale, [this] { PrintCalibrationPage(); }))
        return false;
    Setup.SetScale(scale);
    return true;
}

// Printed with the factors in force, so that a page that measures true shows
// the calibration holds, and one that does not gives the next factors; its
// legend shows the fold lines as prints draw them.
void TPrinterCalibration::PrintCalibrationPage() {
    const TCalibrationPage page = CalibrationPage();
    // One sheet, whatever the sheets a page is tiled over.
    const TPageMargins margins = Setup.Settings().Margins();
    const TPageAreaMm sheetArea = Setup.SheetArea();
    const TPageAreaMm area{sheetArea.Width - margins.Left - margins.Right,
                           sheetArea.Height - margins.Top - margins.Bottom};
    if (area.Width < page.Size.Width || area.Height < page.Size.Height) {
        Prompt.ShowError(ErrorTitle(), PageTooSmallText()
                                           .arg(static_cast<double>(page.Size.Width))
                                           .arg(static_cast<double>(page.Size.Height)));
        return;
    }
    const QString fileName = Files.FileName();
    const QString offered = fileName.isEmpty()
                                ? CalibrationFile()
                                : QFileInfo(fileName).dir().filePath(CalibrationFile());
    QString file;
    if (!Printing.AskFileName(file, offered))
        return;
    const TPrintSettings& settings = Setup.Settings();
    QFont font = settings.PrintFont;
    font.setPointSize(CalibrationFontPoints);
    const TPrintedSheet sheet =
        CalibrationSheet(page, CalibrationNotes(settings.Scale()), settings.Options.Folds,
                         LegendLabels(), FontHeightMm(font));
    const TPrintScale scale = settings.Scale();
    Printing.RunJob(Files.Caption() + QStringLiteral(" - ") + CalibrationTitle(), file,
                    [&](IPrintJob& job, const TProgressFn&) {
                        PaintPrintedSheet(job.Painter(), sheet,
                                          {PointF(margins.Left, margins.Top),
                                           PixelsPerPaperMm(job.DotsPerInch(), scale.X),
                                           PixelsPerPaperMm(job.DotsPerInch(), scale.Y)},
                                          font);
                        return true;
                    });
}

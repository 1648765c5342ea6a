// The printer's calibration through the real PDF printer, measured on the
// rendered page at 600 dpi: a print corrected by its factors, and the
// calibration page with rulers of their lengths.
#include "japanese_ui.h"
#include "pdf_tools.h"
#include "print_calibration_dlg.h"
#include "qt_printer.h"
#include "sheet_fixture.h"

#include <QPageLayout>
#include <QPrinter>

namespace {

constexpr int RenderDotsPerInch = 600;
constexpr double Tolerance = 0.1; // mm

bool IsDark(QRgb c) {
    return qGray(c) < 160;
}

// Prints the calibration page from the dialog's button, then cancels.
class TPrintingCalibrationDialog : public IPrintCalibrationDialog {
public:
    bool Calibrate(TPrintScale&, const std::function<void()>& printPage) override {
        printPage();
        return false;
    }
};

class SheetCalibrationPdfTest : public SheetWindowTest {
protected:
    static void SetUpTestSuite() { InstallJapaneseUi(*qApp); }

    TQtPrinter PdfPrinter{TPrinterChoice::PdfOnly};
    TPrintingCalibrationDialog CalibrationDialog;

    void StartWithPdfPrinter(std::string_view settings) {
        WriteFile(SettingsPath(), settings);
        WindowPrinter = &PdfPrinter;
        Dialogs.Calibration = &CalibrationDialog;
        Fm = NewWindow();
    }

    // Where the page's origin lies on the paper, in mm: the printable area's
    // corner, and the margins in as the printer's factors correct them.
    QPointF PageOrigin(double left, double top, double scaleX, double scaleY) {
        const QPoint corner = PdfPrinter.Printer().pageLayout().paintRectPixels(300).topLeft();
        return {corner.x() * 25.4 / 300 + left / scaleX, corner.y() * 25.4 / 300 + top / scaleY};
    }
};

// A printer that prints 1 % short across and 1 % long down gets the 100 mm
// square 101.01 mm wide and 99.01 mm high, and prints it 100 mm square.
TEST_F(SheetCalibrationPdfTest, APrintIsDrawnToUndoWhatThePrinterDoes) {
    StartWithPdfPrinter("[Print]\nLYohaku=10\nTYohaku=5\nPrintScaleX=0.99\nPrintScaleY=1.01\n");
    Open({{Square(100, {20, 30})}});
    const QString pdf = PathIn(QStringLiteral("page.pdf"));
    Prompt.Answers.push_back(TPromptAnswer::Ok);
    Prompt.FileNames.push_back(pdf);
    Trigger("Print1");
    ASSERT_TRUE(Prompt.Errors.empty());

    const QImage page = RenderPdfPage(pdf, RenderDotsPerInch);
    ASSERT_FALSE(page.isNull());
    const QPointF origin = PageOrigin(10, 5, 0.99, 1.01);
    const double left = origin.x() + 20 / 0.99;
    const double top = origin.y() + 30 / 1.01;
    const std::vector<double> across =
        LineCentresMm(page, top + 50, true, RenderDotsPerInch, IsDark);
    EXPECT_NEAR(NearestLineMm(across, left), left, Tolerance);
    EXPECT_NEAR(NearestLineMm(across, left + 101.01) - NearestLineMm(across, left), 101.01,
                Tolerance);
    const std::vector<double> down =
        LineCentresMm(page, left + 50, false, RenderDotsPerInch, IsDark);
    EXPECT_NEAR(NearestLineMm(down, top), top, Tolerance);
    EXPECT_NEAR(NearestLineMm(down, top + 99.01) - NearestLineMm(down, top), 99.01, Tolerance);
}

// The horizontal ruler starts 15 mm in and 12 mm down, the vertical one 12 mm
// in and 25 mm down; a row 1 mm past each ruler's line crosses every tick.
TEST_F(SheetCalibrationPdfTest, TheCalibrationPageHasRulersOfTheirLengthsAndItsNotes) {
    StartWithPdfPrinter("[Print]\nLYohaku=10\nTYohaku=5\n");
    const QString pdf = PathIn(QStringLiteral("calibration.pdf"));
    Prompt.FileNames.push_back(pdf);
    Trigger("PrintCalibrationMi");
    ASSERT_TRUE(Prompt.Errors.empty());

    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("印刷の校正"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("横 1.0000・縦 1.0000"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("150"))) << text.toStdString();
    // Every character of the notes came through Shift-JIS.
    EXPECT_FALSE(text.contains(u'?')) << text.toStdString();

    const QImage page = RenderPdfPage(pdf, RenderDotsPerInch);
    ASSERT_FALSE(page.isNull());
    const QPointF origin = PageOrigin(10, 5, 1, 1);
    const std::vector<double> ticksAcross =
        LineCentresMm(page, origin.y() + 13, true, RenderDotsPerInch, IsDark);
    ASSERT_FALSE(ticksAcross.empty());
    const double first = NearestLineMm(ticksAcross, origin.x() + 15);
    const double last = NearestLineMm(ticksAcross, origin.x() + 165);
    EXPECT_NEAR(first, origin.x() + 15, Tolerance);
    EXPECT_NEAR(last - first, 150, Tolerance);
    // One tick per millimetre between them.
    EXPECT_EQ(std::count_if(ticksAcross.begin(), ticksAcross.end(),
                            [&](double x) { return x > first - 0.5 && x < last + 0.5; }),
              151);

    const std::vector<double> ticksDown =
        LineCentresMm(page, origin.x() + 13, false, RenderDotsPerInch, IsDark);
    const double top = NearestLineMm(ticksDown, origin.y() + 25);
    EXPECT_NEAR(top, origin.y() + 25, Tolerance);
    EXPECT_NEAR(NearestLineMm(ticksDown, origin.y() + 225) - top, 200, Tolerance);

    // The square's sides 40 and 140 mm in.
    const std::vector<double> acrossSquare =
        LineCentresMm(page, origin.y() + 80, true, RenderDotsPerInch, IsDark);
    EXPECT_NEAR(NearestLineMm(acrossSquare, origin.x() + 140) -
                    NearestLineMm(acrossSquare, origin.x() + 40),
                100, Tolerance);
}

} // namespace

// A page printed without a printer, through the real PDF printer, measured on
// the PDF's rendered page: one millimetre of the drawing is one millimetre on
// paper all over the page, the flange names and the caption are text, and
// the page is drawn in vectors; with the partner page option the names carry
// their partners' pages.
#include "japanese_ui.h"
#include "pdf_tools.h"
#include "qt_printer.h"
#include "sheet_fixture.h"
#include "shift_jis_codec.h"

#include <QPageLayout>
#include <QPrinter>

#include <algorithm>
#include <vector>

namespace {

constexpr long double RightAngle = Pi / 2;
constexpr int RenderDotsPerInch = 600;
constexpr double Tolerance = 0.1; // mm

double RenderPixelToMm(double pixel) {
    return pixel * 25.4 / RenderDotsPerInch;
}
int MmToRenderPixel(double mm) {
    return static_cast<int>(mm * RenderDotsPerInch / 25.4);
}

bool IsDark(const QImage& page, int x, int y) {
    return qGray(page.pixel(x, y)) < 160;
}

// The centres, in mm from the paper's edge, of the dark runs crossed along a
// row (or a column) of the rendered page.
std::vector<double> LineCentres(const QImage& page, int fixed, bool alongRow) {
    std::vector<double> centres;
    const int length = alongRow ? page.width() : page.height();
    int start = -1;
    for (int i = 0; i <= length; ++i) {
        const bool dark =
            i < length && (alongRow ? IsDark(page, i, fixed) : IsDark(page, fixed, i));
        if (dark && start < 0)
            start = i;
        if (!dark && start >= 0) {
            centres.push_back(RenderPixelToMm((start + i) / 2.0));
            start = -1;
        }
    }
    return centres;
}

// The line nearest to where one is expected.
double NearestLine(const std::vector<double>& centres, double expected) {
    if (centres.empty())
        return -1;
    return *std::min_element(centres.begin(), centres.end(), [expected](double a, double b) {
        return std::abs(a - expected) < std::abs(b - expected);
    });
}

class SheetPrintPdfTest : public SheetWindowTest {
protected:
    static void SetUpTestSuite() { InstallJapaneseUi(*qApp); }

    TQtPrinter PdfPrinter{TPrinterChoice::PdfOnly};

    void StartWithPdfPrinter() {
        WindowPrinter = &PdfPrinter;
        Fm = NewWindow();
    }

    // Where the printable area begins on the paper, in mm.
    QPointF PrintableOrigin() {
        const QPoint origin = PdfPrinter.Printer().pageLayout().paintRectPixels(300).topLeft();
        return {origin.x() * 25.4 / 300, origin.y() * 25.4 / 300};
    }
};

TEST_F(SheetPrintPdfTest, APageComesOutAtFullSizeInAVectorPdf) {
    WriteFile(SettingsPath(), "[Print]\nTYohaku=5\nLYohaku=10\n");
    StartWithPdfPrinter();
    const long double width = Fm.PageAreaWidth();
    const long double height = Fm.PageAreaHeight();
    ASSERT_GT(width, 180);
    ASSERT_GT(height, 270);

    TPolygon rectangle = Rect(100, 50, {20, 30});
    const std::string name = UnicodeToShiftJis(QStringLiteral("のりA1"));
    rectangle.Flanges[0] = MakeFlange(name, 8, RightAngle / 2, RightAngle / 2);
    // A square in the far corner shows the scale holds over the whole page.
    const TPolygon corner = Square(10, {width - 15, height - 15});
    Open({{rectangle, corner}});

    const QString pdf = PathIn(QStringLiteral("page.pdf"));
    Prompt.Answers.push_back(TPromptAnswer::Ok);
    Prompt.FileNames.push_back(pdf);
    Trigger("Print1");
    ASSERT_TRUE(Prompt.Errors.empty());

    const QString info = PdfInfo(pdf);
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))));
    EXPECT_TRUE(PdfToolOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                    .trimmed()
                    .count(u'\n') == 1)
        << "the page holds no pictures, only lines and text";
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("のりA1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Zelvo - drawing - 1"))) << text.toStdString();

    const QImage page = RenderPdfPage(pdf, RenderDotsPerInch);
    ASSERT_FALSE(page.isNull());
    // The drawing's origin on paper: the printable area's corner and the margins.
    const double left = PrintableOrigin().x() + 10;
    const double top = PrintableOrigin().y() + 5;

    const std::vector<double> acrossRectangle = LineCentres(page, MmToRenderPixel(top + 55), true);
    const double rectangleLeft = NearestLine(acrossRectangle, left + 20);
    const double rectangleRight = NearestLine(acrossRectangle, left + 120);
    EXPECT_NEAR(rectangleLeft, left + 20, Tolerance);
    EXPECT_NEAR(rectangleRight, left + 120, Tolerance);
    EXPECT_NEAR(rectangleRight - rectangleLeft, 100, Tolerance);

    const std::vector<double> downRectangle = LineCentres(page, MmToRenderPixel(left + 30), false);
    const double rectangleTop = NearestLine(downRectangle, top + 30);
    const double rectangleBottom = NearestLine(downRectangle, top + 80);
    EXPECT_NEAR(rectangleTop, top + 30, Tolerance);
    EXPECT_NEAR(rectangleBottom, top + 80, Tolerance);
    EXPECT_NEAR(rectangleBottom - rectangleTop, 50, Tolerance);
    // The flange's outer edge, 8 mm above the side.
    EXPECT_NEAR(NearestLine(downRectangle, top + 22), top + 22, Tolerance);

    const double cornerX = static_cast<double>(width) - 15;
    const double cornerY = static_cast<double>(height) - 15;
    EXPECT_NEAR(NearestLine(LineCentres(page, MmToRenderPixel(top + cornerY + 5), true),
                            left + cornerX + 10),
                left + cornerX + 10, Tolerance);
    EXPECT_NEAR(NearestLine(LineCentres(page, MmToRenderPixel(left + cornerX + 5), false),
                            top + cornerY + 10),
                top + cornerY + 10, Tolerance);
}

TEST_F(SheetPrintPdfTest, WithThePartnerPageOptionANameShowsThePageOfItsPartner) {
    const auto named = [](const char* name, const TPointF& at) {
        TPolygon shape = Rect(60, 20, at);
        shape.Flanges[0] = MakeFlange(name, 8, RightAngle, RightAngle);
        return shape;
    };
    const TZvDat drawing = {{named("A", {20, 30})},
                            {named("B", {20, 30}), named("B", {20, 100})},
                            {named("A", {20, 30})}};

    WriteFile(SettingsPath(), "[Print]\nPrintPartnerPage=1\n");
    StartWithPdfPrinter();
    Open(drawing);
    Prompt.Answers.push_back(TPromptAnswer::Ok);
    Prompt.FileNames.push_back(PathIn(QStringLiteral("on.pdf")));
    Trigger("PrintAll");
    ASSERT_TRUE(Prompt.Errors.empty());
    const QString first = PdfText(PathIn(QStringLiteral("on-1.pdf")));
    EXPECT_TRUE(first.contains(QStringLiteral("A→3"))) << first.toStdString();
    const QString second = PdfText(PathIn(QStringLiteral("on-2.pdf")));
    EXPECT_TRUE(second.contains(QStringLiteral("B"))) << second.toStdString();
    EXPECT_FALSE(second.contains(QStringLiteral("→"))) << "partners on the same page";
    const QString third = PdfText(PathIn(QStringLiteral("on-3.pdf")));
    EXPECT_TRUE(third.contains(QStringLiteral("A→1"))) << third.toStdString();

    Fm.reset();
    WriteFile(SettingsPath(), "[Print]\nPrintPartnerPage=0\n");
    StartWithPdfPrinter();
    Open(drawing);
    Prompt.Answers.push_back(TPromptAnswer::Ok);
    Prompt.FileNames.push_back(PathIn(QStringLiteral("off.pdf")));
    Trigger("Print1");
    const QString plain = PdfText(PathIn(QStringLiteral("off.pdf")));
    EXPECT_TRUE(plain.contains(QStringLiteral("A"))) << plain.toStdString();
    EXPECT_FALSE(plain.contains(QStringLiteral("→"))) << plain.toStdString();
    EXPECT_FALSE(plain.contains(QStringLiteral("A3"))) << plain.toStdString();
}

} // namespace

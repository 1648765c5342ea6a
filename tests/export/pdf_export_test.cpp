// Tests of the PDF export, rendered with pdftoppm at 600 dpi and measured:
// the printer's paper with the page at its place within 0.1 mm, each layer
// in its colour, the names as text, one PDF page per page, and the printer's
// calibration applied.
#include "pdf_export.h"

#include "export/export_drawing.h"
#include "japanese_ui.h"
#include "pdf_tools.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr int RenderDotsPerInch = 600;
constexpr double Tolerance = 0.1; // mm

// A4 with the printer's margins of 5 mm, 7 mm at the top; the page's origin
// 10 mm in from the printable area's corner both ways.
const TPaperLayout A4{210, 297, 5, 7, 5, 5};
const TPointF MarginsIn{10, 10};
constexpr double PageLeft = 5 + 10;
constexpr double PageTop = 7 + 10;

using TColourTest = std::function<bool(QRgb)>;

bool IsRed(QRgb c) {
    return qRed(c) > 180 && qGreen(c) < 120 && qBlue(c) < 120;
}
bool IsBlue(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 120 && qGreen(c) < 120;
}
bool IsGreen(QRgb c) {
    return qGreen(c) > 180 && qRed(c) < 120 && qBlue(c) < 120;
}

std::vector<double> LinesAcross(const QImage& page, double mm, bool alongRow,
                                const TColourTest& colour) {
    return LineCentresMm(page, mm, alongRow, RenderDotsPerInch, colour);
}

class PdfExportTest : public testing::Test {
protected:
    static void SetUpTestSuite() { InstallJapaneseUi(*qApp); }

    QTemporaryDir Folder;

    QString Write(const std::vector<TPageLayers>& pages, const TPrintScale& scale) {
        QFont font(QStringLiteral("IPAMincho"));
        font.setPointSize(12);
        const QByteArray pdf = PdfOfPages(pages, {A4, scale, font, QStringLiteral("box"), {}});
        EXPECT_FALSE(pdf.isEmpty());
        const QString path = Folder.filePath(QStringLiteral("page.pdf"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(pdf);
        return path;
    }
};

TEST_F(PdfExportTest, ThePageLiesOnThePrintersPaperWithEachLayerInItsColour) {
    const TPageLayers layers = PageLayersOf(ExportPage(), MarginsIn, NameHeight);
    const QString pdf = Write({layers, layers}, {});

    const QString info = PdfInfo(pdf);
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +2\\n"))));
    EXPECT_TRUE(PdfToolOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                    .trimmed()
                    .count(u'\n') == 1)
        << "the pages hold no pictures, only lines and text";
    const QString text = PdfText(pdf);
    for (const char* name : {"のりA1", "B2", "C3"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(name))) << name;

    const QImage page = RenderPdfPageInColour(pdf, RenderDotsPerInch, 2);
    ASSERT_FALSE(page.isNull());
    // Across the square 30 mm down the page: its plain left side is cut, its
    // flanged right side folds, the flange's outer edge is cut.
    const double row = PageTop + 30;
    EXPECT_NEAR(NearestLineMm(LinesAcross(page, row, true, IsRed), PageLeft + 10), PageLeft + 10,
                Tolerance);
    EXPECT_NEAR(NearestLineMm(LinesAcross(page, row, true, IsBlue), PageLeft + 50), PageLeft + 50,
                Tolerance);
    EXPECT_NEAR(NearestLineMm(LinesAcross(page, row, true, IsRed), PageLeft + 58), PageLeft + 58,
                Tolerance);
    // The set 2 fold line from (50, 20) to (10, 60) crosses that row at 40.
    EXPECT_NEAR(NearestLineMm(LinesAcross(page, row, true, IsGreen), PageLeft + 40), PageLeft + 40,
                Tolerance);
    // Down the square 20 mm in: the flange's edge is cut, the top side folds,
    // the bottom side is cut.
    const double column = PageLeft + 20;
    EXPECT_NEAR(NearestLineMm(LinesAcross(page, column, false, IsRed), PageTop + 12), PageTop + 12,
                Tolerance);
    EXPECT_NEAR(NearestLineMm(LinesAcross(page, column, false, IsBlue), PageTop + 20), PageTop + 20,
                Tolerance);
    EXPECT_NEAR(NearestLineMm(LinesAcross(page, column, false, IsRed), PageTop + 60), PageTop + 60,
                Tolerance);
    // The plain rectangle far down is all cut.
    EXPECT_NEAR(NearestLineMm(LinesAcross(page, PageLeft + 35, false, IsRed), PageTop + 110),
                PageTop + 110, Tolerance);
}

// A printer that prints 1 % short across and 1 % long down gets a 100 mm
// square drawn 101.01 mm wide and 99.01 mm high.
TEST_F(PdfExportTest, TheCalibrationCorrectsWhatThePrinterDoes) {
    const TPageLayers layers = PageLayersOf({Square(100, {20, 30})}, MarginsIn, NameHeight);
    const QImage page =
        RenderPdfPageInColour(Write({layers}, {0.99L, 1.01L}), RenderDotsPerInch, 1);
    ASSERT_FALSE(page.isNull());
    const double left = 5 + (10 + 20) / 0.99;
    const double top = 7 + (10 + 30) / 1.01;
    const std::vector<double> across = LinesAcross(page, top + 50, true, IsRed);
    const double width = NearestLineMm(across, left + 101.01) - NearestLineMm(across, left);
    EXPECT_NEAR(NearestLineMm(across, left), left, Tolerance);
    EXPECT_NEAR(width, 101.01, Tolerance);
    const std::vector<double> down = LinesAcross(page, left + 50, false, IsRed);
    EXPECT_NEAR(NearestLineMm(down, top + 99.01) - NearestLineMm(down, top), 99.01, Tolerance);
}

TEST_F(PdfExportTest, ALandscapePaperGivesALandscapePage) {
    const TPaperLayout landscape{297, 210, 5, 5, 5, 5};
    QFont font(QStringLiteral("IPAMincho"));
    const QByteArray pdf = PdfOfPages({PageLayersOf({Square(10)}, {}, 4)},
                                      {landscape, {}, font, QStringLiteral("box"), {}});
    const QString path = Folder.filePath(QStringLiteral("wide.pdf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    const QString info = PdfInfo(path);
    // Exactly the paper's size, not rounded to whole points.
    EXPECT_TRUE(info.contains(QStringLiteral("841.89 x 595.276 pts (A4)"))) << info.toStdString();
}

} // namespace

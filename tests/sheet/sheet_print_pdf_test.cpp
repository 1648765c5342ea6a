// Pages printed without a printer, through the real PDF printer, measured on
// the PDF's rendered pages and read from its drawing instructions: one
// millimetre of the drawing is one millimetre on paper all over the page, on
// paper of exactly the chosen size, the flange names and the caption are
// text, and the page is drawn in vectors; with the partner page option the
// names carry their partners' pages; each fold line style shows on paper;
// what is selected on screen prints as everything else; a page tiled over
// two sheets comes out whole when the sheets are laid over each other by
// their marks; sides of one length print at one length.
#include "drawing/outside_marks.h"
#include "drawing/print_tiles.h"
#include "geometry/plane_geometry.h"
#include "japanese_ui.h"
#include "pdf_tools.h"
#include "qt_printer.h"
#include "sheet_fixture.h"
#include "shift_jis_codec.h"

#include <QDir>
#include <QFile>
#include <QLineF>
#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
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

// The runs of dark pixels along the row atMm down the page, from fromMm to
// toMm across it, each as its start and length in mm.
struct TRun {
    double Start = 0;
    double Length = 0;
};
std::vector<TRun> RunsAlong(const QImage& page, double atMm, double fromMm, double toMm) {
    std::vector<TRun> runs;
    const int row = MmToRenderPixel(atMm);
    int start = -1;
    for (int x = MmToRenderPixel(fromMm); x <= MmToRenderPixel(toMm) + 1; ++x) {
        const bool dark = x <= MmToRenderPixel(toMm) && IsDark(page, x, row);
        if (dark && start < 0)
            start = x;
        if (!dark && start >= 0) {
            runs.push_back({RenderPixelToMm(start), RenderPixelToMm(x - start)});
            start = -1;
        }
    }
    return runs;
}

// The middle of the lengths, which a few runs cut by the range's ends do not move.
double Median(std::vector<double> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class SheetPrintPdfTest : public SheetWindowTest {
protected:
    static void SetUpTestSuite() { InstallJapaneseUi(*qApp); }

    TQtPrinter PdfPrinter{TPrinterChoice::PdfOnly};

    void StartWithPdfPrinter() {
        WindowPrinter = &PdfPrinter;
        Fm = NewWindow();
    }

    // Prints the current page, or every page, to the file named.
    void PrintTo(const QString& pdf, const char* command = "Print1") {
        Prompt.Answers.push_back(TPromptAnswer::Ok);
        Prompt.FileNames.push_back(pdf);
        Trigger(command);
        ASSERT_TRUE(Prompt.Errors.empty());
    }

    // Where the printable area begins on the paper, in mm.
    QPointF PrintableOrigin() {
        const QPageLayout layout = PdfPrinter.Printer().pageLayout();
        return layout.paintRect(QPageLayout::Millimeter).topLeft() -
               layout.fullRect(QPageLayout::Millimeter).topLeft();
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
    EXPECT_TRUE(info.contains(QStringLiteral("595.276 x 841.89 pts (A4)"))) << info.toStdString();
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
    const QString all = PathIn(QStringLiteral("on.pdf"));
    Prompt.Answers.push_back(TPromptAnswer::Ok);
    Prompt.FileNames.push_back(all);
    Trigger("PrintAll");
    ASSERT_TRUE(Prompt.Errors.empty());
    // One file, one page per printed page.
    EXPECT_TRUE(PdfInfo(all).contains(QRegularExpression(QStringLiteral("Pages: +3\\n"))));
    const QString first = PdfPageText(all, 1);
    EXPECT_TRUE(first.contains(QStringLiteral("A→3"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("Zelvo - drawing - 1"))) << first.toStdString();
    const QString second = PdfPageText(all, 2);
    EXPECT_TRUE(second.contains(QStringLiteral("B"))) << second.toStdString();
    EXPECT_FALSE(second.contains(QStringLiteral("→"))) << "partners on the same page";
    const QString third = PdfPageText(all, 3);
    EXPECT_TRUE(third.contains(QStringLiteral("A→1"))) << third.toStdString();
    EXPECT_TRUE(third.contains(QStringLiteral("Zelvo - drawing - 3"))) << third.toStdString();

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

// An octagon 100 x 40 mm with a flange on its top side, a fold line of set 1
// across it at 45 mm and one of set 2 at 60 mm, every kind printed 0.3 mm wide
// in the style of the case: along each line the paper shows the style.
struct TStyleCase {
    const char* Name;
    TLineStyle Style;
};

class FoldStylePdfTest : public SheetPrintPdfTest,
                         public testing::WithParamInterface<TStyleCase> {};

TEST_P(FoldStylePdfTest, EachKindOfFoldLineShowsItsStyleOnPaper) {
    const int code = static_cast<int>(GetParam().Style);
    std::string settings = "[Print]\n";
    for (const char* kind : {"FoldLine1", "FoldLine2", "FlangeBase"})
        settings +=
            std::string(kind) + "Style=" + std::to_string(code) + "\n" + kind + "Width=0.3\n";
    WriteFile(SettingsPath(), settings);
    StartWithPdfPrinter();
    TPolygon octagon =
        Shape({{20, 30}, {120, 30}, {120, 45}, {120, 60}, {120, 70}, {20, 70}, {20, 60}, {20, 45}});
    octagon.Flanges[0] = MakeFlange("", 8, RightAngle, RightAngle);
    octagon.BendLines[0] = {MakeBendLine(2, 7)};
    octagon.BendLines[1] = {MakeBendLine(3, 6)};
    Open({{octagon}});
    const QString pdf = PathIn(QStringLiteral("styles.pdf"));
    PrintTo(pdf);
    const QImage page = RenderPdfPage(pdf, RenderDotsPerInch);
    ASSERT_FALSE(page.isNull());
    const double left = PrintableOrigin().x();
    const double top = PrintableOrigin().y();

    for (const double y : {30.0, 45.0, 60.0}) {
        SCOPED_TRACE(y);
        const std::vector<TRun> inside = RunsAlong(page, top + y, left + 22, left + 118);
        const std::vector<TRun> beyond = RunsAlong(page, top + y, left + 120.3, left + 130);
        std::vector<double> dashes;
        std::vector<double> gaps;
        for (std::size_t i = 0; i < inside.size(); ++i) {
            dashes.push_back(inside[i].Length);
            if (i > 0)
                gaps.push_back(inside[i].Start - inside[i - 1].Start - inside[i - 1].Length);
        }
        switch (GetParam().Style) {
        case TLineStyle::Solid:
            ASSERT_EQ(inside.size(), 1u);
            EXPECT_NEAR(inside[0].Length, 96, 0.1);
            EXPECT_TRUE(beyond.empty());
            break;
        case TLineStyle::Dashed:
            EXPECT_GT(inside.size(), 50u);
            EXPECT_NEAR(Median(dashes), 1.0, 0.1);
            EXPECT_NEAR(Median(gaps), 0.7, 0.1);
            break;
        case TLineStyle::DashDot: {
            // Long dashes and dots in turn.
            EXPECT_GT(inside.size(), 50u);
            std::vector<double> longOnes;
            std::vector<double> dots;
            for (const double dash : dashes)
                (dash > 0.8 ? longOnes : dots).push_back(dash);
            EXPECT_NEAR(Median(longOnes), 1.6, 0.1);
            EXPECT_NEAR(Median(dots), 0.2, 0.1);
            EXPECT_LE(std::abs(static_cast<int>(longOnes.size()) - static_cast<int>(dots.size())),
                      2);
            EXPECT_NEAR(Median(gaps), 0.5, 0.1);
            break;
        }
        case TLineStyle::OutsideMarks:
            EXPECT_TRUE(inside.empty());
            ASSERT_EQ(beyond.size(), 1u);
            EXPECT_NEAR(beyond[0].Start, left + 120 + OutsideMarkGap, 0.1);
            EXPECT_NEAR(beyond[0].Length, OutsideMarkLength, 0.1);
            break;
        case TLineStyle::Hidden:
            EXPECT_TRUE(inside.empty());
            EXPECT_TRUE(beyond.empty());
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, FoldStylePdfTest,
                         testing::Values(TStyleCase{"Solid", TLineStyle::Solid},
                                         TStyleCase{"Dashed", TLineStyle::Dashed},
                                         TStyleCase{"DashDot", TLineStyle::DashDot},
                                         TStyleCase{"OutsideMarks", TLineStyle::OutsideMarks},
                                         TStyleCase{"Hidden", TLineStyle::Hidden}),
                         [](const testing::TestParamInfo<TStyleCase>& info) {
                             return info.param.Name;
                         });

// Selected on screen, the shape still prints black, its name and all.
TEST_F(SheetPrintPdfTest, ASelectedShapePrintsBlackWithItsName) {
    StartWithPdfPrinter();
    TPolygon named = Rect(100, 30, {20, 30});
    named.Flanges[0] = MakeFlange("Tab1", 8, RightAngle, RightAngle);
    Open({{named}});
    Fm->SelectPolygon(0);
    const QString pdf = PathIn(QStringLiteral("selected.pdf"));
    PrintTo(pdf);
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("Tab1")));
    const QImage page = RenderPdfPageInColour(pdf, RenderDotsPerInch, 1);
    ASSERT_FALSE(page.isNull());
    int coloured = 0;
    int dark = 0;
    for (int y = 0; y < page.height(); y += 2)
        for (int x = 0; x < page.width(); x += 2) {
            const QRgb c = page.pixel(x, y);
            coloured += std::max({qRed(c), qGreen(c), qBlue(c)}) -
                                    std::min({qRed(c), qGreen(c), qBlue(c)}) >
                                40
                            ? 1
                            : 0;
            dark += qGray(c) < 160 ? 1 : 0;
        }
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(dark, 0);
}

// A page of 2 x 1 sheets with a 300 mm long rectangle across both: laid over
// each other so that their alignment crosses meet, the sheets give the
// rectangle's length back within 0.2 mm.
TEST_F(SheetPrintPdfTest, ATwoSheetPageReproducesItsLengthsWhenTheSheetsMeetAtTheirMarks) {
    WriteFile(SettingsPath(), "[Print]\nTileColumns=2\n");
    StartWithPdfPrinter();
    const TPageAreaMm sheet = Fm.Setup().SheetArea();
    ASSERT_NEAR(static_cast<double>(Fm.PageAreaWidth()),
                static_cast<double>(2 * sheet.Width - TileOverlap), 1e-9);
    Open({{Rect(300, 10, {30, 100})}});
    const QString pdf = PathIn(QStringLiteral("tiled.pdf"));
    PrintTo(pdf);
    EXPECT_TRUE(PdfInfo(pdf).contains(QRegularExpression(QStringLiteral("Pages: +2\\n"))));
    EXPECT_TRUE(PdfPageText(pdf, 1).contains(QStringLiteral("1-1 / 2")));
    EXPECT_TRUE(PdfPageText(pdf, 2).contains(QStringLiteral("2-1 / 2")));

    const double left = PrintableOrigin().x();
    const double top = PrintableOrigin().y();
    const double width = static_cast<double>(sheet.Width);
    // The crosses' vertical arms cross this row, the rectangle's ends the other.
    const double crossRow = top + static_cast<double>(sheet.Height) / 2 + 2;
    const auto dark = [](QRgb c) { return qGray(c) < 160; };
    const QImage first = RenderPdfPageInColour(pdf, RenderDotsPerInch, 1);
    const QImage second = RenderPdfPageInColour(pdf, RenderDotsPerInch, 2);
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    const double start =
        NearestLineMm(LineCentresMm(first, top + 105, true, RenderDotsPerInch, dark), left + 30);
    const double cross1 = NearestLineMm(
        LineCentresMm(first, crossRow, true, RenderDotsPerInch, dark), left + width - 5);
    const double cross2 =
        NearestLineMm(LineCentresMm(second, crossRow, true, RenderDotsPerInch, dark), left + 5);
    const double end = NearestLineMm(
        LineCentresMm(second, top + 105, true, RenderDotsPerInch, dark), left + 330 - (width - 10));
    EXPECT_NEAR(cross1, left + width - 5, 0.1);
    EXPECT_NEAR(cross2, left + 5, 0.1);
    EXPECT_NEAR((cross1 - start) + (end - cross2), 300, 0.2);
}

// Partner sides of one length, at odd places and turns, as their base lines
// stand in the PDF's drawing instructions: equally long within 0.01 mm, and
// where the file puts them.
TEST_F(SheetPrintPdfTest, PartnerSidesOfOneLengthPrintAtOneLength) {
    StartWithPdfPrinter();
    TPolygon first = Shape({{13.37L, 21.91L}, {71.123L, 38.417L}, {29.5L, 77.77L}});
    first.Flanges[0] = MakeFlange("P", 6, RightAngle, RightAngle);
    TPolygon second = first;
    RotatePoints(second.Apexes, {40, 40}, DegToRad(33.3L));
    for (TPointF& p : second.Apexes)
        p = {p.X + 60.013L, p.Y + 101.71L};
    Open({{first, second}});
    const QString pdf = PathIn(QStringLiteral("partners.pdf"));
    PrintTo(pdf);
    const double paperHeight =
        PdfPrinter.Printer().pageLayout().fullRect(QPageLayout::Millimeter).height();
    const std::vector<std::vector<TPdfPath>> pages = PdfPagePaths(pdf, paperHeight);
    ASSERT_EQ(pages.size(), 1u);
    const QPointF origin = PrintableOrigin();
    // The two-point path from one end of the side to the other.
    const auto baseLine = [&](const TPolygon& shape) {
        const QPointF a(origin.x() + static_cast<double>(shape.Apexes[0].X),
                        origin.y() + static_cast<double>(shape.Apexes[0].Y));
        const QPointF b(origin.x() + static_cast<double>(shape.Apexes[1].X),
                        origin.y() + static_cast<double>(shape.Apexes[1].Y));
        for (const TPdfPath& path : pages[0])
            if (path.size() == 2 && QLineF(path[0], a).length() < 0.01 &&
                QLineF(path[1], b).length() < 0.01)
                return QLineF(path[0], path[1]).length();
        ADD_FAILURE() << "no base line from " << a.x() << ", " << a.y();
        return -1.0;
    };
    const double length = static_cast<double>(PointDistance(first.Apexes[0], first.Apexes[1]));
    const double printed1 = baseLine(first);
    const double printed2 = baseLine(second);
    EXPECT_NEAR(printed1, length, 0.01);
    EXPECT_NEAR(printed2, length, 0.01);
    EXPECT_NEAR(printed1, printed2, 0.01);
}

// A name the window shows but Shift-JIS cannot hold prints as the window shows it.
TEST_F(SheetPrintPdfTest, TheCaptionShowsAFileNameOutsideShiftJis) {
    StartWithPdfPrinter();
    std::string bytes;
    ASSERT_TRUE(DrawingToText({{Square(10, {20, 20})}}, bytes));
    const QString drawing = PathIn(QStringLiteral("箱😀.zvt"));
    WriteFile(drawing, bytes);
    Prompt.FileNames.push_back(drawing);
    Trigger("Open1");
    ASSERT_EQ(Fm->CurrentFileName(), drawing);
    const QString pdf = PathIn(QStringLiteral("caption.pdf"));
    PrintTo(pdf);
    // Through Shift-JIS the emoji would have become "?". Qt's PDF writer gives
    // text readers no Unicode for a glyph beyond 16 bits, so the emoji shows
    // as the glyph of a font that has it, embedded beside the print font.
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Zelvo - 箱"))) << text.toStdString();
    EXPECT_FALSE(text.contains(u'?')) << text.toStdString();
    const QString fonts = PdfToolOutput(QStringLiteral("pdffonts"), {pdf});
    EXPECT_EQ(fonts.count(QStringLiteral("CID TrueType")), 2) << fonts.toStdString();
}

// Cancelled half way, a print leaves no file: neither a part of one nor a
// change to the file that was there.
TEST_F(SheetPrintPdfTest, ACancelledPrintLeavesTheFileAsItWas) {
    TCancelAtReportLongTask longWork;
    longWork.CancelAt = std::numeric_limits<int>::max(); // opening runs as long work too
    LongTask = &longWork;
    StartWithPdfPrinter();
    Open({{Square(10)}, {Square(10)}, {Square(10)}});
    longWork.CancelAt = 1;
    const QString pdf = PathIn(QStringLiteral("old.pdf"));
    WriteFile(pdf, "old");
    Prompt.Answers.push_back(TPromptAnswer::Ok);
    Prompt.FileNames.push_back(pdf);
    Trigger("PrintAll");
    EXPECT_TRUE(Prompt.Errors.empty());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old"));
    EXPECT_EQ(QDir(Dir.path()).entryList({QStringLiteral("*.pdf*")}, QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("old.pdf")});
}

} // namespace

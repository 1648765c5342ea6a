// Tests of the sheet's export and printer calibration on stand-in services:
// the page choice, the file type from the file's name, one file per page for
// SVG and DXF and one PDF for all, pages where a print puts them, the
// calibration applied to prints and PDF but never to SVG or DXF, the warning
// of shapes beyond the printable area, a cancelled export, a tiled page
// exported whole with its registration marks, and the calibration command
// with its page.
#include "page_files.h"
#include "pdf_tools.h"
#include "print_calibration_dlg.h"
#include "sheet_fixture.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <limits>
#include <optional>

namespace {

constexpr long double RightAngle = Pi / 2;

const QString ExportFilter =
    QStringLiteral("SVGファイル (*.svg)|*.svg|DXFファイル (*.dxf)|*.dxf|PDFファイル (*.pdf)|*.pdf");

class TFakeExportDialog : public IExportDialog {
public:
    std::optional<TExportPages> Answer; // none: cancelled
    bool DxfR12 = false;
    std::vector<TExportChoice> Offered;

    bool Choose(TExportChoice& choice) override {
        Offered.push_back(choice);
        if (!Answer)
            return false;
        choice = {*Answer, DxfR12};
        return true;
    }
};

// Answers with the factors the test entered, or cancels; PrintsPage stands for
// a click on the button that prints the calibration page.
class TFakeCalibrationDialog : public IPrintCalibrationDialog {
public:
    std::optional<TPrintScale> Answer;
    bool PrintsPage = false;
    std::vector<TPrintScale> Offered;

    bool Calibrate(TPrintScale& scale, const std::function<void()>& printPage) override {
        Offered.push_back(scale);
        if (PrintsPage)
            printPage();
        if (!Answer)
            return false;
        scale = *Answer;
        return true;
    }
};

// The first point of the first path of the SVG group id.
QPointF FirstPointOf(const QString& svgFile, const QString& id) {
    QFile file(svgFile);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << svgFile.toStdString();
    QXmlStreamReader xml(&file);
    bool inGroup = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QStringLiteral("g"))
            inGroup = xml.attributes().value(QStringLiteral("id")) == id;
        if (inGroup && xml.name() == QStringLiteral("path")) {
            static const QRegularExpression start(QStringLiteral("^M (-?[0-9.]+) (-?[0-9.]+)"));
            const QRegularExpressionMatch match =
                start.match(xml.attributes().value(QStringLiteral("d")).toString());
            return {match.captured(1).toDouble(), match.captured(2).toDouble()};
        }
    }
    ADD_FAILURE() << "no path in " << id.toStdString();
    return {};
}

QString SvgRootAttribute(const QString& svgFile, const char* name) {
    QFile file(svgFile);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.attributes().value(QLatin1String(name)).toString();
    return {};
}

class SheetExportTest : public SheetWindowTest {
protected:
    TFakeExportDialog ExportDialog;
    TFakeCalibrationDialog CalibrationDialog;

    // Empty settings keep the file as it is.
    void Start(std::string_view settings = "[Print]\nTYohaku=5\nLYohaku=10\n") {
        if (!settings.empty())
            WriteFile(SettingsPath(), settings);
        Dialogs.Export = &ExportDialog;
        Dialogs.Calibration = &CalibrationDialog;
        SheetWindowTest::Start();
    }

    void Export(TExportPages pages, const QString& file) {
        ExportDialog.Answer = pages;
        Prompt.FileNames.push_back(file);
        Trigger("ExportMi");
    }

    static TPolygon FlangedSquare() {
        TPolygon square = Square(40, {10, 20});
        square.Flanges[0] = MakeFlange("A1", 8, RightAngle, RightAngle);
        square.BendLines[1] = {MakeBendLine(1, 3)};
        return square;
    }
};

// The fake printer's paper is 200 x 287 mm with its printable area 10 mm in
// from the top-left corner; the margins put the page 10 mm and 5 mm further in.
TEST_F(SheetExportTest, TheCurrentPageGoesToTheFileNamedWhereAPrintPutsIt) {
    Start();
    Open({{Square(10)}, {FlangedSquare()}});
    Fm->findChild<TPageTabs*>(QStringLiteral("TabControl1"))->setCurrentIndex(1);
    const QString svg = PathIn(QStringLiteral("box.svg"));
    Export(TExportPages::Current, svg);

    EXPECT_TRUE(Prompt.Errors.empty());
    ASSERT_EQ(Prompt.Filters.size(), 2);
    EXPECT_EQ(Prompt.Filters.back(), ExportFilter);
    EXPECT_EQ(Prompt.Extensions.back(), QStringLiteral("svg"));
    // The drawing's name without an extension, so that the type chosen gives it one.
    EXPECT_EQ(Prompt.InitialPaths.back(), PathIn(QStringLiteral("drawing")));
    EXPECT_EQ(SvgRootAttribute(svg, "width"), QStringLiteral("200mm"));
    EXPECT_EQ(SvgRootAttribute(svg, "height"), QStringLiteral("287mm"));
    const QPointF cut = FirstPointOf(svg, QStringLiteral("cut"));
    EXPECT_NEAR(cut.x(), 10 + 10 + 10, 1e-6);
    EXPECT_NEAR(cut.y(), 10 + 5 + 20, 1e-6);
    const QPointF fold = FirstPointOf(svg, QStringLiteral("fold-2"));
    EXPECT_NEAR(fold.x(), 10 + 10 + 50, 1e-6);
    EXPECT_NEAR(fold.y(), 10 + 5 + 20, 1e-6);
    EXPECT_FALSE(Fm->IsModified());
}

TEST_F(SheetExportTest, AllPagesAreOneFileEachForCuttersAndOnePdf) {
    Start();
    Open({{Square(10)}, {}, {FlangedSquare()}});
    Export(TExportPages::All, PathIn(QStringLiteral("out.dxf")));
    EXPECT_TRUE(QFileInfo::exists(PathIn(QStringLiteral("out-1.dxf"))));
    EXPECT_FALSE(QFileInfo::exists(PathIn(QStringLiteral("out-2.dxf"))));
    EXPECT_TRUE(QFileInfo::exists(PathIn(QStringLiteral("out-3.dxf"))));
    EXPECT_FALSE(QFileInfo::exists(PathIn(QStringLiteral("out.dxf"))));

    Export(TExportPages::All, PathIn(QStringLiteral("out.SVG")));
    EXPECT_TRUE(QFileInfo::exists(PathIn(QStringLiteral("out-3.SVG"))));

    const QString pdf = PathIn(QStringLiteral("out.pdf"));
    Export(TExportPages::All, pdf);
    EXPECT_TRUE(PdfInfo(pdf).contains(QRegularExpression(QStringLiteral("Pages: +2\\n"))));
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("A1")));
    EXPECT_TRUE(Prompt.Errors.empty());
    // The choice is offered again the next time.
    ASSERT_EQ(ExportDialog.Offered.size(), 3u);
    EXPECT_EQ(ExportDialog.Offered[0].Pages, TExportPages::Current);
    EXPECT_EQ(ExportDialog.Offered[1].Pages, TExportPages::All);
    EXPECT_EQ(ExportDialog.Offered[2].Pages, TExportPages::All);
}

TEST_F(SheetExportTest, NothingToExportSaysSoAndAsksForNoFile) {
    Start();
    Open({{}, {Square(10)}});
    ExportDialog.Answer = TExportPages::Current;
    Trigger("ExportMi");
    ASSERT_EQ(Prompt.Warnings.size(), 1u);
    EXPECT_EQ(Prompt.Warnings[0].Title, QStringLiteral("エクスポート"));
    EXPECT_EQ(Prompt.Warnings[0].Text, QStringLiteral("書き出す図形がありません。"));

    // Cancelling the page choice asks nothing more.
    ExportDialog.Answer = std::nullopt;
    Trigger("ExportMi");
    EXPECT_EQ(Prompt.Warnings.size(), 1u);
    EXPECT_EQ(Prompt.Filters.size(), 1); // the open dialog only
}

TEST_F(SheetExportTest, AFileOfAnotherTypeOrOneThatCannotBeWrittenIsReported) {
    Start();
    Open({{Square(10)}});
    const QString png = PathIn(QStringLiteral("page.png"));
    Export(TExportPages::Current, png);
    ASSERT_EQ(Prompt.Errors.size(), 1u);
    EXPECT_EQ(Prompt.Errors[0].Title, QStringLiteral("エラー"));
    EXPECT_EQ(Prompt.Errors[0].Text,
              QStringLiteral("ファイル「%1」の種類が分かりません。名前の終わりを .svg、.dxf、.pdf "
                             "のどれかにしてください。")
                  .arg(QDir::toNativeSeparators(png)));
    EXPECT_FALSE(QFileInfo::exists(png));

    const QString nowhere = PathIn(QStringLiteral("missing/page.svg"));
    Export(TExportPages::Current, nowhere);
    ASSERT_EQ(Prompt.Errors.size(), 2u);
    EXPECT_EQ(Prompt.Errors[1].Text, QStringLiteral("ファイル「%1」に書き出せませんでした。")
                                         .arg(QDir::toNativeSeparators(nowhere)));
}

// The page is 180 mm wide inside a 190 mm printable area: the second square
// reaches 10 mm past it.
TEST_F(SheetExportTest, ShapesBeyondThePrintableAreaAreNamedBeforeExporting) {
    Start();
    Open({{Square(10), Square(20, {170, 10})}});
    const QString svg = PathIn(QStringLiteral("out.svg"));
    Prompt.Answers = {TPromptAnswer::Cancel};
    Export(TExportPages::Current, svg);
    ASSERT_EQ(Prompt.Questions.size(), 1u);
    EXPECT_TRUE(Prompt.Questions[0].Text.contains(QStringLiteral("1 ページ: 2 番目の図形")))
        << Prompt.Questions[0].Text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(svg));
    Prompt.FileNames.clear(); // no file was asked for

    Prompt.Answers = {TPromptAnswer::Ok};
    Export(TExportPages::Current, svg);
    EXPECT_TRUE(QFileInfo::exists(svg));
}

// Cancelled once every page is drawn and one file is ready, or half-way
// through a PDF: the files there before are as they were, no other is made.
TEST_F(SheetExportTest, ACancelledExportLeavesTheFilesAsTheyWere) {
    TCancelAtReportLongTask longWork;
    longWork.CancelAt = std::numeric_limits<int>::max(); // opening runs as long work too
    LongTask = &longWork;
    Start();
    Open({{Square(10)}, {Square(10)}});
    for (const char* name : {"out.svg", "out.pdf"}) {
        SCOPED_TRACE(name);
        const QString path = PathIn(QString::fromLatin1(name));
        const QString first = NumberedFileName(path, 1);
        WriteFile(first, "before");
        WriteFile(path, "before");
        longWork.Reports = 0;
        longWork.CancelAt = 3;
        Export(TExportPages::All, path);
        EXPECT_EQ(longWork.Reports, 3);
        for (const QString& file : {first, path}) {
            QFile kept(file);
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), QByteArray("before"));
        }
        EXPECT_FALSE(QFileInfo::exists(NumberedFileName(path, 2)));
        EXPECT_TRUE(Prompt.Errors.empty());
    }
}

// A page printed on 2 x 1 sheets is exported whole: the paper is the 370 mm
// of the tiled area between the printer's own margins, the registration
// marks in a layer of their own.
TEST_F(SheetExportTest, ATiledPageIsExportedAsOneDrawingWithItsRegistrationMarks) {
    Start("[Print]\nTileColumns=2\nRegistrationMarks=1\nRegistrationDistance=10\n");
    Open({{Rect(300, 10, {20, 20})}});
    const QString svg = PathIn(QStringLiteral("wide.svg"));
    Export(TExportPages::Current, svg);
    EXPECT_TRUE(Prompt.Errors.empty());
    EXPECT_EQ(SvgRootAttribute(svg, "width"), QStringLiteral("380mm"));
    EXPECT_EQ(SvgRootAttribute(svg, "height"), QStringLiteral("287mm"));
    const QPointF mark = FirstPointOf(svg, QStringLiteral("registration"));
    EXPECT_NEAR(mark.x(), 10, 1e-6);
    EXPECT_NEAR(mark.y(), 10, 1e-6);
}

// A printer that prints 1 % short across and 1 % long down: the 100 mm
// square is printed 101.01 mm wide and 99.01 mm high, at 10 pixels per mm.
TEST_F(SheetExportTest, EveryPrintIsCorrectedForTheCalibration) {
    Start("[Print]\nPrintScaleX=0.99\nPrintScaleY=1.01\n");
    EXPECT_NEAR(static_cast<double>(Fm.PageAreaWidth()), 190 * 0.99, 1e-9);
    EXPECT_NEAR(static_cast<double>(Fm.PageAreaHeight()), 277 * 1.01, 1e-9);
    Open({{Square(100, {10, 10})}});
    Prompt.Answers.push_back(TPromptAnswer::Ok);
    Trigger("Print1");
    ASSERT_EQ(Printer.Printed.size(), 1u);
    const QImage& page = Printer.Printed[0].Sheets[0];
    const auto dark = [](QRgb c) { return qGray(c) < 160; };
    // The sides' centres, in mm of the printed image (254 dpi).
    const std::vector<double> across = LineCentresMm(page, 60, true, 254, dark);
    const double left = NearestLineMm(across, 10 / 0.99);
    EXPECT_NEAR(left, 10 / 0.99, 0.05);
    EXPECT_NEAR(NearestLineMm(across, left + 101.01) - left, 101.01, 0.05);
    const std::vector<double> down = LineCentresMm(page, 60, false, 254, dark);
    const double top = NearestLineMm(down, 10 / 1.01);
    EXPECT_NEAR(NearestLineMm(down, top + 99.01) - top, 99.01, 0.05);
}

TEST_F(SheetExportTest, SvgAndDxfAreExactWhateverTheCalibration) {
    Start("[Print]\nPrintScaleX=0.95\nPrintScaleY=1.05\n");
    Open({{Square(100, {10, 10})}});
    const QString svg = PathIn(QStringLiteral("exact.svg"));
    Export(TExportPages::Current, svg);
    const QPointF corner = FirstPointOf(svg, QStringLiteral("cut"));
    EXPECT_NEAR(corner.x(), 20, 1e-6);
    EXPECT_NEAR(corner.y(), 20, 1e-6);
    EXPECT_EQ(SvgRootAttribute(svg, "width"), QStringLiteral("200mm"));
}

TEST_F(SheetExportTest, APdfExportIsCorrectedAsPrintsAre) {
    Start("[Print]\nPrintScaleX=0.99\nPrintScaleY=1.01\n");
    Open({{Square(100, {10, 10})}});
    const QString pdf = PathIn(QStringLiteral("page.pdf"));
    Export(TExportPages::Current, pdf);
    const QImage page = RenderPdfPageInColour(pdf, 600, 1);
    ASSERT_FALSE(page.isNull());
    const auto red = [](QRgb c) { return qRed(c) > 180 && qGreen(c) < 120 && qBlue(c) < 120; };
    // From the printable area's corner, 10 mm in: the square 10 mm further.
    const double left = 10 + 10 / 0.99;
    const double top = 10 + 10 / 1.01;
    const std::vector<double> across = LineCentresMm(page, top + 50, true, 600, red);
    EXPECT_NEAR(NearestLineMm(across, left), left, 0.1);
    EXPECT_NEAR(NearestLineMm(across, left + 101.01) - NearestLineMm(across, left), 101.01, 0.1);
    const std::vector<double> down = LineCentresMm(page, left + 50, false, 600, red);
    EXPECT_NEAR(NearestLineMm(down, top + 99.01) - NearestLineMm(down, top), 99.01, 0.1);
}

struct TScaleCase {
    const char* Name;
    const char* Stored;
    long double Read;
};

class StoredPrintScaleTest : public SheetExportTest,
                             public testing::WithParamInterface<TScaleCase> {};

TEST_P(StoredPrintScaleTest, IsReadOnlyWhenAccepted) {
    Start(std::string("[Print]\nPrintScaleX=") + GetParam().Stored + "\n");
    EXPECT_EQ(Fm.PrintSettings().PrintScaleX, GetParam().Read);
    EXPECT_EQ(Fm.PrintSettings().PrintScaleY, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredPrintScaleTest,
    testing::Values(TScaleCase{"Accepted", "0.95", 0.95L}, TScaleCase{"TooLarge", "2", 1},
                    TScaleCase{"TooSmall", "0.5", 1}, TScaleCase{"NotANumber", "abc", 1},
                    TScaleCase{"Empty", "", 1}),
    [](const testing::TestParamInfo<TScaleCase>& info) { return info.param.Name; });

TEST_F(SheetExportTest, CalibrationStoresTheNewFactorsAndResizesThePage) {
    Start("[Print]\n");
    CalibrationDialog.Answer = TPrintScale{0.99L, 1.01L};
    Trigger("PrintCalibrationMi");
    EXPECT_EQ(CalibrationDialog.Offered, std::vector<TPrintScale>{TPrintScale{}});
    EXPECT_EQ(Fm.PrintSettings().Scale(), (TPrintScale{0.99L, 1.01L}));
    EXPECT_NEAR(static_cast<double>(Fm.PageAreaWidth()), 190 * 0.99, 1e-9);
    EXPECT_EQ(PaintBox()->width(), static_cast<int>(std::lround(190 * 0.99 * 3.5)));

    // A cancelled calibration keeps them.
    CalibrationDialog.Answer = std::nullopt;
    Trigger("PrintCalibrationMi");
    EXPECT_EQ(CalibrationDialog.Offered.back(), (TPrintScale{0.99L, 1.01L}));
    EXPECT_EQ(Fm.PrintSettings().Scale(), (TPrintScale{0.99L, 1.01L}));

    Fm.reset();
    const TIniFile stored = StoredSettings();
    EXPECT_EQ(stored.ReadString("Print", "PrintScaleX", ""), "0.99");
    EXPECT_EQ(stored.ReadString("Print", "PrintScaleY", ""), "1.01");
    Start("");
    EXPECT_EQ(Fm.PrintSettings().Scale(), (TPrintScale{0.99L, 1.01L}));
}

// The rulers start 15 mm and 12 mm in; at 10 pixels per mm the 150 mm ruler
// printed with a factor of 0.99 is 1515 pixels long.
TEST_F(SheetExportTest, TheCalibrationPageIsPrintedWithTheFactorsInForce) {
    Start("[Print]\nPrintScaleX=0.99\n");
    CalibrationDialog.PrintsPage = true;
    Trigger("PrintCalibrationMi");
    ASSERT_EQ(Printer.Printed.size(), 1u);
    EXPECT_EQ(Printer.Printed[0].Title, QStringLiteral("Zelvo - 印刷の校正"));
    const QImage& page = Printer.Printed[0].Sheets[0];
    int first = -1;
    int last = -1;
    for (int x = 0; x < page.width(); ++x)
        if (qGray(page.pixel(x, 125)) < 160) {
            first = first < 0 ? x : first;
            last = x;
        }
    EXPECT_NEAR(first, 15 / 0.99 * 10, 1);
    EXPECT_NEAR(last - first, 1500 / 0.99, 1);
    EXPECT_TRUE(Prompt.Errors.empty());
}

TEST_F(SheetExportTest, TheCalibrationPageNeedsRoomForItsRulers) {
    Start("[Print]\nLYohaku=30\n");
    CalibrationDialog.PrintsPage = true;
    Trigger("PrintCalibrationMi");
    EXPECT_TRUE(Printer.Printed.empty());
    ASSERT_EQ(Prompt.Errors.size(), 1u);
    EXPECT_EQ(Prompt.Errors[0].Text,
              QStringLiteral("校正ページには 170 × 230 mm の印刷範囲が要ります。"
                             "用紙か余白を変えてください。"));
}

TEST_F(SheetExportTest, WithoutPrinterTheCalibrationPageIsAFileOfItsOwnName) {
    Printer.ToFile = true;
    Start();
    Open({{Square(10)}});
    CalibrationDialog.PrintsPage = true;
    Prompt.FileNames.push_back(PathIn(QStringLiteral("cal.pdf")));
    Trigger("PrintCalibrationMi");
    ASSERT_EQ(Printer.Printed.size(), 1u);
    EXPECT_EQ(Printer.Printed[0].File, PathIn(QStringLiteral("cal.pdf")));
    EXPECT_EQ(Prompt.InitialPaths.back(), PathIn(QStringLiteral("印刷の校正.pdf")));
}

} // namespace

// Tests of the sheet's printing on a stand-in printer that prints onto
// images at 10 pixels per millimetre: the print settings and the page area,
// the stored printer settings, the print font, the two print commands with
// their questions, captions and files, the warning of shapes beyond the
// printable area, pages tiled over several sheets, the preview, a cancelled
// print, and the about box command.
#include "print_set_dlg.h"
#include "sheet_fixture.h"

#include <QDialog>
#include <QFontInfo>
#include <QKeySequence>
#include <QPageLayout>
#include <QPageSize>

#include <functional>
#include <limits>
#include <optional>

namespace {

constexpr QRgb White = 0xFFFFFF;

constexpr long double RightAngle = Pi / 2;

const QString PrintPageText = QStringLiteral("現在表示中のページを印刷します。");
const QString PrintAllText = QStringLiteral("全てのページを印刷します。");

// Shows the margins it was given and closes with the ones the test entered,
// or with Cancel; WhileShown stands for what the user does in between, Ticked
// for how the user leaves the partner page box.
class TFakePrintSetDialog : public IPrintSetDialog {
public:
    std::optional<TPageMargins> Entered;
    std::optional<bool> Ticked;
    std::optional<TPrintOptions> Chosen; // the options the user leaves
    std::vector<TPrintOptions> OptionsLoaded;
    std::function<void()> WhileShown;
    std::vector<TPageMargins> Loaded;
    std::vector<bool> PartnerPagesLoaded;

    void LoadMargins(const TPageMargins& margins) override {
        Loaded.push_back(margins);
        FMargins = margins;
    }
    bool ShowModal() override {
        if (WhileShown)
            WhileShown();
        if (Entered)
            FMargins = *Entered;
        if (Ticked)
            FPartnerPages = *Ticked;
        if (Chosen)
            FOptions = *Chosen;
        return Entered.has_value();
    }
    TPageMargins ReadMargins() const override { return FMargins; }
    void LoadPartnerPages(bool print) override {
        PartnerPagesLoaded.push_back(print);
        FPartnerPages = print;
    }
    bool ReadPartnerPages() const override { return FPartnerPages; }
    void LoadOptions(const TPrintOptions& options) override {
        OptionsLoaded.push_back(options);
        FOptions = options;
    }
    TPrintOptions ReadOptions() const override { return FOptions; }

private:
    TPageMargins FMargins;
    bool FPartnerPages = false;
    TPrintOptions FOptions;
};

// An about box that counts how often it is shown instead of waiting for a person.
class TCountingDialog : public QDialog {
public:
    int Shown = 0;
    int exec() override {
        ++Shown;
        return QDialog::Accepted;
    }
};

// Lines are drawn smooth: a line through a pixel's corner greys its
// neighbours. Ink is a dark grey pixel within one pixel of (x, y).
bool InkNear(const QImage& page, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (qGray(page.pixel(x + dx, y + dy)) < 160)
                return true;
    return false;
}

bool HasColour(const QImage& page, const QRect& area, const std::function<bool(QRgb)>& colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (colour(page.pixel(x, y)))
                return true;
    return false;
}

bool IsBluish(QRgb c) {
    return qBlue(c) > qRed(c) + 40;
}

// The bounding box of the pixels in area that are not white; empty when all are.
QRect InkIn(const QImage& page, const QRect& area) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((page.pixel(x, y) & 0xFFFFFF) != White)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

class SheetPrintTest : public SheetWindowTest {
protected:
    TFakePrintSetDialog Dialog;
    TCountingDialog AboutBox;

    void Start(std::string_view settings = {}) {
        if (!settings.empty())
            WriteFile(SettingsPath(), settings);
        Dialogs.PrintSet = &Dialog;
        Dialogs.AboutBox = &AboutBox;
        SheetWindowTest::Start();
    }

    void PrintCurrentPage() {
        Prompt.Answers.push_back(TPromptAnswer::Ok);
        Trigger("Print1");
    }
    void PrintAllPages() {
        Prompt.Answers.push_back(TPromptAnswer::Ok);
        Trigger("PrintAll");
    }
};

TEST_F(SheetPrintTest, OkStoresTheMarginsAndThePrintersSettingsAndResizesThePage) {
    Start();
    ASSERT_DOUBLE_EQ(static_cast<double>(Fm.PageAreaWidth()), 190);
    Dialog.Entered = TPageMargins{0, 0, 10, 15};
    // The user turns the paper in the printer's own setup.
    Dialog.WhileShown = [this] {
        Printer.Current = {QPageSize::A4, QPageLayout::Landscape, 100};
        std::swap(Printer.PageWidth, Printer.PageHeight);
    };
    Trigger("PrintSetMi");
    EXPECT_EQ(Dialog.Loaded, std::vector<TPageMargins>{TPageMargins{}});
    EXPECT_DOUBLE_EQ(static_cast<double>(Fm.PageAreaWidth()), 277 - 25);
    EXPECT_DOUBLE_EQ(static_cast<double>(Fm.PageAreaHeight()), 190);
    EXPECT_EQ(PaintBox()->size(), QSize(882, 665));
    EXPECT_EQ(Fm.PrintSettings().Margins(), (TPageMargins{0, 0, 10, 15}));
    EXPECT_EQ(Fm.PrintSettings().StoredDevice(),
              (TPrinterDevice{QPageSize::A4, QPageLayout::Landscape, 100}));

    // Negative margins widen the page; the dialog shows what is stored.
    Dialog.WhileShown = nullptr;
    Dialog.Entered = TPageMargins{-5, 0, 0, 0};
    Trigger("PrintSetMi");
    EXPECT_EQ(Dialog.Loaded.back(), (TPageMargins{0, 0, 10, 15}));
    EXPECT_DOUBLE_EQ(static_cast<double>(Fm.PageAreaWidth()), 277);
    EXPECT_DOUBLE_EQ(static_cast<double>(Fm.PageAreaHeight()), 195);

    Fm.reset();
    const TIniFile stored = StoredSettings();
    EXPECT_EQ(stored.ReadInteger("Print", "TYohaku", 0), -5);
    EXPECT_EQ(stored.ReadInteger("Print", "LYohaku", 9), 0);
    EXPECT_EQ(stored.ReadInteger("Print", "PrintPaperSize", -1), QPageSize::A4);
    EXPECT_EQ(stored.ReadInteger("Print", "PrintDir", -1), QPageLayout::Landscape);
    EXPECT_EQ(stored.ReadInteger("Print", "PrintPaperScale", -1), 100);
}

TEST_F(SheetPrintTest, CancelStoresNothingAndKeepsThePage) {
    Start(TenMillimetreMargins);
    Dialog.Entered = std::nullopt;
    Dialog.WhileShown = [this] { Printer.Current = {QPageSize::A3, QPageLayout::Portrait, 100}; };
    Trigger("PrintSetMi");
    EXPECT_EQ(Dialog.Loaded, std::vector<TPageMargins>{(TPageMargins{10, 10, 10, 10})});
    EXPECT_EQ(Fm.PrintSettings().Margins(), (TPageMargins{10, 10, 10, 10}));
    EXPECT_EQ(Fm.PrintSettings().PrintPaperSize, -1);
    EXPECT_DOUBLE_EQ(static_cast<double>(Fm.PageAreaWidth()), 170);
    // What the printer's own setup changed stays with the printer.
    EXPECT_EQ(Printer.Current.PaperSize, QPageSize::A3);
}

TEST_F(SheetPrintTest, ThePartnerPageOptionStartsOffAndIsKeptOnlyWithOk) {
    Start();
    EXPECT_FALSE(Fm.PrintSettings().PrintPartnerPages);
    Dialog.Entered = TPageMargins{};
    Dialog.Ticked = true;
    Trigger("PrintSetMi");
    EXPECT_TRUE(Fm.PrintSettings().PrintPartnerPages);

    Dialog.Entered = std::nullopt;
    Dialog.Ticked = false;
    Trigger("PrintSetMi");
    EXPECT_EQ(Dialog.PartnerPagesLoaded, (std::vector<bool>{false, true}));
    EXPECT_TRUE(Fm.PrintSettings().PrintPartnerPages) << "cancelled";

    Fm.reset();
    EXPECT_EQ(StoredSettings().ReadInteger("Print", "PrintPartnerPage", 0), 1);
    Start();
    EXPECT_TRUE(Fm.PrintSettings().PrintPartnerPages);
    Dialog.Entered = TPageMargins{};
    Trigger("PrintSetMi");
    EXPECT_EQ(Dialog.PartnerPagesLoaded.back(), true);
    Fm.reset();
    EXPECT_EQ(StoredSettings().ReadInteger("Print", "PrintPartnerPage", 1), 0);
}

TEST_F(SheetPrintTest, StoredPrinterSettingsAreAppliedAtStartBeforeTheDialogAndEachPage) {
    Start("[Print]\nPrintPaperSize=8\nPrintDir=1\nPrintPaperScale=100\n");
    const TPrinterDevice stored{8, 1, 100};
    EXPECT_EQ(Printer.DevicesSet, std::vector<TPrinterDevice>{stored});

    Printer.Current = {QPageSize::A4, 0, 100};
    Dialog.WhileShown = [&] { EXPECT_EQ(Printer.Current, stored); };
    Trigger("PrintSetMi");
    EXPECT_EQ(Printer.DevicesSet.size(), 2u);

    Open({{Square(10)}, {Square(10)}});
    Printer.Current = {QPageSize::A4, 0, 100};
    PrintAllPages();
    ASSERT_GE(Printer.DevicesSet.size(), 3u);
    EXPECT_EQ(Printer.DevicesSet.back(), stored);
    ASSERT_EQ(Printer.Printed.size(), 1u);
    EXPECT_EQ(Printer.Printed[0].Sheets.size(), 2u);
}

TEST_F(SheetPrintTest, WithoutStoredPaperThePrintersOwnSettingsAreUsed) {
    Start("[Print]\nPrintDir=1\nPrintPaperScale=100\n");
    Open({{Square(10)}});
    Dialog.Entered = std::nullopt;
    Trigger("PrintSetMi");
    PrintCurrentPage();
    EXPECT_TRUE(Printer.DevicesSet.empty());
    EXPECT_EQ(Printer.Printed.size(), 1u);
}

TEST_F(SheetPrintTest, PrintingAnEmptyCurrentPageAsksNothingAndPrintsNothing) {
    Start();
    Open({{}, {Square(10)}});
    Trigger("Print1");
    EXPECT_TRUE(Prompt.Questions.empty());
    EXPECT_TRUE(Printer.Printed.empty());
}

TEST_F(SheetPrintTest, EachPrintCommandAsksFirstAndCancelPrintsNothing) {
    Start();
    Open({{Square(10)}});
    Prompt.Answers = {TPromptAnswer::Cancel, TPromptAnswer::Cancel};
    Trigger("Print1");
    Trigger("PrintAll");
    ASSERT_EQ(Prompt.Questions.size(), 2u);
    EXPECT_EQ(Prompt.Questions[0].Title, QStringLiteral("情報"));
    EXPECT_EQ(Prompt.Questions[0].Text, PrintPageText);
    EXPECT_EQ(Prompt.Questions[1].Text, PrintAllText);
    EXPECT_TRUE(Printer.Printed.empty());

    // Printing all pages asks even when there is nothing to print.
    Trigger("New1");
    PrintAllPages();
    EXPECT_EQ(Prompt.Questions.size(), 3u);
    EXPECT_TRUE(Printer.Printed.empty());
}

TEST_F(SheetPrintTest, APageIsPrintedAtFullSizeInsideTheLeftAndTopMargins) {
    Start("[Print]\nTYohaku=5\nLYohaku=10\nRYohaku=20\nBYohaku=30\n");
    Open({{Rect(20, 10, {30, 40}), Square(10, {100, 40})}});
    PrintCurrentPage();
    ASSERT_EQ(Printer.Printed.size(), 1u);
    EXPECT_EQ(Printer.Printed[0].Title, QStringLiteral("Zelvo - drawing - 1"));
    EXPECT_TRUE(Printer.Printed[0].File.isEmpty());
    ASSERT_EQ(Printer.Printed[0].Sheets.size(), 1u);
    const QImage& page = Printer.Printed[0].Sheets[0];

    // The rectangle's corners at 10 pixels per millimetre, 10 mm in and 5 mm down.
    for (const QPoint corner : {QPoint(400, 450), QPoint(600, 450), QPoint(400, 550),
                                QPoint(600, 550), QPoint(1100, 450), QPoint(1200, 550)})
        EXPECT_TRUE(InkNear(page, corner.x(), corner.y())) << corner.x() << ", " << corner.y();
    // Lines centred on the pixel edges at 40 and 60 mm (pixels 400 and 600)
    // grey the pixels on both sides.
    EXPECT_EQ(InkIn(page, QRect(300, 400, 400, 200)), QRect(QPoint(399, 449), QPoint(600, 550)));
    EXPECT_FALSE(Fm->IsModified());
}

// What happens to be selected on screen changes nothing on paper: every
// shape prints black with all its names.
TEST_F(SheetPrintTest, ASelectedShapePrintsBlackWithItsNames) {
    Start();
    TPolygon named = Rect(100, 20, {20, 40});
    named.Flanges[0] = MakeFlange("Tab1", 10, RightAngle, RightAngle);
    Open({{named}});
    PrintCurrentPage();
    Fm->SelectPolygon(0);
    PrintCurrentPage();
    ASSERT_EQ(Printer.Printed.size(), 2u);
    const QImage& plain = Printer.Printed[0].Sheets[0];
    const QImage& selected = Printer.Printed[1].Sheets[0];
    EXPECT_EQ(selected, plain);
    EXPECT_FALSE(HasColour(selected, selected.rect(), IsBluish));
    // The name stands in the flange above the top side.
    EXPECT_FALSE(InkIn(selected, QRect(210, 310, 980, 80)).isEmpty());
    // Printing leaves the view, the drawing and the history alone.
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt{0});
    EXPECT_FALSE(Fm->IsModified());
}

TEST_F(SheetPrintTest, TheCaptionSitsInTheBottomRightCornerOfThePrintableArea) {
    Start();
    Open({{Square(10)}});
    PrintCurrentPage();
    ASSERT_EQ(Printer.Printed.size(), 1u);
    const QImage& page = Printer.Printed[0].Sheets[0];
    const QRect caption = InkIn(page, QRect(0, 200, 1900, 2570));
    ASSERT_FALSE(caption.isEmpty());
    // Glyphs keep a little room inside the text cell; 12 points are about 42 pixels.
    EXPECT_GE(caption.right(), 1899 - 10);
    EXPECT_GE(caption.bottom(), 2769 - 15);
    EXPECT_LE(caption.height(), 45);
    EXPECT_GT(caption.width(), 200);
}

TEST_F(SheetPrintTest, PrintAllPrintsEachPageWithShapesOnASheetOfOneJob) {
    Start();
    Open({{Square(10, {10, 10})}, {}, {Square(10, {50, 50})}});
    PrintAllPages();
    ASSERT_EQ(Printer.Printed.size(), 1u);
    EXPECT_EQ(Printer.Printed[0].Title, QStringLiteral("Zelvo - drawing"));
    const std::vector<QImage>& sheets = Printer.Printed[0].Sheets;
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_TRUE(InkNear(sheets[0], 100, 100));
    EXPECT_FALSE(InkNear(sheets[0], 500, 500));
    EXPECT_FALSE(InkNear(sheets[1], 100, 100));
    EXPECT_TRUE(InkNear(sheets[1], 500, 500));
    // Each sheet carries its own page's number in its caption.
    EXPECT_NE(InkIn(sheets[0], QRect(1000, 2700, 900, 70)),
              InkIn(sheets[1], QRect(1000, 2700, 900, 70)));
    // The command leaves the page shown as it was.
    EXPECT_EQ(Fm->CurrentPage(), 0);
}

TEST_F(SheetPrintTest, FlangeNamesArePrintedInThePrintFont) {
    Start();
    TPolygon flanged = Rect(100, 20, {20, 40});
    flanged.Flanges[0] = MakeFlange("Tab1", 10, RightAngle, RightAngle);
    Open({{flanged}});
    const QRect flange(200, 300, 1000, 100); // the 10 mm deep flange above the top side
    PrintCurrentPage();
    const QRect small = InkIn(Printer.Printed.back().Sheets[0], flange.adjusted(1, 1, -1, -1));

    QFont large = Fm.PrintSettings().PrintFont;
    large.setPointSize(24);
    Prompt.Fonts.push_back(large);
    Trigger("PrintFontSetMi");
    EXPECT_EQ(Fm.PrintSettings().PrintFont.pointSize(), 24);
    PrintCurrentPage();
    const QRect big = InkIn(Printer.Printed.back().Sheets[0], flange.adjusted(1, 1, -1, -1));

    // The name sits on the side, centred along it, growing with the font.
    ASSERT_FALSE(small.isEmpty());
    EXPECT_NEAR(small.bottom(), 400, 12);
    EXPECT_NEAR(small.center().x(), 700, 10);
    EXPECT_GT(big.height(), small.height() * 3 / 2);
    EXPECT_GT(big.width(), small.width() * 3 / 2);
}

// The stored family is one the system lacks and prints in the font put in its
// place: the dialog opens on that font, and OK on it keeps what is stored.
TEST_F(SheetPrintTest, ThePrintFontDialogOpensOnTheFontInForceAndChangesOnlyWhatIsChosen) {
    Start();
    const QFont before = Fm.PrintSettings().PrintFont;
    const QString printed = QFontInfo(before).family();
    Prompt.Fonts.push_back(std::nullopt);
    Trigger("PrintFontSetMi");
    ASSERT_EQ(Prompt.FontsShown.size(), 1u);
    EXPECT_EQ(Prompt.FontsShown[0].family(), printed);
    EXPECT_EQ(Prompt.FontsShown[0].pointSize(), before.pointSize());
    EXPECT_EQ(Fm.PrintSettings().PrintFont, before);

    Prompt.Fonts.push_back(Prompt.FontsShown[0]);
    Trigger("PrintFontSetMi");
    EXPECT_EQ(Fm.PrintSettings().PrintFont, before) << "OK without a change";

    QFont chosen(QStringLiteral("IPAGothic"));
    chosen.setPointSize(9);
    chosen.setItalic(true);
    Prompt.Fonts.push_back(chosen);
    Trigger("PrintFontSetMi");
    Fm.reset();
    const TIniFile stored = StoredSettings();
    EXPECT_EQ(stored.ReadString("Print", "FontName", ""), "IPAGothic");
    EXPECT_EQ(stored.ReadInteger("Print", "FontSize", 0), 9);
    EXPECT_EQ(stored.ReadInteger("Print", "FontStyle", 0), 2);
}

TEST_F(SheetPrintTest, WithoutPrinterEachCommandIsOneFileNamedOnce) {
    Printer.ToFile = true;
    Start();
    Open({{Square(10)}, {}, {Square(10)}});
    const QString chosen = PathIn(QStringLiteral("out.pdf"));
    Prompt.FileNames.push_back(chosen);
    PrintAllPages();
    ASSERT_EQ(Printer.Printed.size(), 1u);
    EXPECT_EQ(Printer.Printed[0].File, chosen);
    EXPECT_EQ(Printer.Printed[0].Sheets.size(), 2u);
    // The drawing's own name is offered, as a PDF beside it.
    EXPECT_EQ(Prompt.InitialPaths.back(), PathIn(QStringLiteral("drawing.pdf")));
    EXPECT_EQ(Prompt.Extensions.back(), QStringLiteral("pdf"));
    EXPECT_EQ(Prompt.Filters.back(),
              QStringLiteral("PDFファイル (*.pdf)|*.pdf|全てのファイル (*.*)|*.*"));

    Prompt.FileNames.push_back(chosen);
    PrintCurrentPage();
    ASSERT_EQ(Printer.Printed.size(), 2u);
    EXPECT_EQ(Printer.Printed[1].File, chosen);

    // Cancelling the file dialog prints nothing.
    Prompt.FileNames.push_back(QString());
    PrintCurrentPage();
    Prompt.FileNames.push_back(QString());
    PrintAllPages();
    EXPECT_EQ(Printer.Printed.size(), 2u);
    EXPECT_TRUE(Prompt.FileNames.empty());
}

TEST_F(SheetPrintTest, NothingToPrintAsksForNoFile) {
    Printer.ToFile = true;
    Start();
    PrintAllPages();
    EXPECT_TRUE(Prompt.InitialPaths.isEmpty());
    EXPECT_TRUE(Printer.Printed.empty());
}

TEST_F(SheetPrintTest, AJobThatFailsIsReportedAndEndsTheCommand) {
    Start();
    Open({{Square(10)}, {Square(10)}});
    Printer.JobsFail = true;
    PrintAllPages();
    ASSERT_EQ(Prompt.Errors.size(), 1u);
    EXPECT_EQ(Prompt.Errors[0].Title, QStringLiteral("エラー"));
    EXPECT_EQ(Prompt.Errors[0].Text, QStringLiteral("印刷できませんでした。"));

    Printer.ToFile = true;
    Prompt.FileNames.push_back(PathIn(QStringLiteral("out.pdf")));
    PrintAllPages();
    ASSERT_EQ(Prompt.Errors.size(), 2u);
    EXPECT_EQ(Prompt.Errors[1].Text,
              QStringLiteral("ファイル「%1」に印刷できませんでした。")
                  .arg(QDir::toNativeSeparators(PathIn(QStringLiteral("out.pdf")))));
    EXPECT_TRUE(Printer.Printed.empty());
}

// A shape hanging 5 mm off the right edge of the printable area and one
// beyond its top, on the first and third pages: the question names them.
TEST_F(SheetPrintTest, ShapesReachingOutsideThePrintableAreaAreNamedBeforePrinting) {
    Start(TenMillimetreMargins);
    const TPolygonTbl outside = {Square(10, {10, 10}), Square(20, {165, 100})};
    Open({outside, {Square(10, {10, 10})}, {Square(10, {50, -15})}});
    Prompt.Answers = {TPromptAnswer::Ok, TPromptAnswer::Cancel};
    Trigger("PrintAll");
    ASSERT_EQ(Prompt.Questions.size(), 2u);
    const QString& warning = Prompt.Questions[1].Text;
    EXPECT_TRUE(warning.contains(QStringLiteral("1 ページ: 2 番目の図形")))
        << warning.toStdString();
    EXPECT_TRUE(warning.contains(QStringLiteral("3 ページ: 1 番目の図形")))
        << warning.toStdString();
    EXPECT_FALSE(warning.contains(QStringLiteral("2 ページ"))) << warning.toStdString();
    EXPECT_TRUE(Printer.Printed.empty()) << "cancelled";

    Prompt.Answers = {TPromptAnswer::Ok, TPromptAnswer::Ok};
    Trigger("PrintAll");
    EXPECT_EQ(Printer.Printed.size(), 1u) << "going on all the same";

    // Within the margins a shape still prints whole: no question.
    Prompt.Questions.clear();
    Open({{Square(10, {165, 10})}});
    PrintCurrentPage();
    EXPECT_EQ(Prompt.Questions.size(), 1u);
    EXPECT_EQ(Printer.Printed.size(), 2u);
}

// A page of 2 x 1 sheets is as wide as both less their 10 mm overlap; each
// sheet prints its share, the second starting 10 mm before the first ends.
TEST_F(SheetPrintTest, APageTiledOverTwoSheetsPrintsEachItsShare) {
    Start();
    ASSERT_DOUBLE_EQ(static_cast<double>(Fm.PageAreaWidth()), 190);
    TPrintOptions options;
    options.Tiles = {2, 1};
    Dialog.Entered = TPageMargins{};
    Dialog.Chosen = options;
    Trigger("PrintSetMi");
    EXPECT_DOUBLE_EQ(static_cast<double>(Fm.PageAreaWidth()), 2 * 190 - 10);
    EXPECT_DOUBLE_EQ(static_cast<double>(Fm.PageAreaHeight()), 277);

    // A line from 20 to 350 mm across the page.
    Open({{Rect(330, 10, {20, 100})}});
    PrintCurrentPage();
    ASSERT_EQ(Printer.Printed.size(), 1u);
    const std::vector<QImage>& sheets = Printer.Printed[0].Sheets;
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_TRUE(InkNear(sheets[0], 200, 1000));
    EXPECT_TRUE(InkNear(sheets[0], 1850, 1000)) << "to the sheet's edge";
    EXPECT_TRUE(InkNear(sheets[1], 50, 1000)) << "from the overlap on";
    EXPECT_TRUE(InkNear(sheets[1], 3500 - 1800, 1000)) << "the end, 180 mm further";
    EXPECT_FALSE(InkNear(sheets[1], 3500 - 1800 + 50, 1000));

    Fm.reset();
    const TIniFile stored = StoredSettings();
    EXPECT_EQ(stored.ReadInteger("Print", "TileColumns", 0), 2);
    EXPECT_EQ(stored.ReadInteger("Print", "TileRows", 0), 1);
}

TEST_F(SheetPrintTest, ThePreviewShowsTheCurrentPageAsItPrints) {
    Start();
    Open({{Square(10, {10, 10})}, {Square(10, {50, 50})}});
    Tabs()->setCurrentIndex(1);
    Trigger("PrintPreviewMi");
    ASSERT_EQ(Printer.Previewed.size(), 1u);
    ASSERT_EQ(Printer.Previewed[0].Sheets.size(), 1u);
    EXPECT_TRUE(InkNear(Printer.Previewed[0].Sheets[0], 500, 500));
    EXPECT_TRUE(Printer.Printed.empty());
    EXPECT_EQ(Item("PrintPreviewMi")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
}

// The user cancels after the first of three sheets: nothing is printed.
TEST_F(SheetPrintTest, ACancelledPrintPrintsNothing) {
    // Opening runs as long work too: only the print is cancelled.
    TCancelAtReportLongTask longWork;
    longWork.CancelAt = std::numeric_limits<int>::max();
    LongTask = &longWork;
    Start();
    Open({{Square(10)}, {Square(10)}, {Square(10)}});
    longWork.Reports = 0;
    longWork.CancelAt = 1;
    PrintAllPages();
    EXPECT_EQ(longWork.Reports, 1);
    EXPECT_TRUE(Printer.Printed.empty());
    EXPECT_TRUE(Prompt.Errors.empty());
}

TEST_F(SheetPrintTest, TheAboutCommandShowsTheAboutBox) {
    Start();
    Trigger("About1");
    EXPECT_EQ(AboutBox.Shown, 1);
}

} // namespace

// The printer from Qt's print support: the metrics the sheet sizes its pages
// by, the device settings kept between runs and jobs written as PDF files.
#include "pdf_tools.h"
#include "qt_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr long double MmPerInch = 25.4L;

long double PageWidthMm(const TQtPrinter& printer) {
    return printer.PageWidthPixels() / printer.PixelsPerInchX() * MmPerInch;
}

long double PageHeightMm(const TQtPrinter& printer) {
    return printer.PageHeightPixels() / printer.PixelsPerInchY() * MmPerInch;
}

TEST(QtPrinterTest, PrintablePageFitsThePaperAndFillsMostOfIt) {
    TQtPrinter printer;
    ASSERT_GT(printer.PixelsPerInchX(), 0);
    ASSERT_GT(printer.PixelsPerInchY(), 0);
    const QSizeF paper = printer.Printer().pageLayout().fullRect(QPageLayout::Millimeter).size();
    // One pixel of rounding either way.
    const long double pixelX = MmPerInch / printer.PixelsPerInchX();
    const long double pixelY = MmPerInch / printer.PixelsPerInchY();
    EXPECT_LE(PageWidthMm(printer), paper.width() + pixelX);
    EXPECT_LE(PageHeightMm(printer), paper.height() + pixelY);
    EXPECT_GT(PageWidthMm(printer), 0.8L * paper.width());
    EXPECT_GT(PageHeightMm(printer), 0.8L * paper.height());
}

TEST(QtPrinterTest, ThePdfPrinterIsA4PortraitAndWritesFiles) {
    TQtPrinter printer(TPrinterChoice::PdfOnly);
    EXPECT_TRUE(printer.IsStandIn());
    EXPECT_TRUE(printer.PrintsToFile());
    const QPageLayout layout = printer.Printer().pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
    EXPECT_LE(PageWidthMm(printer), 210.0L + MmPerInch / printer.PixelsPerInchX());
    EXPECT_LE(PageHeightMm(printer), 297.0L + MmPerInch / printer.PixelsPerInchY());
    EXPECT_GT(PageWidthMm(printer), 180.0L);
    EXPECT_GT(PageHeightMm(printer), 260.0L);
}

TEST(QtPrinterTest, MetricsFollowTheOrientationOfThePrinter) {
    TQtPrinter printer;
    printer.Printer().setPageOrientation(QPageLayout::Portrait);
    const long double portraitWidth = printer.PageWidthPixels();
    const long double portraitHeight = printer.PageHeightPixels();
    printer.Printer().setPageOrientation(QPageLayout::Landscape);
    EXPECT_GT(printer.PageWidthPixels(), printer.PageHeightPixels());
    EXPECT_NEAR(printer.PageWidthPixels() * printer.PixelsPerInchY(),
                portraitHeight * printer.PixelsPerInchX(), 2 * printer.PixelsPerInchX());
    EXPECT_NE(printer.PageWidthPixels(), portraitWidth);
}

TEST(QtPrinterTest, ResolutionStaysFixedWhateverThePaperOrOutput) {
    TQtPrinter printer(TPrinterChoice::PdfOnly);
    EXPECT_EQ(printer.PixelsPerInchX(), 300);
    EXPECT_EQ(printer.PixelsPerInchY(), 300);
    printer.SetDevice({QPageSize::A3, QPageLayout::Landscape, 100});
    EXPECT_EQ(printer.PixelsPerInchX(), 300);
    // A PDF file's unit is finer, so that text sizes, which Qt rounds to
    // whole units, stay true.
    QTemporaryDir folder;
    const auto job = printer.StartJob("job", folder.filePath("page.pdf"));
    ASSERT_NE(job, nullptr);
    EXPECT_EQ(job->DotsPerInch(), 1200);
    EXPECT_EQ(job->Painter().device()->logicalDpiX(), 1200);
    EXPECT_EQ(job->Painter().device()->logicalDpiY(), 1200);
}

TEST(QtPrinterTest, DeviceSettingsRoundTripAndUnknownCodesChangeNothing) {
    TQtPrinter printer(TPrinterChoice::PdfOnly);
    EXPECT_EQ(printer.Device(), (TPrinterDevice{QPageSize::A4, QPageLayout::Portrait, 100}));

    // Qt prints at no other scale, so a stored scale is not taken.
    printer.SetDevice({QPageSize::A5, QPageLayout::Landscape, 50});
    EXPECT_EQ(printer.Device(), (TPrinterDevice{QPageSize::A5, QPageLayout::Landscape, 100}));

    for (const TPrinterDevice unknown :
         {TPrinterDevice{-1, -1, -1}, TPrinterDevice{QPageSize::LastPageSize + 1, 2, 100},
          TPrinterDevice{QPageSize::Custom, 7, 100}}) {
        printer.SetDevice(unknown);
        EXPECT_EQ(printer.Device(), (TPrinterDevice{QPageSize::A5, QPageLayout::Landscape, 100}));
    }

    // A paper of no standard size has no code to keep.
    printer.Printer().setPageSize(QPageSize(QSizeF(123, 45), QPageSize::Millimeter));
    EXPECT_EQ(printer.Device().PaperSize, -1);
}

TEST(QtPrinterTest, AJobBecomesTheNamedPdfFile) {
    TQtPrinter printer(TPrinterChoice::PdfOnly);
    QTemporaryDir folder;
    const QString path = folder.filePath("page.pdf");
    auto job = printer.StartJob("Zelvo - 1", path);
    ASSERT_NE(job, nullptr);
    job->Painter().fillRect(QRect(0, 0, 100, 1), Qt::black);
    EXPECT_TRUE(job->NewSheet());
    job->Painter().fillRect(QRect(0, 0, 100, 1), Qt::black);
    // The file is there only once the job is finished.
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(job->Finish());
    const QString info = PdfInfo(path);
    EXPECT_TRUE(info.contains(QRegularExpression("Title: +Zelvo - 1\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +2\\n"))) << info.toStdString();
    // Exactly A4, not rounded to whole points.
    EXPECT_TRUE(info.contains(QRegularExpression("Page size: +595.276 x 841.89 pts \\(A4\\)")))
        << info.toStdString();
    EXPECT_TRUE(printer.PrintsToFile());
}

// A job that goes unfinished (a cancelled print) leaves no file, not even a
// part of one, and the file that was there stays.
TEST(QtPrinterTest, AnUnfinishedJobLeavesNoFile) {
    TQtPrinter printer(TPrinterChoice::PdfOnly);
    QTemporaryDir folder;
    const QString path = folder.filePath("page.pdf");
    {
        auto job = printer.StartJob("job", path);
        ASSERT_NE(job, nullptr);
        job->Painter().fillRect(QRect(0, 0, 100, 1), Qt::black);
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());

    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    printer.StartJob("job", path).reset();
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("old"));
}

TEST(QtPrinterTest, AJobThatCannotWriteItsFileDoesNotStart) {
    TQtPrinter printer(TPrinterChoice::PdfOnly);
    QTemporaryDir folder;
    EXPECT_EQ(printer.StartJob("job", folder.filePath("missing/folder/page.pdf")), nullptr);
    // No file name would send the job to the system's printer instead.
    EXPECT_EQ(printer.StartJob("job", QString()), nullptr);
    EXPECT_TRUE(printer.PrintsToFile());
}

} // namespace

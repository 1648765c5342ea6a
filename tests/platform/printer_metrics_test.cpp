// The printer metrics the sheet sizes its pages by.
#include "printer_metrics.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

constexpr long double kMmPerInch = 25.4L;

long double PageWidthMm(const TQtPrinterMetrics& metrics) {
    return metrics.PageWidthPixels() / metrics.PixelsPerInchX() * kMmPerInch;
}

long double PageHeightMm(const TQtPrinterMetrics& metrics) {
    return metrics.PageHeightPixels() / metrics.PixelsPerInchY() * kMmPerInch;
}

TEST(PrinterMetricsTest, PrintablePageFitsThePaperAndFillsMostOfIt) {
    TQtPrinterMetrics metrics;
    ASSERT_GT(metrics.PixelsPerInchX(), 0);
    ASSERT_GT(metrics.PixelsPerInchY(), 0);
    const QSizeF paper = metrics.Printer().pageLayout().fullRect(QPageLayout::Millimeter).size();
    // One pixel of rounding either way.
    const long double pixelX = kMmPerInch / metrics.PixelsPerInchX();
    const long double pixelY = kMmPerInch / metrics.PixelsPerInchY();
    EXPECT_LE(PageWidthMm(metrics), paper.width() + pixelX);
    EXPECT_LE(PageHeightMm(metrics), paper.height() + pixelY);
    EXPECT_GT(PageWidthMm(metrics), 0.8L * paper.width());
    EXPECT_GT(PageHeightMm(metrics), 0.8L * paper.height());
}

TEST(PrinterMetricsTest, WithoutPrinterThePageIsA4Portrait) {
    TQtPrinterMetrics metrics;
    if (!metrics.IsStandIn())
        GTEST_SKIP() << "a printer is installed";
    const QPageLayout layout = metrics.Printer().pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
    EXPECT_LE(PageWidthMm(metrics), 210.0L + kMmPerInch / metrics.PixelsPerInchX());
    EXPECT_LE(PageHeightMm(metrics), 297.0L + kMmPerInch / metrics.PixelsPerInchY());
    EXPECT_GT(PageWidthMm(metrics), 180.0L);
    EXPECT_GT(PageHeightMm(metrics), 260.0L);
}

TEST(PrinterMetricsTest, MetricsFollowTheOrientationOfThePrinter) {
    TQtPrinterMetrics metrics;
    metrics.Printer().setPageOrientation(QPageLayout::Portrait);
    const long double portraitWidth = metrics.PageWidthPixels();
    const long double portraitHeight = metrics.PageHeightPixels();
    metrics.Printer().setPageOrientation(QPageLayout::Landscape);
    EXPECT_GT(metrics.PageWidthPixels(), metrics.PageHeightPixels());
    EXPECT_NEAR(metrics.PageWidthPixels() * metrics.PixelsPerInchY(),
                portraitHeight * metrics.PixelsPerInchX(), 2 * metrics.PixelsPerInchX());
    EXPECT_NE(metrics.PageWidthPixels(), portraitWidth);
}

} // namespace

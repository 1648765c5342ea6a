// Printer resolution and printable page size from Qt's printer support.
#include "printer_metrics.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QPrinterInfo InstalledPrinter() {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull())
        return defaultPrinter;
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    return printers.isEmpty() ? QPrinterInfo() : printers.front();
}

} // namespace

TQtPrinterMetrics::TQtPrinterMetrics() {
    const QPrinterInfo installed = InstalledPrinter();
    if (!installed.isNull()) {
        FPrinter = std::make_unique<QPrinter>(installed);
        return;
    }
    FPrinter = std::make_unique<QPrinter>();
    FPrinter->setOutputFormat(QPrinter::PdfFormat);
    FPrinter->setPageSize(QPageSize(QPageSize::A4));
    FIsStandIn = true;
}

TQtPrinterMetrics::~TQtPrinterMetrics() = default;

long double TQtPrinterMetrics::PixelsPerInchX() const {
    return FPrinter->logicalDpiX();
}

long double TQtPrinterMetrics::PixelsPerInchY() const {
    return FPrinter->logicalDpiY();
}

// The printable area is the paper less the printer's margins, in the pixels a
// painter on this printer uses.
long double TQtPrinterMetrics::PageWidthPixels() const {
    return FPrinter->width();
}

long double TQtPrinterMetrics::PageHeightPixels() const {
    return FPrinter->height();
}

QPrinter& TQtPrinterMetrics::Printer() {
    return *FPrinter;
}

bool TQtPrinterMetrics::IsStandIn() const {
    return FIsStandIn;
}

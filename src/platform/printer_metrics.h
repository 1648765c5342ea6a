// What the windows need to know of the printer: its resolution and printable
// page size, behind an interface so that tests can give fixed values.
#pragma once

#include <memory>

class QPrinter;

class IPrinterMetrics {
public:
    virtual ~IPrinterMetrics() = default;
    virtual long double PixelsPerInchX() const = 0;
    virtual long double PixelsPerInchY() const = 0;
    // The printable page in printer pixels.
    virtual long double PageWidthPixels() const = 0;
    virtual long double PageHeightPixels() const = 0;
};

// The metrics of the system's default printer (or the first one installed).
// Without any printer, an A4 PDF printer stands in so that the page still has
// a real printable size. The values follow the printer's current settings, so
// they change when its paper or orientation is changed.
class TQtPrinterMetrics : public IPrinterMetrics {
public:
    TQtPrinterMetrics();
    ~TQtPrinterMetrics() override;
    TQtPrinterMetrics(const TQtPrinterMetrics&) = delete;
    TQtPrinterMetrics& operator=(const TQtPrinterMetrics&) = delete;

    long double PixelsPerInchX() const override;
    long double PixelsPerInchY() const override;
    long double PageWidthPixels() const override;
    long double PageHeightPixels() const override;

    // The printer these metrics describe, for printing and its settings.
    QPrinter& Printer();
    // True when no printer is installed and the PDF stand-in is used.
    bool IsStandIn() const;

private:
    std::unique_ptr<QPrinter> FPrinter;
    bool FIsStandIn = false;
};

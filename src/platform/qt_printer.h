// The printer from Qt's print support: the system's printers where there are
// any (through CUPS where the system has it), otherwise a PDF printer whose
// jobs become files at full size.
#pragma once

#include "printer.h"

#include <memory>

class QPrinter;

enum class TPrinterChoice {
    Installed, // the system's default printer, or the first one; PDF without any
    PdfOnly,   // always the PDF printer, whatever is installed
};

class TQtPrinter : public IPrinter {
public:
    explicit TQtPrinter(TPrinterChoice choice = TPrinterChoice::Installed);
    ~TQtPrinter() override;
    TQtPrinter(const TQtPrinter&) = delete;
    TQtPrinter& operator=(const TQtPrinter&) = delete;

    // The values follow the printer's current paper and orientation.
    long double PixelsPerInchX() const override;
    long double PixelsPerInchY() const override;
    long double PageWidthPixels() const override;
    long double PageHeightPixels() const override;

    // Paper sizes are Qt's page size ids and orientations Qt's (0 portrait,
    // 1 landscape). A paper of no standard size reads as -1; Qt prints at no
    // other scale than 100 %, so the scale reads as 100 and is not set.
    TPrinterDevice Device() const override;
    void SetDevice(const TPrinterDevice& device) override;
    TPaperLayout PaperLayout() const override;

    bool Setup(QWidget* parent) override;

    bool PrintsToFile() const override;
    std::unique_ptr<IPrintJob> StartJob(const QString& title, const QString& file) override;
    void Preview(const QString& title, const std::function<void(IPrintJob&)>& paint) override;

    QPrinter& Printer();
    // True when no printer is installed (or none was wanted) and the PDF printer stands in.
    bool IsStandIn() const;

private:
    void KeepResolution();

    std::unique_ptr<QPrinter> FPrinter;
    bool FIsStandIn = false;
};

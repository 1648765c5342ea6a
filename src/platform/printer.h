// The printer the sheet prints on: its metrics, the device settings kept
// between runs, its setup dialog and print jobs of one document each, behind
// an interface so that tests stand in for it and nothing reaches paper.
#pragma once

#include "drawing/print_layout.h"
#include "printer_metrics.h"

#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QWidget;

// The printer's own codes for its paper size, orientation and scale, as the
// settings file keeps them; -1 stands for none.
struct TPrinterDevice {
    int PaperSize = -1;
    int Orientation = -1;
    int Scale = -1;
    friend bool operator==(const TPrinterDevice&, const TPrinterDevice&) = default;
};

// One print document, begun on the printer with its first sheet.
class IPrintJob {
public:
    // A job that goes unfinished is abandoned: nothing is printed and no
    // file is written.
    virtual ~IPrintJob() = default;
    // Paints in dots of DotsPerInch, (0, 0) the top-left corner of the
    // printable area of the sheet.
    virtual QPainter& Painter() = 0;
    virtual long double DotsPerInch() const = 0;
    // Starts the next sheet; false when that failed.
    virtual bool NewSheet() = 0;
    // Ends the document, sending it to the printer or writing its file; false
    // when that failed.
    virtual bool Finish() = 0;
};

class IPrinter : public IPrinterMetrics {
public:
    virtual TPrinterDevice Device() const = 0;
    // Takes the codes the printer knows; others leave that setting as it is.
    virtual void SetDevice(const TPrinterDevice& device) = 0;

    // The current paper and the printer's margins around the printable area,
    // in millimetres.
    virtual TPaperLayout PaperLayout() const = 0;

    // The system's printer setup dialog (printer, paper, orientation and so
    // on); the printer takes what the user confirms. False when cancelled.
    virtual bool Setup(QWidget* parent) = 0;

    // True when jobs are written to PDF files instead of going to a printer.
    virtual bool PrintsToFile() const = 0;
    // Starts a document named title; when the printer prints to files it is
    // written to file, which appears only once the job is finished, as a PDF
    // of sheets of exactly the paper's size. Null when the document cannot be
    // started.
    virtual std::unique_ptr<IPrintJob> StartJob(const QString& title, const QString& file) = 0;

    // Shows the system's print preview of what paint draws on a job of this
    // printer, until the user closes it.
    virtual void Preview(const QString& title, const std::function<void(IPrintJob&)>& paint) = 0;
};

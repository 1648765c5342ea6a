// The printer from Qt's print support, its setup dialog and its print jobs.
#include "qt_printer.h"

#include "pdf_document.h"
#include "ui_text.h"

#include <QDialogButtonBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>

namespace {

// The printer's pixels, in which the page area is measured: the same on
// every printer, so that the page area does not depend on which one is
// chosen. Prints are vector lines placed without rounding.
constexpr int PrintDotsPerInch = 300;
// The unit of PDF files written without a printer: fine enough that the
// sizes of text, which Qt rounds to whole units, stay true to 0.01 mm.
constexpr int PdfDotsPerInch = 1200;
constexpr qreal MmPerInch = 25.4;

constexpr int FullScale = 100;

QString SetupCaption() {
    return UiText("TQtPrinter", "プリンタ設定");
}

QPrinterInfo InstalledPrinter() {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull())
        return defaultPrinter;
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    return printers.isEmpty() ? QPrinterInfo() : printers.front();
}

bool IsStandardPageSize(int id) {
    return id >= 0 && id <= QPageSize::LastPageSize && id != QPageSize::Custom;
}

// A job on the printer itself (or on the preview's printer).
class TQtPrintJob : public IPrintJob {
public:
    explicit TQtPrintJob(QPrinter& printer) : FPrinter(printer) { FPainter.begin(&printer); }
    ~TQtPrintJob() override {
        if (!FPainter.isActive())
            return;
        if (FAbandon)
            FPrinter.abort();
        FPainter.end();
    }
    TQtPrintJob(const TQtPrintJob&) = delete;
    TQtPrintJob& operator=(const TQtPrintJob&) = delete;

    bool IsStarted() const { return FPainter.isActive(); }
    // The preview keeps what was painted whether or not it was finished.
    void KeepUnfinished() { FAbandon = false; }
    QPainter& Painter() override { return FPainter; }
    long double DotsPerInch() const override { return FPrinter.resolution(); }
    bool NewSheet() override { return FPrinter.newPage(); }
    bool Finish() override { return FPainter.isActive() && FPainter.end(); }

private:
    QPrinter& FPrinter;
    QPainter FPainter;
    bool FAbandon = true;
};

// A job written as a PDF file of the paper's exact size, through a file that
// takes the name only once it is complete.
class TPdfFileJob : public IPrintJob {
public:
    TPdfFileJob(const QString& file, const TPaperLayout& paper, const QString& title)
        : FFile(file), FPaper(paper) {
        if (!FFile.open(QIODevice::WriteOnly))
            return;
        FDocument = std::make_unique<TPdfDocument>(
            FFile, QSizeF(static_cast<qreal>(paper.Width), static_cast<qreal>(paper.Height)), title,
            PdfDotsPerInch);
        if (FDocument->Begin())
            MoveToPrintableArea();
        else
            FDocument.reset();
    }
    ~TPdfFileJob() override {
        FDocument.reset();
        if (FFile.isOpen())
            FFile.cancelWriting();
    }
    TPdfFileJob(const TPdfFileJob&) = delete;
    TPdfFileJob& operator=(const TPdfFileJob&) = delete;

    bool IsStarted() const { return FDocument != nullptr; }
    QPainter& Painter() override { return FDocument->Painter(); }
    long double DotsPerInch() const override { return PdfDotsPerInch; }
    bool NewSheet() override {
        if (!FDocument->NewPage())
            return false;
        MoveToPrintableArea();
        return true;
    }
    bool Finish() override { return FDocument->End() && FFile.commit(); }

private:
    void MoveToPrintableArea() {
        const qreal dotsPerMm = PdfDotsPerInch / MmPerInch;
        FDocument->Painter().translate(static_cast<qreal>(FPaper.Left) * dotsPerMm,
                                       static_cast<qreal>(FPaper.Top) * dotsPerMm);
    }

    QSaveFile FFile;
    TPaperLayout FPaper;
    std::unique_ptr<TPdfDocument> FDocument;
};

} // namespace

TQtPrinter::TQtPrinter(TPrinterChoice choice) {
    const QPrinterInfo installed =
        choice == TPrinterChoice::Installed ? InstalledPrinter() : QPrinterInfo();
    if (!installed.isNull()) {
        FPrinter = std::make_unique<QPrinter>(installed, QPrinter::HighResolution);
    } else {
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        FPrinter->setOutputFormat(QPrinter::PdfFormat);
        FPrinter->setPageSize(QPageSize(QPageSize::A4));
        FIsStandIn = true;
    }
    FPrinter->setCreator(QStringLiteral("Zelvo"));
    KeepResolution();
}

TQtPrinter::~TQtPrinter() = default;

long double TQtPrinter::PixelsPerInchX() const {
    return FPrinter->logicalDpiX();
}

long double TQtPrinter::PixelsPerInchY() const {
    return FPrinter->logicalDpiY();
}

// The printable area is the paper less the printer's margins, in the pixels a
// painter on this printer uses.
long double TQtPrinter::PageWidthPixels() const {
    return FPrinter->width();
}

long double TQtPrinter::PageHeightPixels() const {
    return FPrinter->height();
}

TPrinterDevice TQtPrinter::Device() const {
    const QPageLayout layout = FPrinter->pageLayout();
    const int paper = layout.pageSize().id();
    return {IsStandardPageSize(paper) ? paper : -1, static_cast<int>(layout.orientation()),
            FullScale};
}

void TQtPrinter::SetDevice(const TPrinterDevice& device) {
    if (IsStandardPageSize(device.PaperSize))
        FPrinter->setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(device.PaperSize)));
    if (device.Orientation == QPageLayout::Portrait || device.Orientation == QPageLayout::Landscape)
        FPrinter->setPageOrientation(static_cast<QPageLayout::Orientation>(device.Orientation));
}

TPaperLayout TQtPrinter::PaperLayout() const {
    const QPageLayout layout = FPrinter->pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    return {paper.width(),
            paper.height(),
            printable.left() - paper.left(),
            printable.top() - paper.top(),
            paper.right() - printable.right(),
            paper.bottom() - printable.bottom()};
}

// Choosing another printer gives the printer that printer's resolution; ours
// is put back, so that the pixels per millimetre never change.
bool TQtPrinter::Setup(QWidget* parent) {
    QPrintDialog dialog(FPrinter.get(), parent);
    dialog.setWindowTitle(SetupCaption());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog only sets the printer up; its button must not promise a print.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    KeepResolution();
    return accepted;
}

bool TQtPrinter::PrintsToFile() const {
    return FPrinter->outputFormat() == QPrinter::PdfFormat;
}

// Without a printer the job is a PDF file, and a file needs a name.
std::unique_ptr<IPrintJob> TQtPrinter::StartJob(const QString& title, const QString& file) {
    if (PrintsToFile()) {
        if (file.isEmpty())
            return nullptr;
        auto job = std::make_unique<TPdfFileJob>(file, PaperLayout(), title);
        if (!job->IsStarted())
            return nullptr;
        return job;
    }
    FPrinter->setDocName(title);
    KeepResolution();
    auto job = std::make_unique<TQtPrintJob>(*FPrinter);
    if (!job->IsStarted())
        return nullptr;
    return job;
}

void TQtPrinter::Preview(const QString& title, const std::function<void(IPrintJob&)>& paint) {
    KeepResolution();
    QPrintPreviewDialog dialog(FPrinter.get());
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&paint](QPrinter* printer) {
        TQtPrintJob job(*printer);
        if (!job.IsStarted())
            return;
        job.KeepUnfinished();
        paint(job);
    });
    dialog.exec();
}

QPrinter& TQtPrinter::Printer() {
    return *FPrinter;
}

bool TQtPrinter::IsStandIn() const {
    return FIsStandIn;
}

void TQtPrinter::KeepResolution() {
    if (FPrinter->resolution() != PrintDotsPerInch)
        FPrinter->setResolution(PrintDotsPerInch);
}

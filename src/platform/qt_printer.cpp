// The printer from Qt's print support, its setup dialog and its print jobs.
#include "qt_printer.h"

#include "ui_text.h"

#include <QDialogButtonBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace {

// One printer pixel is both the width of the drawing pen and the step in
// which points are placed: at 300 pixels per inch a line is 0.085 mm wide,
// fine and still plainly visible on paper, and a point lands within 0.043 mm
// of where it belongs. The same on every printer, so a page looks the same
// on paper and in a PDF file.
constexpr int PrintDotsPerInch = 300;

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

class TQtPrintJob : public IPrintJob {
public:
    explicit TQtPrintJob(QPrinter& printer) { FPainter.begin(&printer); }
    ~TQtPrintJob() override {
        if (FPainter.isActive())
            FPainter.end();
    }
    TQtPrintJob(const TQtPrintJob&) = delete;
    TQtPrintJob& operator=(const TQtPrintJob&) = delete;

    bool IsStarted() const { return FPainter.isActive(); }
    QPainter& Painter() override { return FPainter; }
    bool Finish() override { return FPainter.isActive() && FPainter.end(); }

private:
    QPainter FPainter;
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

// An empty file name would turn the PDF printer into the system's printer.
std::unique_ptr<IPrintJob> TQtPrinter::StartJob(const QString& title, const QString& file) {
    if (PrintsToFile()) {
        if (file.isEmpty())
            return nullptr;
        FPrinter->setOutputFileName(file);
    }
    FPrinter->setDocName(title);
    KeepResolution();
    auto job = std::make_unique<TQtPrintJob>(*FPrinter);
    if (!job->IsStarted())
        return nullptr;
    return job;
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

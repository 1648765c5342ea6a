// PDF pages of the exact paper size: the page size Qt writes in whole points
// is replaced by the exact one, padded to the same length so that every
// offset Qt counted stays true, and the drawing is shifted by what Qt's
// rounding moved the top edge.
#include "pdf_document.h"

#include <QByteArray>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace {

constexpr qreal PointsPerInch = 72;
constexpr qreal MmPerInch = 25.4;

qreal MmToPoints(qreal mm) {
    return mm / MmPerInch * PointsPerInch;
}

// A number as Qt's writer prints one ("595.000000").
QByteArray QtNumber(qreal value) {
    return QByteArray::number(value, 'f');
}

// The exact value in at most width characters, with as many decimals as fit,
// padded with blanks (which PDF reads as nothing) to width.
QByteArray NumberOfWidth(qreal value, qsizetype width) {
    QByteArray text;
    for (int decimals = 6; decimals >= 0; --decimals) {
        text = QByteArray::number(value, 'f', decimals);
        if (text.size() <= width)
            break;
    }
    return text.leftJustified(width, ' ', true);
}

} // namespace

// Passes every byte on to the target, the page size of each page dictionary
// replaced by the exact size of the same length.
class TExactMediaBox : public QIODevice {
public:
    TExactMediaBox(QIODevice& target, const QSizeF& roundedPoints, const QSizeF& exactPoints)
        : FTarget(target) {
        const QByteArray width = QtNumber(roundedPoints.width());
        const QByteArray height = QtNumber(roundedPoints.height());
        FFrom = "/MediaBox [0 0 " + width + ' ' + height + ']';
        FTo = "/MediaBox [0 0 " + NumberOfWidth(exactPoints.width(), width.size()) + ' ' +
              NumberOfWidth(exactPoints.height(), height.size()) + ']';
        open(QIODevice::WriteOnly);
    }
    bool isSequential() const override { return true; }
    // True once the target refused bytes: the file is not whole.
    bool Failed() const { return FFailed; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    // Qt writes each page dictionary with one call.
    qint64 writeData(const char* data, qint64 size) override {
        QByteArray bytes(data, static_cast<qsizetype>(size));
        if (bytes.contains(FFrom))
            bytes.replace(FFrom, FTo);
        if (FTarget.write(bytes) == bytes.size())
            return size;
        FFailed = true;
        return -1;
    }

private:
    QIODevice& FTarget;
    QByteArray FFrom;
    QByteArray FTo;
    bool FFailed = false;
};

TPdfDocument::TPdfDocument(QIODevice& target, const QSizeF& paperMm, const QString& title,
                           int dotsPerInch)
    : FPaperMm(paperMm), FDotsPerInch(dotsPerInch) {
    // The size is given upright, the orientation turning it.
    const bool landscape = paperMm.width() > paperMm.height();
    const QSizeF upright = landscape ? paperMm.transposed() : paperMm;
    const QPageLayout layout(QPageSize(upright, QPageSize::Millimeter),
                             landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                             QMarginsF(), QPageLayout::Millimeter);
    const QSizeF rounded = layout.fullRectPoints().size();
    FDevice = std::make_unique<TExactMediaBox>(
        target, rounded, QSizeF(MmToPoints(paperMm.width()), MmToPoints(paperMm.height())));
    FWriter = std::make_unique<QPdfWriter>(FDevice.get());
    FWriter->setCreator(QStringLiteral("Zelvo"));
    FWriter->setTitle(title);
    FWriter->setResolution(dotsPerInch);
    FWriter->setPageLayout(layout);
}

TPdfDocument::~TPdfDocument() {
    if (FPainter.isActive())
        FPainter.end();
}

bool TPdfDocument::Begin() {
    if (!FPainter.begin(FWriter.get()))
        return false;
    MoveToExactPaper();
    return true;
}

bool TPdfDocument::NewPage() {
    if (!FWriter->newPage())
        return false;
    MoveToExactPaper();
    return true;
}

bool TPdfDocument::End() {
    return FPainter.isActive() && FPainter.end() && !FDevice->Failed();
}

// Qt measures the page's height from its rounded top edge: drawing lower by
// the rounding puts it where the exact page's top edge is.
void TPdfDocument::MoveToExactPaper() {
    const qreal rounded = FWriter->pageLayout().fullRectPoints().height();
    const qreal exact = MmToPoints(FPaperMm.height());
    FPainter.resetTransform();
    FPainter.translate(0, (rounded - exact) / PointsPerInch * FDotsPerInch);
}

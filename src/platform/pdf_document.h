// A PDF document written through Qt's PDF writer whose pages are exactly the
// paper's size: the writer keeps page sizes in whole points (A4 would come
// out 595 x 842 pt instead of 595.276 x 841.890 pt), so the size it writes is
// put right as the bytes pass, and the drawing is moved to match.
#pragma once

#include <QPainter>
#include <QSizeF>
#include <QString>

#include <memory>

class QIODevice;
class QPdfWriter;
class TExactMediaBox;

class TPdfDocument {
public:
    // Pages of paperMm (width and height in mm) written to target, which
    // must be open for writing; the painter's unit is one dot at dotsPerInch,
    // (0, 0) the paper's top-left corner.
    TPdfDocument(QIODevice& target, const QSizeF& paperMm, const QString& title, int dotsPerInch);
    ~TPdfDocument();
    TPdfDocument(const TPdfDocument&) = delete;
    TPdfDocument& operator=(const TPdfDocument&) = delete;

    // False when the document cannot be started.
    bool Begin();
    QPainter& Painter() { return FPainter; }
    int DotsPerInch() const { return FDotsPerInch; }
    bool NewPage();
    // Ends the document; false when it could not be written whole.
    bool End();

private:
    void MoveToExactPaper();

    std::unique_ptr<TExactMediaBox> FDevice;
    std::unique_ptr<QPdfWriter> FWriter;
    QPainter FPainter;
    QSizeF FPaperMm;
    int FDotsPerInch;
};

// Reading PDF files the program wrote with the poppler tools (tools/setup
// installs them): the document's information, its text and a page rendered
// in grey or in colour.
#pragma once

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

// What program writes to its standard output; a program that is missing or
// fails fails the test.
inline QString PdfToolOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.errorString().toStdString()
                      << " " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString PdfInfo(const QString& pdf) {
    return PdfToolOutput(QStringLiteral("pdfinfo"), {pdf});
}

inline QString PdfText(const QString& pdf) {
    return PdfToolOutput(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
}

// The first page in grey at dotsPerInch; a null image when it cannot be rendered.
inline QImage RenderPdfPage(const QString& pdf, int dotsPerInch) {
    QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("page"));
    PdfToolOutput(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-gray"),
                   QStringLiteral("-singlefile"), pdf, prefix});
    // A whole page at a fine resolution is larger than Qt reads by default.
    QImageReader::setAllocationLimit(1024);
    return QImage(prefix + QStringLiteral(".pgm"));
}

// Page number page (1 the first) in colour at dotsPerInch; a null image when
// it cannot be rendered.
inline QImage RenderPdfPageInColour(const QString& pdf, int dotsPerInch, int page) {
    QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("page"));
    PdfToolOutput(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-f"),
                   QString::number(page), QStringLiteral("-l"), QString::number(page),
                   QStringLiteral("-singlefile"), pdf, prefix});
    QImageReader::setAllocationLimit(1024);
    return QImage(prefix + QStringLiteral(".ppm"));
}

// The centres, in mm from the paper's edge, of the runs of pixels that pass
// ink along the row (or down the column) atMm from the paper's edge, on a
// page rendered at dotsPerInch.
inline std::vector<double> LineCentresMm(const QImage& page, double atMm, bool alongRow,
                                         int dotsPerInch, const std::function<bool(QRgb)>& ink) {
    const double mmPerPixel = 25.4 / dotsPerInch;
    const int fixed = static_cast<int>(atMm / mmPerPixel);
    const int length = alongRow ? page.width() : page.height();
    std::vector<double> centres;
    int start = -1;
    for (int i = 0; i <= length; ++i) {
        const bool hit = i < length && ink(alongRow ? page.pixel(i, fixed) : page.pixel(fixed, i));
        if (hit && start < 0)
            start = i;
        if (!hit && start >= 0) {
            centres.push_back((start + i) / 2.0 * mmPerPixel);
            start = -1;
        }
    }
    return centres;
}

// The line nearest to where one is expected; -1 when there is none.
inline double NearestLineMm(const std::vector<double>& centres, double expected) {
    if (centres.empty())
        return -1;
    return *std::min_element(centres.begin(), centres.end(), [expected](double a, double b) {
        return std::abs(a - expected) < std::abs(b - expected);
    });
}

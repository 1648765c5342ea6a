// Reading PDF files the program wrote with the poppler tools (tools/setup
// installs them): the document's information, its text and a page rendered
// in grey or in colour; and the lines of its pages as the file holds them,
// read from the pages' drawing instructions.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTransform>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
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

// The text of page number page (1 the first).
inline QString PdfPageText(const QString& pdf, int page) {
    return PdfToolOutput(QStringLiteral("pdftotext"),
                         {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                          QString::number(page), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                          pdf, QStringLiteral("-")});
}

// One path of a page as its drawing instructions place it, in mm from the
// paper's top-left corner.
using TPdfPath = std::vector<QPointF>;

// The paths of each page of a PDF written uncompressed or with Flate (as Qt
// writes them): every "m" starts a path and every "l" extends it, placed by
// the "cm" transforms in force (with "q" and "Q"), for a paper paperHeightMm
// high. Text and everything else is left out.
inline std::vector<std::vector<TPdfPath>> PdfPagePaths(const QString& pdf, double paperHeightMm) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << pdf.toStdString();
        return {};
    }
    const QByteArray bytes = file.readAll();
    // The objects' streams by number.
    std::map<int, QByteArray> streams;
    static const QRegularExpression object(
        QStringLiteral("(\\d+) 0 obj\\s*<<((?:(?!endobj).)*?)>>\\s*stream\\r?\\n"),
        QRegularExpression::DotMatchesEverythingOption);
    const QString text = QString::fromLatin1(bytes);
    for (const QRegularExpressionMatch& match : object.globalMatch(text)) {
        const qsizetype start = match.capturedEnd(0);
        const qsizetype end = bytes.indexOf("endstream", start);
        QByteArray data = bytes.mid(start, end - start);
        if (match.captured(2).contains(QStringLiteral("FlateDecode"))) {
            // qUncompress wants the size first; it grows its buffer as needed.
            const quint32 guess = static_cast<quint32>(data.size()) * 8;
            QByteArray sized(4, 0);
            for (int i = 0; i < 4; ++i)
                sized[i] = static_cast<char>(guess >> (24 - 8 * i));
            data = qUncompress(sized + data);
        }
        streams[match.captured(1).toInt()] = data;
    }
    std::vector<std::vector<TPdfPath>> pages;
    static const QRegularExpression contents(
        QStringLiteral("/Type /Page\\b[^>]*?/Contents (\\d+) 0 R"),
        QRegularExpression::DotMatchesEverythingOption);
    constexpr double MmPerPoint = 25.4 / 72;
    for (const QRegularExpressionMatch& page : contents.globalMatch(text)) {
        std::vector<TPdfPath> paths;
        std::vector<QTransform> stack{QTransform()};
        std::vector<double> operands;
        const QList<QByteArray> tokens = streams[page.captured(1).toInt()].simplified().split(' ');
        for (const QByteArray& token : tokens) {
            bool number = false;
            const double value = token.toDouble(&number);
            if (number) {
                operands.push_back(value);
                continue;
            }
            const auto at = [&](std::size_t k) { return operands[operands.size() - k]; };
            if (token == "q") {
                stack.push_back(stack.back());
            } else if (token == "Q" && stack.size() > 1) {
                stack.pop_back();
            } else if (token == "cm" && operands.size() >= 6) {
                stack.back() = QTransform(at(6), at(5), at(4), at(3), at(2), at(1)) * stack.back();
            } else if ((token == "m" || token == "l") && operands.size() >= 2) {
                const QPointF p = stack.back().map(QPointF(at(2), at(1)));
                if (token == "m")
                    paths.emplace_back();
                if (!paths.empty())
                    paths.back().push_back(
                        {p.x() * MmPerPoint, paperHeightMm - p.y() * MmPerPoint});
            }
            operands.clear();
        }
        pages.push_back(std::move(paths));
    }
    return pages;
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

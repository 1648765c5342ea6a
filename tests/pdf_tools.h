// Reading PDF files the program wrote with the poppler tools (tools/setup
// installs them): the document's information, its text and a page rendered
// in grey or in colour.
#pragma once

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

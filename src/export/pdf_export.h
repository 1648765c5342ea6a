// Pages' cut, fold and text layers as a vector PDF in the layers' colours, on
// the printer's paper and where a print puts them, corrected for the printer
// as prints are.
#pragma once

#include "drawing/page_layers.h"
#include "drawing/print_calibration.h"
#include "drawing/print_layout.h"

#include <QByteArray>
#include <QFont>
#include <QString>
#include <vector>

struct TPdfPaper {
    TPaperLayout Paper; // the PDF's page, and where its printable area lies
                        // (Qt gives the page's size in whole points)
    TPrintScale Scale;  // the printer's correction
    QFont Font;         // the texts' font, at its own size
    QString Title;
};

// One PDF page per element of pages, each holding its layers in mm from the
// printable area's top-left corner. Lines are hairlines; texts are centred on
// their place. Empty when the PDF cannot be made.
QByteArray PdfOfPages(const std::vector<TPageLayers>& pages, const TPdfPaper& paper);

// Pages' cut, fold and text layers as a vector PDF in the layers' colours, on
// the printer's paper and where a print puts them, corrected for the printer
// as prints are.
#pragma once

#include "drawing/fold_style.h"
#include "drawing/page_layers.h"
#include "drawing/print_calibration.h"
#include "drawing/print_layout.h"

#include <QByteArray>
#include <QFont>
#include <QString>

#include <functional>
#include <vector>

class QIODevice;

struct TPdfPaper {
    TPaperLayout Paper; // the PDF's page, of exactly this size, and where its
                        // printable area lies
    TPrintScale Scale;  // the printer's correction
    QFont Font;         // the texts' font, at its own size
    QString Title;
    TFoldLooks Folds; // the widths and dashes of the fold lines
};

// One PDF page per element of pages, each holding its layers in mm from the
// printable area's top-left corner, written to target (open for writing).
// Cut lines are hairlines, fold lines in their looks; texts are centred on
// their place; registration marks black. pageDone is told after each page
// and stops the writing by answering false. False when the PDF cannot be
// made or was stopped.
bool WritePdfOfPages(QIODevice& target, const std::vector<TPageLayers>& pages,
                     const TPdfPaper& paper, const std::function<bool()>& pageDone);
// The same in memory; empty when the PDF cannot be made.
QByteArray PdfOfPages(const std::vector<TPageLayers>& pages, const TPdfPaper& paper);

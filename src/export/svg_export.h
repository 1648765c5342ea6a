// A page's cut, fold and text layers as an SVG document at full size, for
// cutting plotters, laser cutters and vector editors.
#pragma once

#include "drawing/fold_style.h"
#include "drawing/page_layers.h"

#include <QByteArray>
#include <QString>

// The paper of an SVG page in millimetres, the document's title, the font
// family its text asks for and the looks of its fold lines.
struct TSvgPaper {
    long double Width = 0;
    long double Height = 0;
    QString Title;
    QString FontFamily;
    TFoldLooks Folds;
};

// The group ids of the layers: "cut", "fold-1", "fold-2", "text"; and of the
// registration marks.
QString SvgLayerId(TLayerKind kind);
inline const QString SvgRegistrationId = QStringLiteral("registration");

// A UTF-8 SVG document as wide and high as the paper in mm, its user unit the
// millimetre, with one group per layer in the order of LayerKinds, each a
// layer vector editors show by its id: cut outlines as closed hairline paths
// in red, fold lines as paths in their layer's colour at their look's width
// and dashes (stroke-dasharray), texts centred on their place; then the
// registration marks, when there are any, in a layer of their own.
QByteArray SvgOfPage(const TPageLayers& layers, const TSvgPaper& paper);

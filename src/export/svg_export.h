// A page's cut, fold and text layers as an SVG document at full size, for
// cutting plotters and laser cutters.
#pragma once

#include "drawing/page_layers.h"

#include <QByteArray>
#include <QString>

// The paper of an SVG page in millimetres, the document's title and the font
// family its text asks for.
struct TSvgPaper {
    long double Width = 0;
    long double Height = 0;
    QString Title;
    QString FontFamily;
};

// The group ids of the layers: "cut", "fold-1", "fold-2", "text".
QString SvgLayerId(TLayerKind kind);

// A UTF-8 SVG document as wide and high as the paper in mm, its user unit the
// millimetre, with one group per layer in the order of LayerKinds: each line
// a path with a hairline stroke in the layer's colour, each cut outline
// closed, each text centred on its place.
QByteArray SvgOfPage(const TPageLayers& layers, const TSvgPaper& paper);

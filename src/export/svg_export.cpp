// Writing a page's layers as SVG with Qt's XML stream writer.
#include "svg_export.h"

#include "format/number_field.h"
#include "geometry/angles.h"
#include "shift_jis_codec.h"

#include <QStringList>
#include <QXmlStreamWriter>

namespace {

// Coordinates to a millionth of a millimetre, far below what a machine resolves.
constexpr int CoordinateDecimals = 6;

// A line as thin as cutting machines take for a cut line, in mm.
const QString HairlineWidth = QStringLiteral("0.025");

// The attributes vector editors read to show a group as a layer with a name.
const QString LayerNamespace = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");

QString Mm(long double value) {
    return QString::fromStdString(DecimalText(value, CoordinateDecimals));
}

QString ColorText(TColor color) {
    return QStringLiteral("#%1%2%3")
        .arg(color.R, 2, 16, QLatin1Char('0'))
        .arg(color.G, 2, 16, QLatin1Char('0'))
        .arg(color.B, 2, 16, QLatin1Char('0'));
}

QString PointText(const TPointF& p) {
    return Mm(p.X) + QLatin1Char(' ') + Mm(p.Y);
}

QString OutlinePath(const TDaPointF& outline) {
    QString path;
    for (std::size_t i = 0; i < outline.size(); ++i)
        path += (i == 0 ? QStringLiteral("M ") : QStringLiteral(" L ")) + PointText(outline[i]);
    return path + QStringLiteral(" Z");
}

QString SegmentPath(const TSegmentF& segment) {
    return QStringLiteral("M ") + PointText(segment.P1) + QStringLiteral(" L ") +
           PointText(segment.P2);
}

// XML cannot hold control characters, which a damaged name might carry.
QString XmlText(const std::string& shiftJis) {
    QString text = ShiftJisToUnicode(shiftJis);
    for (QChar& c : text)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return text;
}

void StartLayer(QXmlStreamWriter& xml, const QString& id) {
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("id"), id);
    xml.writeAttribute(LayerNamespace, QStringLiteral("groupmode"), QStringLiteral("layer"));
    xml.writeAttribute(LayerNamespace, QStringLiteral("label"), id);
}

void StartGroup(QXmlStreamWriter& xml, TLayerKind kind, const QString& fontFamily) {
    StartLayer(xml, SvgLayerId(kind));
    if (kind == lkText) {
        xml.writeAttribute(QStringLiteral("fill"), ColorText(LayerColor(kind)));
        xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
        xml.writeAttribute(QStringLiteral("font-family"), fontFamily);
        xml.writeAttribute(QStringLiteral("text-anchor"), QStringLiteral("middle"));
        return;
    }
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    xml.writeAttribute(QStringLiteral("stroke"), ColorText(LayerColor(kind)));
    xml.writeAttribute(QStringLiteral("stroke-width"), HairlineWidth);
}

void WritePath(QXmlStreamWriter& xml, const QString& path) {
    xml.writeEmptyElement(QStringLiteral("path"));
    xml.writeAttribute(QStringLiteral("d"), path);
}

QString DashArray(const std::vector<long double>& dashes) {
    QStringList lengths;
    for (const long double dash : dashes)
        lengths << Mm(dash);
    return lengths.join(QLatin1Char(' '));
}

// Each path carries its look: the layer holds lines of different looks.
void WriteSegments(QXmlStreamWriter& xml, const std::vector<TSegmentF>& segments,
                   const TFoldLook& look) {
    const QString width = Mm(look.Width);
    const std::vector<long double> dashes = DashPattern(look.Style);
    for (const TSegmentF& segment : segments) {
        WritePath(xml, SegmentPath(segment));
        xml.writeAttribute(QStringLiteral("stroke-width"), width);
        if (!dashes.empty())
            xml.writeAttribute(QStringLiteral("stroke-dasharray"), DashArray(dashes));
    }
}

void WriteRegistration(QXmlStreamWriter& xml, const std::vector<TMarkPath>& marks) {
    if (marks.empty())
        return;
    StartLayer(xml, SvgRegistrationId);
    const QString black = ColorText(ColorBlack);
    for (const TMarkPath& mark : marks) {
        QString path;
        for (std::size_t i = 0; i < mark.Points.size(); ++i)
            path +=
                (i == 0 ? QStringLiteral("M ") : QStringLiteral(" L ")) + PointText(mark.Points[i]);
        if (mark.Filled) {
            WritePath(xml, path + QStringLiteral(" Z"));
            xml.writeAttribute(QStringLiteral("fill"), black);
            xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
        } else {
            WritePath(xml, path);
            xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
            xml.writeAttribute(QStringLiteral("stroke"), black);
            xml.writeAttribute(QStringLiteral("stroke-width"), Mm(RegistrationLineWidth));
        }
    }
    xml.writeEndElement();
}

// A positive SVG rotation turns clockwise as seen, as the placement's angle does.
void WriteText(QXmlStreamWriter& xml, const TTextPlacement& text) {
    xml.writeStartElement(QStringLiteral("text"));
    xml.writeAttribute(QStringLiteral("x"), Mm(text.At.X));
    xml.writeAttribute(QStringLiteral("y"), Mm(text.At.Y));
    xml.writeAttribute(QStringLiteral("font-size"), Mm(text.Height));
    xml.writeAttribute(
        QStringLiteral("transform"),
        QStringLiteral("rotate(%1 %2)").arg(Mm(RadToDeg(text.Angle))).arg(PointText(text.At)));
    xml.writeCharacters(XmlText(text.Text));
    xml.writeEndElement();
}

void WriteLayer(QXmlStreamWriter& xml, const TPageLayers& layers, TLayerKind kind,
                const TSvgPaper& paper) {
    StartGroup(xml, kind, paper.FontFamily);
    switch (kind) {
    case lkCut:
        for (const TDaPointF& outline : layers.Cut)
            WritePath(xml, OutlinePath(outline));
        break;
    case lkFold1:
        WriteSegments(xml, layers.FlangeBase, paper.Folds.FlangeBase);
        WriteSegments(xml, layers.Fold1, paper.Folds.Set1);
        break;
    case lkFold2:
        WriteSegments(xml, layers.Fold2, paper.Folds.Set2);
        break;
    case lkText:
        for (const TTextPlacement& text : layers.Text)
            WriteText(xml, text);
        break;
    }
    xml.writeEndElement();
}

} // namespace

QString SvgLayerId(TLayerKind kind) {
    switch (kind) {
    case lkCut:
        return QStringLiteral("cut");
    case lkFold1:
        return QStringLiteral("fold-1");
    case lkFold2:
        return QStringLiteral("fold-2");
    default:
        return QStringLiteral("text");
    }
}

QByteArray SvgOfPage(const TPageLayers& layers, const TSvgPaper& paper) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeNamespace(LayerNamespace, QStringLiteral("inkscape"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("width"), Mm(paper.Width) + QStringLiteral("mm"));
    xml.writeAttribute(QStringLiteral("height"), Mm(paper.Height) + QStringLiteral("mm"));
    xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 ") + Mm(paper.Width) +
                                                      QLatin1Char(' ') + Mm(paper.Height));
    xml.writeTextElement(QStringLiteral("title"), paper.Title);
    for (const TLayerKind kind : LayerKinds)
        WriteLayer(xml, layers, kind, paper);
    WriteRegistration(xml, layers.Registration);
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

// Printed sheets as vector paths: one painter path per path of the sheet, the
// pen set once per stroke, texts turned about their baseline.
#include "sheet_painter.h"

#include "geometry/angles.h"
#include "shift_jis_codec.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <string>

namespace {

// Texts reach this far, in mm, from their place at most: those farther from
// what is visible are left out.
constexpr long double TextReach = 100;

class TDeviceMap {
public:
    explicit TDeviceMap(const TSheetMapping& mapping) : FMapping(mapping) {}
    QPointF operator()(const TPointF& p) const {
        return {static_cast<qreal>((p.X + FMapping.Offset.X) * FMapping.DotsPerMmX),
                static_cast<qreal>((p.Y + FMapping.Offset.Y) * FMapping.DotsPerMmY)};
    }
    qreal Length(long double mm) const {
        return static_cast<qreal>(mm * (FMapping.DotsPerMmX + FMapping.DotsPerMmY) / 2);
    }

private:
    const TSheetMapping& FMapping;
};

// Dashes are given in mm; Qt takes them in pen widths.
QPen PenOf(const TPrintStroke& stroke, const TDeviceMap& map) {
    QPen pen(Qt::black);
    pen.setWidthF(map.Length(stroke.Width));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (!stroke.Dashes.empty() && stroke.Width > 0) {
        QList<qreal> pattern;
        for (const long double dash : stroke.Dashes)
            pattern.append(static_cast<qreal>(dash / stroke.Width));
        pen.setDashPattern(pattern);
    }
    return pen;
}

bool IsVisible(const TPrintPath& path, const TBox& visible) {
    return visible.IsEmpty() || BoxesMeet(BoxOf(path.Points), visible);
}

bool IsVisible(const TPrintText& text, const TBox& visible) {
    if (visible.IsEmpty())
        return true;
    const TPointF& at = text.Placement.At;
    return BoxesMeet(BoxOf(TPointF{at.X - TextReach, at.Y - TextReach},
                           TPointF{at.X + TextReach, at.Y + TextReach}),
                     visible);
}

void PaintStroke(QPainter& painter, const TPrintStroke& stroke, const TDeviceMap& map,
                 const TBox& visible) {
    if (stroke.Filled) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
    } else {
        painter.setPen(PenOf(stroke, map));
        painter.setBrush(Qt::NoBrush);
    }
    for (const TPrintPath& path : stroke.Paths) {
        if (path.Points.size() < 2 || !IsVisible(path, visible))
            continue;
        if (path.Points.size() == 2 && !path.Closed && !stroke.Filled) {
            painter.drawLine(map(path.Points[0]), map(path.Points[1]));
            continue;
        }
        QPainterPath outline(map(path.Points.front()));
        for (std::size_t i = 1; i < path.Points.size(); ++i)
            outline.lineTo(map(path.Points[i]));
        if (path.Closed || stroke.Filled)
            outline.closeSubpath();
        painter.drawPath(outline);
    }
}

// The font whose em is height mm on the painter's device.
QFont FontOfHeight(const QFont& font, long double height, const TDeviceMap& map,
                   const QPaintDevice& device) {
    QFont sized(font);
    const qreal dots = map.Length(height);
    sized.setPointSizeF(dots / device.logicalDpiY() * 72);
    return sized;
}

void PaintText(QPainter& painter, const TPrintText& text, const TDeviceMap& map, const QFont& font,
               const QTransform& base) {
    const QString string = ShiftJisToUnicode(text.Placement.Text);
    const qreal width = QFontMetricsF(font, painter.device()).horizontalAdvance(string);
    QTransform place;
    place.translate(map(text.Placement.At).x(), map(text.Placement.At).y());
    place.rotate(static_cast<qreal>(RadToDeg(text.Placement.Angle)));
    painter.setWorldTransform(place * base);
    painter.drawText(QPointF(text.Align == TTextAlign::Centre ? -width / 2 : 0, 0), string);
}

} // namespace

void PaintPrintedSheet(QPainter& painter, const TPrintedSheet& sheet, const TSheetMapping& mapping,
                       const QFont& font, const TBox& visible) {
    const TDeviceMap map(mapping);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const TPrintStroke& stroke : sheet.Strokes)
        PaintStroke(painter, stroke, map, visible);
    if (!sheet.Texts.empty() && painter.device() != nullptr) {
        const QTransform base = painter.worldTransform();
        painter.setPen(Qt::black);
        long double height = -1;
        QFont sized;
        for (const TPrintText& text : sheet.Texts) {
            if (!IsVisible(text, visible))
                continue;
            if (text.Placement.Height != height) {
                height = text.Placement.Height;
                sized = FontOfHeight(font, height, map, *painter.device());
                painter.setFont(sized);
            }
            PaintText(painter, text, map, sized, base);
        }
        painter.setWorldTransform(base);
    }
    painter.restore();
}

// The texts on shapes too large for the page.
#include "layout_messages.h"

#include "document/shape_fit.h"
#include "format/number_field.h"

#include <algorithm>

namespace {

// Longer lists end with how many more there are.
constexpr std::size_t MostListed = 12;

QString Mm(long double length) {
    return QString::fromStdString(FixedText(length, 1));
}

QString SizeOf(const TPolygon& shape) {
    const TShapeSize size = SizeWithFlanges(shape);
    return SizeText(size.Width, size.Height);
}

} // namespace

QString SizeText(long double width, long double height) {
    return QStringLiteral("%1 × %2 mm").arg(Mm(width), Mm(height));
}

QString TooLargeText(const TPolygon& shape, const TPageAreaMm& area) {
    return QStringLiteral("図形の大きさ (%1) が用紙の描画領域 (%2) を超えるため、置けません。")
        .arg(SizeOf(shape), SizeText(area.Width, area.Height));
}

QString MisfitsText(const TLayoutJob& job, const TLayoutApplied& applied, const TPageAreaMm& area) {
    QString text =
        QStringLiteral("次の図形は用紙の描画領域 (%1) に収まらないため、元の位置に残しました。")
            .arg(SizeText(area.Width, area.Height));
    const std::size_t listed = std::min(applied.Misfits.size(), MostListed);
    for (std::size_t k = 0; k < listed; ++k) {
        const TShapeRef& place = applied.MisfitPlaces[k];
        const QString where = place.Page < 0 ? QStringLiteral("新しい図形 (追加していません)")
                                             : QStringLiteral("%1 ページの %2 番目の図形")
                                                   .arg(place.Page + 1)
                                                   .arg(place.Index + 1);
        text += QStringLiteral("\n%1 (%2)").arg(where, SizeOf(job.Shapes[applied.Misfits[k]]));
    }
    if (applied.Misfits.size() > listed)
        text += QStringLiteral("\nほか %1 個").arg(applied.Misfits.size() - listed);
    return text;
}

// Tests of the SVG export, read back with Qt's XML reader: full size in
// millimetres, one layer per kind of line with its colour, one path per line
// at its place within a thousandth of a millimetre in its look's width and
// dashes, the names as text, and the registration marks.
#include "svg_export.h"

#include "export/export_drawing.h"
#include "shift_jis_codec.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

constexpr double Tolerance = 0.001; // mm

struct TElement {
    QString Name;
    QXmlStreamAttributes Attributes;
    QString Text;
    QString Attribute(const char* name) const {
        return Attributes.value(QLatin1String(name)).toString();
    }
};

struct TGroup {
    QXmlStreamAttributes Attributes;
    std::vector<TElement> Children;
    QString Attribute(const char* name) const {
        return Attributes.value(QLatin1String(name)).toString();
    }
};

struct TSvg {
    QXmlStreamAttributes Root;
    QString Title;
    std::vector<QString> GroupOrder;
    std::map<QString, TGroup> Groups;
};

// The document as the tests look at it; a reading error fails the test.
TSvg ReadSvg(const QByteArray& bytes) {
    TSvg svg;
    QXmlStreamReader xml(bytes);
    TGroup* group = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        EXPECT_EQ(xml.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
        const QString name = xml.name().toString();
        if (name == QStringLiteral("svg")) {
            svg.Root = xml.attributes();
        } else if (name == QStringLiteral("title")) {
            svg.Title = xml.readElementText();
        } else if (name == QStringLiteral("g")) {
            const QString id = xml.attributes().value(QStringLiteral("id")).toString();
            svg.GroupOrder.push_back(id);
            group = &svg.Groups[id];
            group->Attributes = xml.attributes();
        } else if (group != nullptr) {
            TElement element{name, xml.attributes(), {}};
            if (name == QStringLiteral("text"))
                element.Text = xml.readElementText();
            group->Children.push_back(element);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return svg;
}

// The points of a path "M x y L x y ... [Z]", and whether it is closed.
TDaPointF PathPoints(const QString& d, bool& closed) {
    TDaPointF points;
    static const QRegularExpression command(QStringLiteral("([ML]) (-?[0-9.]+) (-?[0-9.]+)"));
    for (const QRegularExpressionMatch& match : command.globalMatch(d))
        points.push_back({match.captured(2).toDouble(), match.captured(3).toDouble()});
    closed = d.trimmed().endsWith(QLatin1Char('Z'));
    return points;
}

void ExpectPoints(const TDaPointF& actual, const TDaPointF& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(actual[i].X), static_cast<double>(expected[i].X), Tolerance)
            << "point " << i;
        EXPECT_NEAR(static_cast<double>(actual[i].Y), static_cast<double>(expected[i].Y), Tolerance)
            << "point " << i;
    }
}

TDaPointF OnPaper(const TDaPointF& pagePoints) {
    TDaPointF points;
    for (const TPointF& p : pagePoints)
        points.push_back({p.X + PageOrigin.X, p.Y + PageOrigin.Y});
    return points;
}

class SvgExportTest : public testing::Test {
protected:
    const TSvg Svg = ReadSvg(SvgOfPage(
        ExportLayers(), {PaperWidth, PaperHeight, QStringLiteral("box - 1"), "IPAMincho", {}}));

    const TGroup& Group(const char* id) const { return Svg.Groups.at(QLatin1String(id)); }
    TDaPointF Path(const char* id, std::size_t index, bool& closed) const {
        return PathPoints(Group(id).Children.at(index).Attribute("d"), closed);
    }
};

TEST_F(SvgExportTest, IsAsLargeAsThePaperInMillimetres) {
    EXPECT_EQ(Svg.Root.value(QStringLiteral("width")), QStringLiteral("210mm"));
    EXPECT_EQ(Svg.Root.value(QStringLiteral("height")), QStringLiteral("297mm"));
    EXPECT_EQ(Svg.Root.value(QStringLiteral("viewBox")), QStringLiteral("0 0 210 297"));
    EXPECT_EQ(Svg.Title, QStringLiteral("box - 1"));
}

// A group is a layer to vector editors by the attributes they read, in their
// namespace: its mode and its name.
TEST_F(SvgExportTest, HoldsOneLayerPerKindOfLineInItsColour) {
    EXPECT_EQ(Svg.GroupOrder, (std::vector<QString>{"cut", "fold-1", "fold-2", "text"}));
    const QString layers = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");
    for (const QString& id : Svg.GroupOrder) {
        const QXmlStreamAttributes& attributes = Svg.Groups.at(id).Attributes;
        EXPECT_EQ(attributes.value(layers, QStringLiteral("groupmode")), QStringLiteral("layer"));
        EXPECT_EQ(attributes.value(layers, QStringLiteral("label")), id);
    }
    const std::pair<const char*, const char*> strokes[] = {
        {"cut", "#ff0000"}, {"fold-1", "#0000ff"}, {"fold-2", "#00ff00"}};
    for (const auto& [id, colour] : strokes) {
        EXPECT_EQ(Group(id).Attribute("stroke"), QLatin1String(colour)) << id;
        EXPECT_EQ(Group(id).Attribute("fill"), QStringLiteral("none")) << id;
        EXPECT_LE(Group(id).Attribute("stroke-width").toDouble(), 0.03) << id;
        for (const TElement& child : Group(id).Children)
            EXPECT_EQ(child.Name, QStringLiteral("path")) << id;
    }
    EXPECT_EQ(Group("text").Attribute("fill"), QStringLiteral("#000000"));
    EXPECT_EQ(Group("text").Attribute("font-family"), QStringLiteral("IPAMincho"));
    EXPECT_EQ(Group("text").Attribute("text-anchor"), QStringLiteral("middle"));

    // Three shapes; three flanged sides and one fold line of set 1; two of set 2.
    EXPECT_EQ(Group("cut").Children.size(), 3u);
    EXPECT_EQ(Group("fold-1").Children.size(), 4u);
    EXPECT_EQ(Group("fold-2").Children.size(), 2u);
    EXPECT_EQ(Group("text").Children.size(), 3u);
}

TEST_F(SvgExportTest, EachShapesCutIsOneClosedPathAroundItsFlanges) {
    bool closed = false;
    // The square's top and right sides carry 8 mm flanges; its plain sides are cut.
    ExpectPoints(
        Path("cut", 0, closed),
        OnPaper({{10, 20}, {10, 12}, {50, 12}, {50, 20}, {58, 20}, {58, 60}, {50, 60}, {10, 60}}));
    EXPECT_TRUE(closed);
    // The triangle's 45 degree trapezoid flange.
    ExpectPoints(Path("cut", 1, closed),
                 OnPaper({{80, 20}, {86, 14}, {104, 14}, {110, 20}, {80, 50}}));
    EXPECT_TRUE(closed);
    ExpectPoints(Path("cut", 2, closed), OnPaper({{20, 100}, {50, 100}, {50, 110}, {20, 110}}));
    EXPECT_TRUE(closed);
}

// The flanged sides first, then set 1, solid at 0.085 mm; set 2 in dashes of
// a millimetre, 0.1 mm wide, as the default looks have them.
TEST_F(SvgExportTest, FoldLinesAreTheFlangedSidesAndEachSetInTheirLooks) {
    const std::vector<TDaPointF> fold1 = {
        {{10, 20}, {50, 20}}, {{50, 20}, {50, 60}}, {{80, 20}, {110, 20}}, {{10, 20}, {50, 60}}};
    bool closed = true;
    for (std::size_t i = 0; i < fold1.size(); ++i) {
        ExpectPoints(Path("fold-1", i, closed), OnPaper(fold1[i]));
        EXPECT_FALSE(closed);
        EXPECT_EQ(Group("fold-1").Children[i].Attribute("stroke-width"), QStringLiteral("0.085"));
        EXPECT_TRUE(Group("fold-1").Children[i].Attribute("stroke-dasharray").isEmpty());
    }
    ExpectPoints(Path("fold-2", 0, closed), OnPaper({{50, 20}, {10, 60}}));
    ExpectPoints(Path("fold-2", 1, closed), OnPaper({{110, 20}, {80, 50}}));
    for (const TElement& path : Group("fold-2").Children) {
        EXPECT_EQ(path.Attribute("stroke-width"), QStringLiteral("0.1"));
        EXPECT_EQ(path.Attribute("stroke-dasharray"), QStringLiteral("1 0.7"));
    }
}

TEST(SvgExport, EachLookGivesItsDashesAndWidth) {
    TSvgPaper paper{PaperWidth, PaperHeight, QString(), QString(), {}};
    paper.Folds.FlangeBase = {TLineStyle::DashDot, 0.25L};
    const TSvg svg = ReadSvg(SvgOfPage(ExportLayers(), paper));
    const TElement& base = svg.Groups.at(QStringLiteral("fold-1")).Children.at(0);
    EXPECT_EQ(base.Attribute("stroke-width"), QStringLiteral("0.25"));
    EXPECT_EQ(base.Attribute("stroke-dasharray"), QStringLiteral("1.6 0.5 0.2 0.5"));
}

TEST(SvgExport, RegistrationMarksAreALayerOfTheirOwn) {
    TPageLayers layers;
    layers.Registration = RegistrationMarks(PaperWidth, PaperHeight, 10);
    const TSvg svg =
        ReadSvg(SvgOfPage(layers, {PaperWidth, PaperHeight, QString(), QString(), {}}));
    ASSERT_EQ(svg.GroupOrder.back(), QStringLiteral("registration"));
    const std::vector<TElement>& marks = svg.Groups.at(QStringLiteral("registration")).Children;
    ASSERT_EQ(marks.size(), 3u);
    bool closed = false;
    ExpectPoints(PathPoints(marks[0].Attribute("d"), closed),
                 {{10, 10}, {15, 10}, {15, 15}, {10, 15}});
    EXPECT_TRUE(closed);
    EXPECT_EQ(marks[0].Attribute("fill"), QStringLiteral("#000000"));
    ExpectPoints(PathPoints(marks[1].Attribute("d"), closed), {{180, 10}, {200, 10}, {200, 30}});
    EXPECT_FALSE(closed);
    EXPECT_EQ(marks[1].Attribute("stroke-width"), QStringLiteral("0.5"));
}

TEST_F(SvgExportTest, FlangeNamesAreTextInsideTheirFlanges) {
    const std::vector<TElement>& texts = Group("text").Children;
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].Text, QStringLiteral("のりA1"));
    EXPECT_EQ(texts[1].Text, QStringLiteral("B2"));
    EXPECT_EQ(texts[2].Text, QStringLiteral("C3"));
    const double lift = static_cast<double>(NameHeight * FlangeNameBaselineLift);
    EXPECT_NEAR(texts[0].Attribute("x").toDouble(), 30 + 15, Tolerance);
    EXPECT_NEAR(texts[0].Attribute("y").toDouble(), 20 + 25 - lift, Tolerance);
    EXPECT_NEAR(texts[0].Attribute("font-size").toDouble(), 4, Tolerance);
    EXPECT_EQ(texts[0].Attribute("transform"), QStringLiteral("rotate(0 45 44.2)"));
    // Up the right side, reading upright: the tops of the letters towards the
    // side, the baseline a text height out in the flange.
    EXPECT_NEAR(texts[1].Attribute("x").toDouble(), 50 + 15 + 4, Tolerance);
    EXPECT_NEAR(texts[1].Attribute("y").toDouble(), 40 + 25, Tolerance);
    EXPECT_EQ(texts[1].Attribute("transform"), QStringLiteral("rotate(-90 69 65)"));
}

TEST(SvgExport, AnEmptyPageIsAValidDocumentWithEmptyGroups) {
    const TSvg svg = ReadSvg(SvgOfPage({}, {100, 50, QString(), QString(), {}}));
    EXPECT_EQ(svg.GroupOrder.size(), 4u);
    for (const auto& [id, group] : svg.Groups)
        EXPECT_TRUE(group.Children.empty()) << id.toStdString();
}

TEST(SvgExport, ControlCharactersInANameDoNotBreakTheDocument) {
    TPageLayers layers;
    layers.Text.push_back({{10, 10},
                           0,
                           4,
                           "a\x01"
                           "b<&>"});
    const TSvg svg = ReadSvg(SvgOfPage(layers, {100, 50, QString(), QString(), {}}));
    ASSERT_EQ(svg.Groups.at(QStringLiteral("text")).Children.size(), 1u);
    EXPECT_EQ(svg.Groups.at(QStringLiteral("text")).Children[0].Text, QStringLiteral("a b<&>"));
}

} // namespace

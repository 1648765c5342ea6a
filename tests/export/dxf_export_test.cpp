// Tests of the DXF export, read back by an independent reader (Debian's
// python3-ezdxf): an R2000 drawing in millimetres and Shift-JIS that passes
// the reader's audit, or the same as R12; its four layers in their colours,
// closed cut polylines, fold lines in the line types and weights of their
// looks, centred texts at their places (their insertion points at the
// baselines' left ends) in a Japanese font, with the Y axis turned up, and
// the registration marks.
#include "dxf_export.h"

#include "export/export_drawing.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr double Tolerance = 1e-6; // mm

// What the reader found in the file, as read_dxf.py reports it; an empty
// object when the reader failed, which fails the test.
QJsonObject ReadBack(const std::string& dxf) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.dxf"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(dxf.data(), static_cast<qint64>(dxf.size()));
    file.close();

    QProcess reader;
    reader.start(QStringLiteral(ZELVO_SYSTEM_PYTHON),
                 {QStringLiteral(ZELVO_READ_DXF_SCRIPT), path});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0) {
        ADD_FAILURE() << "the DXF reader failed: " << reader.errorString().toStdString() << " "
                      << reader.readAllStandardError().toStdString();
        return {};
    }
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

std::vector<QJsonObject> EntitiesOn(const QJsonObject& drawing, const char* layer) {
    std::vector<QJsonObject> found;
    for (const QJsonValue& entity : drawing.value(QStringLiteral("entities")).toArray())
        if (entity.toObject().value(QStringLiteral("layer")).toString() == QLatin1String(layer))
            found.push_back(entity.toObject());
    return found;
}

// Points in page mm on the paper, as DXF holds them: Y up from the bottom edge.
void ExpectPoints(const QJsonObject& entity, const TDaPointF& pagePoints) {
    const QJsonArray points = entity.value(QStringLiteral("points")).toArray();
    ASSERT_EQ(points.size(), static_cast<qsizetype>(pagePoints.size()));
    for (std::size_t i = 0; i < pagePoints.size(); ++i) {
        const QJsonArray p = points[static_cast<qsizetype>(i)].toArray();
        EXPECT_NEAR(p[0].toDouble(), static_cast<double>(pagePoints[i].X + PageOrigin.X), Tolerance)
            << "point " << i;
        EXPECT_NEAR(p[1].toDouble(),
                    static_cast<double>(PaperHeight - (pagePoints[i].Y + PageOrigin.Y)), Tolerance)
            << "point " << i;
    }
}

class DxfExportTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        TPageLayers layers = ExportLayers();
        // As measured: names 10 mm wide.
        for (TTextPlacement& text : layers.Text)
            text.Width = 10;
        Drawing = new QJsonObject(
            ReadBack(DxfOfPage(layers, {PaperWidth, PaperHeight, {}, TDxfVersion::R2000})));
    }
    static void TearDownTestSuite() {
        delete Drawing;
        Drawing = nullptr;
    }
    static QJsonObject* Drawing;
};

QJsonObject* DxfExportTest::Drawing = nullptr;

TEST_F(DxfExportTest, IsAnR2000DrawingInMillimetresAndShiftJisThatPassesTheReadersAudit) {
    EXPECT_EQ(Drawing->value(QStringLiteral("version")).toString(), QStringLiteral("AC1015"));
    EXPECT_EQ(Drawing->value(QStringLiteral("encoding")).toString(), QStringLiteral("cp932"));
    EXPECT_EQ(Drawing->value(QStringLiteral("units")).toInt(), 4);
    EXPECT_EQ(Drawing->value(QStringLiteral("audit_errors")).toInt(-1), 0);
}

// R12 has no units and no handles; the entities are the same.
TEST(DxfExport, R12IsAChoiceThatPassesTheReadersAuditToo) {
    TDxfPaper paper{PaperWidth, PaperHeight, {}, TDxfVersion::R2000};
    paper.Version = TDxfVersion::R12;
    const QJsonObject drawing = ReadBack(DxfOfPage(ExportLayers(), paper));
    EXPECT_EQ(drawing.value(QStringLiteral("version")).toString(), QStringLiteral("AC1009"));
    EXPECT_EQ(drawing.value(QStringLiteral("encoding")).toString(), QStringLiteral("cp932"));
    EXPECT_EQ(drawing.value(QStringLiteral("audit_errors")).toInt(-1), 0);
    EXPECT_EQ(EntitiesOn(drawing, "CUT").size(), 3u);
    EXPECT_EQ(EntitiesOn(drawing, "CUT")[0].value(QStringLiteral("type")).toString(),
              QStringLiteral("POLYLINE"));
    EXPECT_EQ(EntitiesOn(drawing, "FOLD2")[0].value(QStringLiteral("linetype")).toString(),
              QStringLiteral("DASHED"));
    EXPECT_EQ(EntitiesOn(drawing, "TEXT").size(), 3u);
}

TEST_F(DxfExportTest, TextsUseAStyleWhoseFontShowsJapanese) {
    const QJsonObject styles = Drawing->value(QStringLiteral("styles")).toObject();
    EXPECT_EQ(styles.value(QStringLiteral("JAPANESE")).toString(), QStringLiteral("msgothic.ttc"));
    for (const QJsonObject& text : EntitiesOn(*Drawing, "TEXT"))
        EXPECT_EQ(text.value(QStringLiteral("style")).toString(), QStringLiteral("JAPANESE"));
}

TEST_F(DxfExportTest, HasTheFourLayersInTheirColours) {
    const QJsonObject layers = Drawing->value(QStringLiteral("layers")).toObject();
    EXPECT_EQ(layers.value(QStringLiteral("CUT")).toInt(), 1);   // red
    EXPECT_EQ(layers.value(QStringLiteral("FOLD1")).toInt(), 5); // blue
    EXPECT_EQ(layers.value(QStringLiteral("FOLD2")).toInt(), 3); // green
    EXPECT_EQ(layers.value(QStringLiteral("TEXT")).toInt(), 7);  // black on paper
    // Every entity lies on one of them.
    std::size_t onLayers = 0;
    for (const char* layer : {"CUT", "FOLD1", "FOLD2", "TEXT"})
        onLayers += EntitiesOn(*Drawing, layer).size();
    EXPECT_EQ(onLayers, static_cast<std::size_t>(
                            Drawing->value(QStringLiteral("entities")).toArray().size()));
}

TEST_F(DxfExportTest, CutsAreClosedPolylinesAroundTheFlanges) {
    const std::vector<QJsonObject> cuts = EntitiesOn(*Drawing, "CUT");
    ASSERT_EQ(cuts.size(), 3u);
    for (const QJsonObject& cut : cuts) {
        EXPECT_EQ(cut.value(QStringLiteral("type")).toString(), QStringLiteral("LWPOLYLINE"));
        EXPECT_TRUE(cut.value(QStringLiteral("closed")).toBool());
    }
    ExpectPoints(cuts[0],
                 {{10, 20}, {10, 12}, {50, 12}, {50, 20}, {58, 20}, {58, 60}, {50, 60}, {10, 60}});
    ExpectPoints(cuts[1], {{80, 20}, {86, 14}, {104, 14}, {110, 20}, {80, 50}});
    ExpectPoints(cuts[2], {{20, 100}, {50, 100}, {50, 110}, {20, 110}});
}

// The flanged sides first, then set 1; set 2 in its default dashes, which
// the file's DASHED line type holds in millimetres.
TEST_F(DxfExportTest, FoldLinesAreLinesOnTheirLayersInTheirLineTypes) {
    const std::vector<QJsonObject> fold1 = EntitiesOn(*Drawing, "FOLD1");
    ASSERT_EQ(fold1.size(), 4u);
    const std::vector<TDaPointF> expected1 = {
        {{10, 20}, {50, 20}}, {{50, 20}, {50, 60}}, {{80, 20}, {110, 20}}, {{10, 20}, {50, 60}}};
    for (std::size_t i = 0; i < fold1.size(); ++i) {
        EXPECT_EQ(fold1[i].value(QStringLiteral("type")).toString(), QStringLiteral("LINE"));
        EXPECT_EQ(fold1[i].value(QStringLiteral("linetype")).toString(),
                  QStringLiteral("CONTINUOUS"));
        EXPECT_EQ(fold1[i].value(QStringLiteral("lineweight")).toInt(), 9); // 0.085 mm
        ExpectPoints(fold1[i], expected1[i]);
    }
    const std::vector<QJsonObject> fold2 = EntitiesOn(*Drawing, "FOLD2");
    ASSERT_EQ(fold2.size(), 2u);
    ExpectPoints(fold2[0], {{50, 20}, {10, 60}});
    ExpectPoints(fold2[1], {{110, 20}, {80, 50}});
    EXPECT_EQ(fold2[0].value(QStringLiteral("linetype")).toString(), QStringLiteral("DASHED"));
    const QJsonArray dashed = Drawing->value(QStringLiteral("linetypes"))
                                  .toObject()
                                  .value(QStringLiteral("DASHED"))
                                  .toArray();
    ASSERT_EQ(dashed.size(), 2);
    EXPECT_NEAR(dashed[0].toDouble(), 1.0, Tolerance);
    EXPECT_NEAR(dashed[1].toDouble(), 0.7, Tolerance);
}

TEST(DxfExport, EachLookGivesItsLineTypeAndAHiddenOneNoLines) {
    TPageLook look;
    look.TextHeight = NameHeight;
    look.Folds.Set1 = {TLineStyle::DashDot, 0.3L};
    look.Folds.Set2 = {TLineStyle::Hidden, 0.1L};
    TDxfPaper paper{PaperWidth, PaperHeight, look.Folds};
    const QJsonObject drawing =
        ReadBack(DxfOfPage(PageLayersOf(ExportPage(), PageOrigin, look), paper));
    EXPECT_TRUE(EntitiesOn(drawing, "FOLD2").empty());
    const std::vector<QJsonObject> fold1 = EntitiesOn(drawing, "FOLD1");
    ASSERT_EQ(fold1.size(), 4u);
    EXPECT_EQ(fold1[3].value(QStringLiteral("linetype")).toString(), QStringLiteral("DASHDOT"));
    EXPECT_EQ(fold1[3].value(QStringLiteral("lineweight")).toInt(), 30);
}

TEST(DxfExport, RegistrationMarksAreASolidAndTwoPolylines) {
    TPageLayers layers;
    layers.Registration = RegistrationMarks(PaperWidth, PaperHeight, 10);
    const QJsonObject drawing =
        ReadBack(DxfOfPage(layers, {PaperWidth, PaperHeight, {}, TDxfVersion::R2000}));
    EXPECT_EQ(drawing.value(QStringLiteral("audit_errors")).toInt(-1), 0);
    const std::vector<QJsonObject> marks = EntitiesOn(drawing, "REGISTRATION");
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].value(QStringLiteral("type")).toString(), QStringLiteral("SOLID"));
    EXPECT_EQ(marks[1].value(QStringLiteral("type")).toString(), QStringLiteral("LWPOLYLINE"));
    // The square's corners, the third and fourth given crosswise.
    const QJsonArray square = marks[0].value(QStringLiteral("points")).toArray();
    EXPECT_NEAR(square[0].toArray()[0].toDouble(), 10, Tolerance);
    EXPECT_NEAR(square[0].toArray()[1].toDouble(), PaperHeight - 10, Tolerance);
    EXPECT_NEAR(square[2].toArray()[0].toDouble(), 10, Tolerance);
    EXPECT_NEAR(square[2].toArray()[1].toDouble(), PaperHeight - 15, Tolerance);
}

TEST_F(DxfExportTest, FlangeNamesAreCentredTextsReadingAsOnPaper) {
    const std::vector<QJsonObject> texts = EntitiesOn(*Drawing, "TEXT");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].value(QStringLiteral("text")).toString(), QStringLiteral("のりA1"));
    EXPECT_EQ(texts[1].value(QStringLiteral("text")).toString(), QStringLiteral("B2"));
    EXPECT_EQ(texts[2].value(QStringLiteral("text")).toString(), QStringLiteral("C3"));
    const long double lift = NameHeight * FlangeNameBaselineLift;
    for (const QJsonObject& text : texts) {
        EXPECT_EQ(text.value(QStringLiteral("type")).toString(), QStringLiteral("TEXT"));
        EXPECT_EQ(text.value(QStringLiteral("halign")).toInt(), 1); // centred
        EXPECT_EQ(text.value(QStringLiteral("valign")).toInt(), 0); // on the baseline
        EXPECT_NEAR(text.value(QStringLiteral("height")).toDouble(), 4, Tolerance);
    }
    ExpectPoints(texts[0], {{30, 20 - lift}});
    EXPECT_NEAR(texts[0].value(QStringLiteral("rotation")).toDouble(), 0, Tolerance);
    // Readers that do not align take the insertion point: half the text's
    // width before its middle.
    const QJsonArray insert = texts[0].value(QStringLiteral("insert")).toArray();
    EXPECT_NEAR(insert[0].toDouble(), static_cast<double>(25 + PageOrigin.X), Tolerance);
    EXPECT_NEAR(insert[1].toDouble(), static_cast<double>(PaperHeight - (20 - lift + PageOrigin.Y)),
                Tolerance);
    // Running up the page to read upright, a quarter turn with Y up, its
    // baseline a text height out in the flange.
    ExpectPoints(texts[1], {{50 + NameHeight, 40}});
    EXPECT_NEAR(texts[1].value(QStringLiteral("rotation")).toDouble(), 90, Tolerance);
}

TEST(DxfExport, PercentSignsAndLineBreaksInANameStayInItsText) {
    TPageLayers layers;
    layers.Text.push_back({{10, 10}, 0, 4, "50%\r\n"});
    layers.Text.push_back({{10, 20}, 0, 4, "%%d"});
    const QJsonObject drawing = ReadBack(DxfOfPage(layers, {100, 100, {}, TDxfVersion::R2000}));
    const std::vector<QJsonObject> texts = EntitiesOn(drawing, "TEXT");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].value(QStringLiteral("plain")).toString(), QStringLiteral("50%  "));
    // Two percent signs written as "%%%" each, which the format reads as a
    // percent sign, so that no degree sign shows.
    EXPECT_EQ(texts[1].value(QStringLiteral("text")).toString(), QStringLiteral("%%%%%%d"));
}

} // namespace

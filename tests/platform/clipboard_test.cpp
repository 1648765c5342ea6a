// Tests of the shape text block on the clipboard: Shift-JIS names carried as
// Unicode, blocks typed or copied in a text editor, text that is no block, and
// the system clipboard itself.
#include "clipboard.h"
#include "geometry/angles.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

class TMemoryClipboard : public IClipboard {
public:
    QString Content;
    QString Text() const override { return Content; }
    void SetText(const QString& text) override { Content = text; }
};

TPolygon NamedTriangle() {
    TPolygon shape;
    shape.Apexes = {PointF(1.5L, 2), PointF(30, 2), PointF(1.5L, 40.25L)};
    shape.Flanges.assign(3, TFlange());
    // "漢字" in Shift-JIS.
    shape.Flanges[1] = MakeFlange("\x8a\xbf\x8e\x9a", 3, Pi / 4, Pi / 2);
    shape.BendLines[1] = {MakeBendLine(0, 2)};
    return shape;
}

// The shape read back from its own written block, angles cut to its columns.
TPolygon AsWritten(const TPolygon& shape) {
    std::string block;
    EXPECT_TRUE(PolygonToText(shape, block));
    TPolygon read;
    EXPECT_EQ(TextToPolygon(block, read), TTextReadResult::Ok);
    return read;
}

} // namespace

TEST(ClipboardTest, ShapeTravelsAsUnicodeTextAndComesBack) {
    TMemoryClipboard clipboard;
    const TPolygon shape = NamedTriangle();
    ASSERT_TRUE(CopyPolygonToClipboard(clipboard, shape));
    EXPECT_TRUE(clipboard.Content.startsWith(QStringLiteral("Mirovelantiska PolygonDat\r\n3\r\n")));
    EXPECT_TRUE(clipboard.Content.contains(QStringLiteral(" 漢字\r\n")));

    TPolygon pasted;
    ASSERT_EQ(PastePolygonFromClipboard(clipboard, pasted), TTextReadResult::Ok);
    EXPECT_EQ(pasted, AsWritten(shape));
    EXPECT_EQ(pasted.Flanges[1].Name, "\x8a\xbf\x8e\x9a");

    // As a text editor that ends lines with LF alone would hand it back.
    clipboard.Content.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    TPolygon fromEditor;
    ASSERT_EQ(PastePolygonFromClipboard(clipboard, fromEditor), TTextReadResult::Ok);
    EXPECT_EQ(fromEditor, pasted);
}

TEST(ClipboardTest, TextThatIsNoBlockPastesNothing) {
    TMemoryClipboard clipboard;
    const TPolygon untouched = NamedTriangle();
    TPolygon shape = untouched;
    EXPECT_EQ(PastePolygonFromClipboard(clipboard, shape), TTextReadResult::Malformed);
    clipboard.Content = QStringLiteral("図形ではありません");
    EXPECT_EQ(PastePolygonFromClipboard(clipboard, shape), TTextReadResult::Malformed);

    // A negative fold-line count is the range error.
    ASSERT_TRUE(CopyPolygonToClipboard(clipboard, untouched));
    const qsizetype setOne = clipboard.Content.lastIndexOf(QStringLiteral("\r\n1\r\n"));
    ASSERT_GT(setOne, 0);
    clipboard.Content.replace(setOne, 5, QStringLiteral("\r\n-1\r\n"));
    EXPECT_EQ(PastePolygonFromClipboard(clipboard, shape), TTextReadResult::RangeError);
    EXPECT_EQ(shape, untouched);
}

// A clipboard may hold anything: 100 MB of text after a block's first line,
// or of noise, pastes nothing, without being converted character by character.
TEST(ClipboardTest, HugeTextOrNoisePastesNothing) {
    TMemoryClipboard clipboard;
    const TPolygon untouched = NamedTriangle();
    TPolygon shape = untouched;
    clipboard.Content = QStringLiteral("Mirovelantiska PolygonDat\r\n3\r\n") +
                        QString(50 * 1024 * 1024, QLatin1Char('7'));
    EXPECT_EQ(PastePolygonFromClipboard(clipboard, shape), TTextReadResult::Malformed);

    QString noise(50 * 1024 * 1024, QChar());
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = QChar(static_cast<char16_t>(0x2000 + (i * 2654435761u >> 7) % 0xB000));
    clipboard.Content = noise;
    EXPECT_EQ(PastePolygonFromClipboard(clipboard, shape), TTextReadResult::Malformed);
    clipboard.Content = QStringLiteral("Mirovelantiska PolygonDat\r\n") + noise;
    EXPECT_EQ(PastePolygonFromClipboard(clipboard, shape), TTextReadResult::Malformed);
    EXPECT_EQ(shape, untouched);
}

TEST(ClipboardTest, ShapeWithoutATextBlockLeavesTheClipboardAlone) {
    TMemoryClipboard clipboard;
    clipboard.Content = QStringLiteral("before");
    TPolygon far = NamedTriangle();
    far.Apexes[0].X = 1e16L;
    EXPECT_FALSE(CopyPolygonToClipboard(clipboard, far));
    EXPECT_EQ(clipboard.Content, QStringLiteral("before"));
}

TEST(ClipboardTest, SystemClipboardCarriesTheBlock) {
    TQtClipboard clipboard;
    const TPolygon shape = NamedTriangle();
    ASSERT_TRUE(CopyPolygonToClipboard(clipboard, shape));
    TPolygon pasted;
    ASSERT_EQ(PastePolygonFromClipboard(clipboard, pasted), TTextReadResult::Ok);
    EXPECT_EQ(pasted, AsWritten(shape));
    clipboard.SetText(QString());
    EXPECT_EQ(PastePolygonFromClipboard(clipboard, pasted), TTextReadResult::Malformed);
}

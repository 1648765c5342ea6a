// Tests of the drawing file: the bytes written for whole drawings, and reading
// them back whole or not at all.
#include "common/shape_builders.h"
#include "format/drawing_file.h"
#include "format/shape_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TPolygon FoldedSquare() {
    TPolygon polygon = Square(20, {20, 20});
    polygon.Flanges[2] = TFlange{5, 0.5L, 1.5L, "\x95\x5C"};
    polygon.BendLines[0].push_back(MakeBendLine(0, 2));
    polygon.BendLines[1].push_back(MakeBendLine(1, 3));
    return polygon;
}

std::string Block(const TPolygon& polygon) {
    std::string text;
    EXPECT_TRUE(PolygonToText(polygon, text));
    return text;
}

std::string Bytes(const TZvDat& drawing) {
    std::string bytes;
    EXPECT_TRUE(DrawingToText(drawing, bytes));
    return bytes;
}

// A drawing that no read produces, to see that failed reads leave it alone.
TZvDat Sentinel() {
    return TZvDat{{FoldedSquare()}, {}, {Triangle(10)}};
}

void ExpectReadFails(const std::string& bytes, TDrawingReadResult expected) {
    TZvDat drawing = Sentinel();
    EXPECT_EQ(expected, TextToDrawing(bytes, drawing)) << bytes;
    EXPECT_EQ(Sentinel(), drawing) << bytes;
}

TZvDat ReadBack(const std::string& bytes) {
    TZvDat drawing = Sentinel();
    EXPECT_EQ(TDrawingReadResult::Ok, TextToDrawing(bytes, drawing)) << bytes;
    return drawing;
}

const TZvDat EmptyDrawing(1);

TEST(DrawingToText, WritesTwoPagesWithATriangleOnTheFirst) {
    const std::string triangle =
        "Mirovelantiska PolygonDat\r\n3\r\n"
        "   0.00000000000    0.00000000000    0.00000000000    0.00000000000    0.00000000000 \r\n"
        "  10.00000000000    0.00000000000    0.00000000000    0.00000000000    0.00000000000 \r\n"
        "   0.00000000000   10.00000000000    0.00000000000    0.00000000000    0.00000000000 \r\n"
        "0\r\n0\r\n";
    EXPECT_EQ("2\r\n1\r\n" + triangle + "\r\n0\r\n", Bytes(TZvDat{{Triangle(10)}, {}}));
    EXPECT_EQ(TZvDat({{Triangle(10)}, {}}), ReadBack("2\r\n1\r\n" + triangle + "\r\n0\r\n"));
}

TEST(DrawingToText, WritesEveryPageAndNeverFewerThanOne) {
    const TZvDat drawing{{Triangle(10), FoldedSquare()}, {}, {FoldedSquare()}};
    EXPECT_EQ("3\r\n2\r\n" + Block(Triangle(10)) + "\r\n" + Block(FoldedSquare()) +
                  "\r\n0\r\n1\r\n" + Block(FoldedSquare()) + "\r\n",
              Bytes(drawing));
    EXPECT_EQ("1\r\n0\r\n", Bytes(TZvDat{}));
    TPolygon unwritable = Triangle(10);
    unwritable.Apexes[2].Y = 1e15L;
    std::string bytes = "stale";
    EXPECT_FALSE(DrawingToText(TZvDat{{Triangle(10)}, {}, {unwritable}}, bytes));
    EXPECT_EQ("", bytes);
}

TEST(TextToDrawing, ReadsBackWhatWasWritten) {
    const TZvDat drawing{{Triangle(10), FoldedSquare()}, {}, {}, {FoldedSquare()}};
    EXPECT_EQ(drawing, ReadBack(Bytes(drawing)));
    EXPECT_EQ(EmptyDrawing, ReadBack(Bytes(EmptyDrawing)));
    // The last block may lack its empty line; a page count line may have blanks.
    EXPECT_EQ(TZvDat{{Triangle(10)}}, ReadBack("1\r\n 1\r\n" + Block(Triangle(10))));
    // A count line that is not a number, or negative, is an empty page.
    EXPECT_EQ(TZvDat(2), ReadBack("2\r\nx\r\n-4\r\n"));
}

// A drawing always starts with a page count of at least one: any other file
// (notes, a drawing saved with LF line ends, an empty file) is not read as an
// empty drawing that a save would then write over it.
TEST(TextToDrawing, FailsWhenTheFirstLineIsNotAPositivePageCount) {
    for (const std::string bytes : {"", "0\r\n", "\r\n1\r\n0\r\n", "-3\r\n", "two\r\n1\r\n0\r\n",
                                    "2 pages\r\n0\r\n0\r\n", "Shopping list\r\n1 kg flour\r\n"})
        ExpectReadFails(bytes, TDrawingReadResult::Malformed);
    // With LF alone no line ends: the whole file is one line, not a number.
    std::string lfOnly;
    for (const char c : Bytes(TZvDat{{Triangle(10)}, {}}))
        if (c != '\r')
            lfOnly += c;
    ExpectReadFails(lfOnly, TDrawingReadResult::Malformed);
    // Blanks before the count are still allowed.
    EXPECT_EQ(TZvDat(2), ReadBack("  2\r\n0\r\n0\r\n"));
}

TEST(TextToDrawing, EndsLinesAtCrAndTheFileAtTheEndMark) {
    // A lone LF stays in its line, so a name holding one reads back.
    TPolygon named = Triangle(10);
    named.Flanges[0].Name = "a\nb";
    EXPECT_EQ(TZvDat{{named}}, ReadBack(Bytes(TZvDat{{named}})));
    // CR alone ends a line as CR LF does.
    std::string crOnly;
    for (const char c : Bytes(TZvDat{{Triangle(10)}, {FoldedSquare()}}))
        if (c != '\n')
            crOnly += c;
    EXPECT_EQ(TZvDat({{Triangle(10)}, {FoldedSquare()}}), ReadBack(crOnly));
    // Nothing after 0x1A is read.
    EXPECT_EQ(TZvDat{{Triangle(10)}}, ReadBack(Bytes(TZvDat{{Triangle(10)}}) + "\x1A" + "3\r\n"));
    const std::string bytes = Bytes(TZvDat{{Triangle(10)}});
    ExpectReadFails(bytes.substr(0, 60) + "\x1A" + bytes.substr(60), TDrawingReadResult::Malformed);
}

TEST(TextToDrawing, FailsWholeForAnyBadPageOrBlock) {
    const std::string good = Block(Triangle(10)) + "\r\n";
    std::string broken = good;
    broken.replace(broken.find("10.0"), 4, "1x.0");
    ExpectReadFails("2\r\n2\r\n" + good + broken + "0\r\n", TDrawingReadResult::Malformed);
    // Two shapes counted, one block given before the next page.
    ExpectReadFails("2\r\n2\r\n" + good + "1\r\n" + good, TDrawingReadResult::Malformed);
    // An empty line where a block should start.
    ExpectReadFails("1\r\n1\r\n\r\n" + good, TDrawingReadResult::Malformed);
    std::string negativeFolds = good;
    negativeFolds.replace(negativeFolds.rfind("0\r\n0\r\n"), 6, "0\r\n-1\r\n");
    ExpectReadFails("1\r\n1\r\n" + negativeFolds, TDrawingReadResult::RangeError);
    // A block's missing lines read as empty, never as lines of the next page.
    const std::string noFoldCounts = good.substr(0, good.rfind("0\r\n0\r\n"));
    EXPECT_EQ(TZvDat({{Triangle(10)}, {Triangle(10)}}),
              ReadBack("2\r\n1\r\n" + noFoldCounts + "\r\n1\r\n" + good));
}

TEST(TextToDrawing, FailsForATruncatedFile) {
    const std::string bytes = Bytes(TZvDat{{Triangle(10), FoldedSquare()}, {}, {FoldedSquare()}});
    // Every cut before the last page's count line loses something and must fail.
    const std::size_t lastCountLine = bytes.size() - Block(FoldedSquare()).size() - 5;
    ASSERT_EQ("\r\n1\r\n", bytes.substr(lastCountLine - 2, 5));
    for (std::size_t length = 1; length < lastCountLine; ++length) {
        TZvDat drawing = Sentinel();
        ASSERT_NE(TDrawingReadResult::Ok, TextToDrawing(bytes.substr(0, length), drawing))
            << length;
        ASSERT_EQ(Sentinel(), drawing) << length;
    }
}

TEST(TextToDrawing, FailsAtOnceForCountsTheFileCannotHold) {
    const std::string block = Block(Triangle(10)) + "\r\n";
    ExpectReadFails("2000000000\r\n0\r\n", TDrawingReadResult::Malformed);
    ExpectReadFails("1\r\n2000000000\r\n" + block, TDrawingReadResult::Malformed);
    ExpectReadFails("1\r\n3\r\n" + block + block, TDrawingReadResult::Malformed);
    std::string manyVertices = block;
    manyVertices.replace(manyVertices.find("\r\n3\r\n"), 5, "\r\n2000000000\r\n");
    ExpectReadFails("1\r\n1\r\n" + manyVertices, TDrawingReadResult::Malformed);
    // Counts the file can hold still read.
    EXPECT_EQ(TZvDat(3), ReadBack("3\r\n0\r\n0\r\n0"));
    EXPECT_EQ(TZvDat(3), ReadBack("3\r\n\r\n\r\n\r"));
}

// Bare line ends are pages without shapes, a few bytes each: a file of them
// once read as millions of pages. A drawing has at most MaxPageCount.
TEST(TextToDrawing, RefusesMorePagesThanADrawingHolds) {
    EXPECT_EQ(TZvDat(MaxPageCount), ReadBack("1000\r" + std::string(MaxPageCount, '\r')));
    ExpectReadFails("1001\r" + std::string(MaxPageCount + 1, '\r'), TDrawingReadResult::Malformed);
    ExpectReadFails("33000000\r" + std::string(33000, '\r'), TDrawingReadResult::Malformed);
    std::string bytes = "stale";
    EXPECT_FALSE(DrawingToText(TZvDat(MaxPageCount + 1), bytes));
    EXPECT_TRUE(bytes.empty());
}

} // namespace

// Tests of reading and writing drawing files a piece at a time: however the
// text is cut into chunks, it reads as the whole text does; the writer's
// pieces make up the file's text, report their progress, stop when told and
// name the first shape the file cannot hold.
#include "common/shape_builders.h"
#include "format/drawing_file.h"
#include "format/drawing_reader.h"
#include "format/drawing_writer.h"
#include "format/shape_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TPolygon NamedSquare() {
    TPolygon polygon = Square(20, {20, 20});
    polygon.Flanges[1] = TFlange{5, 0.5L, 1.5L, "\x95\x5C"};
    polygon.Flanges[3].Name = "a\nb"; // a lone LF stays in its line
    polygon.BendLines[0].push_back(MakeBendLine(0, 2));
    return polygon;
}

std::string Bytes(const TZvDat& drawing) {
    std::string bytes;
    EXPECT_TRUE(DrawingToText(drawing, bytes));
    return bytes;
}

std::string Without(std::string text, char dropped) {
    std::erase(text, dropped);
    return text;
}

struct TRead {
    TDrawingReadResult Result;
    TZvDat Drawing;
};

// Fed in chunks of size bytes, stopping where the reader wants no more.
TRead ReadInChunks(const std::string& text, std::size_t size) {
    TDrawingReader reader(text.size());
    for (std::size_t at = 0; at < text.size(); at += size)
        if (!reader.Take(std::string_view(text).substr(at, size)))
            break;
    TRead read{TDrawingReadResult::Ok, {{Triangle(1)}}};
    read.Result = reader.Finish(read.Drawing);
    return read;
}

TEST(DrawingReader, ChunksReadAsTheWholeTextReads) {
    const std::string good = Bytes(TZvDat{{Triangle(10), NamedSquare()}, {}, {NamedSquare()}});
    const std::string block = Bytes(TZvDat{{Triangle(10)}}).substr(6);
    std::string negativeFolds = good;
    negativeFolds.replace(negativeFolds.rfind("0\r\n0\r\n"), 6, "0\r\n-1\r\n");
    struct TCase {
        const char* Name;
        std::string Text;
        TDrawingReadResult Expected;
    };
    const std::vector<TCase> cases = {
        {"a drawing", good, TDrawingReadResult::Ok},
        {"CR alone ends lines", Without(good, '\n'), TDrawingReadResult::Ok},
        {"LF alone ends none", Without(good, '\r'), TDrawingReadResult::Malformed},
        {"the end mark ends it", good + "\x1A" + "junk", TDrawingReadResult::Ok},
        {"the end mark cuts it", good.substr(0, 300) + "\x1A" + good,
         TDrawingReadResult::Malformed},
        {"text after the last page", good + "anything\r\nelse", TDrawingReadResult::Ok},
        {"a longest line after it", good + std::string(4095, 'x') + "\r", TDrawingReadResult::Ok},
        {"the LF of a line end counts to the next line", good + std::string(4096, 'x') + "\r",
         TDrawingReadResult::Malformed},
        {"a line too long after it", good + std::string(5000, 'x'), TDrawingReadResult::Malformed},
        {"a last block without its empty line", "1\r\n1\r\n" + block, TDrawingReadResult::Ok},
        {"a block missing its fold counts",
         "2\r\n1\r\n" + block.substr(0, block.rfind("0\r\n0\r\n")) + "\r\n1\r\n" + block,
         TDrawingReadResult::Ok},
        {"a negative fold count", negativeFolds, TDrawingReadResult::RangeError},
        {"cut short", good.substr(0, good.size() / 2), TDrawingReadResult::Malformed},
        {"a page count the text cannot hold", "5\r\n0\r\n", TDrawingReadResult::Malformed},
        {"pages of bare line ends", "3\r\n\r\n\r\n\r", TDrawingReadResult::Ok},
        {"no text", "", TDrawingReadResult::Malformed},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TZvDat whole;
        ASSERT_EQ(TextToDrawing(c.Text, whole), c.Expected);
        for (const std::size_t size : {1, 2, 3, 85, 86, 4096, 4097}) {
            SCOPED_TRACE(size);
            const TRead read = ReadInChunks(c.Text, size);
            EXPECT_EQ(read.Result, c.Expected);
            if (c.Expected == TDrawingReadResult::Ok)
                EXPECT_EQ(read.Drawing, whole);
            else
                EXPECT_EQ(read.Drawing, TZvDat({{Triangle(1)}})) << "changed by a failed read";
        }
    }
}

// Text that is no drawing is given up as soon as it shows: the reader never
// holds more than a line of it.
TEST(DrawingReader, GivesUpAtTheFirstLineTooLong) {
    TDrawingReader reader(100 << 20);
    const std::string noise(1000, 'x');
    int taken = 0;
    while (reader.Take(noise))
        ++taken;
    EXPECT_EQ(taken, 4);
    TZvDat drawing;
    EXPECT_EQ(reader.Finish(drawing), TDrawingReadResult::Malformed);
}

struct TPieces {
    std::string Text;
    std::vector<std::size_t> Sizes;
    std::vector<double> Shares;
};

TDrawingWriteResult Write(const TZvDat& drawing, TPieces& pieces, std::size_t stopAfter = 0) {
    return WriteDrawingText(drawing, [&](std::string_view piece, double done) {
        pieces.Text += piece;
        pieces.Sizes.push_back(piece.size());
        pieces.Shares.push_back(done);
        return stopAfter == 0 || pieces.Sizes.size() < stopAfter;
    });
}

TEST(DrawingWriter, PiecesMakeUpTheFileAndReportTheirShare) {
    // A shape of 40000 vertices alone is several pieces.
    TPolygon large;
    for (int i = 0; i < 40000; ++i) {
        large.Apexes.push_back(PointF(i % 200, i / 200));
        large.Flanges.push_back(MakeFlange(i % 7 == 0 ? "A" : "", 2, 0.5L, 0.5L));
    }
    const TZvDat drawing = {{NamedSquare(), large}, {}, {Triangle(5)}};
    TPieces pieces;
    ASSERT_EQ(Write(drawing, pieces).End, TDrawingWriteEnd::Written);
    EXPECT_EQ(pieces.Text, Bytes(drawing));
    ASSERT_GE(pieces.Sizes.size(), 3u);
    for (std::size_t i = 0; i + 1 < pieces.Sizes.size(); ++i) {
        EXPECT_GE(pieces.Sizes[i], DrawingTextPieceBytes);
        EXPECT_LT(pieces.Sizes[i], DrawingTextPieceBytes + 200) << "a piece is at most a line over";
        EXPECT_LE(pieces.Shares[i], pieces.Shares[i + 1]);
    }
    EXPECT_EQ(pieces.Shares.back(), 1.0);

    TPieces stopped;
    EXPECT_EQ(Write(drawing, stopped, 2).End, TDrawingWriteEnd::Stopped);
    EXPECT_EQ(stopped.Sizes.size(), 2u) << "nothing is written once the sink said stop";

    TPieces empty;
    ASSERT_EQ(Write(TZvDat{}, empty).End, TDrawingWriteEnd::Written);
    EXPECT_EQ(empty.Text, "1\r\n0\r\n");
}

// A value the file cannot hold fails the writing at the first shape holding
// one, and says which it is.
TEST(DrawingWriter, NamesTheFirstShapeTheFileCannotHold) {
    TPolygon far = Triangle(10);
    far.Apexes[1].X = 1e15L;
    TPolygon badFold = Triangle(10);
    badFold.BendLines[1].push_back(MakeBendLine(0, 10000));
    struct TCase {
        const char* Name;
        TZvDat Drawing;
        int Page;
        int Shape;
    };
    const TCase cases[] = {
        {"a coordinate of 1e15 mm", {{Triangle(1)}, {}, {Triangle(2), far, far}}, 2, 1},
        {"a fold line's index", {{badFold, far}}, 0, 0},
        {"too many pages", TZvDat(MaxPageCount + 1), static_cast<int>(MaxPageCount), -1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TPieces pieces;
        const TDrawingWriteResult result = Write(c.Drawing, pieces);
        EXPECT_EQ(result.End, TDrawingWriteEnd::Unwritable);
        EXPECT_EQ(result.Page, c.Page);
        EXPECT_EQ(result.Shape, c.Shape);
    }
}

} // namespace

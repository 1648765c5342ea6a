// Drawing files opened and saved a piece at a time: a file that is no drawing
// is given up at its first impossible line without being held, a drawing is
// parsed as it is read without the file held whole, progress is reported and
// a cancel leaves the drawing and the file as they were, and a shape the file
// cannot hold is named.
#include "atomic_file.h"
#include "child_process.h"
#include "common/shape_builders.h"
#include "drawing_files.h"
#include "peak_memory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <vector>

namespace {

using namespace child_process;

void WriteRepeated(const QString& path, const QByteArray& piece, int times) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < times; ++i)
        ASSERT_EQ(file.write(piece), piece.size());
}

std::string Bytes(const QString& path) {
    std::string bytes;
    return ReadFileBytes(path, bytes) ? bytes : std::string("(none)");
}

// Pages of flanged 24-vertex shapes: about 200 bytes of file per vertex line
// and shape, megabytes in all.
TZvDat ManyShapes(int pages, int shapesPerPage) {
    TZvDat drawing(pages);
    for (int page = 0; page < pages; ++page)
        for (int shape = 0; shape < shapesPerPage; ++shape) {
            TPolygon polygon;
            for (int apex = 0; apex < 24; ++apex) {
                polygon.Apexes.push_back(PointF(shape % 30 * 7 + apex * 0.25L, page + apex % 5));
                polygon.Flanges.push_back(MakeFlange(apex % 6 == 0 ? "B" : "", 3, 0.5L, 0.75L));
            }
            drawing[page].push_back(polygon);
        }
    return drawing;
}

class DrawingFilesTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Temporary.isValid());
        ASSERT_EQ(::chmod(QFile::encodeName(Temporary.path()).constData(), 0777), 0);
    }
    void TearDown() override {
        for (const QString& folder :
             QDir(Temporary.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            ::chmod(QFile::encodeName(Path(folder)).constData(), 0777);
    }
    QString Path(const QString& name) const { return Temporary.filePath(name); }
    QString Entries() const {
        return QDir(Temporary.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
            .join(' ');
    }
    QTemporaryDir Temporary;
};

// 200 MB of letters is refused at its first line too long for a drawing, and
// noise stops at its end-of-file mark: neither is read whole or held.
TEST_F(DrawingFilesTest, FilesThatAreNoDrawingAreGivenUpAtOnce) {
    const QString letters = Path("letters.zvt");
    WriteRepeated(letters, QByteArray(1 << 20, 'x'), 200);
    QByteArray noise(1 << 20, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 2654435761u) >> 13);
    const QString noisy = Path("noise.zvt");
    WriteRepeated(noisy, noise, 200);

    for (const QString& path : {letters, noisy}) {
        SCOPED_TRACE(path.toStdString());
        const TPeakMemory peak;
        const long before = TPeakMemory::ResidentKilobytes();
        std::vector<double> shares;
        TZvDat drawing = {{Triangle(5)}};
        const TDrawingLoadResult read = ReadDrawingFile(path, drawing, [&](double done) {
            shares.push_back(done);
            return true;
        });
        EXPECT_EQ(read.End, TDrawingLoadEnd::NotADrawing);
        EXPECT_EQ(drawing, TZvDat({{Triangle(5)}}));
        EXPECT_LE(shares.size(), 1u) << "read on after the first chunk";
        if (peak.Kilobytes() >= 0) {
            EXPECT_LT(peak.Kilobytes() - before, 8 * 1024) << "the file was held";
        }
    }
    TZvDat drawing;
    EXPECT_EQ(ReadDrawingFile(Temporary.path(), drawing).End, TDrawingLoadEnd::CannotRead);
    EXPECT_EQ(ReadDrawingFile(Path("missing.zvt"), drawing).Error, ENOENT);
}

// A drawing of about 35 MB is parsed as it is read: the peak while reading
// stays near what the drawing itself needs.
TEST_F(DrawingFilesTest, ADrawingIsReadWithoutHoldingItsFile) {
    const TZvDat written = ManyShapes(40, 400);
    const QString path = Path("large.zvt");
    ASSERT_TRUE(SaveDrawingFile(path, written, TSaveOptions()).Ok());
    const qint64 fileBytes = QFileInfo(path).size();
    ASSERT_GT(fileBytes, 30 << 20);

    const TPeakMemory peak;
    std::vector<double> shares;
    TZvDat drawing;
    const TDrawingLoadResult read = ReadDrawingFile(path, drawing, [&](double done) {
        shares.push_back(done);
        return true;
    });
    const long after = TPeakMemory::ResidentKilobytes();
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(drawing, written);
    EXPECT_EQ(FileChangeSince(path, read.Identity), TFileChange::Unchanged);
    ASSERT_GE(shares.size(), 30u);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_EQ(shares.back(), 1.0);
    if (peak.Kilobytes() >= 0) {
        EXPECT_LT(peak.Kilobytes() - after, 12 * 1024) << "the file was held beside the drawing";
    }

    // Cancelled halfway, the drawing given is left as it was.
    TZvDat kept = {{Square(3)}};
    const TDrawingLoadResult cancelled =
        ReadDrawingFile(path, kept, [](double done) { return done < 0.5; });
    EXPECT_EQ(cancelled.End, TDrawingLoadEnd::Cancelled);
    EXPECT_EQ(kept, TZvDat({{Square(3)}}));
}

// A cancel, and a shape the file cannot hold, leave the old file whole and
// nothing beside it; the shape is named by its page and place.
TEST_F(DrawingFilesTest, ASaveThatDoesNotEndLeavesTheFileAsItWas) {
    const QString path = Path("box.zvt");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    const TZvDat drawing = ManyShapes(10, 400);

    std::vector<double> shares;
    TDrawingSaveResult saved = SaveDrawingFile(path, drawing, TSaveOptions(), [&](double done) {
        shares.push_back(done);
        return shares.size() < 3;
    });
    EXPECT_EQ(saved.File.Failure, TSaveFailure::Cancelled);
    EXPECT_EQ(saved.Writing.End, TDrawingWriteEnd::Stopped);
    EXPECT_EQ(shares.size(), 3u);
    EXPECT_EQ(Bytes(path), "old");
    EXPECT_EQ(Entries(), "box.zvt");

    TZvDat far = drawing;
    far[7][123].Apexes[5].Y = -2e15L;
    far[8][0].Apexes[0].X = 1e16L;
    saved = SaveDrawingFile(path, far, TSaveOptions());
    EXPECT_FALSE(saved.Ok());
    EXPECT_EQ(saved.Writing.End, TDrawingWriteEnd::Unwritable);
    EXPECT_EQ(saved.Writing.Page, 7);
    EXPECT_EQ(saved.Writing.Shape, 123);
    EXPECT_EQ(Bytes(path), "old");
    EXPECT_EQ(Entries(), "box.zvt");

    saved = SaveDrawingFile(path, drawing, TSaveOptions());
    ASSERT_TRUE(saved.Ok());
    std::string expected;
    ASSERT_TRUE(DrawingToText(drawing, expected));
    EXPECT_EQ(Bytes(path), expected);
    EXPECT_EQ(FileChangeSince(path, saved.File.Identity), TFileChange::Unchanged);
}

// Written in place (its folder refuses a new file), a save cancelled halfway
// puts the old content back and leaves no copy of it behind.
TEST_F(DrawingFilesTest, ACancelledSaveInPlacePutsTheOldContentBack) {
    ASSERT_TRUE(QDir().mkpath(Path("locked")));
    const QString path = Path("locked/box.zvt");
    ASSERT_TRUE(WriteFileAtomically(path, "old content"));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(Path("locked")).constData(), 0555), 0);
    const TZvDat drawing = ManyShapes(10, 400);
    const std::string child = RunUnprivileged([&] {
        TSaveOptions options;
        options.BackupFolder = Path("backups");
        int pieces = 0;
        const TDrawingSaveResult saved =
            SaveDrawingFile(path, drawing, options, [&pieces](double) { return ++pieces < 4; });
        return std::to_string(static_cast<int>(saved.File.Failure)) + " " + std::to_string(pieces);
    });
    EXPECT_EQ(child, std::to_string(static_cast<int>(TSaveFailure::Cancelled)) + " 4");
    EXPECT_EQ(Bytes(path), "old content");
    EXPECT_EQ(QDir(Path("backups")).entryList(QDir::Files | QDir::Hidden), QStringList());
}

} // namespace

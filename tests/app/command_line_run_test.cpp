// Tests of the real program run from the command line, in a folder of its own
// with no display: --help and --version, a generated 3D model imported into a
// drawing file that then loads and passes the flange check, that drawing
// exported to SVG, DXF and PDF, and every error told on standard error with
// exit status 1 and no file changed. No display is there to show a window on.
#include "common/unfolding/mesh_samples.h"
#include "document/flange_partners.h"
#include "format/drawing_file.h"
#include "format/number_field.h"
#include "geometry/flange_outline.h"
#include "pdf_tools.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

namespace {

struct TRunResult {
    int ExitCode = -1;
    QString Out;
    QString Err;
};

// The white area of A4 with 10 mm margins.
constexpr long double AreaWidth = 190, AreaHeight = 277;

// A Wavefront OBJ of the mesh: its vertices, then its faces counted from 1.
std::string ObjText(const TMesh& mesh) {
    std::string text;
    for (const TMeshPoint& p : mesh.Vertices)
        text += "v " + DecimalText(p.X, 12) + " " + DecimalText(p.Y, 12) + " " +
                DecimalText(p.Z, 12) + "\n";
    for (const TMeshFace& face : mesh.Faces) {
        text += "f";
        for (int vertex : face)
            text += " " + std::to_string(vertex + 1);
        text += "\n";
    }
    return text;
}

class CommandLineTest : public testing::Test {
protected:
    QTemporaryDir Dir;
    QString Program;

    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        // A copy of its own keeps its settings file beside it, away from any
        // other run's.
        Program = Dir.filePath(QStringLiteral("zelvo"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZELVO_PROGRAM), Program));
    }
    QString PathIn(const QString& name) const { return Dir.filePath(name); }
    void Write(const QString& name, const std::string& bytes) const {
        std::ofstream(PathIn(name).toStdString(), std::ios::binary) << bytes;
    }
    QByteArray Read(const QString& name) const {
        QFile file(PathIn(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Runs the program in the folder, without a display.
    TRunResult Run(const QStringList& arguments) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), PathIn(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), PathIn(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Dir.path());
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(Dir.path());
        process.start(Program, arguments);
        TRunResult result;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
            ADD_FAILURE() << "the program did not end: " << arguments.join(u' ').toStdString();
            process.kill();
            return result;
        }
        result.ExitCode = process.exitCode();
        result.Out = QString::fromLocal8Bit(process.readAllStandardOutput());
        result.Err = QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }
    TZvDat LoadDrawing(const QString& name) const {
        const QByteArray bytes = Read(name);
        TZvDat drawing;
        EXPECT_EQ(TextToDrawing(std::string_view(bytes.constData(), bytes.size()), drawing),
                  TDrawingReadResult::Ok);
        return drawing;
    }
    // The torus imported at 100 mm into box.zvt on A4 with 10 mm margins.
    TRunResult ImportTorus() {
        Write(QStringLiteral("torus.obj"), ObjText(TorusMesh(24, 8)));
        return Run({"--import", "torus.obj", "--size", "100", "--paper", "A4", "--margins", "10",
                    "box.zvt"});
    }
};

void ExpectEveryJointComplete(const TZvDat& drawing) {
    const TFlangePartnerReport check = CheckFlangePartners(drawing);
    EXPECT_EQ(JointsWithFindings(check), 0);
    EXPECT_GT(CompleteJoints(check), 0);
}

} // namespace

TEST_F(CommandLineTest, HelpAndVersionAnswerAndEnd) {
    const TRunResult help = Run({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    for (const char* option : {"--import <model>", "--export <file>", "--size <mm>",
                               "--tab-width <mm>", "--flat-angle <degrees>", "--paper <name>"})
        EXPECT_TRUE(help.Out.contains(QLatin1String(option))) << option;
    const TRunResult version = Run({"--version"});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_EQ(version.Out.trimmed(), QStringLiteral("Zelvo " ZELVO_PROJECT_VERSION));
}

TEST_F(CommandLineTest, AModelComesIntoADrawingFileThatLoadsWithEveryJointComplete) {
    const TRunResult run = ImportTorus();
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.startsWith(QStringLiteral("「torus.obj」を 2 個の部品に展開し、")))
        << run.Out.toStdString();
    const TZvDat drawing = LoadDrawing(QStringLiteral("box.zvt"));
    ASSERT_FALSE(drawing.empty());
    EXPECT_FALSE(drawing[0].empty()); // a new drawing takes the pieces from page 1
    for (const TPolygonTbl& page : drawing)
        for (const TPolygon& piece : page)
            for (const TPointF& p : OutlineWithFlanges(piece))
                EXPECT_TRUE(p.X > 0 && p.Y > 0 && p.X < AreaWidth && p.Y < AreaHeight);
    ExpectEveryJointComplete(drawing);

    // Again into the same file: the pages so far stay, the new ones follow
    // with marks of their own.
    const TRunResult again = ImportTorus();
    ASSERT_EQ(again.ExitCode, 0) << again.Err.toStdString();
    const TZvDat twice = LoadDrawing(QStringLiteral("box.zvt"));
    ASSERT_EQ(twice.size(), 2 * drawing.size());
    EXPECT_TRUE(std::equal(drawing.begin(), drawing.end(), twice.begin()));
    ExpectEveryJointComplete(twice);
}

TEST_F(CommandLineTest, ADrawingIsExportedToSvgDxfAndPdf) {
    ASSERT_EQ(ImportTorus().ExitCode, 0);
    const TZvDat drawing = LoadDrawing(QStringLiteral("box.zvt"));
    const QStringList common = {"--paper", "A4", "--margins", "10", "box.zvt"};

    ASSERT_EQ(Run(QStringList{"--export", "box.svg"} + common).ExitCode, 0);
    for (std::size_t page = 1; page <= drawing.size(); ++page) {
        const QByteArray svg = Read(QStringLiteral("box-%1.svg").arg(page));
        EXPECT_TRUE(svg.contains("width=\"210mm\"") && svg.contains("height=\"297mm\""));
        EXPECT_TRUE(svg.contains("id=\"cut\"") && svg.contains("id=\"fold-1\""));
    }
    ASSERT_EQ(Run(QStringList{"--export", "one.dxf", "--page", "1"} + common).ExitCode, 0);
    const QByteArray dxf = Read(QStringLiteral("one.dxf"));
    EXPECT_TRUE(dxf.contains("SECTION") && dxf.contains("CUT") && dxf.contains("FOLD1"));

    ASSERT_EQ(Run(QStringList{"--export", "box.pdf"} + common).ExitCode, 0);
    const QString info = PdfInfo(PathIn(QStringLiteral("box.pdf")));
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(drawing.size()))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("Page size: +595\\.27\\d* x 841\\.89\\d* pts \\(A4\\)"))))
        << info.toStdString();
}

TEST_F(CommandLineTest, ErrorsAreToldOnStandardErrorAndChangeNothing) {
    Write(QStringLiteral("notes.obj"), "These are notes, not a model.\n");
    Write(QStringLiteral("notes.zvt"), "These are notes, not a drawing.\n");
    Write(QStringLiteral("cube.obj"), ObjText(CubeMesh()));
    const struct {
        const char* Name;
        QStringList Arguments;
        QString Message;
    } cases[] = {
        {"an export of a drawing that is not there",
         {"--export", "a.svg", "gone.zvt"},
         QStringLiteral("図面ファイル「gone.zvt」がありません。")},
        {"a model that is not there",
         {"--import", "gone.obj", "new.zvt"},
         QStringLiteral("「gone.obj」は3Dモデルとして読み込めませんでした。")},
        {"a file that is no model",
         {"--import", "notes.obj", "new.zvt"},
         QStringLiteral("「notes.obj」は3Dモデルとして読み込めませんでした。")},
        {"a drawing file that is no drawing",
         {"--import", "cube.obj", "notes.zvt"},
         QStringLiteral("を読み込めませんでした。")},
        {"a size out of range",
         {"--import", "cube.obj", "--size", "-5", "new.zvt"},
         QStringLiteral("--size の値「-5」は")},
        {"an unknown paper",
         {"--export", "a.svg", "--paper", "A99", "notes.zvt"},
         QStringLiteral("--paper の値「A99」は")},
        {"no drawing named",
         {"--import", "cube.obj"},
         QStringLiteral("図面ファイル (.zvt) を一つ指定してください。")},
        {"an option the program does not know",
         {"--import", "cube.obj", "--colour", "new.zvt"},
         QStringLiteral("colour")},
        {"a model too large for the page",
         {"--import", "cube.obj", "--size", "500", "new.zvt"},
         QStringLiteral("収まりません")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TRunResult run = Run(c.Arguments);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_TRUE(run.Err.contains(c.Message)) << run.Err.toStdString();
        EXPECT_TRUE(run.Out.isEmpty()) << run.Out.toStdString();
        EXPECT_FALSE(QFile::exists(PathIn(QStringLiteral("new.zvt"))));
        EXPECT_FALSE(QFile::exists(PathIn(QStringLiteral("a.svg"))));
        EXPECT_EQ(Read(QStringLiteral("notes.zvt")), "These are notes, not a drawing.\n");
    }
}

// Tests of the sheet's 3D model import: the File menu's command, the open
// dialog and the options dialog, the model's pieces on pages after the last
// one with the page tabs following, what the import says it did, the whole
// import one undo step; and every way it can end early changing nothing:
// a cancel at any step, a file that is no 3D model, a model too large.
#include "sheet_fixture.h"

#include "common/unfolding/mesh_samples.h"
#include "document/flange_partners.h"
#include "geometry/flange_outline.h"
#include "long_task.h"
#include "mesh_import.h"
#include "mesh_import_dlg.h"

#include <QDir>

#include <optional>

namespace {

// Hands out the mesh the test gives, or the reader's error when it gives none.
class TFakeMeshReader : public TMeshReader {
public:
    std::optional<TMesh> Mesh;
    QStringList Paths;
    bool Read(const QString& path, TMesh& mesh, QString& error) override {
        Paths << path;
        if (!Mesh) {
            error = QStringLiteral("「%1」は3Dモデルとして読み込めませんでした。").arg(path);
            return false;
        }
        mesh = *Mesh;
        return true;
    }
};

// Answers with the values the test scripts, or cancels when it has none.
class TFakeMeshImportDialog : public IMeshImportDialog {
public:
    struct TAsked {
        QString FileName;
        long double FileSize = 0;
        TMeshImportOptions Offered;
    };
    std::optional<long double> Size; // none: Cancel
    std::vector<TAsked> Asked;
    bool AskOptions(const QString& fileName, long double fileSize,
                    TMeshImportOptions& options) override {
        Asked.push_back({fileName, fileSize, options});
        if (!Size)
            return false;
        options.Size = *Size;
        return true;
    }
};

// Runs the work where it is asked, and cancels it at its first report when told to.
class TCancellingTask : public ILongTask {
public:
    bool Cancel = false;
    QStringList Titles;
    TLongTaskEnd Run(const QString& title, const TLongWork& work) override {
        Titles << title;
        bool cancelled = false;
        const bool finished = work([&](double) {
            cancelled = Cancel;
            return !Cancel;
        });
        return cancelled  ? TLongTaskEnd::Cancelled
               : finished ? TLongTaskEnd::Finished
                          : TLongTaskEnd::Failed;
    }
};

const QString ModelPath = QStringLiteral("/models/ring.obj");

class SheetMeshImportTest : public SheetWindowTest {
protected:
    TFakeMeshReader Reader;
    TFakeMeshImportDialog ImportDialog;
    TCancellingTask Task;

    struct TRun {
        TRun(SheetMeshImportTest& test, const QString& settingsPath)
            : Settings(LoadSettings(settingsPath)), Setup(test.Printer, Settings),
              Window(Services(test), Dialogs(test)) {}
        TSheetServices Services(SheetMeshImportTest& test) {
            TSheetServices services{test.Prompt, test.Printer, test.Ticks, test.Clipboard,
                                    test.Cursor, Setup,        Settings};
            services.MeshReader = &test.Reader;
            services.LongTask = &test.Task;
            services.FlangeDefaults = MakeFlange("", 4, DegToRad(50), DegToRad(70));
            return services;
        }
        static TSheetDialogs Dialogs(SheetMeshImportTest& test) {
            TSheetDialogs dialogs{&test.Editor};
            dialogs.MeshImport = &test.ImportDialog;
            return dialogs;
        }
        TIniFile Settings;
        TPageSetup Setup;
        TStagedMainFm Window;
    };
    std::unique_ptr<TRun> Run;

    TStagedMainFm& Window() { return Run->Window; }
    void StartImporting(const TZvDat& drawing) {
        Run = std::make_unique<TRun>(*this, SettingsPath());
        std::string bytes;
        ASSERT_TRUE(DrawingToText(drawing, bytes));
        const QString path = PathIn(QStringLiteral("drawing.zvt"));
        WriteFile(path, bytes);
        Prompt.FileNames.push_back(path);
        Task.Cancel = false; // opening runs as long work too
        Trigger(Window(), "Open1");
        ASSERT_EQ(Window().CurrentDrawing(), drawing);
        Task.Titles.clear();
        Later();
    }
    void Later() { Ticks.Time += 1000; }
    // The import as the user starts it, choosing path in the open dialog.
    void Import(const QString& path = ModelPath) {
        Prompt.FileNames.push_back(path);
        Trigger(Window(), "MeshImportMi");
    }
    void ExpectUnchanged(const TZvDat& drawing, int historyCount) {
        EXPECT_EQ(Window().CurrentDrawing(), drawing);
        EXPECT_EQ(Window().EditHistory().Count(), historyCount);
        EXPECT_EQ(TabCaptions(Window()).size(), static_cast<qsizetype>(drawing.size()));
        EXPECT_TRUE(Prompt.Informations.empty());
    }
};

// A page with a shape, then an empty page at the end.
TZvDat TwoPages() {
    return {{Square(20, {10, 10})}, {}};
}

} // namespace

TEST_F(SheetMeshImportTest, TheFileMenuOffersTheImportWithCtrlI) {
    StartImporting(TwoPages());
    QAction* item = Window().findChild<QAction*>(QStringLiteral("MeshImportMi"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("3Dモデルの読み込み(&I)..."));
    EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
    const QList<QAction*> file = Window().findChild<QMenu*>(QStringLiteral("File1"))->actions();
    ASSERT_GE(file.size(), 3);
    EXPECT_EQ(file[2], item); // after 開く
}

TEST_F(SheetMeshImportTest, TheModelsPiecesComeOnPagesAfterTheLastOneAsOneStep) {
    StartImporting(TwoPages());
    Reader.Mesh = TorusMesh(24, 8);
    ImportDialog.Size = 150;
    Import();

    // The open dialog offers 3D models; the options start from the file's
    // own size and the editor's flange defaults.
    EXPECT_EQ(Prompt.Filters.back(), MeshFileFilter());
    EXPECT_EQ(Reader.Paths, QStringList{ModelPath});
    ASSERT_EQ(ImportDialog.Asked.size(), 1u);
    const auto& asked = ImportDialog.Asked[0];
    EXPECT_EQ(asked.FileName, QStringLiteral("ring.obj"));
    EXPECT_EQ(asked.FileSize, ModelSize(*Reader.Mesh));
    EXPECT_GT(asked.FileSize, 0);
    EXPECT_EQ(asked.Offered.Size, asked.FileSize);
    EXPECT_EQ(asked.Offered.TabWidth, 4);
    EXPECT_EQ(asked.Offered.TabAngle1, DegToRad(50));
    EXPECT_EQ(asked.Offered.TabAngle2, DegToRad(70));
    EXPECT_EQ(asked.Offered.FlatAngle, DegToRad(0.5L));
    EXPECT_EQ(Task.Titles, (QStringList{QStringLiteral("3Dモデルを読み込んでいます..."),
                                        QStringLiteral("3Dモデルを展開しています...")}));

    const TZvDat& drawing = Window().CurrentDrawing();
    ASSERT_GE(drawing.size(), 3u); // the torus at 150 mm takes two pages
    EXPECT_EQ(drawing[0], TwoPages()[0]);
    EXPECT_EQ(Window().CurrentPage(), 1);
    EXPECT_EQ(TabCaptions(Window()).size(), static_cast<qsizetype>(drawing.size()));
    int pieces = 0;
    for (std::size_t page = 1; page < drawing.size(); ++page) {
        for (const TPolygon& piece : drawing[page]) {
            ++pieces;
            for (const TPointF& p : OutlineWithFlanges(piece)) {
                EXPECT_TRUE(p.X > 0 && p.X < Run->Setup.PageArea().Width);
                EXPECT_TRUE(p.Y > 0 && p.Y < Run->Setup.PageArea().Height);
            }
        }
    }
    const TFlangePartnerReport check = CheckFlangePartners(drawing);
    EXPECT_EQ(JointsWithFindings(check), 0);
    EXPECT_GT(CompleteJoints(check), 0);

    ASSERT_EQ(Prompt.Informations.size(), 1u);
    EXPECT_EQ(Prompt.Informations[0].Title, InfoTitle());
    const QString summary = Prompt.Informations[0].Text;
    EXPECT_TRUE(summary.startsWith(
        QStringLiteral("「ring.obj」を %1 個の部品に展開し、ページ 2〜%2 に並べました。")
            .arg(pieces)
            .arg(drawing.size())))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("3 つ以上の面が共有していて切り離した辺: 0 本")));
    EXPECT_TRUE(summary.contains(QStringLiteral("収まるように幅を狭めた糊代:")));
    EXPECT_TRUE(Window().IsModified());

    Later();
    Trigger(Window(), "Undo1");
    EXPECT_EQ(Window().CurrentDrawing(), TwoPages());
    EXPECT_EQ(Window().CurrentPage(), 0);
    EXPECT_EQ(TabCaptions(Window()), (QStringList{"1", "2"}));
}

TEST_F(SheetMeshImportTest, EdgesOfMoreThanTwoFacesAreCutAndSaidSo) {
    StartImporting(TwoPages());
    // Two cubes sharing one edge.
    TMesh cubes = CubeMesh();
    const int n = static_cast<int>(cubes.Vertices.size());
    for (int v = 0; v < n; ++v) {
        const TMeshPoint& p = cubes.Vertices[v];
        cubes.Vertices.push_back({p.X + 2, p.Y + 2, p.Z});
    }
    for (std::size_t f = 0; f < 12; ++f) {
        TMeshFace face = cubes.Faces[f];
        for (int& vertex : face)
            vertex += n;
        cubes.Faces.push_back(face);
    }
    Reader.Mesh = cubes;
    ImportDialog.Size = 100;
    Import();
    ASSERT_EQ(Prompt.Informations.size(), 1u);
    EXPECT_TRUE(Prompt.Informations[0].Text.contains(
        QStringLiteral("3 つ以上の面が共有していて切り離した辺: 1 本")))
        << Prompt.Informations[0].Text.toStdString();
    EXPECT_EQ(JointsWithFindings(CheckFlangePartners(Window().CurrentDrawing())), 0);
}

TEST_F(SheetMeshImportTest, AnImportThatEndsEarlyChangesNothing) {
    TMesh slab;
    slab.Vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    slab.Faces = {{0, 1, 2, 3}};
    TMesh flat;
    flat.Vertices = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
    flat.Faces = {{0, 1, 2}};
    const struct {
        const char* Name;
        QString Path; // "" cancels the open dialog
        std::optional<TMesh> Mesh;
        std::optional<long double> Size;
        bool CancelWork;
        QString Error; // "" for none
    } cases[] = {
        {"the open dialog cancelled", "", CubeMesh(), 60, false, ""},
        {"the options cancelled", ModelPath, CubeMesh(), std::nullopt, false, ""},
        {"the unfolding cancelled", ModelPath, IcosphereMesh(2), 100, true, ""},
        {"no 3D model", ModelPath, std::nullopt, 60, false,
         QStringLiteral("「/models/ring.obj」は3Dモデルとして読み込めませんでした。")},
        {"no face with an area", ModelPath, flat, 60, false,
         QStringLiteral("「/models/ring.obj」の面はどれも面積がなく、展開できません。")},
        {"larger than a page", ModelPath, slab, 400, false,
         QStringLiteral("1 個の部品が、この大きさではページの描画領域 (190.0 × 277.0 mm) "
                        "に収まりません。モデルの大きさを小さくしてください。")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        StartImporting(TwoPages());
        const int history = Window().EditHistory().Count();
        Prompt.Errors.clear();
        Reader.Mesh = c.Mesh;
        ImportDialog.Size = c.Size;
        Task.Cancel = c.CancelWork;
        Import(c.Path);
        ExpectUnchanged(TwoPages(), history);
        EXPECT_FALSE(Window().IsModified());
        if (c.Error.isEmpty()) {
            EXPECT_TRUE(Prompt.Errors.empty());
        } else {
            ASSERT_EQ(Prompt.Errors.size(), 1u);
            EXPECT_EQ(Prompt.Errors[0].Text, c.Error);
        }
    }
}

// The real reader, on files written here: a Wavefront OBJ comes in, a text
// that is no model gets the reader's message.
TEST_F(SheetMeshImportTest, TheRealReaderTakesAnObjFileAndRefusesText) {
    const QString cube = PathIn(QStringLiteral("cube.obj"));
    WriteFile(cube, "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 0 0 1\nv 1 0 1\nv 1 1 1\nv 0 1 1\n"
                    "f 1 4 3 2\nf 5 6 7 8\nf 1 2 6 5\nf 2 3 7 6\nf 3 4 8 7\nf 4 1 5 8\n");
    const QString text = PathIn(QStringLiteral("notes.obj"));
    WriteFile(text, "These are notes, not a model.\n");

    Run = std::make_unique<TRun>(*this, SettingsPath());
    TFileMeshReader fileReader;
    TSheetServices services = Run->Services(*this);
    services.MeshReader = &fileReader;
    TStagedMainFm window(services, TRun::Dialogs(*this));
    ImportDialog.Size = 60;

    Prompt.FileNames.push_back(text);
    Trigger(window, "MeshImportMi");
    ASSERT_EQ(Prompt.Errors.size(), 1u);
    EXPECT_EQ(Prompt.Errors[0].Text, QStringLiteral("「%1」は3Dモデルとして読み込めませんでした。")
                                         .arg(QDir::toNativeSeparators(text)));
    EXPECT_EQ(window.CurrentDrawing(), TZvDat(1));

    Prompt.FileNames.push_back(cube);
    Trigger(window, "MeshImportMi");
    ASSERT_EQ(window.CurrentDrawing().size(), 1u);
    ASSERT_EQ(window.CurrentDrawing()[0].size(), 1u); // one net of six squares
    EXPECT_EQ(window.CurrentDrawing()[0][0].Apexes.size(), 14u);
    EXPECT_EQ(CompleteJoints(CheckFlangePartners(window.CurrentDrawing())), 7);
}

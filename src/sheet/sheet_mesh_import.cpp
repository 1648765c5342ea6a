// Bringing a 3D model into the sheet: the open dialog, the reading, the
// options, the unfolding onto pages and what it did, told at the end.
#include "sheet_mesh_import.h"

#include "document/free_joint_marks.h"
#include "document/sheet_document.h"
#include "drawing/page_area.h"
#include "long_task.h"
#include "mesh_import.h"
#include "mesh_import_dlg.h"
#include "prompt.h"
#include "qt_long_task.h"
#include "ui_text.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

QString ReadingTitle() {
    return UiText("TSheetMeshImport", "3Dモデルを読み込んでいます...");
}
QString UnfoldingTitle() {
    return UiText("TSheetMeshImport", "3Dモデルを展開しています...");
}
QString NoAreaText() {
    return UiText("TSheetMeshImport", "「%1」の面はどれも面積がなく、展開できません。");
}
QString TooLargeText() {
    return UiText("TSheetMeshImport", "%1 個の部品が、この大きさではページの描画領域 (%2 × %3 mm) "
                                      "に収まりません。モデルの大きさを小さくしてください。");
}
QString TooManyPagesText() {
    return UiText("TSheetMeshImport",
                  "部品を並べるには %1 ページが要り、図面のページ数の上限 %2 を超えます。"
                  "モデルの大きさを小さくしてください。");
}
QString SummaryText() {
    return UiText("TSheetMeshImport",
                  "「%1」を %2 個の部品に展開し、%3 に並べました。\n"
                  "3 つ以上の面が共有していて切り離した辺: %4 本\n"
                  "収まるように幅を狭めた糊代: %5 個 (うち幅 2 mm 未満: %6 個)");
}
QString NoPageAreaText() {
    return UiText(
        "TSheetMeshImport",
        "ページに描画領域がないため、部品を並べられません。印刷設定の余白を確かめてください。");
}
const QString DefaultExtension = QStringLiteral("obj");

QString PagesText(int first, int count) {
    return count == 1
               ? UiText("TSheetMeshImport", "ページ %1").arg(first + 1)
               : UiText("TSheetMeshImport", "ページ %1〜%2").arg(first + 1).arg(first + count);
}

QString FileText(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString MmText(long double value) {
    return QString::number(static_cast<double>(value), 'f', 1);
}

// The tab given, the flat-face angle's own default; a tab out of the
// dialog's range is taken as the import's own default.
TMeshImportOptions FirstOptions(const TFlange& tab) {
    TMeshImportOptions options;
    options.TabWidth = tab.Width;
    options.TabAngle1 = tab.Angle1;
    options.TabAngle2 = tab.Angle2;
    // Any area passes here: the page's is taken at each import.
    options.AreaWidth = options.AreaHeight = 1;
    return IsValidImport(options) ? options : TMeshImportOptions();
}

} // namespace

TSheetMeshImport::TSheetMeshImport(IPrompt& prompt, TMeshReader* reader, ILongTask* task,
                                   IMeshImportDialog* dialog, const IPageArea& pageArea,
                                   TSheetDocument& document, const TFlange& tab, QWidget* parent)
    : Prompt(prompt), OwnReader(reader != nullptr ? nullptr : std::make_unique<TFileMeshReader>()),
      OwnTask(task != nullptr ? nullptr : std::make_unique<TQtLongTask>(parent)),
      Reader(reader != nullptr ? *reader : *OwnReader), Task(task != nullptr ? *task : *OwnTask),
      Dialog(dialog), PageArea(pageArea), Document(document), Last(FirstOptions(tab)) {}

TSheetMeshImport::~TSheetMeshImport() = default;

bool TSheetMeshImport::Import() {
    if (Dialog == nullptr)
        return false;
    const QString path = Prompt.OpenFileName(MeshFileFilter(), DefaultExtension);
    TMesh mesh;
    if (path.isEmpty() || !Read(path, mesh))
        return false;

    TMeshImportOptions options = Last;
    const long double fileSize = ModelSize(mesh);
    options.Size = fileSize;
    if (!Dialog->AskOptions(QFileInfo(path).fileName(), fileSize, options))
        return false;
    Last = options;
    const TPageAreaMm area = PageArea.PageArea();
    options.AreaWidth = area.Width;
    options.AreaHeight = area.Height;
    if (!IsValidImport(options)) {
        Prompt.ShowError(ErrorTitle(), NoPageAreaText());
        return false;
    }

    // The marks are taken now: the drawing stays as it is while the work runs.
    TFreeJointMarks marks(Document.Drawing());
    TUnfoldedPages pages;
    const TLongTaskEnd end = Task.Run(UnfoldingTitle(), [&](const TProgressFn& progress) {
        pages = UnfoldOntoPages(mesh, options, marks, progress);
        return pages.Outcome == TUnfoldedPagesOutcome::Done;
    });
    if (end == TLongTaskEnd::Cancelled)
        return false;
    switch (pages.Outcome) {
    case TUnfoldedPagesOutcome::Done:
        break;
    case TUnfoldedPagesOutcome::Cancelled:
        return false;
    case TUnfoldedPagesOutcome::NoFaces:
        Prompt.ShowError(ErrorTitle(), NoAreaText().arg(FileText(path)));
        return false;
    case TUnfoldedPagesOutcome::TooLarge:
        Prompt.ShowError(
            ErrorTitle(),
            TooLargeText().arg(pages.TooLargePieces).arg(MmText(area.Width), MmText(area.Height)));
        return false;
    }

    if (!Document.AddShapePages(pages.Pages)) {
        Prompt.ShowError(ErrorTitle(),
                         TooManyPagesText().arg(pages.Pages.size()).arg(MaxPageCount));
        return false;
    }
    // The first of the pages is shown.
    ShowSummary(path, pages, Document.CurPage());
    return true;
}

// Reading a large file takes a while, so it runs as long work too; the
// library cannot stop halfway, so a cancel waits for it and drops the mesh.
bool TSheetMeshImport::Read(const QString& path, TMesh& mesh) {
    QString error;
    bool read = false;
    const TLongTaskEnd end = Task.Run(ReadingTitle(), [&](const TProgressFn&) {
        read = Reader.Read(path, mesh, error);
        return read;
    });
    if (end == TLongTaskEnd::Cancelled)
        return false;
    if (!read) {
        Prompt.ShowError(ErrorTitle(), error);
        return false;
    }
    const long double size = ModelSize(mesh);
    if (!(size > 0) || !std::isfinite(size)) {
        Prompt.ShowError(ErrorTitle(), NoAreaText().arg(FileText(path)));
        return false;
    }
    return true;
}

void TSheetMeshImport::ShowSummary(const QString& path, const TUnfoldedPages& pages,
                                   int firstPage) {
    Prompt.ShowInformation(InfoTitle(),
                           SummaryText()
                               .arg(QFileInfo(path).fileName())
                               .arg(pages.Pieces)
                               .arg(PagesText(firstPage, static_cast<int>(pages.Pages.size())))
                               .arg(pages.Cleaning.CutEdges)
                               .arg(pages.NarrowerTabs)
                               .arg(pages.ThinTabs));
}

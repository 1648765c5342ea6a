// The sheet window: its menu bar, the settings it keeps between runs and the
// document commands with the save-changes question that guards them. The page
// view lives in sheet_view.cpp, printing in sheet_print.cpp, export and the
// printer's calibration in sheet_export.cpp.
#include "main_fm.h"

#include "atomic_file.h"
#include "drawing/view_scale.h"
#include "format/drawing_file.h"
#include "named_action.h"
#include "printer.h"
#include "prompt.h"
#include "settings_file.h"
#include "shape_editor.h"
#include "window_placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr std::string_view MainSection = "TMainFm";

const QString AppCaption = QStringLiteral("Zelvo");
const QString DrawingFilter =
    QStringLiteral("Zelvoデータファイル (*.zvt)|*.zvt|全てのファイル (*.*)|*.*");
const QString DrawingExtension = QStringLiteral("zvt");

const QString SaveChangesText = QStringLiteral("図面が変更されています。保存しますか？");
const QString SaveFailedText = QStringLiteral("ファイル「%1」を保存できませんでした。");
const QString LoadFailedText = QStringLiteral("ファイル「%1」を読み込めませんでした。");

// True when path names an existing file other than ownFile (which may be
// empty, or gone).
bool IsOtherExistingFile(const QString& path, const QString& ownFile) {
    const QFileInfo chosen(path);
    if (!chosen.exists())
        return false;
    const QString own = ownFile.isEmpty() ? QString() : QFileInfo(ownFile).canonicalFilePath();
    return own.isEmpty() || chosen.canonicalFilePath() != own;
}

// The window's designed bounds, used when the settings hold none.
constexpr TWindowPlacement DefaultPlacement{203, 106, 480, 626, wsNormal};

} // namespace

TMainFm::TMainFm(const TSheetServices& services)
    : Prompt(services.Prompt), View(services.View), Printer(services.Printer),
      SettingsPath(services.SettingsPath), Clipboard(services.Clipboard), Cursor(services.Cursor),
      Editor(services.Editor), Recovery(services.Recovery), Document(services.Ticks) {
    createActions();
    createRecentFileItems();
    createMenus();
    createClientArea();
    createStatusBar();
    createConnections();

    ReadSettings();
    ReadPrinterResolution();
    ApplyStoredPrinterSettings();
    UpdateAreaSize();
    createRecoveryTimer();
    NewDrawing();
}

// Written here rather than on close so that every way out keeps the settings.
TMainFm::~TMainFm() {
    WriteSettings();
}

void TMainFm::createActions() {
    New1 = NamedAction(this, "New1", QStringLiteral("新規作成(&N)"));
    Open1 = NamedAction(this, "Open1", QStringLiteral("開く(&O)..."));
    Save1 = NamedAction(this, "Save1", QStringLiteral("上書き保存(&S)..."));
    SaveAs1 = NamedAction(this, "SaveAs1", QStringLiteral("名前を付けて保存(&A)..."));
    ExportMi = NamedAction(this, "ExportMi", QStringLiteral("エクスポート..."));
    PrintFontSetMi = NamedAction(this, "PrintFontSetMi", QStringLiteral("印字フォント設定..."));
    PrintSetMi = NamedAction(this, "PrintSetMi", QStringLiteral("印刷設定..."));
    PrintCalibrationMi = NamedAction(this, "PrintCalibrationMi", QStringLiteral("印刷の校正..."));
    Print1 = NamedAction(this, "Print1", QStringLiteral("現在のページを印刷..."));
    PrintAll = NamedAction(this, "PrintAll", QStringLiteral("全てのページを印刷..."));
    Exit1 = NamedAction(this, "Exit1", QStringLiteral("終了(&X)"));

    Undo1 = NamedAction(this, "Undo1", QStringLiteral("元に戻す(&U)"), Qt::ALT | Qt::Key_Backspace);
    Repeat1 = NamedAction(this, "Repeat1", QStringLiteral("やり直し"),
                          Qt::SHIFT | Qt::ALT | Qt::Key_Backspace);
    AddNewPageMi = NamedAction(this, "AddNewPageMi", QStringLiteral("ページ追加"),
                               Qt::CTRL | Qt::ALT | Qt::Key_P);
    DelPageMi = NamedAction(this, "DelPageMi", QStringLiteral("ページ削除"));
    MkNewPolygonMi =
        NamedAction(this, "MkNewPolygonMi", QStringLiteral("図形データの新規作成(&N)..."),
                    Qt::CTRL | Qt::Key_N);
    PolygonEditMi = NamedAction(this, "PolygonEditMi", QStringLiteral("図形データ修正(&E)..."),
                                Qt::CTRL | Qt::Key_E);
    PolygonCutMi =
        NamedAction(this, "PolygonCutMi", QStringLiteral("切り取り(&X)"), Qt::CTRL | Qt::Key_X);
    PolygonCopyMi =
        NamedAction(this, "PolygonCopyMi", QStringLiteral("コピー(&C)"), Qt::CTRL | Qt::Key_C);
    PolygonPasteMi =
        NamedAction(this, "PolygonPasteMi", QStringLiteral("貼り付け(&V)"), Qt::CTRL | Qt::Key_V);
    PolygonDeleteMi =
        NamedAction(this, "PolygonDeleteMi", QStringLiteral("削除(&D)"), Qt::CTRL | Qt::Key_Delete);
    Z1 = NamedAction(this, "Z1", QStringLiteral("ズーム(&Z)..."), Qt::CTRL | Qt::Key_Z);
    FlangeCheckMi =
        NamedAction(this, "FlangeCheckMi", QStringLiteral("糊代の検査..."), Qt::CTRL | Qt::Key_G);
    ClickDragMi = NamedAction(this, "ClickDragMi", QStringLiteral("クリックでドラッグ開始(&H)"),
                              Qt::CTRL | Qt::Key_H);
    WallChkMi = NamedAction(this, "WallChkMi",
                            QStringLiteral("移動時・描画領域外に出ないように制御する(&W)"),
                            Qt::CTRL | Qt::Key_W);
    PorigonCrossChkMi =
        NamedAction(this, "PorigonCrossChkMi", QStringLiteral("移動時・図形の重なりを回避する(&L)"),
                    Qt::CTRL | Qt::Key_L);
    AutoRotateMi = NamedAction(this, "AutoRotateMi", QStringLiteral("移動時・衝突したら回転(&M)"),
                               Qt::CTRL | Qt::Key_M);
    AllMi =
        NamedAction(this, "AllMi", QStringLiteral("移動時制御・一括(&A)"), Qt::CTRL | Qt::Key_A);
    // The drag options start unchecked at every start and are not saved.
    for (QAction* option : {ClickDragMi, WallChkMi, PorigonCrossChkMi, AutoRotateMi, AllMi})
        option->setCheckable(true);

    About1 = NamedAction(this, "About1", QStringLiteral("バージョン情報(&A)..."));
}

// Item i carries the tag i; an item joins the File menu once its entry exists.
void TMainFm::createRecentFileItems() {
    for (int tag = 1; tag <= TRecentFiles::MaxCount; ++tag) {
        QAction* item = new QAction(this);
        item->setObjectName(QStringLiteral("RecentFileItem%1").arg(tag));
        item->setData(tag);
        RecentFileItems[tag - 1] = item;
    }
}

void TMainFm::createMenus() {
    File1 = menuBar()->addMenu(QStringLiteral("ファイル(&F)..."));
    File1->setObjectName(QStringLiteral("File1"));
    File1->addActions({New1, Open1, Save1, SaveAs1, ExportMi});
    File1->addSeparator();
    File1->addActions({PrintFontSetMi, PrintSetMi, PrintCalibrationMi, Print1, PrintAll});
    File1->addSeparator();
    File1->addAction(Exit1);
    File1->addSeparator(); // N6: the recent-file items follow it

    EditMi1 = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    EditMi1->setObjectName(QStringLiteral("EditMi1"));
    EditMi1->addActions({Undo1, Repeat1});
    EditMi1->addSeparator();
    EditMi1->addActions({AddNewPageMi, DelPageMi, MkNewPolygonMi});
    EditMi1->addSeparator();
    EditMi1->addActions(
        {PolygonEditMi, PolygonCutMi, PolygonCopyMi, PolygonPasteMi, PolygonDeleteMi});
    EditMi1->addSeparator();
    EditMi1->addActions({Z1, FlangeCheckMi});
    EditMi1->addSeparator();
    EditMi1->addActions({ClickDragMi, WallChkMi, PorigonCrossChkMi, AutoRotateMi, AllMi});

    menuBar()->addAction(About1);
}

void TMainFm::createConnections() {
    connect(New1, &QAction::triggered, this, &TMainFm::New1Click);
    connect(Open1, &QAction::triggered, this, &TMainFm::Open1Click);
    connect(Save1, &QAction::triggered, this, &TMainFm::Save1Click);
    connect(SaveAs1, &QAction::triggered, this, &TMainFm::SaveAs1Click);
    connect(Exit1, &QAction::triggered, this, &TMainFm::close);
    for (QAction* item : RecentFileItems)
        connect(item, &QAction::triggered, this, [this, item] { RecentFileClick(item); });
    connect(EditMi1, &QMenu::aboutToShow, this, &TMainFm::EditMi1Popup);
    connect(EditMi1, &QMenu::aboutToHide, this, &TMainFm::EditMi1Closed);
    connect(File1, &QMenu::aboutToShow, this, &TMainFm::File1Popup);
    connect(File1, &QMenu::aboutToHide, this, &TMainFm::File1Closed);
    connect(Z1, &QAction::triggered, this, &TMainFm::Z1Click);
    connect(About1, &QAction::triggered, this, &TMainFm::About1Click);
    connectPageView();
    connectEditCommands();
    connectPrintCommands();
    connectFlangeCheck();
    connectExportCommands();
}

void TMainFm::ReadSettings() {
    const TIniFile settings = LoadSettings(SettingsPath);
    ApplyWindowPlacement(*this, ReadWindowPlacement(settings, MainSection, DefaultPlacement));
    View.SetZoom(ZoomFromStored(settings.ReadInteger(MainSection, "Zoom", 10000)));
    Print = ReadPrintSettings(settings);
    RecentFiles.ReadFrom(settings, MainSection);
    UpdateRecentFileMenu();
}

void TMainFm::WriteSettings() const {
    TIniFile settings = LoadSettings(SettingsPath);
    WriteWindowPlacement(settings, MainSection, WindowPlacementOf(*this));
    settings.WriteInteger(MainSection, "Zoom", ZoomToStored(View.Zoom()));
    WritePrintSettings(settings, Print);
    RecentFiles.WriteTo(settings, MainSection);
    SaveSettings(SettingsPath, settings);
}

// The printer's pixels per millimetre on paper: with the calibration applied,
// the page area is what the printer can reach, and prints come out true.
void TMainFm::ReadPrinterResolution() {
    PrinterPxPerMMX = PixelsPerPaperMm(Printer.PixelsPerInchX(), Print.PrintScaleX);
    PrinterPxPerMMY = PixelsPerPaperMm(Printer.PixelsPerInchY(), Print.PrintScaleY);
}

// No file is open any more, so the caption names none.
void TMainFm::NewDrawing() {
    Document.Reset();
    DragState = dsIdle;
    ShowPlacingHint(false);
    ResetChangeTracking();
    FileName.clear();
    setWindowTitle(AppCaption);
    ShowPageTabs(1);
    RepaintPage();
}

// From here on the drawing counts as unchanged and nothing can be undone: it
// has been saved, opened or started anew, so no copy of it needs keeping.
void TMainFm::ResetChangeTracking() {
    Document.ClearHistory();
    Document.SetModified(false);
    ForgetRecovery();
}

// True when the caller may discard the drawing.
bool TMainFm::ConfirmSaveChanges() {
    if (!Document.Modified())
        return true;
    switch (Prompt.AskYesNoCancel(InfoTitle, SaveChangesText)) {
    case TPromptAnswer::Yes:
        return SaveDrawingAs();
    case TPromptAnswer::No:
        return true;
    default:
        return false;
    }
}

// Another file is replaced only when the user says so; No goes back to the
// dialog with the name chosen, as the dialog itself would.
bool TMainFm::SaveDrawingAs() {
    QString path = FileName;
    for (;;) {
        path = Prompt.SaveFileName(DrawingFilter, DrawingExtension, path);
        if (path.isEmpty())
            return false;
        if (!IsOtherExistingFile(path, FileName) || Prompt.AskReplaceFile(path))
            return SaveDrawing(path);
    }
}

// The file is replaced only by a complete new one, and the drawing takes the
// file's name only once it has been written.
bool TMainFm::SaveDrawing(const QString& path) {
    std::string bytes;
    if (!DrawingToText(Document.Drawing(), bytes) || !WriteFileAtomically(path, bytes)) {
        Prompt.ShowError(ErrorTitle, SaveFailedText.arg(QDir::toNativeSeparators(path)));
        return false;
    }
    SetCurrentFileName(path);
    return true;
}

// The caller has prepared the empty drawing; a failed read leaves it as it was.
bool TMainFm::LoadDrawing(const QString& path) {
    std::string bytes;
    TZvDat drawing = Document.Drawing();
    if (!ReadDrawingFileBytes(path, bytes) ||
        TextToDrawing(bytes, drawing) != TDrawingReadResult::Ok)
        return false;
    Document.SetDrawing(std::move(drawing));
    ShowPageTabs(static_cast<int>(Document.Drawing().size()));
    ShowPage(0);
    SetCurrentFileName(path);
    return true;
}

// The entries the load recorded are dropped with the rest of the history.
void TMainFm::OpenDrawingFile(const QString& path) {
    NewDrawing();
    if (!LoadDrawing(path)) {
        NewDrawing();
        Prompt.ShowError(ErrorTitle, LoadFailedText.arg(QDir::toNativeSeparators(path)));
    }
    ResetChangeTracking();
}

void TMainFm::SetCurrentFileName(const QString& path) {
    RecentFiles.Add(path);
    UpdateRecentFileMenu();
    FileName = path;
    setWindowTitle(AppCaption + QStringLiteral(" - ") + QFileInfo(path).completeBaseName());
}

// Entries only ever grow in number, so the items in the File menu after N6
// are always the first RecentFiles.Count() items.
void TMainFm::UpdateRecentFileMenu() {
    for (; RecentFileItemsShown < RecentFiles.Count(); ++RecentFileItemsShown)
        File1->addAction(RecentFileItems[RecentFileItemsShown]);
    for (int i = 0; i < RecentFiles.Count(); ++i)
        RecentFileItems[i]->setText(RecentFileCaption(i + 1, RecentFiles.At(i)));
}

void TMainFm::New1Click() {
    if (ConfirmSaveChanges())
        NewDrawing();
}

void TMainFm::Open1Click() {
    if (!ConfirmSaveChanges())
        return;
    const QString path = Prompt.OpenFileName(DrawingFilter, DrawingExtension);
    if (!path.isEmpty())
        OpenDrawingFile(path);
}

void TMainFm::Save1Click() {
    const bool saved = FileName.isEmpty() ? SaveDrawingAs() : SaveDrawing(FileName);
    if (saved)
        ResetChangeTracking();
}

void TMainFm::SaveAs1Click() {
    if (SaveDrawingAs())
        ResetChangeTracking();
}

void TMainFm::RecentFileClick(const QAction* item) {
    const int tag = item->data().toInt();
    if (tag < 1 || tag > RecentFiles.Count() || !ConfirmSaveChanges())
        return;
    // A copy: opening the file reorders the list.
    const QString path = RecentFiles.At(tag - 1);
    OpenDrawingFile(path);
}

// A drawing recovered a moment ago is not given up without the question.
void TMainFm::OpenStartFile(const QString& path) {
    if (ConfirmSaveChanges())
        OpenDrawingFile(path);
}

void TMainFm::About1Click() {
    if (AboutBox != nullptr)
        AboutBox->exec();
}

// A normal end leaves no copy behind: the user has saved or given up the changes.
void TMainFm::closeEvent(QCloseEvent* event) {
    event->setAccepted(ConfirmSaveChanges());
    if (event->isAccepted()) {
        RecoveryOffered = true;
        ForgetRecovery();
    }
}

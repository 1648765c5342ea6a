// The sheet window: its client area and status line, the settings it keeps
// between runs, the page tabs and the zoom; the routes from the File menu to
// the drawing's file, printing, export and the printer's calibration; and the
// Edit menu: undo and redo, pages added and deleted, the routes to the shape
// commands, the flange check window, the joint commands and the layout, the
// placement options, and which commands are available.
#include "main_fm.h"

#include "flange_check_dlg.h"
#include "format/number_field.h"
#include "page_setup.h"
#include "page_tabs.h"
#include "page_tabs_accessible.h"
#include "paint_surface.h"
#include "prompt.h"
#include "shape_editor.h"
#include "ui_text.h"
#include "window_placement.h"
#include "zoom_dialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include <string_view>

namespace {

constexpr std::string_view MainSection = "TMainFm";

// The window's designed bounds, used when the settings hold none.
constexpr TWindowPlacement DefaultPlacement{203, 106, 480, 626, wsNormal};

QString PlacingHintText() {
    return UiText("TMainFm", "図形がマウスに付いて動きます。置く位置でクリックしてください。");
}

} // namespace

TMainFm::TMainFm(const TSheetServices& services, const TSheetDialogs& dialogs)
    : Prompt(services.Prompt), PageSetup(services.PageSetup), Dialogs(dialogs),
      Document(services.Ticks), Menus(*this), View(new TPageView(Document)),
      Gestures(Document, *View, services.Prompt, services.Cursor),
      Joints(Document, *View, services.Prompt, *this, dialogs.Editor),
      Shapes(services.Prompt, services.Clipboard, services.PageSetup, Document, *View, Gestures,
             dialogs.Editor),
      Recovery(services.Recovery, services.Prompt, services.LongTask, Document,
               services.RecoveryInterval),
      Files(services.Prompt, services.LongTask, Document, Recovery),
      Printing(services.Prompt, services.Printer, services.PageSetup, dialogs.PrintSet,
               services.LongTask != nullptr ? *services.LongTask : OwnLongTask, Document, Files),
      Exporter(services.Prompt, services.Printer, services.PageSetup, dialogs.Export,
               services.LongTask != nullptr ? *services.LongTask : OwnLongTask, Document, Files),
      Calibration(services.Prompt, services.PageSetup, Printing, dialogs.Calibration, Files),
      OwnLongTask(this),
      Layout(services.Prompt, services.LongTask != nullptr ? *services.LongTask : OwnLongTask,
             services.PageSetup, Document, dialogs.Layout),
      MeshImport(services.Prompt, services.MeshReader,
                 services.LongTask != nullptr ? services.LongTask : &OwnLongTask,
                 dialogs.MeshImport, services.PageSetup, Document, services.FlangeDefaults, this) {
    createClientArea();
    createStatusBar();
    createConnections();
    ReadSettings(services.Settings);
    View->ShowPageArea(PageSetup.PageArea(), PageSetup.PrintableOnPage());
    Files.Reset();
}

// The tab strip on the right, the page view beside it.
void TMainFm::createClientArea() {
    InstallPageTabsAccessible();
    TabControl1 = new TPageTabs;
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    auto* client = new QWidget;
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(View, 1);
    layout->addWidget(TabControl1);
    setCentralWidget(client);
}

void TMainFm::createStatusBar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel = new QLabel;
    StatusPanel->setObjectName(QStringLiteral("StatusPanel0"));
    // Wide enough for any position on a page, so the panel beside it stays put.
    StatusPanel->setMinimumWidth(
        StatusPanel->fontMetrics().horizontalAdvance(QStringLiteral("X:0000.0 Y:0000.0 ")));
    statusBar()->addWidget(StatusPanel);
    HintPanel = new QLabel;
    HintPanel->setObjectName(QStringLiteral("StatusPanel1"));
    statusBar()->addWidget(HintPanel, 1);
    statusBar()->addPermanentWidget(Recovery.StatusPanel());
}

void TMainFm::createConnections() {
    connectFileCommands();
    connectEditCommands();
    connect(&Files, &TSheetFiles::DrawingReplaced, this, &TMainFm::DrawingReplaced);
    connect(&Files, &TSheetFiles::FileNameChanged, this, &TMainFm::FileNameChanged);
    connect(TabControl1, &TPageTabs::currentChanged, this, &TMainFm::TabControl1Change);
    // A joint command takes the mouse between gestures; a shape being placed
    // keeps it until it is put down.
    const TPaintSurface* surface = View->Surface();
    connect(surface, &TPaintSurface::MouseDown, this, [this](const QMouseEvent* event) {
        if (Gestures.State() != dsIdle || !Joints.MouseDown(*event))
            Gestures.MouseDown(*event, PlacementRules());
    });
    connect(surface, &TPaintSurface::MouseMove, this, [this](const QMouseEvent* event) {
        Gestures.MouseMove(*event, PlacementRules());
        if (Gestures.State() == dsIdle)
            Joints.MouseMove(*event);
    });
    connect(surface, &TPaintSurface::MouseUp, this, [this](const QMouseEvent* event) {
        if (Gestures.State() != dsIdle || !Joints.TakesMouse())
            Gestures.MouseUp(*event, Menus.ClickDragMi->isChecked());
    });
    // A double click on a shape edits it; a joint command takes its clicks as clicks.
    connect(surface, &TPaintSurface::DoubleClick, this, [this](const QMouseEvent* event) {
        if (event->button() == Qt::LeftButton && !Joints.TakesMouse() &&
            Gestures.ShapeForEditing(*event) >= 0 && IsAvailable(Menus.PolygonEditMi))
            Shapes.EditCurrent();
    });
    connect(&Gestures, &TSheetGestures::PointerMoved, this, &TMainFm::ShowMousePosition);
    connect(&Gestures, &TSheetGestures::PlacingChanged, this, &TMainFm::ShowPlacingHint);
}

void TMainFm::connectFileCommands() {
    connect(Menus.New1, &QAction::triggered, &Files, &TSheetFiles::New);
    connect(Menus.Open1, &QAction::triggered, &Files, &TSheetFiles::Open);
    connect(Menus.Save1, &QAction::triggered, &Files, &TSheetFiles::Save);
    connect(Menus.SaveAs1, &QAction::triggered, &Files, &TSheetFiles::SaveAs);
    connect(Menus.MeshImportMi, &QAction::triggered, this, &TMainFm::MeshImportMiClick);
    connect(Menus.Exit1, &QAction::triggered, this, &TMainFm::close);
    for (QAction* item : Menus.RecentFileItems)
        connect(item, &QAction::triggered, this,
                [this, item] { Files.OpenRecent(item->data().toInt()); });
    connect(Menus.ExportMi, &QAction::triggered, this, [this] { Exporter.Export(); });
    connect(Menus.PrintFontSetMi, &QAction::triggered, this,
            [this] { Printing.ChoosePrintFont(); });
    connect(Menus.PrintSetMi, &QAction::triggered, this, &TMainFm::PrintSettingsClick);
    connect(Menus.PrintCalibrationMi, &QAction::triggered, this, &TMainFm::PrintCalibrationClick);
    connect(Menus.Print1, &QAction::triggered, this, [this] { Printing.PrintCurrentPage(); });
    connect(Menus.PrintPreviewMi, &QAction::triggered, this,
            [this] { Printing.PreviewCurrentPage(); });
    connect(Menus.PrintAll, &QAction::triggered, this, [this] { Printing.PrintAllPages(); });
    // A command with nothing to act on shows so in the File menu.
    connect(Menus.File1, &QMenu::aboutToShow, this, [this] { EnableMenuItems(Menus.File1, true); });
    connect(Menus.File1, &QMenu::aboutToHide, this,
            [this] { EnableMenuItems(Menus.File1, false); });
    connect(Menus.EnglishMi, &QAction::triggered, this, &TMainFm::EnglishMiClick);
    connect(Menus.About1, &QAction::triggered, this, [this] {
        if (Dialogs.AboutBox != nullptr)
            Dialogs.AboutBox->exec();
    });
}

void TMainFm::ReadSettings(const TIniFile& settings) {
    ApplyWindowPlacement(*this, ReadWindowPlacement(settings, MainSection, DefaultPlacement));
    View->SetZoom(ZoomFromStored(settings.ReadInteger(MainSection, "Zoom", 10000)));
    Files.ReadSettings(settings);
    Language = ReadUiLanguage(settings);
    Menus.EnglishMi->setChecked(Language == TUiLanguage::English);
}

void TMainFm::WriteSettings(TIniFile& settings) const {
    WriteWindowPlacement(settings, MainSection, WindowPlacementOf(*this));
    settings.WriteInteger(MainSection, "Zoom", ZoomToStored(View->Scale().Zoom()));
    Files.WriteSettings(settings);
    WriteUiLanguage(settings, Language);
}

void TMainFm::closeEvent(QCloseEvent* event) {
    event->setAccepted(Files.ConfirmSaveChanges());
    if (event->isAccepted())
        Recovery.EndNormally();
}

// The recovered drawing is written aside again at once: it is all there is.
void TMainFm::OfferRecovery() {
    std::optional<TZvDat> drawing = Recovery.Offer();
    if (!drawing)
        return;
    Files.Restore(std::move(*drawing));
    Recovery.Write();
}

// A gesture or a joint command on the drawing that went goes with it.
void TMainFm::DrawingReplaced() {
    Gestures.Cancel();
    Joints.Leave();
    SyncPageTabs();
    View->Repaint();
}

void TMainFm::FileNameChanged() {
    Menus.ShowRecentFiles(Files.RecentFiles());
    setWindowTitle(Files.Caption());
}

void TMainFm::SelectPolygon(int index) {
    if (Document.Select(index))
        View->Repaint();
}

// Tabs come and go only at the end, so the captions stay "1" ... "N".
void TMainFm::SyncPageTabs() {
    const QSignalBlocker quiet(TabControl1);
    TabControl1->SetNumberedTabs(static_cast<int>(Document.Drawing().size()));
    TabControl1->setCurrentIndex(Document.CurPage());
}

// The page cannot change under a gesture: its shapes belong to this page. The
// selection belongs to the page it was made on, so it stays behind.
void TMainFm::TabControl1Change(int index) {
    if (Gestures.State() != dsIdle || !IsIndexOf(Document.Drawing(), index)) {
        const QSignalBlocker quiet(TabControl1);
        TabControl1->setCurrentIndex(Document.CurPage());
        return;
    }
    Document.ChangePage(index);
    View->Repaint();
}

// The drawing area of every page as the printer and the margins leave it now,
// at the current scale.
void TMainFm::ShowPageArea() {
    PageSetup.UpdatePageArea();
    View->ShowPageArea(PageSetup.PageArea(), PageSetup.PrintableOnPage());
}

void TMainFm::Z1Click() {
    const long double zoom = ZoomDialog(Prompt, View->Scale().Zoom());
    if (!IsAcceptedZoom(zoom))
        return;
    View->SetZoom(zoom);
    ShowPageArea();
    View->CentreOn(Document.PolygonAt(Document.CurrentPolygonIndex()));
    View->Repaint();
}

void TMainFm::PrintSettingsClick() {
    if (!Printing.EditPrintSettings())
        return;
    View->ShowPageArea(PageSetup.PageArea(), PageSetup.PrintableOnPage());
    View->Repaint();
}

void TMainFm::PrintCalibrationClick() {
    if (!Calibration.Calibrate())
        return;
    View->ShowPageArea(PageSetup.PageArea(), PageSetup.PrintableOnPage());
    View->Repaint();
}

// As a page command does, it ends a gesture first, keeping its moves.
void TMainFm::MeshImportMiClick() {
    Gestures.EndDrag();
    if (MeshImport.Import())
        ShowChangedPages();
}

void TMainFm::ShowMousePosition(const TPointF& position) {
    StatusPanel->setText(
        QString::fromStdString("X:" + FixedText(static_cast<double>(position.X), 1) +
                               " Y:" + FixedText(static_cast<double>(position.Y), 1)));
}

// Nothing else on screen says that the shape is held until the next click.
// Once it is put down, a joint command still waiting says so again.
void TMainFm::ShowPlacingHint(bool placing) {
    HintPanel->setText(placing ? PlacingHintText() : Joints.HintText());
}

// The windows take their texts as they are made, so the choice waits for the
// next start.
void TMainFm::EnglishMiClick(bool checked) {
    Language = checked ? TUiLanguage::English : TUiLanguage::Japanese;
    HintPanel->setText(UiText("TMainFm", "表示の言語は次に起動したときから切り替わります。"));
}

void TMainFm::ShowJointHint() {
    if (Gestures.State() == dsIdle)
        HintPanel->setText(Joints.HintText());
}

void TMainFm::connectShapeCommand(QAction* item, void (TSheetShapeCommands::*command)()) {
    connect(item, &QAction::triggered, this, [this, item, command] {
        if (IsAvailable(item))
            (Shapes.*command)();
    });
}

void TMainFm::connectEditCommands() {
    connect(Menus.Undo1, &QAction::triggered, this, &TMainFm::Undo1Click);
    connect(Menus.Repeat1, &QAction::triggered, this, &TMainFm::Repeat1Click);
    connect(Menus.AddNewPageMi, &QAction::triggered, this, &TMainFm::AddNewPageMiClick);
    connect(Menus.DelPageMi, &QAction::triggered, this, &TMainFm::DelPageMiClick);
    connectShapeCommand(Menus.MkNewPolygonMi, &TSheetShapeCommands::MakeNew);
    connectShapeCommand(Menus.PolygonEditMi, &TSheetShapeCommands::EditCurrent);
    connectShapeCommand(Menus.PolygonCutMi, &TSheetShapeCommands::Cut);
    connectShapeCommand(Menus.PolygonCopyMi, &TSheetShapeCommands::Copy);
    connectShapeCommand(Menus.PolygonPasteMi, &TSheetShapeCommands::Paste);
    connectShapeCommand(Menus.PolygonDeleteMi, &TSheetShapeCommands::Delete);
    connect(&Shapes, &TSheetShapeCommands::HintChanged, HintPanel, &QLabel::setText);
    // Delete alone, the key a first-time user reaches for, deletes as the
    // item's own shortcut does; the menu still shows that one.
    Menus.PolygonDeleteMi->setShortcuts(
        {Menus.PolygonDeleteMi->shortcut(), QKeySequence(Qt::Key_Delete)});
    connect(Menus.Z1, &QAction::triggered, this, &TMainFm::Z1Click);
    connect(Menus.LayoutMi, &QAction::triggered, this, &TMainFm::LayoutMiClick);
    connect(Menus.AutoRotateMi, &QAction::triggered, this, &TMainFm::AutoRotateMiClick);
    connect(Menus.AllMi, &QAction::triggered, this, &TMainFm::AllMiClick);
    connect(Menus.EditMi1, &QMenu::aboutToShow, this,
            [this] { EnableMenuItems(Menus.EditMi1, true); });
    connect(Menus.EditMi1, &QMenu::aboutToHide, this,
            [this] { EnableMenuItems(Menus.EditMi1, false); });

    FlangeCheckDlg = new TFlangeCheckDlg(Document, this);
    connect(Menus.FlangeCheckMi, &QAction::triggered, this, &TMainFm::FlangeCheckMiClick);
    connect(FlangeCheckDlg, &TFlangeCheckDlg::ShapeChosen, this, &TMainFm::ShowChosenShape);
    Document.SetDrawingChangedHandler([this] { FlangeCheckDlg->DrawingChanged(); });
    connectJointCommands();
}

// The join item is checked while the join mode is on; choosing it again
// leaves the mode.
void TMainFm::connectJointCommands() {
    connect(Menus.JoinMi, &QAction::triggered, this, [this](bool checked) {
        if (checked && IsAvailable(Menus.JoinMi))
            Joints.StartJoin();
        else
            Joints.Leave();
        Menus.JoinMi->setChecked(Joints.Command() == TJointCommand::Join);
    });
    connect(Menus.UnjoinMi, &QAction::triggered, this, [this] {
        if (IsAvailable(Menus.UnjoinMi))
            Joints.StartUnjoin();
    });
    connect(Menus.MoveTabMi, &QAction::triggered, this, [this] {
        if (IsAvailable(Menus.MoveTabMi))
            Joints.StartMoveTab();
    });
    connect(&Joints, &TSheetJoints::CommandChanged, this, [this](TJointCommand command) {
        Menus.JoinMi->setChecked(command == TJointCommand::Join);
    });
    connect(&Joints, &TSheetJoints::HintChanged, this, &TMainFm::ShowJointHint);
}

TPlacementRules TMainFm::PlacementRules() const {
    TPlacementRules rules;
    rules.KeepInside = Menus.WallChkMi->isChecked();
    rules.AvoidOverlap = Menus.PorigonCrossChkMi->isChecked();
    rules.AutoRotate = Menus.AutoRotateMi->isChecked();
    const TPageAreaMm area = PageSetup.PageArea();
    rules.PageWidth = area.Width;
    rules.PageHeight = area.Height;
    return rules;
}

bool TMainFm::IsAvailable(const QAction* item) const {
    const bool idle = Gestures.State() == dsIdle;
    if (item == Menus.MkNewPolygonMi || item == Menus.PolygonPasteMi)
        return idle;
    if (item == Menus.LayoutMi)
        return idle && !PagesWithShapes(Document.Drawing()).empty();
    if (item == Menus.PolygonEditMi || item == Menus.PolygonCutMi || item == Menus.PolygonCopyMi ||
        item == Menus.PolygonDeleteMi)
        return idle && Document.CurrentPolygonIndex() >= 0;
    // Turning aside only means something while a collision can happen.
    if (item == Menus.AutoRotateMi)
        return Menus.WallChkMi->isChecked() || Menus.PorigonCrossChkMi->isChecked();
    if (item == Menus.AddNewPageMi)
        return Document.Drawing().size() < MaxPageCount;
    if (item == Menus.JoinMi)
        return idle && Joints.CanStart(TJointCommand::Join);
    if (item == Menus.UnjoinMi)
        return idle && Joints.CanStart(TJointCommand::Unjoin);
    if (item == Menus.MoveTabMi)
        return idle && Joints.CanStart(TJointCommand::MoveTab);
    // Printing an empty page does nothing, and an export needs a shape somewhere.
    if (item == Menus.Print1 || item == Menus.PrintPreviewMi)
        return !Document.Drawing()[Document.CurPage()].empty();
    if (item == Menus.ExportMi)
        return !PagesWithShapes(Document.Drawing()).empty();
    return true;
}

void TMainFm::EnableMenuItems(const QMenu* menu, bool opening) {
    for (QAction* item : menu->actions())
        item->setEnabled(!opening || IsAvailable(item));
}

// The action has already toggled its check mark; an unavailable toggle is
// taken back.
void TMainFm::AutoRotateMiClick(bool checked) {
    if (!IsAvailable(Menus.AutoRotateMi))
        Menus.AutoRotateMi->setChecked(!checked);
}

void TMainFm::AllMiClick(bool checked) {
    for (QAction* option : {Menus.WallChkMi, Menus.PorigonCrossChkMi, Menus.AutoRotateMi})
        option->setChecked(checked);
}

void TMainFm::ShowChangedPages() {
    SyncPageTabs();
    View->Repaint();
}

// A step taken during a gesture first ends the gesture, so that its moves are
// recorded and are the first thing undone.
void TMainFm::Undo1Click() {
    Gestures.EndDrag();
    Document.UndoStep();
    ShowChangedPages();
}

void TMainFm::Repeat1Click() {
    Gestures.EndDrag();
    Document.RedoStep();
    ShowChangedPages();
}

// A page command takes the selection away from a gesture, so the gesture is
// ended first and its moves recorded.
void TMainFm::AddNewPageMiClick() {
    if (!IsAvailable(Menus.AddNewPageMi))
        return;
    Gestures.EndDrag();
    Document.AddPage();
    ShowChangedPages();
}

void TMainFm::DelPageMiClick() {
    if (Document.Drawing().size() < 2)
        return;
    Gestures.EndDrag();
    Document.DeletePage();
    ShowChangedPages();
}

void TMainFm::LayoutMiClick() {
    if (IsAvailable(Menus.LayoutMi) && Layout.LayOut())
        ShowChangedPages();
}

void TMainFm::FlangeCheckMiClick() {
    FlangeCheckDlg->show();
    FlangeCheckDlg->raise();
    FlangeCheckDlg->activateWindow();
}

// As a page command does, it ends a gesture first, keeping its moves; then
// the page is shown, the shape made the only selected one and centred.
void TMainFm::ShowChosenShape(int page, int index) {
    if (!IsIndexOf(Document.Drawing(), page) || !IsIndexOf(Document.Drawing()[page], index))
        return;
    Gestures.EndDrag();
    if (page != Document.CurPage()) {
        Document.ChangePage(page);
        SyncPageTabs();
    }
    Document.SelectOnly(index);
    View->CentreOn(Document.PolygonAt(Document.CurrentPolygonIndex()));
    View->Repaint();
}

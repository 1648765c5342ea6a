// The sheet window: holds the sheet document (the drawing, its current page,
// the selection and the edit history) and routes the menu commands, the page
// tabs and the mouse to the classes that do the work: the drawing's file, the
// page view and its gestures, the shape and joint commands, printing, export,
// the printer's calibration, crash recovery, layout and import.
#pragma once

#include "crash_recovery.h"
#include "document/sheet_document.h"
#include "page_view.h"
#include "printer_calibration.h"
#include "qt_long_task.h"
#include "sheet_exporter.h"
#include "sheet_files.h"
#include "sheet_gestures.h"
#include "sheet_joints.h"
#include "sheet_layout.h"
#include "sheet_menus.h"
#include "sheet_mesh_import.h"
#include "sheet_printing.h"
#include "sheet_services.h"
#include "sheet_shape_commands.h"
#include "ui_text.h"

#include <QMainWindow>
#include <QString>

#include <string>
#include <vector>

class QAction;
class QLabel;
class TFlangeCheckDlg;
class TPageSetup;
class TPageTabs;

class TMainFm : public QMainWindow {
    Q_OBJECT

public:
    TMainFm(const TSheetServices& services, const TSheetDialogs& dialogs);

    // Section TMainFm: the window's bounds and state, its zoom, the recent files
    // and the interface language chosen for the next start.
    void WriteSettings(TIniFile& settings) const;

    const TZvDat& CurrentDrawing() const { return Document.Drawing(); }
    int CurrentPage() const { return Document.CurPage(); }
    const QString& CurrentFileName() const { return Files.FileName(); }
    bool IsModified() const { return Document.Modified(); }
    const TRecentFiles& RecentFileList() const { return Files.RecentFiles(); }
    // The menu item of recent-file entry number tag (1 ... 20).
    QAction* RecentFileItem(int tag) const { return Menus.RecentFileItems.at(tag - 1); }
    long double Zoom() const { return View->Scale().Zoom(); }

    const TDaInt& CurrentSelection() const { return Document.Selection(); }
    const TPolygonTbl& CurrentSelectionCopy() const { return Document.SelectionCopy(); }
    TDragState CurrentDragState() const { return Gestures.State(); }
    const TSheetJoints& JointCommands() const { return Joints; }
    const TEditHistory& EditHistory() const { return Document.History(); }
    // The side names the shape editor was last given to offer.
    const std::vector<std::string>& OfferedFlangeNames() const {
        return Shapes.OfferedFlangeNames();
    }

    // The shape at index on the current page, or nullptr when there is none.
    TPolygon* PolygonAt(int index) { return Document.PolygonAt(index); }
    int CurrentPolygonIndex() const { return Document.CurrentPolygonIndex(); }
    int SelPos(int index) const { return Document.SelPos(index); }
    bool DeletePolygonAt(int page, int index) { return Document.DeletePolygonAt(page, index); }
    void MarkModified() { Document.SetModified(true); }

    void OpenStartFile(const QString& path) { Files.OpenStartFile(path); }
    // Asks, once, whether to open the drawing a program that did not end
    // normally left unsaved; the program calls it once the window is shown.
    void OfferRecovery();
    void WriteRecovery() { Recovery.Write(); }

protected:
    // A normal end leaves no recovery copy behind.
    void closeEvent(QCloseEvent* event) override;

    // For tests that stage a gesture without the mouse.
    void SetDragState(TDragState state) { Gestures.SetState(state); }
    // Makes the shape at index the current shape, adding it to the selection
    // and recording pkSelect; an index that names no shape, or one already
    // selected, changes nothing.
    void SelectPolygon(int index);

private:
    void createClientArea();
    void createStatusBar();
    void createConnections();
    void connectFileCommands();
    void connectEditCommands();
    void ReadSettings(const TIniFile& settings);

    void DrawingReplaced();
    void FileNameChanged();
    // Adds or removes tabs at the end to match the pages; selects the current one.
    void SyncPageTabs();
    void TabControl1Change(int index);
    void ShowPageArea();
    void Z1Click();
    void PrintSettingsClick();
    void PrintCalibrationClick();
    void MeshImportMiClick();
    void ShowMousePosition(const TPointF& position);
    // Shows, or takes away, the status line's word that a new or pasted shape
    // follows the pointer until the next click.
    void ShowPlacingHint(bool placing);
    void EnglishMiClick(bool checked);

    // The Edit menu.
    TPlacementRules PlacementRules() const;
    bool IsAvailable(const QAction* item) const;
    // Opening a menu greys the commands that have nothing to act on; closed, it
    // leaves every command to check for itself when triggered.
    void EnableMenuItems(const QMenu* menu, bool opening);
    void AutoRotateMiClick(bool checked);
    void AllMiClick(bool checked);
    // Runs a shape command when its item is available now.
    void connectShapeCommand(QAction* item, void (TSheetShapeCommands::*command)());
    void Undo1Click();
    void Repeat1Click();
    void AddNewPageMiClick();
    void DelPageMiClick();
    void LayoutMiClick();
    void FlangeCheckMiClick();
    void connectJointCommands();
    void ShowJointHint();
    void ShowChosenShape(int page, int index);
    // After a command: the tabs follow the pages and the page is painted anew.
    void ShowChangedPages();

    IPrompt& Prompt;
    TPageSetup& PageSetup;
    const TSheetDialogs Dialogs;

    TSheetDocument Document;
    TSheetMenus Menus;
    TPageView* View = nullptr;
    TSheetGestures Gestures;
    TSheetJoints Joints;
    TSheetShapeCommands Shapes;
    TCrashRecovery Recovery;
    TSheetFiles Files;
    TSheetPrinting Printing;
    TSheetExporter Exporter;
    TPrinterCalibration Calibration;
    TQtLongTask OwnLongTask;
    TSheetLayout Layout;
    TSheetMeshImport MeshImport;
    TUiLanguage Language = TUiLanguage::Japanese; // as written to the settings

    TPageTabs* TabControl1 = nullptr;
    QLabel* StatusPanel = nullptr; // panel 0 of StatusBar1: the mouse position
    QLabel* HintPanel = nullptr;   // panel 1: what the pointer is doing, when it is not plain
    TFlangeCheckDlg* FlangeCheckDlg = nullptr;
};

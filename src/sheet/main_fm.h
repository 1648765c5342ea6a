// The sheet window: holds the sheet document (the drawing, its current page,
// the selection and the edit history) and shows it: the menu bar, the page
// view with its pointer gestures, the edit commands, the settings kept between
// runs, the document commands New, Open, Save and Save As, printing, export
// and the printer's calibration.
#pragma once

#include "document/sheet_document.h"
#include "export_dlg.h"
#include "geometry/plane_geometry.h"
#include "geometry/polygon.h"
#include "history/edit_history.h"
#include "placement/placement.h"
#include "print_settings.h"
#include "recent_files.h"

#include <QMainWindow>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class IClipboard;
class IPrintCalibrationDialog;
class IPrintSetDialog;
class IPrompt;
class IPrinter;
class IScreenCursor;
class IShapeEditor;
class ITickCounter;
class TRecoveryFile;
class TViewScale;
class TFlangeCheckDlg;
class TPageTabs;
class TPaintSurface;
class QAction;
class QDialog;
class QLabel;
class QMenu;
class QMouseEvent;
class QPainter;
class QScrollArea;
class QTimer;

// The pointer gesture in progress on the sheet.
enum TDragState : std::uint8_t {
    dsIdle = 0,
    dsMove = 3,
    dsRotate = 4,
    dsRubberBand = 5, // selecting with a rectangle
};

// What the sheet window asks of the rest of the program; tests give stand-ins.
struct TSheetServices {
    IPrompt& Prompt;
    TViewScale& View; // program-wide, shared with the shape editor
    IPrinter& Printer;
    ITickCounter& Ticks; // time-stamps the edit history
    QString SettingsPath;
    IClipboard& Clipboard;
    IScreenCursor& Cursor;          // read to place shapes, set to hold a refused drag
    IShapeEditor* Editor = nullptr; // none: the shape commands do nothing
    // Where unsaved changes are kept against a crash; none keeps nothing.
    TRecoveryFile* Recovery = nullptr;
};

class TMainFm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainFm(const TSheetServices& services);
    ~TMainFm() override;

    // The shape editor and the dialogs are created after the sheet window, so
    // they are handed in here; until then their commands do nothing.
    void SetShapeEditor(IShapeEditor* editor) { Editor = editor; }
    void SetAboutBox(QDialog* box) { AboutBox = box; }
    void SetPrintSetDialog(IPrintSetDialog* dialog) { PrintSetDlg = dialog; }
    void SetExportDialog(IExportDialog* dialog) { ExportDlg = dialog; }
    void SetPrintCalibrationDialog(IPrintCalibrationDialog* dialog) {
        PrintCalibrationDlg = dialog;
    }

    const TZvDat& CurrentDrawing() const { return Document.Drawing(); }
    int CurrentPage() const { return Document.CurPage(); }
    const QString& CurrentFileName() const { return FileName; }
    bool IsModified() const { return Document.Modified(); }
    long double PageAreaWidth() const { return PageWidth; }
    long double PageAreaHeight() const { return PageHeight; }
    const TRecentFiles& RecentFileList() const { return RecentFiles; }
    const TPrintSettings& PrintSettings() const { return Print; }
    // The menu item of recent-file entry number tag (1 ... 20).
    QAction* RecentFileItem(int tag) const { return RecentFileItems.at(tag - 1); }

    const TDaInt& CurrentSelection() const { return Document.Selection(); }
    const TPolygonTbl& CurrentSelectionCopy() const { return Document.SelectionCopy(); }
    TDragState CurrentDragState() const { return DragState; }
    const TEditHistory& EditHistory() const { return Document.History(); }
    // The flange names the shape editor was last given to offer.
    const std::vector<std::string>& OfferedFlangeNames() const { return FlangeNames; }

    // The shape at index on the current page, or nullptr when there is none.
    TPolygon* PolygonAt(int index) { return Document.PolygonAt(index); }
    // The current shape (the one selected last), or -1 when nothing is selected.
    int CurrentPolygonIndex() const { return Document.CurrentPolygonIndex(); }
    // The position of index in the selection, or -1 when it is not selected.
    int SelPos(int index) const { return Document.SelPos(index); }
    // Retakes the copies of the selected shapes, in selection order.
    void RefreshSelectionCopy() { Document.RefreshSelectionCopy(); }
    // Removes a shape by moving the page's last shape into its slot, so the
    // order of the page is not kept. False, changing nothing, when page or index
    // names nothing.
    bool DeletePolygonAt(int page, int index) { return Document.DeletePolygonAt(page, index); }

    void MarkModified() { Document.SetModified(true); }

    // Opens the drawing file the program was started with, as a recent-file
    // entry opens one: a file that cannot be read is reported and leaves the
    // empty drawing.
    void OpenStartFile(const QString& path);

    // sheet_recovery.cpp. Asks, once, whether to open the drawing a program
    // that did not end normally left unsaved; the program calls it once the
    // window is shown.
    void OfferRecovery();
    // Writes the drawing aside while it has unsaved changes and removes the
    // copy once it has none; the recovery timer calls it every minute.
    void WriteRecovery();

protected:
    void closeEvent(QCloseEvent* event) override;

    // For the pointer gestures, and for tests that stage one without a mouse.
    void SetDragState(TDragState state) { DragState = state; }
    // Makes the shape at index the current shape, adding it to the selection
    // and recording pkSelect; an index that names no shape, or one already
    // selected, changes nothing.
    void SelectPolygon(int index);

private:
    void createActions();
    void createRecentFileItems();
    void createMenus();
    void createClientArea();
    void createStatusBar();
    void createConnections();
    void connectPageView();
    void connectEditCommands();
    void connectPrintCommands();
    void connectFlangeCheck();
    void connectExportCommands();

    void ReadSettings();
    void WriteSettings() const;
    void ReadPrinterResolution();
    void UpdateAreaSize();
    void CentreOnCurrentPolygon();

    void NewDrawing();
    bool ConfirmSaveChanges();
    bool SaveDrawingAs();
    bool SaveDrawing(const QString& path);
    bool LoadDrawing(const QString& path);
    void OpenDrawingFile(const QString& path);
    void ResetChangeTracking();
    void SetCurrentFileName(const QString& path);
    void UpdateRecentFileMenu();
    void ShowPageTabs(int pageCount);
    // Adds or removes tabs at the end to match the pages; selects the current one.
    void SyncPageTabs();
    void ShowPage(int page);
    void RepaintPage();
    const TPolygonTbl& ShownPage() const;

    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void RecentFileClick(const QAction* item);
    void EditMi1Popup();
    void EditMi1Closed();
    void File1Popup();
    void File1Closed();
    bool IsAvailable(const QAction* item) const;
    void TabControl1Change(int index);
    void Z1Click();
    void PbPaint(QPainter& painter);
    void PbMouseDown(const QMouseEvent* event);
    void PbMouseMove(const QMouseEvent* event);
    void PbMouseUp(const QMouseEvent* event);
    void ShowMousePosition(const TPointF& position);

    // The pointer gestures on the page.
    TPlacementRules PlacementRules() const;
    void StartGesture(bool ctrl, const TPixelPoint& pixel);
    bool GrabPolygon(int index, bool ctrl);
    void StartRubberBand(bool ctrl, const TPixelPoint& pixel);
    void StretchRubberBand(const TPixelPoint& pixel);
    void FinishRubberBand(bool ctrl);
    void DragStep(const TPointF& q);
    void EndDrag();
    void ReturnPointer(const TPointF& gripPoint);
    QRect SelectionArea();
    QRect RubberBandArea() const;

    // The edit commands.
    void AutoRotateMiClick(bool checked);
    void AllMiClick(bool checked);
    void Undo1Click();
    void Repeat1Click();
    void AddNewPageMiClick();
    void DelPageMiClick();
    void MkNewPolygonMiClick();
    void PolygonEditMiClick();
    void PolygonCutMiClick();
    void PolygonCopyMiClick();
    void PolygonPasteMiClick();
    void PolygonDeleteMiClick();
    bool CopyCurrentPolygon();
    void DeleteCurrentPolygon();
    void PlaceShape(const TPolygon& shape);
    // Shows, or takes away, the status line's word that a new or pasted shape
    // follows the pointer until the next click.
    void ShowPlacingHint(bool placing);
    void CollectFlangeNamesForEditor();
    void ShowEditor(int editedIndex);

    // The flange check window.
    void FlangeCheckMiClick();
    void ShowChosenShape(int page, int index);

    // Printing.
    void PrintFontSetMiClick();
    void PrintSetMiClick();
    void Print1Click();
    void PrintAllClick();
    void ApplyStoredPrinterSettings();
    bool AskPrintFileName(QString& file, const QString& offered);
    bool PrintPage(int page, const QString& file);
    // One print job: the stored printer settings applied, draw painting the
    // page; a failure is reported.
    bool RunPrintJob(const QString& title, const QString& file,
                     const std::function<void(QPainter&)>& draw);
    void DrawPrintedPage(QPainter& painter, int page, const QString& caption) const;

    // Export for cutting machines, and the printer's calibration.
    void ExportMiClick();
    bool ExportPages(const std::vector<int>& pages, bool numbered, const QString& path);
    void PrintCalibrationMiClick();
    void PrintCalibrationPage();
    void About1Click();

    // Crash recovery.
    void createRecoveryTimer();
    void ForgetRecovery();

    IPrompt& Prompt;
    TViewScale& View;
    IPrinter& Printer;
    const QString SettingsPath;
    IClipboard& Clipboard;
    IScreenCursor& Cursor;
    IShapeEditor* Editor;
    TRecoveryFile* Recovery;
    QTimer* RecoveryTimer = nullptr;
    // A drawing left by a program that did not end normally, not yet offered:
    // it is kept until the user has answered.
    bool RecoveryOffered = true;
    QDialog* AboutBox = nullptr;
    IPrintSetDialog* PrintSetDlg = nullptr;
    IExportDialog* ExportDlg = nullptr;
    IPrintCalibrationDialog* PrintCalibrationDlg = nullptr;
    TExportPages ExportChoice = TExportPages::Current;

    TSheetDocument Document;
    TDragState DragState = dsIdle;
    TPointF DownPoint; // mm, where the last gesture began or stepped: the step's reference
    TGrip Grip;        // where the current shape was grabbed
    // The rubber band's corners in surface pixels: where it started, where it is.
    TPixelPoint RubberStart;
    TPixelPoint RubberEnd;
    std::vector<std::string> FlangeNames;
    QString FileName;
    long double PageWidth = 0;
    long double PageHeight = 0;
    long double PrinterPxPerMMX = 0;
    long double PrinterPxPerMMY = 0;
    TRecentFiles RecentFiles;
    TPrintSettings Print;

    std::array<QAction*, TRecentFiles::MaxCount> RecentFileItems{};
    int RecentFileItemsShown = 0;

    QMenu* File1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* ExportMi = nullptr;
    QAction* PrintFontSetMi = nullptr;
    QAction* PrintSetMi = nullptr;
    QAction* PrintCalibrationMi = nullptr;
    QAction* Print1 = nullptr;
    QAction* PrintAll = nullptr;
    QAction* Exit1 = nullptr;

    QMenu* EditMi1 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Repeat1 = nullptr;
    QAction* AddNewPageMi = nullptr;
    QAction* DelPageMi = nullptr;
    QAction* MkNewPolygonMi = nullptr;
    QAction* PolygonEditMi = nullptr;
    QAction* PolygonCutMi = nullptr;
    QAction* PolygonCopyMi = nullptr;
    QAction* PolygonPasteMi = nullptr;
    QAction* PolygonDeleteMi = nullptr;
    QAction* Z1 = nullptr;
    QAction* ClickDragMi = nullptr;
    QAction* WallChkMi = nullptr;
    QAction* PorigonCrossChkMi = nullptr;
    QAction* AutoRotateMi = nullptr;
    QAction* AllMi = nullptr;
    QAction* FlangeCheckMi = nullptr;

    QAction* About1 = nullptr;

    TPageTabs* TabControl1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    TPaintSurface* PaintBox1 = nullptr;
    QLabel* StatusPanel = nullptr; // panel 0 of StatusBar1: the mouse position
    QLabel* HintPanel = nullptr;   // panel 1: what the pointer is doing, when it is not plain
    TFlangeCheckDlg* FlangeCheckDlg = nullptr;
};

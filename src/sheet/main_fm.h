// The sheet window: owns the drawing and its pages, the page view with its
// selection, the edit history, the menu bar, the settings kept between runs and
// the document commands New, Open, Save and Save As.
#pragma once

#include "edit_history.h"
#include "polygon.h"
#include "print_settings.h"
#include "recent_files.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>

class IPrompt;
class IPrinterMetrics;
class ITickCounter;
class TViewScale;
class TSheetPaintBox;
class QAction;
class QLabel;
class QMenu;
class QMouseEvent;
class QPainter;
class QScrollArea;
class QTabBar;

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
    const IPrinterMetrics& Printer;
    ITickCounter& Ticks; // time-stamps the edit history
    QString SettingsPath;
};

class TMainFm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainFm(const TSheetServices& services);
    ~TMainFm() override;

    const TZvDat& CurrentDrawing() const { return Drawing; }
    int CurrentPage() const { return CurPage; }
    const QString& CurrentFileName() const { return FileName; }
    bool IsModified() const { return Modified; }
    long double PageAreaWidth() const { return PageWidth; }
    long double PageAreaHeight() const { return PageHeight; }
    const TRecentFiles& RecentFileList() const { return RecentFiles; }
    const TPrintSettings& PrintSettings() const { return Print; }
    // The menu item of recent-file entry number tag (1 ... 20).
    QAction* RecentFileItem(int tag) const { return RecentFileItems.at(tag - 1); }

    const TDaInt& CurrentSelection() const { return Selection; }
    const TPolygonTbl& CurrentSelectionCopy() const { return SelectionCopy; }
    TDragState CurrentDragState() const { return DragState; }
    const TEditHistory& EditHistory() const { return History; }

    // The shape at index on the current page, or nullptr when there is none.
    TPolygon* PolygonAt(int index);
    // The current shape (the one selected last), or -1 when nothing is selected.
    int CurrentPolygonIndex() const;
    // The position of index in the selection, or -1 when it is not selected.
    int SelPos(int index) const;
    // Retakes the copies of the selected shapes, in selection order.
    void RefreshSelectionCopy();
    // Removes a shape by moving the page's last shape into its slot, so the
    // order of the page is not kept. False, changing nothing, when page or index
    // names nothing.
    bool DeletePolygonAt(int page, int index);

    // Every command that changes the drawing calls this.
    void MarkModified() { Modified = true; }

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

    void ReadSettings();
    void WriteSettings() const;
    void ApplyWindowBounds(const TIniFile& settings);
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
    void ShowPage(int page);
    void RepaintPage();

    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void RecentFileClick(const QAction* item);
    void EditMi1Popup();
    void TabControl1Change(int index);
    void Z1Click();
    void PbPaint(QPainter& painter);
    void PbMouseMove(const QMouseEvent* event);

    IPrompt& Prompt;
    TViewScale& View;
    const IPrinterMetrics& Printer;
    const QString SettingsPath;
    TEditHistory History;

    TZvDat Drawing;
    int CurPage = 0;
    TDaInt Selection;          // shapes of the current page, the current shape last
    TPolygonTbl SelectionCopy; // element k a copy of shape Selection[k]
    TDragState DragState = dsIdle;
    TPointF DownPoint; // mm, where the last gesture began: the Shift alignment reference
    QString FileName;
    bool Modified = false;
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
    QAction* PrintFontSetMi = nullptr;
    QAction* PrintSetMi = nullptr;
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

    QAction* About1 = nullptr;

    QTabBar* TabControl1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    TSheetPaintBox* PaintBox1 = nullptr;
    QLabel* StatusPanel = nullptr; // panel 0 of StatusBar1: the mouse position
};

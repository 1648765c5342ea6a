// The sheet window: owns the drawing and its pages, the menu bar, the settings
// kept between runs and the document commands New, Open, Save and Save As.
#pragma once

#include "polygon.h"
#include "print_settings.h"
#include "recent_files.h"

#include <QMainWindow>
#include <QString>
#include <array>

class IPrompt;
class IPrinterMetrics;
class TViewScale;
class QAction;
class QMenu;
class QTabBar;

// What the sheet window asks of the rest of the program; tests give stand-ins.
struct TSheetServices {
    IPrompt& Prompt;
    TViewScale& View; // program-wide, shared with the shape editor
    const IPrinterMetrics& Printer;
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

    // The shape at index on the current page, or nullptr when there is none.
    TPolygon* PolygonAt(int index);
    // Every command that changes the drawing calls this.
    void MarkModified() { Modified = true; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createRecentFileItems();
    void createMenus();
    void createPageTabs();
    void createConnections();

    void ReadSettings();
    void WriteSettings() const;
    void ApplyWindowBounds(const TIniFile& settings);
    void ReadPrinterResolution();
    void UpdateAreaSize();

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

    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void RecentFileClick(const QAction* item);
    void EditMi1Popup();
    void TabControl1Change(int index);

    IPrompt& Prompt;
    TViewScale& View;
    const IPrinterMetrics& Printer;
    const QString SettingsPath;

    TZvDat Drawing;
    int CurPage = 0;
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
};

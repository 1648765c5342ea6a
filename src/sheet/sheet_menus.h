// The sheet window's menu bar: every command with its object name, caption and
// shortcut, the File and Edit menus in their order, and the recent-file items
// after the File menu's last separator.
#pragma once

#include "recent_files.h"

#include <array>

class QAction;
class QMainWindow;
class QMenu;

struct TSheetMenus {
    // Builds the menu bar of window; the commands belong to the window.
    explicit TSheetMenus(QMainWindow& window);

    // Recaptions the recent-file items and adds those for new entries: entries
    // only ever grow in number, so the items after the last separator are
    // always the first files.Count() items.
    void ShowRecentFiles(const TRecentFiles& files);

    QMenu* File1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* MeshImportMi = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* ExportMi = nullptr;
    QAction* PrintFontSetMi = nullptr;
    QAction* PrintSetMi = nullptr;
    QAction* PrintCalibrationMi = nullptr;
    QAction* Print1 = nullptr;
    QAction* PrintPreviewMi = nullptr;
    QAction* PrintAll = nullptr;
    QAction* Exit1 = nullptr;
    // Item i carries the tag i + 1.
    std::array<QAction*, TRecentFiles::MaxCount> RecentFileItems{};

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
    QAction* FlangeCheckMi = nullptr;
    QAction* JoinMi = nullptr; // checked while the join mode is on
    QAction* UnjoinMi = nullptr;
    QAction* MoveTabMi = nullptr;
    QAction* LayoutMi = nullptr;
    QAction* ClickDragMi = nullptr;
    QAction* WallChkMi = nullptr;
    QAction* PorigonCrossChkMi = nullptr;
    QAction* AutoRotateMi = nullptr;
    QAction* AllMi = nullptr;

    // The View menu: English, checked when the interface is to be English
    // from the next start on.
    QMenu* ViewMi = nullptr;
    QAction* EnglishMi = nullptr;

    QAction* About1 = nullptr;

private:
    void createActions(QMainWindow& window);
    void createMenus(QMainWindow& window);

    int RecentFileItemsShown = 0;
};

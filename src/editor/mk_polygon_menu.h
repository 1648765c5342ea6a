// The shape editor's menu: the items in order with their captions, shortcuts
// and check marks, and which of them may act on the current selection.
#pragma once

#include "editing/apex_selection.h"

class QAction;
class QMainWindow;
class QMenu;

struct TMkPolygonMenu {
    // Builds the menu bar of window; the items belong to the window and are
    // found by their names.
    explicit TMkPolygonMenu(QMainWindow& window);

    // Enables the items whose command may act on the selection of a shape of
    // apexCount vertices; restoring needs a shape handed in. The items follow
    // every change of the selection, so a shortcut finds its item enabled
    // exactly when opening the menu would show it so.
    void Enable(const TSelFlags& flags, int apexCount, bool hasOriginal);

    QAction* New1 = nullptr;
    QMenu* NSet = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Repeat1 = nullptr;
    QAction* FixSegLenMi = nullptr; // checked: drags and settings keep side lengths
    QAction* ApexInsertMi = nullptr;
    QAction* ApexDelMi = nullptr;
    QAction* BendLine1Mi = nullptr;
    QAction* BendLine2Mi = nullptr;
    QAction* NSetPp = nullptr;
    QAction* NSetPa = nullptr;
    QAction* NSetLl = nullptr;
    QAction* NSetLa = nullptr;
    QAction* FlangeMi = nullptr;
    QAction* PolygonResizeMi = nullptr;
    QAction* ReverseMi = nullptr;
    QAction* RegularPolygonMi = nullptr; // the working shape becomes a regular polygon
    QAction* Z1 = nullptr;
    QAction* PInfoMi = nullptr;    // checked: the information monitor is on
    QAction* DecimalsMi = nullptr; // the decimals of the status line and the monitor
    QAction* OrgPolygonMi = nullptr;
    QAction* Exit1 = nullptr;
};

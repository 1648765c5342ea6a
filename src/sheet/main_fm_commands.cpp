// The sheet's Edit menu: undo and redo, pages added and deleted, shapes made
// or edited in the shape editor, cut, copy, paste and delete through the
// clipboard, the zoom, the flange check window, the placement options, and
// which commands are available.
#include "main_fm.h"

#include "clipboard.h"
#include "document/flange_names.h"
#include "flange_check_dlg.h"
#include "page_setup.h"
#include "prompt.h"
#include "shape_editor.h"

#include <QAction>
#include <QMenu>

namespace {

const QString RangeCheckErrorText = QStringLiteral("範囲チェックエラー");

// The drawing as the flange dialog searches it for a name: every shape but
// the one being edited.
class TDrawingFlangeLookup : public IFlangeLookup {
public:
    TDrawingFlangeLookup(const TSheetDocument& document, int editedIndex)
        : FDocument(document), FEditedIndex(editedIndex) {}

    bool FindFlange(const std::string& name, TNamedFlange& found) const override {
        return FindNamedFlange(FDocument.Drawing(), FDocument.CurPage(), FEditedIndex, name, found);
    }

private:
    const TSheetDocument& FDocument;
    const int FEditedIndex;
};

} // namespace

void TMainFm::connectEditCommands() {
    connect(Menus.Undo1, &QAction::triggered, this, &TMainFm::Undo1Click);
    connect(Menus.Repeat1, &QAction::triggered, this, &TMainFm::Repeat1Click);
    connect(Menus.AddNewPageMi, &QAction::triggered, this, &TMainFm::AddNewPageMiClick);
    connect(Menus.DelPageMi, &QAction::triggered, this, &TMainFm::DelPageMiClick);
    connect(Menus.MkNewPolygonMi, &QAction::triggered, this, &TMainFm::MkNewPolygonMiClick);
    connect(Menus.PolygonEditMi, &QAction::triggered, this, &TMainFm::PolygonEditMiClick);
    connect(Menus.PolygonCutMi, &QAction::triggered, this, &TMainFm::PolygonCutMiClick);
    connect(Menus.PolygonCopyMi, &QAction::triggered, this, &TMainFm::PolygonCopyMiClick);
    connect(Menus.PolygonPasteMi, &QAction::triggered, this, &TMainFm::PolygonPasteMiClick);
    connect(Menus.PolygonDeleteMi, &QAction::triggered, this, &TMainFm::PolygonDeleteMiClick);
    connect(Menus.Z1, &QAction::triggered, this, &TMainFm::Z1Click);
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
    if (item == Menus.PolygonEditMi || item == Menus.PolygonCutMi || item == Menus.PolygonCopyMi ||
        item == Menus.PolygonDeleteMi)
        return idle && Document.CurrentPolygonIndex() >= 0;
    // Turning aside only means something while a collision can happen.
    if (item == Menus.AutoRotateMi)
        return Menus.WallChkMi->isChecked() || Menus.PorigonCrossChkMi->isChecked();
    if (item == Menus.AddNewPageMi)
        return Document.Drawing().size() < MaxPageCount;
    // Printing an empty page does nothing, and an export needs a shape somewhere.
    if (item == Menus.Print1)
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

// The editor's flange dialog offers the names of the drawing as it is now and
// looks a picked one up in every shape but the one being edited (-1 for a new
// shape, which skips none).
void TMainFm::ShowEditor(int editedIndex) {
    const TDrawingFlangeLookup lookup(Document, editedIndex);
    FlangeNames = CollectFlangeNames(Document.Drawing());
    Dialogs.Editor->SetFlangeNames(FlangeNames, &lookup);
    Dialogs.Editor->ShowModal();
    Dialogs.Editor->SetFlangeNames({}, nullptr);
}

void TMainFm::MkNewPolygonMiClick() {
    if (!IsAvailable(Menus.MkNewPolygonMi) || Dialogs.Editor == nullptr)
        return;
    Dialogs.Editor->NewPolygon();
    ShowEditor(-1);
    TPolygon shape;
    if (Dialogs.Editor->ApexCount() > 2 && Dialogs.Editor->GetPolygon(shape))
        Gestures.PlaceShape(shape);
}

// There is no cancel: the shape the editor holds when it closes is taken,
// provided it still has at least 3 vertices.
void TMainFm::PolygonEditMiClick() {
    if (!IsAvailable(Menus.PolygonEditMi) || Dialogs.Editor == nullptr)
        return;
    const int index = Document.CurrentPolygonIndex();
    Dialogs.Editor->SetPolygon(*Document.PolygonAt(index));
    ShowEditor(index);
    TPolygon shape;
    if (Dialogs.Editor->ApexCount() > 2 && Dialogs.Editor->GetPolygon(shape))
        Document.ChangePolygon(index, shape);
    View->Repaint();
}

void TMainFm::PolygonCopyMiClick() {
    if (IsAvailable(Menus.PolygonCopyMi))
        CopyCurrentPolygon();
}

// A shape whose text block cannot be written stays on the page: cutting it
// would lose it.
void TMainFm::PolygonCutMiClick() {
    if (IsAvailable(Menus.PolygonCutMi) && CopyCurrentPolygon())
        DeleteCurrentPolygon();
}

void TMainFm::PolygonDeleteMiClick() {
    if (IsAvailable(Menus.PolygonDeleteMi))
        DeleteCurrentPolygon();
}

bool TMainFm::CopyCurrentPolygon() {
    const TPolygon* shape = Document.PolygonAt(Document.CurrentPolygonIndex());
    return shape != nullptr && CopyPolygonToClipboard(Clipboard, *shape);
}

void TMainFm::DeleteCurrentPolygon() {
    if (Document.DeleteCurrentPolygon())
        View->Repaint();
}

void TMainFm::PolygonPasteMiClick() {
    if (!IsAvailable(Menus.PolygonPasteMi))
        return;
    TPolygon shape;
    switch (PastePolygonFromClipboard(Clipboard, shape)) {
    case TTextReadResult::Ok:
        Gestures.PlaceShape(shape);
        break;
    case TTextReadResult::RangeError:
        Prompt.ShowError(ErrorTitle, RangeCheckErrorText);
        break;
    case TTextReadResult::Malformed:
        break;
    }
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

// The sheet's Edit menu: undo and redo, pages added and deleted, shapes made
// or edited in the shape editor, cut, copy, paste and delete through the
// clipboard, the placement options, and which of them are available.
#include "main_fm.h"

#include "clipboard.h"
#include "document/flange_names.h"
#include "drawing/view_scale.h"
#include "paint_surface.h"
#include "prompt.h"
#include "screen_cursor.h"
#include "shape_editor.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include <algorithm>

namespace {

const QString RangeCheckErrorText = QStringLiteral("範囲チェックエラー");
const QString PlacingHintText =
    QStringLiteral("図形がマウスに付いて動きます。置く位置でクリックしてください。");

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
    connect(Undo1, &QAction::triggered, this, &TMainFm::Undo1Click);
    connect(Repeat1, &QAction::triggered, this, &TMainFm::Repeat1Click);
    connect(AddNewPageMi, &QAction::triggered, this, &TMainFm::AddNewPageMiClick);
    connect(DelPageMi, &QAction::triggered, this, &TMainFm::DelPageMiClick);
    connect(MkNewPolygonMi, &QAction::triggered, this, &TMainFm::MkNewPolygonMiClick);
    connect(PolygonEditMi, &QAction::triggered, this, &TMainFm::PolygonEditMiClick);
    connect(PolygonCutMi, &QAction::triggered, this, &TMainFm::PolygonCutMiClick);
    connect(PolygonCopyMi, &QAction::triggered, this, &TMainFm::PolygonCopyMiClick);
    connect(PolygonPasteMi, &QAction::triggered, this, &TMainFm::PolygonPasteMiClick);
    connect(PolygonDeleteMi, &QAction::triggered, this, &TMainFm::PolygonDeleteMiClick);
    connect(AutoRotateMi, &QAction::triggered, this, &TMainFm::AutoRotateMiClick);
    connect(AllMi, &QAction::triggered, this, &TMainFm::AllMiClick);
}

bool TMainFm::IsAvailable(const QAction* item) const {
    const bool idle = DragState == dsIdle;
    if (item == MkNewPolygonMi || item == PolygonPasteMi)
        return idle;
    if (item == PolygonEditMi || item == PolygonCutMi || item == PolygonCopyMi ||
        item == PolygonDeleteMi)
        return idle && Document.CurrentPolygonIndex() >= 0;
    // Turning aside only means something while a collision can happen.
    if (item == AutoRotateMi)
        return WallChkMi->isChecked() || PorigonCrossChkMi->isChecked();
    if (item == AddNewPageMi)
        return Document.Drawing().size() < MaxPageCount;
    // Printing an empty page does nothing, and an export needs a shape somewhere.
    if (item == Print1)
        return !ShownPage().empty();
    if (item == ExportMi)
        return std::any_of(Document.Drawing().begin(), Document.Drawing().end(),
                           [](const TPolygonTbl& page) { return !page.empty(); });
    return true;
}

void TMainFm::EditMi1Popup() {
    for (QAction* item : EditMi1->actions())
        item->setEnabled(IsAvailable(item));
}

// The shortcuts stay live while the menu is closed; each command checks its
// availability again when it is triggered.
void TMainFm::EditMi1Closed() {
    for (QAction* item : EditMi1->actions())
        item->setEnabled(true);
}

// A command with nothing to act on shows so in the File menu.
void TMainFm::File1Popup() {
    for (QAction* item : File1->actions())
        item->setEnabled(IsAvailable(item));
}

void TMainFm::File1Closed() {
    for (QAction* item : File1->actions())
        item->setEnabled(true);
}

// The action has already toggled its check mark; an unavailable toggle is
// taken back.
void TMainFm::AutoRotateMiClick(bool checked) {
    if (!IsAvailable(AutoRotateMi))
        AutoRotateMi->setChecked(!checked);
}

void TMainFm::AllMiClick(bool checked) {
    for (QAction* option : {WallChkMi, PorigonCrossChkMi, AutoRotateMi})
        option->setChecked(checked);
}

// A step taken during a gesture first ends the gesture, so that its moves are
// recorded and are the first thing undone.
void TMainFm::Undo1Click() {
    EndDrag();
    Document.UndoStep();
    SyncPageTabs();
    RepaintPage();
}

void TMainFm::Repeat1Click() {
    EndDrag();
    Document.RedoStep();
    SyncPageTabs();
    RepaintPage();
}

// A page command takes the selection away from a gesture, so the gesture is
// ended first and its moves recorded.
void TMainFm::AddNewPageMiClick() {
    if (!IsAvailable(AddNewPageMi))
        return;
    EndDrag();
    Document.AddPage();
    SyncPageTabs();
    RepaintPage();
}

void TMainFm::DelPageMiClick() {
    if (Document.Drawing().size() < 2)
        return;
    EndDrag();
    Document.DeletePage();
    SyncPageTabs();
    RepaintPage();
}

void TMainFm::CollectFlangeNamesForEditor() {
    FlangeNames = CollectFlangeNames(Document.Drawing());
}

// The editor's flange dialog offers the names of the drawing as it is now and
// looks a picked one up in every shape but the one being edited (-1 for a new
// shape, which skips none).
void TMainFm::ShowEditor(int editedIndex) {
    const TDrawingFlangeLookup lookup(Document, editedIndex);
    CollectFlangeNamesForEditor();
    Editor->SetFlangeNames(FlangeNames, &lookup);
    Editor->ShowModal();
    Editor->SetFlangeNames({}, nullptr);
}

void TMainFm::MkNewPolygonMiClick() {
    if (!IsAvailable(MkNewPolygonMi) || Editor == nullptr)
        return;
    Editor->NewPolygon();
    ShowEditor(-1);
    TPolygon shape;
    if (Editor->ApexCount() > 2 && Editor->GetPolygon(shape))
        PlaceShape(shape);
}

// There is no cancel: the shape the editor holds when it closes is taken,
// provided it still has at least 3 vertices.
void TMainFm::PolygonEditMiClick() {
    if (!IsAvailable(PolygonEditMi) || Editor == nullptr)
        return;
    const int index = Document.CurrentPolygonIndex();
    Editor->SetPolygon(*Document.PolygonAt(index));
    ShowEditor(index);
    TPolygon shape;
    if (Editor->ApexCount() > 2 && Editor->GetPolygon(shape))
        Document.ChangePolygon(index, shape);
    RepaintPage();
}

void TMainFm::PolygonCopyMiClick() {
    if (IsAvailable(PolygonCopyMi))
        CopyCurrentPolygon();
}

// A shape whose text block cannot be written stays on the page: cutting it
// would lose it.
void TMainFm::PolygonCutMiClick() {
    if (IsAvailable(PolygonCutMi) && CopyCurrentPolygon())
        DeleteCurrentPolygon();
}

void TMainFm::PolygonDeleteMiClick() {
    if (IsAvailable(PolygonDeleteMi))
        DeleteCurrentPolygon();
}

bool TMainFm::CopyCurrentPolygon() {
    const TPolygon* shape = Document.PolygonAt(Document.CurrentPolygonIndex());
    return shape != nullptr && CopyPolygonToClipboard(Clipboard, *shape);
}

void TMainFm::DeleteCurrentPolygon() {
    if (Document.DeleteCurrentPolygon())
        RepaintPage();
}

void TMainFm::PolygonPasteMiClick() {
    if (!IsAvailable(PolygonPasteMi))
        return;
    TPolygon shape;
    switch (PastePolygonFromClipboard(Clipboard, shape)) {
    case TTextReadResult::Ok:
        PlaceShape(shape);
        break;
    case TTextReadResult::RangeError:
        Prompt.ShowError(ErrorTitle, RangeCheckErrorText);
        break;
    case TTextReadResult::Malformed:
        break;
    }
}

// The shape appears under the pointer and follows it, with no button held,
// until the next press drops it.
void TMainFm::PlaceShape(const TPolygon& shape) {
    const long double scale = View.ScreenScale();
    const QPoint pixel = PaintBox1->mapFromGlobal(Cursor.Pos());
    const TPointF pointer = DeviceToModel(TPixelPoint{pixel.x(), pixel.y()}, scale, scale);
    const int index = Document.PlaceShape(shape, pointer, View.GridStep());
    if (index < 0)
        return;
    DownPoint = pointer;
    Grip = GripOf(*Document.PolygonAt(index), pointer);
    DragState = dsMove;
    ShowPlacingHint(true);
    RepaintPage();
}

// Nothing else on screen says that the shape is held until the next click.
void TMainFm::ShowPlacingHint(bool placing) {
    HintPanel->setText(placing ? PlacingHintText : QString());
}

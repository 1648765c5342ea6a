#include "sheet_shape_commands.h"

#include "clipboard.h"
#include "document/flange_names.h"
#include "document/sheet_document.h"
#include "drawing_flange_lookup.h"
#include "layout_messages.h"
#include "page_setup.h"
#include "page_view.h"
#include "prompt.h"
#include "shape_editor.h"
#include "sheet_gestures.h"
#include "ui_text.h"

namespace {

QString RangeCheckErrorText() {
    return UiText("TMainFm", "範囲チェックエラー");
}
QString ClipboardNoAnswerText() {
    return UiText(
        "TMainFm",
        "クリップボードを持っているプログラムが応答しないため、貼り付けできませんでした。");
}
QString NoRoomHintText() {
    return UiText("TMainFm", "ページに空いた場所がありません。図形がマウスに付いて"
                             "動きます。置く位置でクリックしてください。");
}
QString KeptOnClipboardText() {
    return UiText(
        "TMainFm",
        "\n図形はクリップボードにコピーしました。大きな用紙を選んでから貼り付けられます。");
}

} // namespace

TSheetShapeCommands::TSheetShapeCommands(IPrompt& prompt, IClipboard& clipboard,
                                         const TPageSetup& pageSetup, TSheetDocument& document,
                                         TPageView& view, TSheetGestures& gestures,
                                         IShapeEditor* editor)
    : Prompt(prompt), Clipboard(clipboard), PageSetup(pageSetup), Document(document), View(view),
      Gestures(gestures), Editor(editor) {}

// The editor's flange dialog offers the names of the drawing's sides as they
// are now, the open joint marks first, and looks a picked one up in every
// shape but the one being edited (-1 for a new shape, which skips none).
void TSheetShapeCommands::ShowEditor(int editedIndex) {
    const TDrawingFlangeLookup lookup(Document, editedIndex);
    FFlangeNames = FlangeNamesOpenFirst(Document.Drawing());
    Editor->SetFlangeNames(FFlangeNames, &lookup);
    Editor->ShowModal();
    Editor->SetFlangeNames({}, nullptr);
}

void TSheetShapeCommands::MakeNew() {
    if (Editor == nullptr)
        return;
    Editor->NewPolygon();
    ShowEditor(-1);
    TPolygon shape;
    if (Editor->ApexCount() > 2 && Editor->GetPolygon(shape))
        PlaceNewShape(shape, true);
}

void TSheetShapeCommands::EditCurrent() {
    const int index = Document.CurrentPolygonIndex();
    if (Editor == nullptr || index < 0)
        return;
    Editor->SetPolygon(*Document.PolygonAt(index));
    ShowEditor(index);
    TPolygon shape;
    if (Editor->ApexCount() > 2 && Editor->GetPolygon(shape))
        Document.ChangePolygon(index, std::move(shape));
    View.Repaint();
}

void TSheetShapeCommands::PlaceNewShape(const TPolygon& shape, bool fromEditor) {
    const TPageAreaMm area = PageSetup.PageArea();
    switch (Gestures.PlaceShape(shape, area.Width, area.Height)) {
    case TPlaceFit::Free:
        break;
    case TPlaceFit::NoRoom:
        emit HintChanged(NoRoomHintText());
        break;
    case TPlaceFit::TooLarge: {
        const bool kept = fromEditor && CopyPolygonToClipboard(Clipboard, shape);
        Prompt.ShowError(ErrorTitle(),
                         TooLargeText(shape, area) + (kept ? KeptOnClipboardText() : ""));
        break;
    }
    }
}

bool TSheetShapeCommands::CopyCurrent() {
    const TPolygon* shape = Document.PolygonAt(Document.CurrentPolygonIndex());
    return shape != nullptr && CopyPolygonToClipboard(Clipboard, *shape);
}

void TSheetShapeCommands::Copy() {
    CopyCurrent();
}

void TSheetShapeCommands::Cut() {
    if (CopyCurrent())
        Delete();
}

void TSheetShapeCommands::Delete() {
    if (Document.DeleteCurrentPolygon())
        View.Repaint();
}

void TSheetShapeCommands::Paste() {
    TPolygon shape;
    TClipboardRead read = TClipboardRead::Answered;
    switch (PastePolygonFromClipboard(Clipboard, shape, &read)) {
    case TTextReadResult::Ok:
        PlaceNewShape(shape, false);
        break;
    case TTextReadResult::RangeError:
        Prompt.ShowError(ErrorTitle(), RangeCheckErrorText());
        break;
    case TTextReadResult::Malformed:
        // Text that is no shape pastes nothing without a word; a clipboard
        // that never answered is another matter: the user would wait in vain.
        if (read == TClipboardRead::NoAnswer)
            Prompt.ShowWarning(WarningTitle(), ClipboardNoAnswerText());
        break;
    }
}

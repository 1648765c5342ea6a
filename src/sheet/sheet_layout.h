// The sheet's layout command: the layout dialog, the layout run as long work
// (a progress dialog that can cancel once it takes longer than a moment), then
// applied to the document as one undo step, and what could not be placed told.
#pragma once

#include "document/layout_job.h"

class ILayoutDialog;
class ILongTask;
class IPageArea;
class IPrompt;
class TSheetDocument;

class TSheetLayout {
public:
    // Without a dialog the command does nothing.
    TSheetLayout(IPrompt& prompt, ILongTask& longTask, const IPageArea& pageArea,
                 TSheetDocument& document, ILayoutDialog* dialog);

    // Asks how to lay out, lays out and applies it; true when the drawing
    // changed. A cancelled or refused layout changes nothing.
    bool LayOut();

private:
    IPrompt& Prompt;
    ILongTask& LongTask;
    const IPageArea& PageArea;
    TSheetDocument& Document;
    ILayoutDialog* Dialog;
    // What the dialog showed last, offered again next time.
    TLayoutSettings FSettings{TLayoutScope::CurrentPage};
};

// The shape commands of the sheet's Edit menu: a new shape made in the shape
// editor and put where it fits, the current shape edited there, and cut,
// copy, paste and delete through the clipboard. The window decides whether a
// command may act now; these do it.
#pragma once

#include "geometry/polygon.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class IClipboard;
class IPrompt;
class IShapeEditor;
class TPageSetup;
class TPageView;
class TSheetDocument;
class TSheetGestures;

class TSheetShapeCommands : public QObject {
    Q_OBJECT

public:
    // Without an editor, making and editing shapes do nothing.
    TSheetShapeCommands(IPrompt& prompt, IClipboard& clipboard, const TPageSetup& pageSetup,
                        TSheetDocument& document, TPageView& view, TSheetGestures& gestures,
                        IShapeEditor* editor);

    void MakeNew();
    // There is no cancel: the shape the editor holds when it closes is taken,
    // provided it still has at least 3 vertices.
    void EditCurrent();
    void Copy();
    // A shape whose text block cannot be written stays on the page: cutting
    // it would lose it.
    void Cut();
    void Delete();
    void Paste();

    // The side names the shape editor was last given to offer.
    const std::vector<std::string>& OfferedFlangeNames() const { return FFlangeNames; }

signals:
    // What the status line should say after a shape was put down: the page
    // had no free place, so it follows the pointer.
    void HintChanged(const QString& text);

private:
    void ShowEditor(int editedIndex);
    // A new or pasted shape goes where it fits; one larger than the page is
    // refused, a new one then kept on the clipboard so that it is not lost.
    void PlaceNewShape(const TPolygon& shape, bool fromEditor);
    bool CopyCurrent();

    IPrompt& Prompt;
    IClipboard& Clipboard;
    const TPageSetup& PageSetup;
    TSheetDocument& Document;
    TPageView& View;
    TSheetGestures& Gestures;
    IShapeEditor* const Editor;
    std::vector<std::string> FFlangeNames;
};

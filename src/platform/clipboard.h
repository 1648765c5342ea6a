// The system clipboard's plain text behind a small interface, and one shape
// carried on it as its text block: copied from a drawing, or from a text
// editor that holds a block cut out of a drawing file.
#pragma once

#include "format/shape_text.h"
#include "geometry/polygon.h"

#include <QString>

class IClipboard {
public:
    virtual ~IClipboard() = default;

    // Empty when the clipboard holds no text.
    virtual QString Text() const = 0;
    // Replaces whatever the clipboard held.
    virtual void SetText(const QString& text) = 0;
};

// The clipboard of the running application's display.
class TQtClipboard : public IClipboard {
public:
    QString Text() const override;
    void SetText(const QString& text) override;
};

// Puts the shape's text block on the clipboard, its Shift-JIS flange names as
// Unicode text. False, leaving the clipboard as it was, when the shape has no
// text block (a coordinate too large for its column).
bool CopyPolygonToClipboard(IClipboard& clipboard, const TPolygon& shape);

// Reads a text block from the clipboard into shape, which changes only when
// the result is Ok.
TTextReadResult PastePolygonFromClipboard(const IClipboard& clipboard, TPolygon& shape);

// The system clipboard's plain text behind a small interface, and one shape
// carried on it as its text block: copied from a drawing, or from a text
// editor that holds a block cut out of a drawing file.
#pragma once

#include "format/shape_text.h"
#include "geometry/polygon.h"

#include <QString>

#include <chrono>

enum class TClipboardRead {
    Answered, // text holds the clipboard's text, empty when it has none
    NoAnswer, // the program holding the clipboard did not answer in time
};

class IClipboard {
public:
    virtual ~IClipboard() = default;

    // Empty when the clipboard holds no text.
    virtual QString Text() const = 0;
    // Replaces whatever the clipboard held.
    virtual void SetText(const QString& text) = 0;
    // The text, waiting a bounded time for the program that holds the
    // clipboard. A clipboard that cannot keep anyone waiting answers at once.
    virtual TClipboardRead ReadText(QString& text) const {
        text = Text();
        return TClipboardRead::Answered;
    }
};

// How long a paste waits for the program holding the clipboard to answer.
inline constexpr std::chrono::milliseconds ClipboardWait{1000};

// The clipboard of the running application's display. Under X11 another
// program's clipboard is read on a connection of its own with a wait of at
// most ClipboardWait for each answer, instead of the toolkit's seconds.
class TQtClipboard : public IClipboard {
public:
    // Empty when the holder of the clipboard did not answer.
    QString Text() const override;
    void SetText(const QString& text) override;
    TClipboardRead ReadText(QString& text) const override;
};

// Puts the shape's text block on the clipboard, its Shift-JIS flange names as
// Unicode text. False, leaving the clipboard as it was, when the shape has no
// text block (a coordinate too large for its column).
bool CopyPolygonToClipboard(IClipboard& clipboard, const TPolygon& shape);

// Reads a text block from the clipboard into shape, which changes only when
// the result is Ok. With read, it receives whether the clipboard answered: a
// holder that did not answer in time gives Malformed and NoAnswer.
TTextReadResult PastePolygonFromClipboard(const IClipboard& clipboard, TPolygon& shape,
                                          TClipboardRead* read = nullptr);

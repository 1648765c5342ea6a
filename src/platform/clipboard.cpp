// The clipboard's plain text and the shape text block on it. The block is
// Shift-JIS bytes; the clipboard carries Unicode, so names survive the trip
// through other programs.
#include "clipboard.h"

#include "shift_jis_codec.h"

#include <QClipboard>
#include <QGuiApplication>
#include <string>

QString TQtClipboard::Text() const {
    return QGuiApplication::clipboard()->text();
}

void TQtClipboard::SetText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

bool CopyPolygonToClipboard(IClipboard& clipboard, const TPolygon& shape) {
    std::string block;
    if (!PolygonToText(shape, block))
        return false;
    clipboard.SetText(ShiftJisToUnicode(block));
    return true;
}

// Text that does not begin as a block does, or holds a character no block can
// (one without a Shift-JIS code), is refused before anything is converted or
// read: a clipboard may hold a hundred megabytes of anything.
TTextReadResult PastePolygonFromClipboard(const IClipboard& clipboard, TPolygon& shape) {
    const QString text = clipboard.Text();
    if (!text.startsWith(QLatin1String(PolygonMagicLine.data(),
                                       static_cast<qsizetype>(PolygonMagicLine.size()))))
        return TTextReadResult::Malformed;
    std::string bytes;
    if (!TryUnicodeToShiftJis(text, bytes))
        return TTextReadResult::Malformed;
    return TextToPolygon(bytes, shape);
}

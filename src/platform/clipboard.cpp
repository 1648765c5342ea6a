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

TTextReadResult PastePolygonFromClipboard(const IClipboard& clipboard, TPolygon& shape) {
    return TextToPolygon(UnicodeToShiftJis(clipboard.Text()), shape);
}

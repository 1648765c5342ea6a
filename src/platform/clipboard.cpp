// The clipboard's plain text and the shape text block on it. The block is
// Shift-JIS bytes; the clipboard carries Unicode, so names survive the trip
// through other programs.
#include "clipboard.h"

#include "shift_jis_codec.h"
#include "x11_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <string>

QString TQtClipboard::Text() const {
    QString text;
    ReadText(text);
    return text;
}

// Only X11 makes the toolkit wait on another program for seconds.
TClipboardRead TQtClipboard::ReadText(QString& text) const {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        text = clipboard->text();
        return TClipboardRead::Answered;
    }
    QByteArray utf8;
    switch (ReadX11ClipboardText(qgetenv("DISPLAY"), x11->connection(), ClipboardWait, utf8)) {
    case TX11ClipboardRead::Text:
        text = QString::fromUtf8(utf8);
        return TClipboardRead::Answered;
    case TX11ClipboardRead::Empty:
        text.clear();
        return TClipboardRead::Answered;
    case TX11ClipboardRead::NoAnswer:
        text.clear();
        return TClipboardRead::NoAnswer;
    case TX11ClipboardRead::OwnedHere:
    case TX11ClipboardRead::Unavailable:
        break;
    }
    text = clipboard->text();
    return TClipboardRead::Answered;
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
TTextReadResult PastePolygonFromClipboard(const IClipboard& clipboard, TPolygon& shape,
                                          TClipboardRead* read) {
    QString text;
    const TClipboardRead answer = clipboard.ReadText(text);
    if (read != nullptr)
        *read = answer;
    if (!text.startsWith(QLatin1String(PolygonMagicLine.data(),
                                       static_cast<qsizetype>(PolygonMagicLine.size()))))
        return TTextReadResult::Malformed;
    std::string bytes;
    if (!TryUnicodeToShiftJis(text, bytes))
        return TTextReadResult::Malformed;
    return TextToPolygon(bytes, shape);
}

// The X11 clipboard's text read on a connection of the program's own, so that
// an owner that does not answer costs a bounded wait instead of the toolkit's
// long one.
#pragma once

#include <QByteArray>

#include <chrono>

struct xcb_connection_t;

enum class TX11ClipboardRead {
    Text,        // utf8 holds the text
    Empty,       // no program holds the clipboard, or it holds no text
    NoAnswer,    // the program holding it did not answer within the wait
    OwnedHere,   // a window of own holds it: the toolkit has the text at hand
    Unavailable, // the display cannot be reached
};

// More text than any shape's block is given up: a clipboard may hold anything.
inline constexpr qsizetype X11ClipboardMaxBytes = 256 * 1024 * 1024;

// Asks the program holding the clipboard of display (the default display when
// empty) for its text as UTF-8, or as Latin-1 where it has no UTF-8, waiting
// at most wait for each answer; a large text comes in parts, each within the
// wait. A window of own (the toolkit's connection, whose windows are this
// program's) holding it is not asked: this program could not answer while
// it waits here. The server is asked who holds the clipboard, as the
// toolkit may not have heard yet that another program took it.
TX11ClipboardRead ReadX11ClipboardText(const QByteArray& display, xcb_connection_t* own,
                                       std::chrono::milliseconds wait, QByteArray& utf8);

// The mouse pointer of the primary screen.
#include "screen_cursor.h"

#include <QCursor>

QPoint TQtScreenCursor::Pos() const {
    return QCursor::pos();
}

void TQtScreenCursor::SetPos(const QPoint& global) {
    QCursor::setPos(global);
}

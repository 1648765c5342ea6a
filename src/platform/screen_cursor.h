// The mouse pointer's position on the screen, read and set, behind an
// interface so that tests can see where the program sends the pointer.
#pragma once

#include <QPoint>

class IScreenCursor {
public:
    virtual ~IScreenCursor() = default;

    // Global screen coordinates.
    virtual QPoint Pos() const = 0;
    virtual void SetPos(const QPoint& global) = 0;
};

class TQtScreenCursor : public IScreenCursor {
public:
    QPoint Pos() const override;
    void SetPos(const QPoint& global) override;
};

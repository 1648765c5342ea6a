// The drawing area of a page as the page setup gives it at this moment: what
// a window that shows a page asks for, without knowing the printer or the
// settings behind it.
#pragma once

#include "drawing/print_layout.h"

class IPageArea {
public:
    virtual ~IPageArea() = default;
    // The white area of a page, in millimetres.
    virtual TPageAreaMm PageArea() const = 0;
};

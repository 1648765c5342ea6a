// A page area for tests: what the page setup would give, set by the test.
#pragma once

#include "drawing/page_area.h"

class TFakePageArea : public IPageArea {
public:
    explicit TFakePageArea(TPageAreaMm area = {}) : Area(area) {}

    TPageAreaMm Area;
    TPageAreaMm PageArea() const override { return Area; }
};

// Two layers side by side may not use each other.
#pragma once
#include "geometry/point.h"
#include "drawing/canvas.h"

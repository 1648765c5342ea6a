// A history above the geometry.
#pragma once
#include "geometry/point.h"

// A canvas that reaches for the toolkit and hides where its headers live.
#pragma once
#include <QPainter>
#include "point.h"
#include "geometry/missing.h"

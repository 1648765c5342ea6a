// A record at the bottom layer.
#pragma once
#include <vector>

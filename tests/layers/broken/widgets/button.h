// A folder that is no layer.
#pragma once

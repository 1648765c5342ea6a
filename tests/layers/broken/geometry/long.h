// A file longer than the limit the test sets.
#pragma once





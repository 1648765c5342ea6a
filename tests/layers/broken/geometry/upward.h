// The bottom layer reaching up to the history.
#pragma once
#include "history/log.h"

#pragma once
// The machine's memory figures, as the platform reports them now.

#include "Event.h"

#include "MemoryText.h"

// Where the About dialog takes its figures from; tests give their own.
using TMemorySource = TEvent<TMemoryFigures()>;

// GlobalMemoryStatusEx where the platform has it, so that totals beyond 2 or
// 4 GB are not capped or wrapped; GlobalMemoryStatus on the platforms before.
TMemoryFigures ReadMemoryStatus();

#pragma once
// The calendar year, read where a window needs it; tests give windows a clock of their own.

#include <functional>

using YearClock = std::function<int()>;

// The current year from the system clock, in local time.
int systemYear();

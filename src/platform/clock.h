#pragma once

#include "date_time.h"

#include <functional>

// The current local date and time, to the millisecond. Tests fix "now" with SetClock.
TDateTime Now();
TDateTime Today();
void SetClock(std::function<TDateTime()> clock);
void ResetClock();

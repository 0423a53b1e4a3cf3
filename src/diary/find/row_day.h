#pragma once

#include "platform/date_time.h"

struct sqlite3_stmt;

// The day of a row's `date` value as the day page reads it; 0 for a value that is no day of the
// years 1 to 9999. Reading every row of a diary for a search makes this a hot path: the day key
// the program writes ("2021-06-30") is read directly, every other form through the store.
TDateTime RowDay(sqlite3_stmt* stmt, int column);

#include "row_day.h"

#include "store/sqlite_query.h"

#include <sqlite3.h>

namespace {

// The value of `count` digits, or -1 when any is no digit.
int DigitsAt(const unsigned char* text, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const unsigned digit = unsigned(text[i]) - '0';
        if (digit > 9)
            return -1;
        value = value * 10 + int(digit);
    }
    return value;
}

// Whether the value is "yyyy-mm-dd" with nothing after it; then `day` is its day, or 0.
bool ReadDayKey(sqlite3_stmt* stmt, int column, TDateTime& day)
{
    if (sqlite3_column_type(stmt, column) != SQLITE_TEXT)
        return false;
    const unsigned char* text = sqlite3_column_text(stmt, column);
    if (sqlite3_column_bytes(stmt, column) != 10 || text[4] != '-' || text[7] != '-')
        return false;
    const int year = DigitsAt(text, 4), month = DigitsAt(text + 5, 2), dayOfMonth = DigitsAt(text + 8, 2);
    if (year < 0 || month < 0 || dayOfMonth < 0)
        return false;
    if (!TryEncodeDate(year, month, dayOfMonth, day))
        day = 0;
    return true;
}

}  // namespace

TDateTime RowDay(sqlite3_stmt* stmt, int column)
{
    TDateTime day = 0;
    if (ReadDayKey(stmt, column, day))
        return day;
    const std::optional<TDateTime> value = ColumnDateTime(stmt, column);
    return value ? DateOf(*value) : 0;
}

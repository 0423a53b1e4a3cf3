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
    // SQLite ends every text with a zero byte, so its length need not be asked for: the bytes are
    // looked at in order, each only after the ones before it were no zero. A zero after ten
    // characters is the end, or one after which the store's reading finds no time of day either.
    const unsigned char* text = sqlite3_column_text(stmt, column);
    if (!text)
        return false;
    const int year = DigitsAt(text, 4);
    if (year < 0 || text[4] != '-')
        return false;
    const int month = DigitsAt(text + 5, 2);
    if (month < 0 || text[7] != '-')
        return false;
    const int dayOfMonth = DigitsAt(text + 8, 2);
    if (dayOfMonth < 0 || text[10] != 0)
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

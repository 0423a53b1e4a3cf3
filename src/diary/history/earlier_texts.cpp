#include "earlier_texts.h"

#include "stored_values.h"
#include "store/diary_sql.h"
#include "store/earlier_sql.h"
#include "store/sqlite_rows.h"

#include <QDate>
#include <QSet>
#include <sqlite3.h>

#include <optional>

namespace {

// The first moment whose texts are still kept at `now`.
QByteArray KeptSince(TDateTime now) { return KeptStamp(now - kEarlierKeptDays).toUtf8(); }

std::optional<TDateTime> DayOfKey(const QString& key)
{
    const QDate date = QDate::fromString(key, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return std::nullopt;
    return EncodeDate(date.year(), date.month(), date.day());
}

QString TextColumn(const SqliteRows& rows, int column)
{
    const std::string_view text = rows.Text(column);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A row of `text, kept, why` from `column` on.
EarlierText TextAt(const SqliteRows& rows, int column, TDateTime day)
{
    EarlierText earlier;
    earlier.day = day;
    earlier.text = ValueBytes(rows.Statement(), column);
    earlier.kept = TextColumn(rows, column + 1);
    earlier.why = TextColumn(rows, column + 2);
    return earlier;
}

}  // namespace

QList<EarlierText> EarlierTextsOf(SqliteConnection& diary, TDateTime day)
{
    if (!EarlierSql::HasTable(diary))
        return {};
    SqliteRows rows(diary, EarlierSql::kDayTexts.toUtf8());
    BindValue(diary, rows.Statement(), ":Day", SQLITE_TEXT, DiarySql::DayKey(day).toUtf8());
    QList<EarlierText> texts;
    while (rows.Next())
        texts.append(TextAt(rows, 0, DateOf(day)));
    return texts;
}

QList<EarlierText> DeletedDays(SqliteConnection& diary, TDateTime now)
{
    if (!EarlierSql::HasTable(diary))
        return {};
    SqliteRows rows(diary, EarlierSql::kDeletedTexts.toUtf8());
    BindValue(diary, rows.Statement(), ":Since", SQLITE_TEXT, KeptSince(now));
    QList<EarlierText> days;
    QSet<QString> seen;
    while (rows.Next()) {
        const QString key = TextColumn(rows, 0);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        if (const std::optional<TDateTime> day = DayOfKey(key))
            days.append(TextAt(rows, 1, *day));
    }
    return days;
}

void PruneEarlierTexts(SqliteConnection& diary, TDateTime now)
{
    if (!EarlierSql::HasTable(diary))
        return;
    SqliteRows prune(diary, EarlierSql::kPrune.toUtf8());
    BindValue(diary, prune.Statement(), ":Since", SQLITE_TEXT, KeptSince(now));
    while (prune.Next()) {
    }
}

QString KeptStamp(TDateTime moment) { return EarlierSql::Stamp(moment); }

// The kept texts read back: a day's, newest first; the deleted days; and their clearing after 60
// days, with the clock fixed.
#include "diary/history/day_writes.h"
#include "diary/history/earlier_texts.h"
#include "history_diary.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

const TDateTime kDecember2 = EncodeDate(2026, 12, 2);
const TDateTime kDecember3 = EncodeDate(2026, 12, 3);
const TDateTime kNoon = EncodeDate(2026, 12, 11) + 0.5;
constexpr double kSecond = 1.0 / 86400;

void ClockAt(TDateTime moment)
{
    SetClock([moment] { return moment; });
}

// Its clock and time zone come back afterwards.
class EarlierTexts : public ::testing::Test {
protected:
    void TearDown() override
    {
        ResetClock();
        if (hadZone_)
            qputenv("TZ", zone_);
        else
            qunsetenv("TZ");
        tzset();
    }
    static void SetZone(const char* zone)
    {
        qputenv("TZ", zone);
        tzset();
    }

    HistoryDiary diary;
    DayWrites writes{diary.connection};

private:
    const bool hadZone_ = qEnvironmentVariableIsSet("TZ");
    const QByteArray zone_ = qgetenv("TZ");
};

QStringList Shown(const QList<EarlierText>& texts)
{
    QStringList lines;
    for (const EarlierText& text : texts)
        lines << DiarySql::DayKey(text.day) + u' ' + text.kept + u' ' + text.why + u' ' +
                     QString::fromUtf8(text.text);
    return lines;
}

TEST_F(EarlierTexts, StampsAreTheLocalMomentInUtc)
{
    struct Case {
        const char* zone;
        TDateTime local;
        const char* stamp;
    };
    const Case cases[] = {
        {"UTC0", EncodeDate(2026, 12, 11) + EncodeTime(9, 30, 0, 999), "2026-12-11T09:30:00Z"},
        {"Europe/Berlin", EncodeDate(2026, 12, 11) + EncodeTime(10, 30, 0, 0), "2026-12-11T09:30:00Z"},
        {"Europe/Berlin", EncodeDate(2026, 7, 1) + EncodeTime(11, 30, 0, 0), "2026-07-01T09:30:00Z"},
        {"Asia/Tokyo", EncodeDate(2027, 1, 1) + EncodeTime(8, 0, 0, 0), "2026-12-31T23:00:00Z"},
    };
    for (const Case& c : cases) {
        SetZone(c.zone);
        EXPECT_EQ(KeptStamp(c.local).toStdString(), c.stamp) << c.zone;
    }
}

TEST_F(EarlierTexts, ADaysTextsComeNewestFirstWithTheirBytesAndWhy)
{
    SetZone("UTC0");
    ClockAt(kNoon);
    writes.Post(kDecember2, QStringLiteral("one"), Now());
    // Kept within one second: the order they were kept in decides.
    writes.Post(kDecember2, QStringLiteral("two"), Now());
    writes.Post(kDecember3, QStringLiteral("another day"), Now());
    ClockAt(kNoon + kSecond);
    writes.Post(kDecember2, QStringLiteral("three\r\nmore"), Now());
    writes.Delete(kDecember2, Now());
    writes.Delete(kDecember3, Now());

    EXPECT_EQ(Shown(EarlierTextsOf(diary.connection, kDecember2)),
              (QStringList{"2026-12-02 2026-12-11T12:00:01Z delete three\r\nmore", "2026-12-02 2026-12-11T12:00:01Z post two",
                           "2026-12-02 2026-12-11T12:00:00Z post one"}));
    EXPECT_TRUE(EarlierTextsOf(diary.connection, EncodeDate(2026, 12, 4)).isEmpty());
}

TEST_F(EarlierTexts, PruningRemovesWhatWasKeptMoreThanSixtyDaysAgo)
{
    SetZone("UTC0");
    struct Case {
        const char* text;
        TDateTime kept;
        bool stays;
    };
    const Case cases[] = {
        {"61 days", kNoon - 61, false},
        {"60 days and a second", kNoon - 60 - kSecond, false},
        {"60 days to the second", kNoon - 60, true},
        {"yesterday", kNoon - 1, true},
    };
    QStringList staying;
    for (const Case& c : cases) {
        ClockAt(c.kept);
        writes.Post(kDecember2, QString::fromLatin1(c.text), Now());
        writes.Delete(kDecember2, Now());
        if (c.stays)
            staying.prepend(QString::fromLatin1(c.text));
    }
    ClockAt(kNoon);
    PruneEarlierTexts(diary.connection, Now());
    QStringList left;
    for (const EarlierText& text : EarlierTextsOf(diary.connection, kDecember2))
        left << QString::fromUtf8(text.text);
    EXPECT_EQ(left, staying);
}

TEST_F(EarlierTexts, DeletedDaysAreTheDaysWithoutARowEachWithItsNewestDeletedText)
{
    SetZone("UTC0");
    const TDateTime days[] = {EncodeDate(2026, 11, 1), EncodeDate(2026, 11, 2), EncodeDate(2026, 11, 3), EncodeDate(2026, 11, 4)};
    // Deleted long ago: no longer offered.
    ClockAt(kNoon - 61);
    writes.Post(days[0], QStringLiteral("too old"), Now());
    writes.Delete(days[0], Now());
    // Deleted twice: offered once, with the newer text.
    ClockAt(kNoon - 10);
    writes.Post(days[1], QStringLiteral("older"), Now());
    writes.Delete(days[1], Now());
    ClockAt(kNoon - 3);
    writes.Post(days[1], QStringLiteral("newer"), Now());
    writes.Delete(days[1], Now());
    // Deleted and written again: it has its entry.
    writes.Post(days[2], QStringLiteral("back"), Now());
    writes.Delete(days[2], Now());
    writes.Post(days[2], QStringLiteral("written again"), Now());
    // The newest deletion.
    ClockAt(kNoon - 1);
    writes.Post(days[3], QStringLiteral("newest"), Now());
    writes.Delete(days[3], Now());

    ClockAt(kNoon);
    EXPECT_EQ(Shown(DeletedDays(diary.connection, Now())),
              (QStringList{"2026-11-04 2026-12-10T12:00:00Z delete newest", "2026-11-02 2026-12-08T12:00:00Z delete newer"}));
}

TEST_F(EarlierTexts, ADiaryWithoutTheTableHasNothingKeptAndReadingOrPruningAddsNothing)
{
    const QStringList schema = diary.Schema();
    EXPECT_TRUE(EarlierTextsOf(diary.connection, kDecember2).isEmpty());
    EXPECT_TRUE(DeletedDays(diary.connection, kNoon).isEmpty());
    PruneEarlierTexts(diary.connection, kNoon);
    EXPECT_EQ(diary.Schema(), schema);
}

}  // namespace

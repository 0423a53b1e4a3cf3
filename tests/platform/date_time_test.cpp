#include "platform/date_time.h"
#include "platform/locale_info.h"

#include <gtest/gtest.h>

TEST(DateTime, EncodesAndDecodesAroundTheZeroDay)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2021, 6, 30), 44377.0);
    const DateParts d = DecodeDate(44377.75);
    EXPECT_EQ(d.year, 2021);
    EXPECT_EQ(d.month, 6);
    EXPECT_EQ(d.day, 30);
    const TimeParts t = DecodeTime(EncodeTime(10, 20, 30, 400));
    EXPECT_EQ(t.hour, 10);
    EXPECT_EQ(t.minute, 20);
    EXPECT_EQ(t.second, 30);
    EXPECT_EQ(t.millisecond, 400);
}

TEST(DateTime, RejectsDaysThatDoNotExist)
{
    TDateTime out = 0;
    EXPECT_FALSE(TryEncodeDate(2021, 2, 29, out));
    EXPECT_TRUE(TryEncodeDate(2020, 2, 29, out));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, out));
    EXPECT_THROW(EncodeDate(2021, 13, 1), std::exception);
}

TEST(DateTime, WeekdaysCountFromSunday)
{
    EXPECT_EQ(DayOfWeek(EncodeDate(2021, 6, 27)), 1);  // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2021, 6, 30)), 4);  // Wednesday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 24)), 1);  // before the zero day
}

TEST(DateTime, MonthStepsClampTheDayAndKeepTheTime)
{
    const TDateTime jan31 = EncodeDate(2021, 1, 31) + 0.5;
    EXPECT_EQ(IncMonth(jan31, 1), EncodeDate(2021, 2, 28) + 0.5);
    EXPECT_EQ(IncMonth(jan31, -2), EncodeDate(2020, 11, 30) + 0.5);
    EXPECT_EQ(IncMonth(EncodeDate(2020, 2, 29), 12), EncodeDate(2021, 2, 28));
}

TEST(DateTime, JulianDaysBeginAtNoon)
{
    EXPECT_DOUBLE_EQ(DateTimeToJulianDay(EncodeDate(2000, 1, 1) + 0.5), 2451545.0);
    EXPECT_DOUBLE_EQ(JulianDayToDateTime(2459395.5), EncodeDate(2021, 6, 30));
}

TEST(DateTime, FormatsTheLettersThePrintoutAndTheStoreUse)
{
    const TDateTime day = EncodeDate(2021, 6, 30) + EncodeTime(9, 5, 7, 12);
    const LocaleInfo en = EnglishLocale();
    const LocaleInfo ja = JapaneseLocale();
    struct Case {
        const char* format;
        const LocaleInfo& locale;
        QString expected;
    } cases[] = {
        {"MM.dd.yyyy", en, QStringLiteral("06.30.2021")},
        {"yyyy-MM-dd", ja, QStringLiteral("2021-06-30")},
        {"yyyy年MM月dd日 (aaa 曜日)", ja, QStringLiteral("2021年06月30日 (水 曜日)")},
        {"ddd dddd", en, QStringLiteral("Wed Wednesday")},
        {"hh:nn:ss.zzz", en, QStringLiteral("09:05:07.012")},
        {"h:mm", en, QStringLiteral("9:05")},  // minutes right after an hour
        {"mmmm yy", en, QStringLiteral("June 21")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.format), day, c.locale), c.expected) << c.format;
}

TEST(Locale, NameComesFromThePosixForm)
{
    EXPECT_EQ(LocaleNameFromPosix(QStringLiteral("ja_JP.UTF-8")), QStringLiteral("ja-JP"));
    EXPECT_EQ(LocaleNameFromPosix(QStringLiteral("de_DE@euro")), QStringLiteral("de-DE"));
    EXPECT_EQ(LocaleNameFromPosix(QStringLiteral("C.UTF-8")), QStringLiteral("en-US"));
    EXPECT_EQ(LocaleNameFromPosix(QString()), QStringLiteral("en-US"));
}

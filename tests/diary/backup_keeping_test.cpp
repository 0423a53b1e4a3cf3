// Which backups the keeping rule lets go.
#include "diary/safety/diary_backups.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

const TDateTime kJune30 = EncodeDate(2021, 6, 30);

QString Backup(int year, int month, int day, int hour = 12)
{
    return QString::asprintf("Kalvo-%.4d-%.2d-%.2dT%.2d0000.db", year, month, day, hour);
}

TEST(BackupKeeping, KeepsTheNewestTenAndTheNewestOfEachOfTheLastTwelveMonths)
{
    struct Case {
        const char* name;
        QStringList files;
        QStringList deleted;
    };
    QStringList june, monthly, monthlyDeleted, busyJune, busyJuneDeleted;
    for (int day = 1; day <= 12; ++day)
        june << Backup(2021, 6, day);
    // One a month from July 2019 to June 2021: the last twelve months keep theirs.
    for (int m = 0; m < 24; ++m) {
        monthly << Backup(2019 + (6 + m) / 12, (6 + m) % 12 + 1, 15);
        if (m < 12)
            monthlyDeleted << monthly.last();
    }
    // Fifteen in June, two in May, one thirteen months ago, several on one day.
    for (int hour = 1; hour <= 15; ++hour)
        busyJune << Backup(2021, 6, 20, hour);
    busyJuneDeleted = busyJune.mid(0, 5);
    busyJune << Backup(2021, 5, 2) << Backup(2021, 5, 31) << Backup(2020, 6, 30);
    busyJuneDeleted << Backup(2021, 5, 2) << Backup(2020, 6, 30);
    const QStringList strangers = {QStringLiteral("Kalvo-2001-01-01T000000-damaged.db"), QStringLiteral("notes.txt"),
                                   QStringLiteral("Kalvo-2001-01-01T000000.db.bak"), QStringLiteral("kalvo-2001-01-01T000000.db"),
                                   QStringLiteral(".Kalvo-2001-01-01T000000.db.Ab12Cd"), QStringLiteral("Kalvo-2001-01-01T0000.db")};
    const Case cases[] = {
        {"ten or fewer", june.mid(0, 10), {}},
        {"twelve in June", june, june.mid(0, 2)},
        {"one a month for two years", monthly, monthlyDeleted},
        {"a busy June", busyJune, busyJuneDeleted},
        {"other files stay, however old", strangers + june, june.mid(0, 2)},
    };
    for (const Case& c : cases) {
        QStringList deleted = BackupsToDelete(c.files, kJune30 + 0.5);
        QStringList expected = c.deleted;
        std::sort(deleted.begin(), deleted.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(deleted, expected) << c.name;
    }
}

}  // namespace

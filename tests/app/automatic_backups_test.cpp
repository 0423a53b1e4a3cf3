// The main window's own backups: made at closing and hourly after a change, cleared by the keeping
// rule, a failing folder reported once; and the start-up box of a damaged diary.
#include "diary/safety/automatic_backups.h"
#include "diary/safety/diary_backups.h"
#include "app/main_window.h"
#include "diary_rows.h"
#include "scoped_file_modes.h"
#include "controls/month_calendar.h"
#include "controls/tool_button.h"
#include "platform/error_box.h"
#include "platform/scripted_dialogs.h"
#include "platform/timer.h"
#include "store/diary_check.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

const TDateTime kJune30 = EncodeDate(2021, 6, 30);
const QString kCloseBackup = QStringLiteral("Kalvo-2021-06-30T102030.db");  // made at the fixed "now"

QString Backup(int year, int month, int day, int hour = 12)
{
    return QString::asprintf("Kalvo-%.4d-%.2d-%.2dT%.2d0000.db", year, month, day, hour);
}

class AutomaticBackupsTest : public ::testing::Test {
protected:
    ScopedExecutableDir dir;
    ScriptedDialogs dialogs;
    ManualTimers timers;
    QString backups = dir.File(QStringLiteral("backups"));

    QStringList Backups() const
    {
        return QDir(backups).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    static void Write(TForm1& form, void (TForm1::*command)(), const QString& text)
    {
        form.RzCalendar1->SetDate(kJune30);
        form.Memo1->setPlainText(text);
        (form.*command)();
    }

    static QString DiaryText(const QString& file) { return StoredDayText(file, kJune30); }
};

TEST_F(AutomaticBackupsTest, ClosingAfterAChangeLeavesACheckedCopyAndClosingWithoutNone)
{
    {
        TForm1 form;
        form.show();
        form.RzCalendar1->SetDate(kJune30);
        form.RzCalendar1Click();
        form.close();
    }
    EXPECT_FALSE(QFileInfo::exists(backups)) << "nothing changed, nothing to keep";
    {
        TForm1 form;
        form.show();
        Write(form, &TForm1::BtnInsertRecordClick, QStringLiteral("first words"));
        form.close();
        EXPECT_FALSE(form.isVisible());
    }
    ASSERT_EQ(Backups(), QStringList{kCloseBackup});
    EXPECT_EQ(DiaryFileProblems(backups + QLatin1Char('/') + kCloseBackup), QStringList());
    EXPECT_EQ(DiaryText(backups + QLatin1Char('/') + kCloseBackup), QStringLiteral("first words\r\n"));
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(AutomaticBackupsTest, HourlyBackupsFollowChangesOnly)
{
    TForm1 form;
    form.show();
    ManualTimers::Advance(AutomaticBackups::kIntervalMs);
    EXPECT_EQ(Backups(), QStringList()) << "an hour without changes";

    Write(form, &TForm1::BtnInsertRecordClick, QStringLiteral("morning"));
    ManualTimers::Advance(AutomaticBackups::kIntervalMs - 1);
    EXPECT_EQ(Backups(), QStringList());
    ManualTimers::Advance(1);
    EXPECT_EQ(Backups(), QStringList{kCloseBackup});
    ManualTimers::Advance(AutomaticBackups::kIntervalMs);
    EXPECT_EQ(Backups().size(), 1) << "no change since the last backup";

    // The clock stands still in tests: the second backup takes the next second's name.
    Write(form, &TForm1::BtnPostClick, QStringLiteral("evening"));
    ManualTimers::Advance(AutomaticBackups::kIntervalMs);
    EXPECT_EQ(Backups(), QStringList({kCloseBackup, QStringLiteral("Kalvo-2021-06-30T102031.db")}));
    EXPECT_EQ(DiaryText(backups + QStringLiteral("/Kalvo-2021-06-30T102031.db")), QStringLiteral("evening\r\n"));
    EXPECT_EQ(DiaryText(backups + QLatin1Char('/') + kCloseBackup), QStringLiteral("morning\r\n"));

    Write(form, &TForm1::BtnDeleteRecordClick, QString());
    form.close();
    EXPECT_EQ(Backups().size(), 3) << "Delete Record is a change too";
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

enum class BrokenFolder { FileInItsPlace, ReadOnly };

class FailingBackupFolder : public AutomaticBackupsTest, public ::testing::WithParamInterface<BrokenFolder> {
protected:
    void TearDown() override { QFile::setPermissions(backups, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }

    // False when this process writes into the folder all the same.
    bool Break()
    {
        if (GetParam() == BrokenFolder::FileInItsPlace) {
            QFile file(backups);
            return file.open(QIODevice::WriteOnly) && file.write("not a folder") > 0;
        }
        QDir().mkpath(backups);
        QFile::setPermissions(backups, QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(backups + QStringLiteral("/probe"));
        return !probe.open(QIODevice::WriteOnly);
    }
};

TEST_P(FailingBackupFolder, IsReportedOnceAndNeitherStopsClosingNorLosesAnything)
{
    ScopedFileModesObeyed modesObeyed;
    if (!Break())
        GTEST_SKIP() << "this process writes into read-only folders (root that cannot drop CAP_DAC_OVERRIDE)";
    TForm1 form;
    form.show();
    Write(form, &TForm1::BtnInsertRecordClick, QStringLiteral("kept words"));
    ManualTimers::Advance(AutomaticBackups::kIntervalMs);
    ASSERT_EQ(dialogs.Messages().size(), 1);
    const QString said = dialogs.Messages()[0].text;
    EXPECT_TRUE(said.startsWith(QStringLiteral("The diary could not be backed up, and it is still as you left it: "))) << said.toStdString();
    EXPECT_TRUE(said.contains(GetParam() == BrokenFolder::FileInItsPlace ? QStringLiteral("cannot create the folder")
                                                                         : QStringLiteral("Cannot create file")))
        << said.toStdString();
    EXPECT_EQ(dialogs.Messages()[0].flags, unsigned(MB_OK | MB_ICONERROR));

    Write(form, &TForm1::BtnPostClick, QStringLiteral("later words"));
    form.close();
    EXPECT_FALSE(form.isVisible()) << "closing goes on";
    EXPECT_EQ(dialogs.Messages().size(), 1) << "said once";
    EXPECT_TRUE(QFileInfo::exists(dir.File(ApplicationTitle() + QStringLiteral(".ini")))) << "the preferences are saved all the same";
    form.FDConnection1.Close();
    EXPECT_EQ(DiaryText(dir.File(QStringLiteral("Kalvo.db"))), QStringLiteral("later words\r\n"));
    if (GetParam() == BrokenFolder::ReadOnly) {
        EXPECT_EQ(Backups(), QStringList()) << "no partial copy left";
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, FailingBackupFolder, ::testing::Values(BrokenFolder::FileInItsPlace, BrokenFolder::ReadOnly),
                         [](const auto& info) { return info.param == BrokenFolder::FileInItsPlace ? "FileInItsPlace" : "ReadOnly"; });

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Overwrite(const QString& path, qint64 offset, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(offset);
    file.write(bytes);
}

TEST(DamagedDiary, StartUpNamesTheNewestGoodBackupAndTheCommandAndChangesNothing)
{
    enum class Damage { OverwrittenHeader, Truncated, Inside, Emptied };
    struct Case {
        const char* name;
        Damage damage;
        bool withBackups;
        const char* said;  // SQLite's words
    };
    const Case cases[] = {
        {"overwritten header, backups", Damage::OverwrittenHeader, true, "file is not a database"},
        {"overwritten header, no backups", Damage::OverwrittenHeader, false, "file is not a database"},
        {"truncated, backups", Damage::Truncated, true, "database disk image is malformed"},
        // Found only once a page in the middle is read: by loading the day on show at start.
        {"a leaf overwritten inside, backups", Damage::Inside, true, "database disk image is malformed"},
        // An empty file where the diary was is a lost diary while a backup can bring it back.
        {"emptied, backups", Damage::Emptied, true, "the file is empty"},
    };
    for (const Case& c : cases) {
        ScopedExecutableDir dir;
        ScriptedDialogs dialogs;
        const QString diary = dir.File(QStringLiteral("Kalvo.db"));
        const QString folder = dir.File(QStringLiteral("backups/"));
        {
            SqliteConnection connection;
            DiarySql::ConfigureConnection(connection);
            connection.Database = diary;
            connection.Open();
            for (int day = 0; day < 200; ++day)
                StoreDiaryRow(connection, kJune30 - day, QStringLiteral("words of a long day\r\n").repeated(20));
        }
        if (c.withBackups) {
            QDir().mkpath(folder);
            ASSERT_TRUE(QFile::copy(diary, folder + Backup(2021, 6, 1)));
            ASSERT_TRUE(QFile::copy(diary, folder + Backup(2021, 6, 20)));
            Overwrite(folder + Backup(2021, 6, 20), 0, "a damaged backup");  // newer, but no good
        }
        switch (c.damage) {
        case Damage::OverwrittenHeader: Overwrite(diary, 0, "overwritten head"); break;
        case Damage::Truncated: QFile::resize(diary, 5 * 4096); break;
        case Damage::Inside: Overwrite(diary, 9 * 4096, QByteArray(16, '\xff')); break;
        case Damage::Emptied: QFile::resize(diary, 0); break;
        }
        const QByteArray damaged = Contents(diary);
        const QString command = QStringLiteral("\"") + dir.File(QStringLiteral("app_tests")) + QStringLiteral("\"");
        {
            TForm1 form;
            form.show();
            QCoreApplication::processEvents();
            // The window then finds its diary closed, as with any diary that cannot be opened.
            ASSERT_FALSE(dialogs.Messages().isEmpty()) << c.name;
            const QString expected =
                QStringLiteral("The diary ") + diary + QStringLiteral(" is damaged (") + QString::fromUtf8(c.said) +
                QStringLiteral("); Kalvo has not opened it and has changed nothing in it. ") +
                (c.withBackups ? QStringLiteral("The newest good backup is ") + folder + Backup(2021, 6, 1) +
                                     QStringLiteral(". To put it in the diary's place, close Kalvo and run: ") + command +
                                     QStringLiteral(" --restore \"") + folder + Backup(2021, 6, 1) + QStringLiteral("\"")
                               : QStringLiteral("No good backup of it was found in ") + folder + QStringLiteral("; ") + command +
                                     QStringLiteral(" --check tells what is wrong."));
            EXPECT_EQ(dialogs.Messages()[0].text, expected) << c.name;
            EXPECT_EQ(dialogs.Messages()[0].flags, unsigned(MB_OK | MB_ICONERROR)) << c.name;
            EXPECT_FALSE(form.FDConnection1.Connected()) << c.name << ": nothing can write into it";
            form.RzCalendar1->SetDate(kJune30);
            QCoreApplication::processEvents();
            // Showing the window and changing the month mark nothing and say nothing more.
            EXPECT_EQ(dialogs.Messages().size(), 1) << c.name;
            EXPECT_TRUE(form.DChk->isEmpty()) << c.name;
            form.Memo1->setPlainText(QStringLiteral("typed"));
            Guarded([&form] { form.BtnInsertRecordClick(); });  // refused: the diary is not open
            form.close();
        }
        EXPECT_EQ(Contents(diary), damaged) << c.name;
        EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), c.withBackups ? 2 : 0) << c.name;
    }
}

}  // namespace

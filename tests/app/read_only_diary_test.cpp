#include "app/main_window.h"
#include "diary_rows.h"
#include "scoped_file_modes.h"
#include "controls/month_calendar.h"
#include "controls/tool_button.h"
#include "platform/scripted_dialogs.h"
#include "test_env.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

const TDateTime kJune30 = EncodeDate(2021, 6, 30);

bool CanOpenForWriting(const QString& file)
{
    const int fd = ::open(QFile::encodeName(file).constData(), O_WRONLY);
    if (fd >= 0)
        ::close(fd);
    return fd >= 0;
}

bool CanCreateIn(const QString& dir)
{
    const QByteArray probe = QFile::encodeName(dir + QStringLiteral("write-probe"));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.constData());
    return true;
}

enum class Protected { File, Folder };

class ReadOnlyDiary : public ::testing::TestWithParam<Protected> {
protected:
    ScopedExecutableDir dir;
    ScriptedDialogs dialogs;
    QString db = dir.File(QStringLiteral("Kalvo.db"));

    void SetUp() override
    {
        SqliteConnection connection;
        DiarySql::ConfigureConnection(connection);
        connection.Database = db;
        connection.Open();
        StoreDiaryRow(connection, kJune30, QStringLiteral("kept words\r\n"));
    }

    void TearDown() override
    {
        QFile::setPermissions(dir.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    }

    // Takes the right to write away; false when this process writes all the same.
    bool Protect()
    {
        if (GetParam() == Protected::File) {
            QFile::setPermissions(db, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            return !CanOpenForWriting(db);
        }
        QFile::setPermissions(dir.Path(), QFile::ReadOwner | QFile::ExeOwner);
        return !CanCreateIn(dir.Path());
    }

    QString Reason() const
    {
        if (GetParam() == Protected::File)
            return QStringLiteral("the file ") + db + QStringLiteral(" cannot be written");
        return QStringLiteral("no file can be created in the folder ") + dir.Path().chopped(1) +
               QStringLiteral(", where the database keeps its journal while it saves a change");
    }
};

}  // namespace

TEST_P(ReadOnlyDiary, IsAnnouncedOnceAtStartAndStillReads)
{
    ScopedFileModesObeyed modesObeyed;
    if (!Protect())
        GTEST_SKIP() << "this process writes files whatever their mode (root that cannot drop CAP_DAC_OVERRIDE), "
                        "so a mode cannot make the diary read-only here";

    TForm1 form;
    form.show();
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_EQ(dialogs.Messages()[0].text,
              QStringLiteral("The diary is read-only: ") + Reason() +
                  QStringLiteral(". The entries can be read, but Insert Record, Post and Delete Record will fail."));
    EXPECT_EQ(dialogs.Messages()[0].caption, QStringLiteral("app_tests"));
    EXPECT_EQ(dialogs.Messages()[0].flags, unsigned(MB_OK | MB_ICONERROR));

    // The day pages load as ever, and a failed Post leaves what was typed in the memo.
    form.RzCalendar1->SetDate(kJune30);
    form.RzCalendar1Click();
    EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("kept words\n"));
    form.Memo1->setPlainText(QStringLiteral("new words"));
    QTest::mouseClick(form.BtnPost, Qt::LeftButton);
    ASSERT_EQ(dialogs.Messages().size(), 2);
    EXPECT_TRUE(dialogs.Messages()[1].text.contains(QLatin1String("readonly"))) << dialogs.Messages()[1].text.toStdString();
    EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("new words"));
}

INSTANTIATE_TEST_SUITE_P(FileOrFolder, ReadOnlyDiary, ::testing::Values(Protected::File, Protected::Folder),
                         [](const auto& info) { return info.param == Protected::File ? "File" : "Folder"; });

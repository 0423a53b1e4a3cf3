#include "platform/error_box.h"
#include "platform/errors.h"
#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

TEST(ErrorBox, AppendsAFullStopOnlyAfterCharactersAboveIt)
{
    struct Case {
        QString message;
        QString shown;
    } cases[] = {
        {QStringLiteral("database is locked"), QStringLiteral("database is locked.")},
        {QStringLiteral("Done."), QStringLiteral("Done.")},
        {QStringLiteral("Really!"), QStringLiteral("Really!")},   // '!' is below '.'
        {QStringLiteral("(1)"), QStringLiteral("(1)")},           // ')' is below '.'
        {QStringLiteral("a/"), QStringLiteral("a/.")},            // '/' is just above '.'
        {QStringLiteral("日付が重複しています"), QStringLiteral("日付が重複しています.")},
        {QString(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message.toStdString();
}

TEST(ErrorBox, GuardedHandlersReportUnderTheExecutableName)
{
    ScriptedDialogs dialogs;
    bool after = false;
    Guarded([] { throw Exception(QStringLiteral("disk full")); });
    Guarded([&] { after = true; });
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("disk full."));
    EXPECT_EQ(dialogs.Messages()[0].caption, QStringLiteral("platform_tests"));
    EXPECT_EQ(dialogs.Messages()[0].flags, unsigned(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(after);
}

#include "preview/resources.h"

#include "platform/paths.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Resources, LookUpByNameAndNumber)
{
    const struct {
        QString name;
        QString text;
    } cases[] = {
        {"101", "Print"},
        {"133", "Edit Page"},
        {"142", "Page Number"},
        {"160", "Copy content"},
        {"clClose", "Close"},
        {"clCancel", "Cancel"},
        {"zmPageWidth", "Page width"},
        {"clFirstPass", "First pass: page "},
        // Entries stored with "!" lose it; so does an unknown name, returned as it came.
        {"prOther", "Other"},
        {"prReverse", "Reverse (9-1)"},
        {"NoSuchEntry", "NoSuchEntry"},
        {"!Bare", "Bare"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frxResources().Get(c.name), c.text) << c.name.toStdString();
    EXPECT_EQ(frxGet(150), "Full Screen");
    EXPECT_EQ(frxGet(99999), "99999");
}

TEST(Resources, TextsAreUnescapedTwiceAndLanguageFilesAreListed)
{
    TfrxResources resources;
    resources.LoadFromString(QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Resources CodePage=\"1252\">"
        "<StrRes Name=\"q\" Text=\"say &#38;#34;hi&#38;#34; &#38;amp; go\"/><StrRes Name=\"101\" Text=\"Drucken\"/>"
        "</Resources>"));
    EXPECT_EQ(resources.Get(QStringLiteral("q")), "say \"hi\" & go");
    EXPECT_EQ(resources.Get(QStringLiteral("101")), "Drucken");
    EXPECT_EQ(resources.Get(QStringLiteral("102")), "Print") << "the built-in entries stay";
    EXPECT_EQ(frxGet(101), "Print") << "the program's own table is untouched";

    QTemporaryDir dir;
    for (const char* name : {"German.frc", "French.frc", "notes.txt"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    SetExecutableDirForTesting(dir.path());
    EXPECT_EQ(resources.Languages(), QStringList({"French", "German"}));
    SetExecutableDirForTesting(QString());
}

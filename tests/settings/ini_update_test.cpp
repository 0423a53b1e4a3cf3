#include "ini_test_support.h"

#include "settings/settings_errors.h"

#include "file_size_limit.h"

#include <QDir>

using IniUpdate = IniFileTest;

TEST_F(IniUpdate, TheFirstWriteCreatesTheFile)
{
    Open()->WriteString("Style", "Name", "Windows");
    EXPECT_EQ(Bytes(), "[Style]\r\nName=Windows\r\n\r\n");
}

TEST_F(IniUpdate, CommentsDisappearAtTheNextWrite)
{
    WriteBytes("; kept by hand\r\n[A]\r\n;inner note\r\nK=1\r\n");
    auto ini = Open();
    EXPECT_EQ(Bytes(), "; kept by hand\r\n[A]\r\n;inner note\r\nK=1\r\n");  // reads never write
    ini->WriteInteger("A", "K", 2);
    EXPECT_EQ(Bytes(), "[A]\r\nK=2\r\n\r\n");
}

TEST_F(IniUpdate, WithoutAutoUpdateOnlyUpdateFileWrites)
{
    {
        auto ini = Open();
        ini->SetAutoUpdate(false);
        ini->WriteString("S", "A", "1");
        EXPECT_EQ(Bytes(), "<missing>");
        ini->UpdateFile();
        EXPECT_EQ(Bytes(), "[S]\r\nA=1\r\n\r\n");
        ini->WriteString("S", "B", "2");
    }
    // Destroying the component drops what was not written.
    EXPECT_EQ(Bytes(), "[S]\r\nA=1\r\n\r\n");
}

TEST_F(IniUpdate, AWriteThatCannotCreateTheFileRaisesAndTheStoreKeepsTheValue)
{
    WriteBytes("", "plain-file");
    struct Case {
        QString name;
        TBaseDir baseDir;
    };
    // Each fails for root too: no permission bits are involved.
    const Case cases[] = {
        {Path("plain-file/Kalvo.ini"), bdApplication},  // the directory is a regular file
        {Path("no-such-dir/Kalvo.ini"), bdApplication},
        {"", bdApplication},  // the path is the executable's directory itself
        {"", bdNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.name));
        TExIniFile ini;
        ini.SetBaseDir(c.baseDir);
        ini.SetFileName(c.name);
        try {
            ini.WriteString("S", "K", "new");
            ADD_FAILURE() << "no error raised";
        } catch (const EFCreateError& error) {
            EXPECT_TRUE(error.Message().startsWith(QStringLiteral("ファイル %1 を作成できません。").arg(ini.FullPath())))
                << error.what();
        }
        EXPECT_EQ(ini.ReadString("S", "K", "-"), "new");
    }
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"plain-file"});
}

TEST_F(IniUpdate, AWriteCutShortLeavesThePreviousCompleteFile)
{
    const QByteArray previous = "[Old]\r\nK=complete\r\n\r\n";
    WriteBytes(previous);
    auto ini = Open();
    bool raised = false;
    {
        const ScopedFileSizeLimit limit(previous.size());
        try {
            ini->WriteString("Big", "V", QString(8192, QLatin1Char('x')));
        } catch (const EFCreateError&) {
            raised = true;
        }
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(Bytes(), previous);
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"Kalvo.ini"});
    EXPECT_EQ(ini->ReadString("Big", "V", "").size(), 8192);
}

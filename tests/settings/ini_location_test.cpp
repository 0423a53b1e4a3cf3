#include "ini_test_support.h"

#include "platform/paths.h"

#include <QtGlobal>

namespace {

// Points the Windows directory somewhere else for one test.
class ScopedWindowsDir {
public:
    explicit ScopedWindowsDir(const QByteArray& dir) : old_(qgetenv("WINDIR")), had_(qEnvironmentVariableIsSet("WINDIR"))
    {
        qputenv("WINDIR", dir);
    }
    ~ScopedWindowsDir()
    {
        if (had_)
            qputenv("WINDIR", old_);
        else
            qunsetenv("WINDIR");
    }

private:
    QByteArray old_;
    bool had_;
};

}  // namespace

using IniLocation = IniFileTest;

TEST_F(IniLocation, EachBaseDirPlacesANameWithoutDirectory)
{
    const ScopedWindowsDir windows("/opt/win");  // no trailing delimiter: one is added
    struct Case {
        QString name;
        TBaseDir baseDir;
        QString expected;
    };
    const Case cases[] = {
        {"x.ini", bdApplication, Path("x.ini")},
        {"x.ini", bdWindows, "/opt/win/x.ini"},
        {"x.ini", bdAppData, AppDataDir() + "x.ini"},
        {"x.ini", bdNone, "x.ini"},
        // A name with a directory part is used as it stands, whatever the base directory.
        {"/srv/cfg/x.ini", bdWindows, "/srv/cfg/x.ini"},
        {"/srv/cfg/x.ini", bdApplication, "/srv/cfg/x.ini"},
        {"sub/x.ini", bdAppData, "sub/x.ini"},
        // Without a name the path is the base directory itself.
        {"", bdApplication, Path("")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.name + " " + QString::number(c.baseDir)));
        TExIniFile ini;
        ini.SetBaseDir(c.baseDir);
        ini.SetFileName(c.name);
        EXPECT_EQ(ini.FullPath(), c.expected);
    }
}

TEST_F(IniLocation, LoadedNamesTheFileAfterTheExecutable)
{
    TExIniFile ini;
    EXPECT_EQ(ini.BaseDir(), bdApplication);
    EXPECT_EQ(ini.Fence(), fcNone);
    EXPECT_FALSE(ini.CaseSensitive());
    EXPECT_TRUE(ini.AutoUpdate());
    ini.Loaded();
    // The test program is settings_tests; the program itself gets Kalvo.ini the same way.
    EXPECT_EQ(ini.FileName(), "settings_tests.ini");
    EXPECT_EQ(ini.FullPath(), Path("settings_tests.ini"));

    // A name set before loading is kept.
    TExIniFile named;
    named.SetFileName("other.ini");
    named.Loaded();
    EXPECT_EQ(named.FullPath(), Path("other.ini"));
}

TEST_F(IniLocation, ChangingFileNameOrBaseDirRebindsTheStoreWithoutWriting)
{
    WriteBytes("[S]\r\nK=second\r\n\r\n", "second.ini");
    auto ini = Open("first.ini");
    ini->SetAutoUpdate(false);
    ini->WriteString("S", "K", "unsaved");
    ini->SetCaseSensitive(true);

    ini->SetFileName("second.ini");
    EXPECT_EQ(ini->ReadString("S", "K", "-"), "second");
    EXPECT_FALSE(ini->CaseSensitive());  // every new store starts case-insensitive
    EXPECT_EQ(Bytes("first.ini"), "<missing>");

    ini->SetBaseDir(bdNone);  // "second.ini" now means the current directory
    EXPECT_EQ(ini->FullPath(), "second.ini");
    EXPECT_EQ(ini->ReadString("S", "K", "-"), "-");
}

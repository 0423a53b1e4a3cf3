#include "ini_test_support.h"

#include "settings/ini_update_batch.h"
#include "settings/settings_errors.h"

#include "file_arrivals.h"
#include "file_size_limit.h"

#include <QDir>
#include <QWidget>

#include <functional>

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
        TIniUpdateBatch batch(*ini);
        ini->WriteString("S", "C", "3");
        batch.Commit();
    }
    // Destroying the component drops what was not written; a batch does not write either.
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

// A font, a placement or a list stands in the file whole or not at all.
TEST_F(IniUpdate, EachCompositeValueReachesTheFileInOneWrite)
{
    QWidget window;
    window.winId();
    const std::pair<const char*, std::function<void(TExIniFile&)>> writes[] = {
        {"font", [](TExIniFile& ini) { ini.WriteFont("Memo", "Font", TFontDesc()); }},
        {"placement", [&](TExIniFile& ini) { ini.WriteForm("Form", "Position", &window); }},
        {"position", [&](TExIniFile& ini) { ini.WriteFormPos("Form", "Pos", &window); }},
        {"size", [&](TExIniFile& ini) { ini.WriteFormSize("Form", "Size", &window); }},
        {"list", [](TExIniFile& ini) { ini.WriteList("Recent", "File", {"a", "b", "c"}); }},
    };
    auto ini = Open();
    for (const auto& [what, write] : writes) {
        SCOPED_TRACE(what);
        FileArrivals arrivals(Path());
        ASSERT_TRUE(arrivals.Watching());
        write(*ini);
        const FileArrivals::Counts counts = arrivals.Take();
        EXPECT_EQ(counts.arrived, 1);
        EXPECT_EQ(counts.writtenInPlace, 0);
    }
    EXPECT_TRUE(Bytes().endsWith("[Recent]\r\nFile.Count=3\r\nFile.0=a\r\nFile.1=b\r\nFile.2=c\r\n\r\n")) << Bytes().data();
}

TEST_F(IniUpdate, ABatchWritesItsChangesTogetherWhenItEnds)
{
    auto ini = Open();
    FileArrivals arrivals(Path());
    ASSERT_TRUE(arrivals.Watching());
    {
        TIniUpdateBatch batch(*ini);
        ini->WriteString("S", "A", "1");
        {
            TIniUpdateBatch inner(*ini);
            ini->WriteList("S", "L", {"x", "y"});
            inner.Commit();
        }
        EXPECT_EQ(Bytes(), "<missing>") << "the outermost batch writes";
        batch.Commit();
    }
    EXPECT_EQ(Bytes(), "[S]\r\nA=1\r\nL.Count=2\r\nL.0=x\r\nL.1=y\r\n\r\n");
    EXPECT_EQ(arrivals.Take().arrived, 1);
    {
        TIniUpdateBatch unchanged(*ini);
        unchanged.Commit();
    }
    EXPECT_EQ(arrivals.Take().arrived, 0) << "a batch without changes writes nothing";
    ini->WriteString("S", "A", "2");
    EXPECT_EQ(Bytes(), "[S]\r\nA=2\r\nL.Count=2\r\nL.0=x\r\nL.1=y\r\n\r\n") << "after it, each change is written at once";
}

TEST_F(IniUpdate, AnErrorLeavingABatchStillWritesWhatWasStoredBeforeIt)
{
    auto ini = Open();
    try {
        TIniUpdateBatch batch(*ini);
        ini->WriteString("S", "A", "1");
        ini->ReadHex("S", "A", 0);  // nothing follows the two characters taken for "0x"
        ini->WriteString("S", "B", "2");
        batch.Commit();
        ADD_FAILURE() << "no error raised";
    } catch (const EConvertError&) {
    }
    EXPECT_EQ(Bytes(), "[S]\r\nA=1\r\n\r\n");
}

TEST_F(IniUpdate, ABatchThatCannotWriteRaisesAtItsEndAndTheStoreKeepsTheValues)
{
    TExIniFile ini;
    ini.SetFileName(Path("no-such-dir/Kalvo.ini"));
    TIniUpdateBatch batch(ini);
    ini.WriteString("S", "K", "new");
    EXPECT_THROW(batch.Commit(), EFCreateError);
    EXPECT_EQ(ini.ReadString("S", "K", "-"), "new");
    EXPECT_THROW(ini.WriteString("S", "K", "again"), EFCreateError) << "once ended, changes are written at once";
}

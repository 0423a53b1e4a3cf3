// Where an installed and a portable Kalvo keep the diary and the settings, with the real
// executable installed the way the package installs it.
#include "diary/base/data_location.h"
#include "scoped_file_modes.h"
#include "platform/error_box.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <linux/capability.h>

namespace {

constexpr int kTimeoutMs = 120000;

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

void SetReadOnly(const QString& dir, bool readOnly)
{
    QFile::Permissions p = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;
    QFile::setPermissions(dir, readOnly ? p : p | QFile::WriteOwner);
}

// What the executable's folder allows and holds decides; the table shows each way.
TEST(DataPlacement, FollowsWhatTheExecutablesFolderAllowsAndHolds)
{
    enum class Holds { Nothing, Diary, SettingsOnly };
    struct Case {
        const char* name;
        bool readOnly;
        Holds holds;
        DataPlacement expected;
    };
    const Case cases[] = {
        {"writable folder", false, Holds::Nothing, DataPlacement::BesideExecutable},
        {"read-only folder without files (installed)", true, Holds::Nothing, DataPlacement::UserFolders},
        // A portable copy on read-only media: its diary stays where it is and is reported read-only.
        {"read-only folder with the diary", true, Holds::Diary, DataPlacement::BesideExecutable},
        {"read-only folder with the settings only", true, Holds::SettingsOnly, DataPlacement::BesideExecutable},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        // The settings file is named after the executable: Kalvo.ini for Kalvo.
        if (c.holds != Holds::Nothing)
            Touch(dir.filePath(c.holds == Holds::Diary ? QStringLiteral("Kalvo.db") : ApplicationTitle() + QStringLiteral(".ini")));
        SetReadOnly(dir.path(), c.readOnly);
        DataPlacement placement;
        {
            const ScopedFileModesObeyed modesObeyed;
            placement = ChooseDataPlacement(dir.path());
        }
        SetReadOnly(dir.path(), false);
        EXPECT_EQ(placement, c.expected) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                  c.holds == Holds::Nothing ? 0 : 1)
            << c.name << ": deciding leaves nothing behind";
    }
}

// A folder of its own, with the user's homes pointed into it.
class UserHome {
public:
    QString Path(const QString& relative) const { return dir_.filePath(relative); }
    QString DataHome() const { return Path(QStringLiteral("data")); }
    QString ConfigHome() const { return Path(QStringLiteral("config")); }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES", "XDG_RUNTIME_DIR"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
        env.insert(QStringLiteral("HOME"), Path(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), DataHome());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), ConfigHome());
        return env;
    }

private:
    QTemporaryDir dir_;
};

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

// Root could write in the installed bin folder whatever its mode; the child gives up that power
// for good before it starts, so the folder is as closed to it as to a user.
void StartAsUser(QProcess& process, const QString& program, const QStringList& arguments, const UserHome& home)
{
    process.setProcessEnvironment(home.Environment());
    process.setWorkingDirectory(home.Path(QString()));
    process.setChildProcessModifier([] { prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0); });
    process.start(program, arguments);
}

Outcome RunKalvo(const QString& program, const QStringList& arguments, const UserHome& home)
{
    QProcess process;
    StartAsUser(process, program, arguments, home);
    if (!process.waitForFinished(kTimeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

const QByteArray kOneDay = R"([{"date": "2021-06-30", "text": "rain all day\r\n"}])";

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Imports one day and exports it again: what went in comes back from the diary Kalvo uses.
void ExpectDayRoundTrip(const QString& kalvo, const UserHome& home)
{
    QFile in(home.Path(QStringLiteral("in.json")));
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    in.write(kOneDay);
    in.close();
    const Outcome imported = RunKalvo(kalvo, {QStringLiteral("--import"), in.fileName()}, home);
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    const QString out = home.Path(QStringLiteral("out.json"));
    const Outcome exported = RunKalvo(kalvo, {QStringLiteral("--export"), QStringLiteral("2021-06-01"), QStringLiteral("2021-06-30"), out}, home);
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(Contents(out).contains("rain all day")) << Contents(out).toStdString();
}

// The window started and ended as a session's end does: the diary is created at start, the
// settings written at close.
void RunWindowOnce(const QString& kalvo, const UserHome& home, const QString& diary)
{
    QProcess window;
    StartAsUser(window, kalvo, {}, home);
    ASSERT_TRUE(window.waitForStarted(kTimeoutMs));
    for (int waited = 0; !QFile::exists(diary) && waited < kTimeoutMs; waited += 50)
        window.waitForFinished(50);
    ASSERT_TRUE(QFile::exists(diary)) << window.readAllStandardError().toStdString();
    window.terminate();
    ASSERT_TRUE(window.waitForFinished(kTimeoutMs));
}

class InstalledKalvo : public ::testing::Test {
protected:
    QTemporaryDir stage;
    UserHome home;
    QString Installed(const QString& relative) const { return stage.filePath(QStringLiteral("usr/") + relative); }
    QString kalvo = Installed(QStringLiteral("bin/Kalvo"));

    void SetUp() override
    {
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), stage.path());
        install.setProcessEnvironment(env);
        install.start(QStringLiteral(KALVO_CMAKE), {QStringLiteral("--install"), QStringLiteral(KALVO_BUILD_DIR), QStringLiteral("--prefix"), QStringLiteral("/usr")});
        ASSERT_TRUE(install.waitForFinished(kTimeoutMs));
        ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
        SetReadOnly(Installed(QStringLiteral("bin")), true);
    }
    void TearDown() override { SetReadOnly(Installed(QStringLiteral("bin")), false); }
};

TEST_F(InstalledKalvo, PutsTheExecutableAndItsDesktopFilesUnderThePrefix)
{
    for (const char* file : {"bin/Kalvo", "share/applications/org.kalvo.Kalvo.desktop",
                             "share/icons/hicolor/scalable/apps/org.kalvo.Kalvo.svg",
                             "share/icons/hicolor/48x48/apps/org.kalvo.Kalvo.png",
                             "share/icons/hicolor/256x256/apps/org.kalvo.Kalvo.png",
                             "share/metainfo/org.kalvo.Kalvo.metainfo.xml", "share/man/man1/Kalvo.1.gz"})
        EXPECT_TRUE(QFile::exists(Installed(QString::fromLatin1(file)))) << file;
    const Outcome version = RunKalvo(kalvo, {QStringLiteral("--version")}, home);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("Kalvo 1."))) << version.out.toStdString();
}

TEST_F(InstalledKalvo, KeepsTheDiaryAndSettingsInTheUsersFolders)
{
    const QString diary = home.DataHome() + QStringLiteral("/Kalvo/Kalvo.db");
    const QString settings = home.ConfigHome() + QStringLiteral("/Kalvo/Kalvo.ini");

    const Outcome where = RunKalvo(kalvo, {QStringLiteral("--where")}, home);
    EXPECT_EQ(where.exitCode, 0) << where.err.toStdString();
    EXPECT_EQ(where.out, QStringLiteral("diary: %1\nsettings: %2\n").arg(diary, settings));

    RunWindowOnce(kalvo, home, diary);
    EXPECT_TRUE(QFile::exists(settings)) << "the window's preferences in the config folder";
    ExpectDayRoundTrip(kalvo, home);
    EXPECT_TRUE(Contents(diary).contains("rain all day"));
    EXPECT_EQ(QDir(Installed(QStringLiteral("bin"))).entryList(QDir::Files), QStringList{QStringLiteral("Kalvo")})
        << "nothing written beside the installed executable";
}

// The same executable copied where the user may write is a portable copy, as before.
TEST_F(InstalledKalvo, ACopyInAWritableFolderKeepsItsDiaryBesideIt)
{
    const QString folder = home.Path(QStringLiteral("portable"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString copy = folder + QStringLiteral("/Kalvo");
    ASSERT_TRUE(QFile::copy(kalvo, copy));

    const Outcome where = RunKalvo(copy, {QStringLiteral("--where")}, home);
    EXPECT_EQ(where.out, QStringLiteral("diary: %1/Kalvo.db\nsettings: %1/Kalvo.ini\n").arg(folder));
    ExpectDayRoundTrip(copy, home);
    EXPECT_TRUE(Contents(folder + QStringLiteral("/Kalvo.db")).contains("rain all day"));
    EXPECT_FALSE(QFile::exists(home.DataHome())) << "the user's data folder is not touched";
}

}  // namespace

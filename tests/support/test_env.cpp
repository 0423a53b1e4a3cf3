#include "test_env.h"

#include "platform/clock.h"
#include "platform/locale_info.h"
#include "platform/paths.h"
#include "platform/visual_styles.h"

#include <QProcess>

TDateTime FixedNow() { return EncodeDate(2021, 6, 30) + EncodeTime(10, 20, 30, 400); }

void ResetTestEnvironment()
{
    SetCurrentLocale(EnglishLocale());
    SetClock(FixedNow);
    VisualStyles::Instance().TrySetStyle(QString::fromLatin1(VisualStyles::kSystemStyleName));
}

ScopedExecutableDir::ScopedExecutableDir() { SetExecutableDirForTesting(dir_.path()); }
ScopedExecutableDir::~ScopedExecutableDir() { SetExecutableDirForTesting(QString()); }
QString ScopedExecutableDir::Path() const { return IncludeTrailingSeparator(dir_.path()); }

QString ProgramOutput(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

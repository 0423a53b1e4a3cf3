#include "registry.h"

#include <QSettings>
#include <QStringList>
#include <memory>

namespace {

const QString kSoftwareKey = QStringLiteral("\\Software\\");

std::unique_ptr<QSettings> OpenLocation(const QString& location)
{
    if (!location.startsWith(kSoftwareKey, Qt::CaseInsensitive))
        return std::make_unique<QSettings>(location, QSettings::IniFormat);
    const QStringList parts = location.mid(kSoftwareKey.size()).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    const QString organization = parts.value(0);
    const QString application = parts.mid(1).join(QLatin1Char('/'));
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, organization, application);
}

}  // namespace

int ReadStoredInteger(const QString& location, const QString& section, const QString& name, int defaultValue)
{
    const std::unique_ptr<QSettings> settings = OpenLocation(location);
    bool ok = false;
    const int value = settings->value(section + QLatin1Char('/') + name).toString().trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

#include "ini_test_support.h"

#include <QFile>

void IniFileTest::WriteBytes(const QByteArray& bytes, const QString& name) const
{
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray IniFileTest::Bytes(const QString& name) const
{
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

std::unique_ptr<TExIniFile> IniFileTest::Open(const QString& name) const
{
    auto ini = std::make_unique<TExIniFile>();
    ini->SetFileName(name);
    return ini;
}

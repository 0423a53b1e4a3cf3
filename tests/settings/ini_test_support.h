#pragma once

#include "settings/ex_ini_file.h"

#include "test_env.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

#include <memory>

// A settings file in a fresh directory that stands in for the executable's.
class IniFileTest : public ::testing::Test {
protected:
    QString Path(const QString& name = QStringLiteral("Kalvo.ini")) const { return dir_.File(name); }
    void WriteBytes(const QByteArray& bytes, const QString& name = QStringLiteral("Kalvo.ini")) const;
    QByteArray Bytes(const QString& name = QStringLiteral("Kalvo.ini")) const;
    // A component on the file, as the main window has it (bdApplication, no fence, AutoUpdate).
    std::unique_ptr<TExIniFile> Open(const QString& name = QStringLiteral("Kalvo.ini")) const;

private:
    ScopedExecutableDir dir_;
};

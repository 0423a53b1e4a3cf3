#pragma once

#include "platform/date_time.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The "now" every test starts with: 2021-06-30 10:20:30.400 local time.
TDateTime FixedNow();

// Puts every shared service back the way a test expects to find it: English locale, fixed clock,
// the system visual style.
void ResetTestEnvironment();

// A fresh directory that stands in for the executable's directory for one test.
class ScopedExecutableDir {
public:
    ScopedExecutableDir();
    ~ScopedExecutableDir();
    QString Path() const;       // with trailing separator
    QString File(const QString& name) const { return Path() + name; }

private:
    QTemporaryDir dir_;
};

// What a command-line program (a PDF reader of poppler-utils, say) prints; empty when it did not
// run or failed.
QString ProgramOutput(const QString& program, const QStringList& arguments);

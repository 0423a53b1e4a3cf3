#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Text in the system's ANSI code page: UTF-8 here, Latin-1 for any other code page a test sets.
QString DecodeAnsi(QByteArrayView bytes);
QByteArray EncodeAnsi(QStringView text);

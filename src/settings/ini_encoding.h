#pragma once

#include <QByteArray>
#include <QString>

// How a settings file's text is stored. A file found with a byte-order mark is written back with
// the same mark; any other is in the ANSI code page, which is UTF-8 here.
enum class TIniEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

struct DecodedText {
    QString text;
    TIniEncoding encoding = TIniEncoding::Ansi;
};

DecodedText DecodeIniBytes(const QByteArray& bytes);
QByteArray EncodeIniText(const QString& text, TIniEncoding encoding);

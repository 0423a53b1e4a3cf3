#pragma once

#include "report/document/xml_document.h"

#include "platform/locale_info.h"

#include <QBuffer>
#include <QByteArray>

// Documents written to and read from memory.
inline QByteArray SaveDocument(TfrxXMLDocument& document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    document.SaveToStream(buffer);
    return buffer.data();
}

inline void LoadDocument(TfrxXMLDocument& document, const QByteArray& bytes, bool partial = false)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    document.LoadFromStream(buffer, partial);
}

inline const QByteArray kCurrentHeader = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>";

// The English locale with another decimal separator or ANSI code page.
inline LocaleInfo EnglishWithDecimalSeparator(QChar separator)
{
    LocaleInfo locale = EnglishLocale();
    locale.decimalSeparator = separator;
    return locale;
}

inline LocaleInfo EnglishWithCodePage(int codePage)
{
    LocaleInfo locale = EnglishLocale();
    locale.ansiCodePage = codePage;
    return locale;
}

#pragma once

#include <QString>
#include <QStringView>

// Attribute values as they stand between double quotes.
//
// Writing turns NUL, LF, CR, the double quote, "&", "<" and ">" into "&#<code>;" and leaves every
// other character (TAB and apostrophe included) as it is. A NUL becomes a plain space in values of
// 32 characters or more.
QString EscapeXMLValue(QStringView value);

// Reading turns "&#<decimal digits>;" into that character and "&quot;", "&amp;", "&lt;", "&gt;"
// into theirs; any other "&" stays as it is.
QString UnescapeXMLValue(QStringView value);

#pragma once

#include <QRectF>
#include <QString>
#include <QVariant>
#include <ostream>

// Readable failure messages for the Qt types the report tests compare.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

inline void PrintTo(const QVariant& value, std::ostream* os)
{
    *os << value.typeName() << '(' << value.toString().toStdString() << ')';
}

inline void PrintTo(const QRectF& r, std::ostream* os)
{
    *os << '(' << r.left() << ", " << r.top() << ", " << r.width() << " x " << r.height() << ')';
}

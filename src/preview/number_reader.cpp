#include "number_reader.h"

#include "platform/errors.h"

double ReadNumber(const QString& text)
{
    QString plain = text;
    plain.remove(u' ').replace(u',', u'.');
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok)
        throw Exception(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

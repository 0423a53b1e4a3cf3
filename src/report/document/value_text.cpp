#include "value_text.h"

#include "report/float_text.h"

#include <QLocale>
#include <cmath>

QString XMLFloat(double value) { return FloatToText(value); }

bool TryReadXMLFloat(QStringView text, double& value)
{
    QString normal;
    normal.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'.' || c == u',')
            normal += u'.';
        else if (c != u' ')
            normal += c;
    }
    bool ok = false;
    const double parsed = QLocale::c().toDouble(normal, &ok);
    // Geometry and sizes are finite: "nan" and "inf" are no numbers here.
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

QString XMLColor(TColor color) { return QString::number(static_cast<qint32>(color)); }

bool TryReadXMLColor(QStringView text, TColor& color)
{
    bool ok = false;
    const qint32 signedValue = text.toInt(&ok);
    if (ok) {
        color = static_cast<TColor>(signedValue);
        return true;
    }
    const quint32 unsignedValue = text.toUInt(&ok);
    if (ok)
        color = unsignedValue;
    return ok;
}

QString XMLFlag(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

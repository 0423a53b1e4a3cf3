#include "float_text.h"

#include "platform/locale_info.h"

QString FloatToText(double value)
{
    QString text = QString::number(value, 'g', 15);
    const qsizetype e = text.indexOf(u'e');
    if (e >= 0) {
        const bool negative = text[e + 1] == u'-';
        QString digits = text.mid(e + 2);
        while (digits.size() > 1 && digits.startsWith(u'0'))
            digits.remove(0, 1);
        text = text.left(e) + (negative ? QStringLiteral("E-") : QStringLiteral("E")) + digits;
    }
    return text.replace(u'.', CurrentLocale().decimalSeparator);
}

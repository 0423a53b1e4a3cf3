#pragma once

#include "report/base/report_types.h"

#include <QString>
#include <QVariant>

class TfrxFormat;

// A display format as a value: an item of a text object's format list, or the format written
// after an expression.
struct FormatItem {
    TfrxFormatKind kind = fkText;
    QString formatStr;
    QString decimalSeparator;
    QString thousandSeparator;

    static FormatItem From(const TfrxFormat& format);
};

// A value as text under a display format. Null gives the empty text; fkText and any value the
// format cannot take use the general conversion.
QString FormatData(const QVariant& value, const FormatItem& format);

// Whether a value counts as zero for HideZeros: not Null, not a string, and equal to 0.
bool VarIsZero(const QVariant& value);

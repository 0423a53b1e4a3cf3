#pragma once

#include "platform/date_time.h"

#include <QMetaType>
#include <QString>
#include <QVariant>

// Report values are QVariants. An invalid QVariant is the empty (unassigned) value; Null is a
// distinct value that holds std::nullptr_t. A date-time value is carried as VariantDate so that it
// is told apart from a plain number.
struct VariantDate {
    TDateTime value = 0;
    bool operator==(const VariantDate&) const = default;
};
Q_DECLARE_METATYPE(VariantDate)

QVariant NullVariant();
bool VarIsNull(const QVariant& value);
bool VarIsEmpty(const QVariant& value);
QVariant DateVariant(TDateTime value);

// The general conversion to text: Null and empty give "", strings stay, integers in decimal,
// booleans "True"/"False", floats in general format, dates in the user's short date format (with
// the long time format when there is a time of day).
QString VarToStr(const QVariant& value);

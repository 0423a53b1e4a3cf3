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

// Whole and floating numbers (booleans and dates are not).
bool VarIsNumeric(const QVariant& value);
bool VarIsString(const QVariant& value);
// A value as a number: numbers, booleans (1 or 0), dates and texts in the user's number format.
// Anything else raises Exception.
double VarToDouble(const QVariant& value);
// Whether a value equals true: booleans as they are, numbers and dates when not 0, the texts
// "True" and "False" in any case. Anything else raises Exception.
bool VarIsTrue(const QVariant& value);

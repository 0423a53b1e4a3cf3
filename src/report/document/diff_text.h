#pragma once

#include "platform/colors.h"

#include <QString>

// Collects the pairs of a compact difference, each written as a space, the name and the value
// in double quotes.
class DiffText {
public:
    // Floats closer than this count as equal.
    static constexpr double kTolerance = 0.0001;
    static bool Differs(double a, double b);

    void Number(const char* name, double value);
    void Integer(const char* name, qint64 value);
    void Color(const char* name, TColor value);
    void Flag(const char* name, bool value);
    // Escaped.
    void Text(const char* name, const QString& value);

    // Written only when the object's value differs from the template's.
    void NumberIfChanged(const char* name, double value, double templ);
    void IntegerIfChanged(const char* name, qint64 value, qint64 templ);
    void ColorIfChanged(const char* name, TColor value, TColor templ);
    void FlagIfChanged(const char* name, bool value, bool templ);
    void TextIfChanged(const char* name, const QString& value, const QString& templ);

    const QString& Result() const { return text_; }

private:
    void Pair(const char* name, const QString& value);

    QString text_;
};

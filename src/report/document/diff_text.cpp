#include "diff_text.h"

#include "value_text.h"
#include "xml_escape.h"

#include <cmath>

bool DiffText::Differs(double a, double b) { return std::abs(a - b) > kTolerance; }

void DiffText::Pair(const char* name, const QString& value)
{
    text_ += u' ';
    text_ += QLatin1String(name);
    text_ += QLatin1String("=\"");
    text_ += value;
    text_ += u'"';
}

void DiffText::Number(const char* name, double value) { Pair(name, XMLFloat(value)); }
void DiffText::Integer(const char* name, qint64 value) { Pair(name, QString::number(value)); }
void DiffText::Color(const char* name, TColor value) { Pair(name, XMLColor(value)); }
void DiffText::Flag(const char* name, bool value) { Pair(name, XMLFlag(value)); }
void DiffText::Text(const char* name, const QString& value) { Pair(name, EscapeXMLValue(value)); }

void DiffText::NumberIfChanged(const char* name, double value, double templ)
{
    if (Differs(value, templ))
        Number(name, value);
}

void DiffText::IntegerIfChanged(const char* name, qint64 value, qint64 templ)
{
    if (value != templ)
        Integer(name, value);
}

void DiffText::ColorIfChanged(const char* name, TColor value, TColor templ)
{
    if (value != templ)
        Color(name, value);
}

void DiffText::FlagIfChanged(const char* name, bool value, bool templ)
{
    if (value != templ)
        Flag(name, value);
}

void DiffText::TextIfChanged(const char* name, const QString& value, const QString& templ)
{
    if (value != templ)
        Text(name, value);
}

#include "number_format.h"

#include "report/base/float_text.h"

#include "platform/errors.h"
#include "platform/locale_info.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <variant>

namespace {

bool IsQuote(QChar c) { return c == u'"' || c == u'\''; }

QStringList SplitSections(const QString& picture)
{
    QStringList sections{QString()};
    QChar quote;
    for (QChar c : picture) {
        if (quote.isNull() && c == u';') {
            sections << QString();
            continue;
        }
        if (IsQuote(c))
            quote = quote.isNull() ? c : (quote == c ? QChar() : quote);
        sections.back() += c;
    }
    return sections;
}

// What one section asks for.
struct Picture {
    int intPlaceholders = 0;
    int intZeros = 0;     // placeholders from the first "0" before the point
    int fracPlaceholders = 0;
    int fracZeros = 0;    // placeholders up to the last "0" after the point
    bool thousands = false;
    bool scientific = false;
    int exponentDigits = 0;
};

Picture Analyse(const QString& section)
{
    Picture p;
    bool inFraction = false;
    bool seenZero = false;
    QChar quote;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (!quote.isNull() || IsQuote(c)) {
            quote = quote.isNull() ? c : (quote == c ? QChar() : quote);
            continue;
        }
        if ((c == u'E' || c == u'e') && i + 1 < section.size() && (section[i + 1] == u'+' || section[i + 1] == u'-')) {
            p.scientific = true;
            for (i += 2; i < section.size() && section[i] == u'0'; ++i)
                ++p.exponentDigits;
            break;
        }
        if (c == u'.' && !inFraction) {
            inFraction = true;
        } else if (c == u',' && !inFraction) {
            p.thousands = true;
        } else if (c == u'0' || c == u'#') {
            if (inFraction) {
                ++p.fracPlaceholders;
                if (c == u'0')
                    p.fracZeros = p.fracPlaceholders;
            } else {
                ++p.intPlaceholders;
                seenZero = seenZero || c == u'0';
                p.intZeros += seenZero ? 1 : 0;
            }
        }
    }
    return p;
}

// The digits a section puts out: the whole part, the fraction and the exponent's text.
struct Digits {
    QString whole;
    QString fraction;
    int exponent = 0;
};

Digits MakeDigits(double value, const Picture& p)
{
    Digits d;
    if (p.scientific) {
        const int wholeDigits = std::max(1, p.intPlaceholders);
        const QString text = QString::number(value, 'e', wholeDigits - 1 + p.fracPlaceholders);
        const qsizetype e = text.indexOf(u'e');
        const QString mantissa = text.left(e).remove(u'.');
        d.whole = mantissa.left(wholeDigits);
        d.fraction = mantissa.mid(wholeDigits);
        d.exponent = value == 0 ? 0 : text.mid(e + 1).toInt() - (wholeDigits - 1);
    } else {
        const QString text = QString::number(value, 'f', p.fracPlaceholders);
        const qsizetype point = text.indexOf(u'.');
        d.whole = point < 0 ? text : text.left(point);
        d.fraction = point < 0 ? QString() : text.mid(point + 1);
        if (d.whole == QLatin1String("0"))
            d.whole.clear();
        while (d.whole.size() < p.intZeros)
            d.whole.prepend(u'0');
    }
    while (d.fraction.size() > p.fracZeros && d.fraction.endsWith(u'0'))
        d.fraction.chop(1);
    return d;
}

// Puts the digits into the section's placeholders; literal text stays where it is written.
class SectionWriter {
public:
    SectionWriter(const Picture& p, const Digits& d) : p_(p), d_(d), offset_(int(d.whole.size()) - p.intPlaceholders) {}

    QString Write(const QString& section)
    {
        const LocaleInfo& locale = CurrentLocale();
        QChar quote;
        bool inFraction = false;
        int wholeIndex = 0;
        int fracIndex = 0;
        for (qsizetype i = 0; i < section.size(); ++i) {
            const QChar c = section[i];
            if (!quote.isNull() || IsQuote(c)) {
                if (!quote.isNull() && c != quote)
                    out_ += c;
                quote = quote.isNull() ? c : (quote == c ? QChar() : quote);
            } else if ((c == u'E' || c == u'e') && p_.scientific && i + 1 < section.size() &&
                       (section[i + 1] == u'+' || section[i + 1] == u'-')) {
                WriteExponent(c, section[i + 1] == u'+');
                for (++i; i + 1 < section.size() && section[i + 1] == u'0'; ++i) {}
            } else if (c == u'.' && !inFraction) {
                inFraction = true;
                WholeDigitsUpTo(int(d_.whole.size()) - 1);
                if (!d_.fraction.isEmpty())
                    out_ += locale.decimalSeparator;
            } else if (c == u'0' || c == u'#') {
                if (inFraction) {
                    if (fracIndex < d_.fraction.size())
                        out_ += d_.fraction[fracIndex];
                    ++fracIndex;
                } else {
                    WholeDigitsUpTo(offset_ + wholeIndex++);
                }
            } else if (c != u',') {
                out_ += c;
            }
        }
        WholeDigitsUpTo(int(d_.whole.size()) - 1);
        return out_;
    }

private:
    void WholeDigitsUpTo(int last)
    {
        const int size = int(d_.whole.size());
        for (; next_ <= last && next_ < size; ++next_) {
            out_ += d_.whole[next_];
            if (p_.thousands && next_ < size - 1 && (size - 1 - next_) % 3 == 0)
                out_ += CurrentLocale().thousandSeparator;
        }
    }

    void WriteExponent(QChar letter, bool alwaysSigned)
    {
        out_ += letter;
        if (d_.exponent < 0)
            out_ += u'-';
        else if (alwaysSigned)
            out_ += u'+';
        out_ += QString::number(std::abs(d_.exponent)).rightJustified(p_.exponentDigits, u'0');
    }

    const Picture& p_;
    const Digits& d_;
    int offset_;
    int next_ = 0;
    QString out_;
};

bool AllZero(const Digits& d)
{
    for (QChar c : d.whole + d.fraction)
        if (c != u'0')
            return false;
    return true;
}

}  // namespace

QString FormatFloat(const QString& picture, double value)
{
    const QStringList sections = SplitSections(picture);
    QString section = sections[0];
    bool minus = value < 0;
    if (value < 0 && sections.size() > 1 && !sections[1].isEmpty()) {
        section = sections[1];
        minus = false;
    } else if (value == 0 && sections.size() > 2 && !sections[2].isEmpty()) {
        section = sections[2];
    }
    const Picture p = Analyse(section);
    const Digits digits = MakeDigits(std::abs(value), p);
    const QString text = SectionWriter(p, digits).Write(section);
    return minus && !AllZero(digits) ? u'-' + text : text;
}

namespace {

using Argument = std::variant<int64_t, double>;

struct Spec {
    bool leftAlign = false;
    int width = -1;
    int precision = -1;
    QChar type;
};

[[noreturn]] void Invalid(const QString& pattern)
{
    throw Exception(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(pattern));
}

QString Grouped(QString digits)
{
    const QString separator = CurrentLocale().thousandSeparator;
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, separator);
    return digits;
}

QString FixedText(double value, int precision, bool grouped)
{
    QString text = QString::number(std::abs(value), 'f', precision);
    const qsizetype point = text.indexOf(u'.');
    QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : CurrentLocale().decimalSeparator + text.mid(point + 1);
    if (grouped)
        whole = Grouped(whole);
    const bool nonZero = std::any_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    return (value < 0 && nonZero ? QStringLiteral("-") : QString()) + whole + fraction;
}

QString ScientificText(double value, int precision)
{
    QString text = QString::number(value, 'E', std::max(0, precision - 1));
    const qsizetype e = text.indexOf(u'E');
    const QString exponent = text.mid(e + 2).rightJustified(3, u'0');
    return text.left(e).replace(u'.', CurrentLocale().decimalSeparator) + u'E' + text[e + 1] + exponent;
}

QString WholeText(int64_t value, QChar type, int precision)
{
    QString digits;
    bool negative = false;
    if (type == u'x')
        digits = QString::number(static_cast<uint64_t>(value), 16).toUpper();
    else if (type == u'u')
        digits = QString::number(static_cast<uint32_t>(value));
    else {
        negative = value < 0;
        digits = QString::number(value < 0 ? -static_cast<uint64_t>(value) : static_cast<uint64_t>(value));
    }
    return (negative ? QStringLiteral("-") : QString()) + digits.rightJustified(std::max(precision, 0), u'0');
}

QString Convert(const QString& pattern, const Spec& spec, const Argument& arg)
{
    const QChar type = spec.type.toLower();
    const bool whole = std::holds_alternative<int64_t>(arg);
    if (QStringLiteral("dux").contains(type)) {
        if (!whole)
            Invalid(pattern);
        return WholeText(std::get<int64_t>(arg), type, spec.precision);
    }
    if (whole || !QStringLiteral("efgnm").contains(type))
        Invalid(pattern);
    const double value = std::get<double>(arg);
    switch (type.unicode()) {
    case 'e': return ScientificText(value, spec.precision < 0 ? 15 : spec.precision);
    case 'g':
        if (spec.precision < 0)
            return FloatToText(value);
        return QString::number(value, 'G', spec.precision).replace(u'.', CurrentLocale().decimalSeparator);
    case 'f': return FixedText(value, spec.precision < 0 ? 2 : spec.precision, false);
    default: return FixedText(value, spec.precision < 0 ? 2 : spec.precision, true);
    }
}

// Reads "[-][width][.precision]type" after a "%"; i ends on the type letter.
Spec ReadSpec(const QString& pattern, qsizetype& i)
{
    Spec spec;
    auto number = [&] {
        int n = 0;
        while (i < pattern.size() && pattern[i].isDigit())
            n = n * 10 + pattern[i++].digitValue();
        return n;
    };
    if (i < pattern.size() && pattern[i] == u'-') {
        spec.leftAlign = true;
        ++i;
    }
    if (i < pattern.size() && pattern[i].isDigit())
        spec.width = number();
    if (i < pattern.size() && pattern[i] == u'.') {
        ++i;
        spec.precision = number();
    }
    if (i >= pattern.size())
        Invalid(pattern);
    spec.type = pattern[i];
    return spec;
}

QString Format(const QString& pattern, const Argument& arg)
{
    QString out;
    bool used = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != u'%') {
            out += pattern[i];
            continue;
        }
        if (++i < pattern.size() && pattern[i] == u'%') {
            out += u'%';
            continue;
        }
        const Spec spec = ReadSpec(pattern, i);
        if (used)
            Invalid(pattern);
        used = true;
        const QString text = Convert(pattern, spec, arg);
        out += spec.leftAlign ? text.leftJustified(spec.width) : text.rightJustified(spec.width);
    }
    return out;
}

}  // namespace

QString FormatWithPattern(const QString& pattern, int64_t value) { return Format(pattern, value); }

QString FormatWithPattern(const QString& pattern, double value) { return Format(pattern, value); }

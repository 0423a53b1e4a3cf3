#include "xml_escape.h"

namespace {

// Values this long or longer carry a NUL as a space.
constexpr qsizetype kLongValue = 32;
// More digits than any character code has: "&#" and such a run is no entity.
constexpr int kMaxEntityDigits = 7;
constexpr char32_t kLastCodePoint = 0x10FFFF;

bool NeedsEntity(QChar c)
{
    switch (c.unicode()) {
    case 0: case '\n': case '\r': case '"': case '&': case '<': case '>':
        return true;
    default:
        return false;
    }
}

void AppendEntity(QString& out, char16_t code)
{
    out += QLatin1String("&#");
    out += QString::number(code);
    out += u';';
}

// "&#123;" at `at`: the character and the length of the entity, or a length of 0.
qsizetype ReadNumericEntity(QStringView text, qsizetype at, char32_t& code)
{
    qsizetype i = at + 2;
    code = 0;
    int digits = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        if (++digits > kMaxEntityDigits)
            return 0;
        code = code * 10 + (text[i].unicode() - '0');
        ++i;
    }
    if (digits == 0 || i >= text.size() || text[i] != u';' || code > kLastCodePoint)
        return 0;
    return i + 1 - at;
}

void AppendCodePoint(QString& out, char32_t code)
{
    if (QChar::requiresSurrogates(code)) {
        out += QChar(QChar::highSurrogate(code));
        out += QChar(QChar::lowSurrogate(code));
    } else {
        out += QChar(char16_t(code));
    }
}

struct NamedEntity {
    QLatin1String name;  // without "&"
    QChar character;
};

const NamedEntity kNamedEntities[] = {
    {QLatin1String("quot;"), u'"'},
    {QLatin1String("amp;"), u'&'},
    {QLatin1String("lt;"), u'<'},
    {QLatin1String("gt;"), u'>'},
};

}  // namespace

QString EscapeXMLValue(QStringView value)
{
    qsizetype first = 0;
    while (first < value.size() && !NeedsEntity(value[first]))
        ++first;
    if (first == value.size())
        return value.toString();

    const bool longValue = value.size() >= kLongValue;
    QString out;
    out.reserve(value.size() + 16);
    out += value.left(first);
    for (qsizetype i = first; i < value.size(); ++i) {
        const QChar c = value[i];
        if (!NeedsEntity(c))
            out += c;
        else if (c.unicode() == 0 && longValue)
            out += u' ';
        else
            AppendEntity(out, c.unicode());
    }
    return out;
}

QString UnescapeXMLValue(QStringView text)
{
    const qsizetype first = text.indexOf(u'&');
    if (first < 0)
        return text.toString();

    QString out;
    out.reserve(text.size());
    out += text.left(first);
    for (qsizetype i = first; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'&') {
            out += c;
            continue;
        }
        char32_t code = 0;
        if (i + 1 < text.size() && text[i + 1] == u'#') {
            if (const qsizetype length = ReadNumericEntity(text, i, code)) {
                AppendCodePoint(out, code);
                i += length - 1;
                continue;
            }
        }
        bool named = false;
        for (const NamedEntity& entity : kNamedEntities) {
            if (text.mid(i + 1).startsWith(entity.name)) {
                out += entity.character;
                i += entity.name.size();
                named = true;
                break;
            }
        }
        if (!named)
            out += c;
    }
    return out;
}

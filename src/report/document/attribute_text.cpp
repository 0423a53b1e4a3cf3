#include "attribute_text.h"

#include "xml_escape.h"

namespace {

bool IsBlank(QChar c) { return c.unicode() <= ' '; }

}  // namespace

bool AttributeScanner::Next(AttributePair& pair)
{
    while (pos_ < text_.size() && IsBlank(text_[pos_]))
        ++pos_;
    const qsizetype begin = pos_;
    const qsizetype equals = text_.indexOf(u'=', begin);
    if (equals < 0)
        return false;
    qsizetype nameEnd = equals;
    while (nameEnd > begin && IsBlank(text_[nameEnd - 1]))
        --nameEnd;
    if (nameEnd == begin)
        return false;
    const qsizetype open = text_.indexOf(u'"', equals + 1);
    if (open < 0)
        return false;
    qsizetype close = text_.indexOf(u'"', open + 1);
    const qsizetype valueEnd = close < 0 ? text_.size() : close;
    pos_ = close < 0 ? text_.size() : close + 1;
    pair.name = text_.sliced(begin, nameEnd - begin);
    pair.value = text_.sliced(open + 1, valueEnd - open - 1);
    pair.begin = begin;
    pair.end = pos_;
    return true;
}

std::optional<AttributePair> FindAttribute(QStringView text, QStringView name)
{
    AttributeScanner scanner(text);
    AttributePair pair;
    while (scanner.Next(pair))
        if (pair.name.compare(name, Qt::CaseInsensitive) == 0)
            return pair;
    return std::nullopt;
}

QString GetProp(QStringView text, QStringView name)
{
    const auto pair = FindAttribute(text, name);
    return pair ? UnescapeXMLValue(pair->value) : QString();
}

bool PropExists(QStringView text, QStringView name) { return FindAttribute(text, name).has_value(); }

void SetProp(QString& text, QStringView name, QStringView value)
{
    const QString attribute = name.toString() + QLatin1String("=\"") + EscapeXMLValue(value) + u'"';
    if (const auto pair = FindAttribute(text, name)) {
        text.replace(pair->begin, pair->end - pair->begin, attribute);
        return;
    }
    if (!text.isEmpty() && !text.endsWith(u' '))
        text += u' ';
    text += attribute;
}

void DeleteProp(QString& text, QStringView name)
{
    if (const auto pair = FindAttribute(text, name))
        RemoveAttribute(text, *pair);
}

void RemoveAttribute(QString& text, const AttributePair& pair)
{
    qsizetype begin = pair.begin;
    qsizetype end = pair.end;
    if (begin > 0 && text[begin - 1] == u' ')
        --begin;
    else if (end < text.size() && text[end] == u' ')
        ++end;
    text.remove(begin, end - begin);
}

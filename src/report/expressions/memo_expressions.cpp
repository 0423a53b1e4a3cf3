#include "memo_expressions.h"

ExpressionBrackets ExpressionBrackets::Parse(const QString& text)
{
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return {text, QString()};
    return {text.left(comma), text.mid(comma + 1)};
}

namespace {

struct FoundExpression {
    qsizetype start = 0;
    qsizetype end = 0;  // just after the closing delimiter, or the text's end
    QString expression;
};

// Walks from `from` one character at a time, counting nested delimiters outside quotes, until
// the depth returns to 0. Nothing is found when no expression starts at `from`.
std::optional<FoundExpression> ScanExpression(const QString& s, qsizetype from, const ExpressionBrackets& d)
{
    int depth = 0;
    bool doubleQuoted = false;
    bool singleQuoted = false;
    qsizetype start = from;
    for (qsizetype j = from; j < s.size(); ++j) {
        if (!doubleQuoted && !singleQuoted) {
            if (!d.open.isEmpty() && QStringView(s).mid(j).startsWith(d.open)) {
                if (depth++ == 0)
                    start = j;
            } else if (!d.close.isEmpty() && QStringView(s).mid(j).startsWith(d.close)) {
                --depth;
            }
        }
        if (s[j] == u'"' && !singleQuoted)
            doubleQuoted = !doubleQuoted;
        else if (s[j] == u'\'' && !doubleQuoted)
            singleQuoted = !singleQuoted;
        if (depth == 0) {
            if (j == start)
                return std::nullopt;
            const qsizetype inner = start + d.open.size();
            return FoundExpression{start, std::min(s.size(), j + d.close.size()), s.mid(inner, j - inner)};
        }
    }
    // Never closed: the rest of the text, unless the delimiter is all there is.
    if (start + d.open.size() >= s.size())
        return std::nullopt;
    return FoundExpression{start, s.size(), s.mid(start + d.open.size())};
}

}  // namespace

QString ReplaceExpressions(const QString& text, const ExpressionBrackets& delimiters,
                           const std::function<QString(const QString& expression)>& evaluate)
{
    QString s = text;
    qsizetype i = 0;
    while (i < s.size()) {
        while (i < s.size() - 1 && !QStringView(s).mid(i).startsWith(delimiters.open))
            ++i;
        const std::optional<FoundExpression> found = ScanExpression(s, i, delimiters);
        if (!found)
            break;
        const QString value = evaluate(found->expression);
        s.replace(found->start, found->end - found->start, value);
        i = found->start + value.size();
    }
    return s;
}

namespace {

FormatItem MakeFormat(TfrxFormatKind kind, const QString& picture)
{
    FormatItem format;
    format.kind = kind;
    format.formatStr = picture;
    return format;
}

FormatItem NumericFormat(QString picture)
{
    FormatItem format;
    format.kind = fkNumeric;
    for (QChar& c : picture) {
        if (c == u',' || c == u'-' || c == u'.') {
            format.decimalSeparator = c;
            c = u'.';
        }
    }
    format.formatStr = picture;
    return format;
}

}  // namespace

ExpressionWithFormat SplitExpressionFormat(const QString& text)
{
    const qsizetype mark = text.lastIndexOf(QLatin1String(" #"));
    if (mark < 0)
        return {text, std::nullopt};
    const QString spec = text.mid(mark + 2);
    if (spec.contains(u')') || spec.isEmpty())
        return {text, std::nullopt};
    const QString expression = text.left(mark);
    const QString picture = spec.mid(1);
    switch (spec[0].toUpper().unicode()) {
    case 'N': return {expression, NumericFormat(picture)};
    case 'D':
    case 'T': return {expression, MakeFormat(fkDateTime, picture)};
    case 'B': return {expression, MakeFormat(fkBoolean, picture)};
    default: return {expression, MakeFormat(fkText, picture)};
    }
}

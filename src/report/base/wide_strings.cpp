#include "wide_strings.h"

QString TfrxWideStrings::Text() const
{
    QString text;
    for (const QString& line : lines_)
        text += line + QStringLiteral("\r\n");
    return text;
}

void TfrxWideStrings::SetText(const QString& text)
{
    lines_.clear();
    QString line;
    bool pendingLine = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QChar(0))
            break;
        if (c == u'\r' || c == u'\n' || c == QChar(0x2028)) {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            lines_.append(line);
            line.clear();
            pendingLine = false;
            continue;
        }
        line += c;
        pendingLine = true;
    }
    if (pendingLine)
        lines_.append(line);
}

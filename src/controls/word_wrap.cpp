#include "word_wrap.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// Greedy filling of one paragraph (a text without line breaks).
void WrapParagraph(const TFontDesc& font, const QString& paragraph, int width, QStringList& lines)
{
    const QStringList words = paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString line;
    for (const QString& word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || TextWidth(font, candidate) <= width) {
            line = candidate;
            continue;
        }
        lines << line;
        line = word;
    }
    lines << line;
}

}  // namespace

QStringList WrapText(const TFontDesc& font, const QString& text, int width)
{
    QStringList lines;
    if (text.isEmpty())
        return lines;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    for (const QString& paragraph : text.split(lineBreak))
        WrapParagraph(font, paragraph, width, lines);
    return lines;
}

QSize WrappedTextSize(const TFontDesc& font, const QStringList& lines)
{
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, TextWidth(font, line));
    return {width, static_cast<int>(lines.size()) * TextHeight(font)};
}

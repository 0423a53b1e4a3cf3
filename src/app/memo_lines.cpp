#include "memo_lines.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
// Between the texts of a day that has several rows.
const QString kRowRule = QStringLiteral("\n") + QString(24, QChar(0x2500)) + QStringLiteral("\n");

}  // namespace

QStringList MemoLines(const QPlainTextEdit& memo)
{
    // Soft wraps depend on the window's width and the font, so they are no part of the text: only
    // the breaks the user made count. Shift+Enter breaks a line inside a block with a line
    // separator; on the screen that is a line break like any other, so it is stored as one.
    QStringList lines;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next())
        lines << block.text().split(QChar::LineSeparator);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QString AssembleMemoText(const QPlainTextEdit& memo)
{
    QString text;
    for (const QString& line : MemoLines(memo))
        text += line + kLineBreak;
    return text;
}

void ShowDayTexts(QPlainTextEdit& memo, const QStringList& texts)
{
    QStringList shown;
    for (QString text : texts) {
        // A text that ends with a line break shows its empty last line, as any editor does.
        text.replace(kLineBreak, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        shown << text;
    }
    memo.setPlainText(shown.join(kRowRule));
}

QString MemoRawText(const QPlainTextEdit& memo) { return memo.document()->toRawText(); }

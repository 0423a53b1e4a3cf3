#include "memo_lines.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

void AppendBlockLines(const QPlainTextDocumentLayout& layout, const QTextBlock& block, QStringList& lines)
{
    layout.ensureBlockLayout(block);
    const QTextLayout* text = block.layout();
    if (!text || text->lineCount() == 0) {
        lines << block.text();
        return;
    }
    for (int i = 0; i < text->lineCount(); ++i) {
        const QTextLine line = text->lineAt(i);
        lines << block.text().mid(line.textStart(), line.textLength());
    }
}

}  // namespace

QStringList MemoLines(const QPlainTextEdit& memo)
{
    const QTextDocument* document = memo.document();
    const auto* layout = qobject_cast<const QPlainTextDocumentLayout*>(document->documentLayout());
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (layout)
            AppendBlockLines(*layout, block, lines);
        else
            lines << block.text();
    }
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

void SetMemoToLine(QPlainTextEdit& memo, const QString& text)
{
    QString shown = text + kLineBreak;
    shown.replace(kLineBreak, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    memo.setPlainText(shown);
}

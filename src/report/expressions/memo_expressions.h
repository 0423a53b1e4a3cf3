#pragma once

#include "memo_format.h"

#include <QString>
#include <functional>
#include <optional>

// The opening and closing delimiters of bracketed expressions, written "open,close".
struct ExpressionBrackets {
    QString open = QStringLiteral("[");
    QString close = QStringLiteral("]");
    static ExpressionBrackets Parse(const QString& text);
};

// Replaces every bracketed expression of `text` by the text `evaluate` gives for it, scanning on
// after each inserted text. Delimiters nest, so [a[b]c] is the one expression a[b]c; delimiters
// inside single or double quotes do not count; an expression that is never closed takes the rest
// of the text; a lone opening delimiter as the last character stays.
QString ReplaceExpressions(const QString& text, const ExpressionBrackets& delimiters,
                           const std::function<QString(const QString& expression)>& evaluate);

// An expression may end in a format of its own after " #": "n0.00", "dd.mm.yyyy", "bYes,No".
struct ExpressionWithFormat {
    QString expression;
    std::optional<FormatItem> format;
};
ExpressionWithFormat SplitExpressionFormat(const QString& text);

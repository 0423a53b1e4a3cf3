#pragma once

#include "platform/errors.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

// The small evaluator that stands in for a script interpreter: it computes the expressions of
// text objects that no report name resolves.
//
// Expressions: whole and floating numbers, 'strings' (two quotes for one), True, False, Null,
// names, IIF(condition, value if true, value if false), parentheses, and the operators, from the
// weakest binding: = <> < > <= >=; + - or xor; * / div mod and; unary not - +. A "+" between texts
// joins them.

// A text that is no expression, or a name nothing resolves.
class EExpressionCompileError : public Exception {
public:
    using Exception::Exception;
};

// What a division by zero raises.
inline const QString kDivisionByZeroMessage = QStringLiteral("Division by zero");

struct ExpressionNode;
using CompiledExpression = std::shared_ptr<const ExpressionNode>;
// Gives the value of a name; false when the name is unknown.
using IdentifierLookup = std::function<bool(const QString& name, QVariant& value)>;

// Raises EExpressionCompileError for a text that is no expression.
CompiledExpression CompileExpression(const QString& text);
// Raises EExpressionCompileError for an unknown name and Exception for any other failure.
QVariant EvaluateExpression(const CompiledExpression& expression, const IdentifierLookup& lookup);

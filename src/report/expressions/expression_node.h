#pragma once

#include "expression_evaluator.h"
#include "variant.h"

#include <vector>

enum class ExpressionOp {
    Plus, Negate, Not,
    Add, Subtract, Or, Xor,
    Multiply, Divide, IntDivide, Modulo, And,
    Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual,
};

using NodePtr = std::shared_ptr<const ExpressionNode>;

// One node of a compiled expression.
struct ExpressionNode {
    enum class Kind { Literal, Name, Unary, Binary, Iif };
    Kind kind = Kind::Literal;
    QVariant value;  // Literal
    QString name;    // Name
    ExpressionOp op = ExpressionOp::Plus;
    std::vector<NodePtr> operands;
};

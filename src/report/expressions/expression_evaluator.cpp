#include "expression_evaluator.h"
#include "expression_node.h"

#include <cmath>

namespace {

bool IsWhole(const QVariant& v)
{
    const int id = v.metaType().id();
    return id == QMetaType::Int || id == QMetaType::LongLong || id == QMetaType::UInt || id == QMetaType::Bool;
}

bool IsDate(const QVariant& v) { return v.metaType() == QMetaType::fromType<VariantDate>(); }

QVariant WholeOrFloat(ExpressionOp op, qint64 a, qint64 b)
{
    qint64 result = 0;
    bool overflow = false;
    switch (op) {
    case ExpressionOp::Add: overflow = __builtin_add_overflow(a, b, &result); break;
    case ExpressionOp::Subtract: overflow = __builtin_sub_overflow(a, b, &result); break;
    default: overflow = __builtin_mul_overflow(a, b, &result); break;
    }
    if (!overflow)
        return QVariant(qlonglong(result));
    const double x = double(a), y = double(b);
    return op == ExpressionOp::Add ? x + y : op == ExpressionOp::Subtract ? x - y : x * y;
}

QVariant Arithmetic(ExpressionOp op, const QVariant& a, const QVariant& b)
{
    if (VarIsNull(a) || VarIsNull(b))
        return NullVariant();
    if (op == ExpressionOp::Add && VarIsString(a) && VarIsString(b))
        return a.toString() + b.toString();
    if (IsWhole(a) && IsWhole(b) && op != ExpressionOp::Divide) {
        const qint64 x = a.toLongLong(), y = b.toLongLong();
        if (op == ExpressionOp::IntDivide || op == ExpressionOp::Modulo) {
            if (y == 0)
                throw Exception(kDivisionByZeroMessage);
            return QVariant(qlonglong(op == ExpressionOp::IntDivide ? x / y : x % y));
        }
        return WholeOrFloat(op, x, y);
    }
    const double x = VarToDouble(a), y = VarToDouble(b);
    switch (op) {
    case ExpressionOp::Add: return IsDate(a) ? DateVariant(x + y) : QVariant(x + y);
    case ExpressionOp::Subtract: return IsDate(a) && !IsDate(b) ? DateVariant(x - y) : QVariant(x - y);
    case ExpressionOp::Multiply: return x * y;
    case ExpressionOp::Divide:
        if (y == 0)
            throw Exception(kDivisionByZeroMessage);
        return x / y;
    default:
        // div and mod take whole numbers.
        return Arithmetic(op, QVariant(qlonglong(std::trunc(x))), QVariant(qlonglong(std::trunc(y))));
    }
}

// -1, 0 or 1; Null sorts before everything and equals only Null.
int Compare(const QVariant& a, const QVariant& b)
{
    if (VarIsNull(a) || VarIsNull(b))
        return VarIsNull(a) == VarIsNull(b) ? 0 : (VarIsNull(a) ? -1 : 1);
    if (VarIsString(a) && VarIsString(b)) {
        const int c = a.toString().compare(b.toString());
        return (c > 0) - (c < 0);
    }
    const double x = VarToDouble(a), y = VarToDouble(b);
    return (x > y) - (x < y);
}

QVariant Relation(ExpressionOp op, const QVariant& a, const QVariant& b)
{
    const bool nulls = VarIsNull(a) || VarIsNull(b);
    const int c = Compare(a, b);
    switch (op) {
    case ExpressionOp::Equal: return c == 0;
    case ExpressionOp::NotEqual: return c != 0;
    case ExpressionOp::Less: return !nulls && c < 0;
    case ExpressionOp::Greater: return !nulls && c > 0;
    case ExpressionOp::LessOrEqual: return !nulls && c <= 0;
    default: return !nulls && c >= 0;
    }
}

QVariant Logic(ExpressionOp op, const QVariant& a, const QVariant& b)
{
    if (a.metaType().id() == QMetaType::Bool || b.metaType().id() == QMetaType::Bool) {
        const bool x = VarIsTrue(a), y = VarIsTrue(b);
        return op == ExpressionOp::And ? x && y : op == ExpressionOp::Or ? x || y : x != y;
    }
    const qlonglong x = qlonglong(VarToDouble(a)), y = qlonglong(VarToDouble(b));
    return QVariant(op == ExpressionOp::And ? x & y : op == ExpressionOp::Or ? x | y : x ^ y);
}

QVariant Unary(ExpressionOp op, const QVariant& v)
{
    if (VarIsNull(v))
        return v;
    if (op == ExpressionOp::Not)
        return v.metaType().id() == QMetaType::Bool ? QVariant(!v.toBool()) : QVariant(~qlonglong(VarToDouble(v)));
    if (op == ExpressionOp::Plus)
        return IsWhole(v) ? QVariant(v.toLongLong()) : QVariant(VarToDouble(v));
    return IsWhole(v) ? Arithmetic(ExpressionOp::Subtract, QVariant(0LL), v) : QVariant(-VarToDouble(v));
}

class Evaluator {
public:
    explicit Evaluator(const IdentifierLookup& lookup) : lookup_(lookup) {}

    QVariant Evaluate(const ExpressionNode& node) const
    {
        switch (node.kind) {
        case ExpressionNode::Kind::Literal: return node.value;
        case ExpressionNode::Kind::Name: return Name(node.name);
        case ExpressionNode::Kind::Unary: return Unary(node.op, Evaluate(*node.operands[0]));
        case ExpressionNode::Kind::Iif:
            // Only the chosen branch is computed.
            return Evaluate(*node.operands[VarIsTrue(Evaluate(*node.operands[0])) ? 1 : 2]);
        case ExpressionNode::Kind::Binary: break;
        }
        const QVariant a = Evaluate(*node.operands[0]);
        const QVariant b = Evaluate(*node.operands[1]);
        switch (node.op) {
        case ExpressionOp::And:
        case ExpressionOp::Or:
        case ExpressionOp::Xor: return Logic(node.op, a, b);
        case ExpressionOp::Equal:
        case ExpressionOp::NotEqual:
        case ExpressionOp::Less:
        case ExpressionOp::Greater:
        case ExpressionOp::LessOrEqual:
        case ExpressionOp::GreaterOrEqual: return Relation(node.op, a, b);
        default: return Arithmetic(node.op, a, b);
        }
    }

private:
    QVariant Name(const QString& name) const
    {
        QVariant value;
        if (!lookup_ || !lookup_(name, value))
            throw EExpressionCompileError(QStringLiteral("Undeclared identifier: '%1'").arg(name));
        return value;
    }

    const IdentifierLookup& lookup_;
};

}  // namespace

QVariant EvaluateExpression(const CompiledExpression& expression, const IdentifierLookup& lookup)
{
    return Evaluator(lookup).Evaluate(*expression);
}

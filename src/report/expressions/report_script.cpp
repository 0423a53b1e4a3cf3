#include "report_script.h"

#include "variant.h"

#include "report/base/report_errors.h"

bool TfrxScript::FindVariable(const QString& name, QVariant& value) const
{
    auto found = variables_.constFind(name.toUpper());
    if (found == variables_.constEnd())
        return false;
    value = *found;
    return true;
}

QVariant TfrxScript::Evaluate(const QString& expression, const IdentifierLookup& lookup, QString& error)
{
    error.clear();
    try {
        auto found = cache_.constFind(expression);
        const CompiledExpression compiled =
            found != cache_.constEnd() ? *found : *cache_.insert(expression, CompileExpression(expression));
        return EvaluateExpression(compiled, lookup);
    } catch (const EExpressionError&) {
        // A name whose own expression failed; that failure is reported already.
        throw;
    } catch (const EExpressionCompileError& e) {
        error = QStringLiteral("Error in expression '%1': %2").arg(expression, e.Message());
    } catch (const Exception& e) {
        error = e.Message();
    }
    return NullVariant();
}

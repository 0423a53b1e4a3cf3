#include "report.h"

#include "report/base/report_errors.h"
#include "report/expressions/engine_values.h"
#include "report/expressions/report_script.h"
#include "report/expressions/system_variables.h"
#include "report/expressions/variant.h"

#include <algorithm>

namespace {

// Deeper than this, a variable is taken to refer to itself.
constexpr int kMaxCalcDepth = 64;

}  // namespace

const TfrxEngineValues& TfrxReport::EngineValues() const
{
    return engineValues_ ? *engineValues_ : IdleEngineValues();
}

void TfrxReport::AddError(const QString& text)
{
    const auto at = std::lower_bound(errors_.begin(), errors_.end(), text);
    if (at == errors_.end() || *at != text)
        errors_.insert(at, text);
}

bool TfrxReport::LookUpName(const QString& name, QVariant& value)
{
    if (GetFieldReferenceValue(name, value) || SystemVariableValue(name, EngineValues(), value))
        return true;
    QVariant answer;
    if (OnGetValue)
        OnGetValue(name, answer);
    if (OnNewGetValue)
        OnNewGetValue(this, name, answer);
    if (!VarIsEmpty(answer)) {
        value = answer;
        return true;
    }
    if (variables_.Find(name, value)) {
        if (VarIsString(value) && !value.toString().contains(QLatin1String("\r\n")))
            value = CalcNested(value.toString());
        return true;
    }
    return frxGlobalVariables().Find(name, value) || script_->FindVariable(name, value);
}

QVariant TfrxReport::CalcNested(const QString& expression)
{
    ++calcDepth_;
    try {
        QVariant value = Calc(expression);
        --calcDepth_;
        return value;
    } catch (...) {
        --calcDepth_;
        throw;
    }
}

QVariant TfrxReport::Calc(const QString& expression)
{
    QString error;
    QVariant value;
    if (calcDepth_ > kMaxCalcDepth)
        error = QStringLiteral("Error in expression '%1': a variable refers to itself").arg(expression);
    else if (LookUpName(expression, value))
        return value;
    else
        value = script_->Evaluate(
            expression, [this](const QString& name, QVariant& v) { return LookUpName(name, v); }, error);
    if (error.isEmpty())
        return value;
    if (error == kDivisionByZeroMessage && engineOptions_->IgnoreDevByZero())
        return NullVariant();
    error = curObject_ + QStringLiteral(": ") + error;
    AddError(error);
    throw EExpressionError(error);
}

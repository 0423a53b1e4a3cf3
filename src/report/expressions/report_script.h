#pragma once

#include "expression_evaluator.h"

#include <QHash>
#include <QString>
#include <QVariant>

// The report's script service, as far as the engine needs it: variables the script declares
// (such as "Value", the value of the text object being processed) and the expressions nothing
// else resolves, each compiled once and kept by its text.
class TfrxScript {
public:
    // Forgets the compiled expressions; done before every build.
    void ClearCache() { cache_.clear(); }
    int CachedCount() const { return int(cache_.size()); }

    void SetVariable(const QString& name, const QVariant& value) { variables_.insert(name.toUpper(), value); }
    bool FindVariable(const QString& name, QVariant& value) const;

    // The expression's value. On failure `error` gets the message and the value is Null: for a
    // text that does not compile "Error in expression '<expression>': " and the reason, for a
    // failure while computing the failure's own message.
    QVariant Evaluate(const QString& expression, const IdentifierLookup& lookup, QString& error);

private:
    QHash<QString, CompiledExpression> cache_;
    QHash<QString, QVariant> variables_;
};

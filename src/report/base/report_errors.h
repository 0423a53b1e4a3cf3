#pragma once

#include "platform/errors.h"

// A component name that is already taken in its report.
class EDuplicateName : public Exception {
public:
    explicit EDuplicateName(const QString& name)
        : Exception(QStringLiteral("A component named %1 already exists.").arg(name))
    {
    }
};

// A value that a property refuses.
class EPropertyError : public Exception {
public:
    EPropertyError() : Exception(QStringLiteral("Invalid property value")) {}
};

// An expression that failed; its text names the object being processed and is in the report's
// error list already.
class EExpressionError : public Exception {
public:
    using Exception::Exception;
};

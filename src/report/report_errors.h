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

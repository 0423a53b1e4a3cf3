#pragma once

#include "platform/errors.h"

#include <QDir>
#include <QString>

// Texts of the report library's document layer.
inline const QString kInvalidFileFormatText = QStringLiteral("Invalid file format");
inline const QString kCannotFindClassText = QStringLiteral("Cannot find class");

// A stream that is not a text tree of ours, or one damaged inside a tag.
class TfrxInvalidXMLException : public Exception {
public:
    TfrxInvalidXMLException() : Exception(kInvalidFileFormatText) {}
};

// Attribute values that do not convert.
inline const QString kInvalidIntegerText = QStringLiteral("'%1' is not a valid integer value");
inline const QString kInvalidFloatText = QStringLiteral("'%1' is not a valid floating point value");
inline const QString kInvalidPropertyValueText = QStringLiteral("Invalid property value");

// Files that cannot be written or read; the reason, when known, follows.
inline Exception FileException(const QString& what, const QString& fileName, const QString& reason)
{
    const QString text = QStringLiteral("%1 \"%2\"").arg(what, QDir::toNativeSeparators(fileName));
    return Exception(reason.isEmpty() ? text : text + QStringLiteral(". ") + reason);
}

inline Exception CannotCreateFile(const QString& fileName, const QString& reason = QString())
{
    return FileException(QStringLiteral("Cannot create file"), fileName, reason);
}

inline Exception CannotOpenFile(const QString& fileName, const QString& reason = QString())
{
    return FileException(QStringLiteral("Cannot open file"), fileName, reason);
}

#pragma once

#include <QByteArray>
#include <QString>

// The whole content of a file. Throws EFOpenError when it cannot be read.
QByteArray ReadFileBytes(const QString& path);

// Gives the file exactly these bytes. They go to a temporary file in the same folder that then
// takes the file's place, so a crash or a full disk leaves the previous complete file behind.
// Throws EFCreateError when the file cannot be written.
void ReplaceFileBytes(const QString& path, const QByteArray& bytes);

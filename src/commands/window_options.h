#pragma once

#include <QStringList>
#include <optional>

// The first argument that looks like an option (starts with "-") and that neither this program nor
// Qt's application object takes, as the user wrote it; none when every option is known. Qt's
// options that take a value take the argument after them, whatever it looks like.
std::optional<QString> FirstUnknownOption(const QStringList& arguments);

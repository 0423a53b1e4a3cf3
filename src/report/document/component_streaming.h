#pragma once

#include <QStringList>

class QIODevice;
class TfrxComponent;

// Report objects written to and read from streams as text-tree documents, and copied through
// them.

// Writes the object (with its children when asked) as an indented document; names are formed
// relative to the object's report.
void SaveToStream(const TfrxComponent& object, QIODevice& stream, bool saveChildren = true,
                  bool saveDefaultValues = false);
// Frees the object's children and reads a document into it. Returns the problems met, sorted.
QStringList LoadFromStream(TfrxComponent& object, QIODevice& stream);

// Copies the source's own properties, defaults included, into the target; the target's children
// are freed.
QStringList Assign(TfrxComponent& target, const TfrxComponent& source);
// Copies the source's properties and its children.
QStringList AssignAll(TfrxComponent& target, const TfrxComponent& source);

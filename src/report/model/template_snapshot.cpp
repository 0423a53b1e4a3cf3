#include "template_snapshot.h"

#include "component.h"

#include "report/base/property_reflection.h"

TfrxTemplateSnapshot::TfrxTemplateSnapshot(const TfrxComponent& root)
{
    Take(root);
    for (const TfrxComponent* object : root.AllObjects())
        Take(*object);
}

void TfrxTemplateSnapshot::Take(const QObject& object)
{
    for (const PublishedLeaf& leaf : PublishedLeaves(object))
        if (leaf.property.isWritable())
            values_.push_back({leaf.holder, leaf.property, leaf.property.read(leaf.holder)});
}

void TfrxTemplateSnapshot::Restore() const
{
    for (const Value& saved : values_) {
        if (!saved.holder)
            continue;
        if (saved.property.read(saved.holder) != saved.value)
            saved.property.write(saved.holder, saved.value);
    }
}

#include "component_names.h"

#include "report/model/component.h"
#include "report/model/report.h"

#include <QApplication>
#include <QWidget>

namespace {

bool HasName(const QObject& object, const QString& name)
{
    return !name.isEmpty() && object.objectName().compare(name, Qt::CaseInsensitive) == 0;
}

QObject* FindAmongChildren(const QObject& parent, const QString& name)
{
    for (QObject* child : parent.children())
        if (HasName(*child, name))
            return child;
    return nullptr;
}

// A form by name: the owner or one of its ancestors, else a top-level window.
QObject* FindForm(const QString& name, const QObject* owner)
{
    for (const QObject* o = owner; o; o = o->parent())
        if (HasName(*o, name))
            return const_cast<QObject*>(o);
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        for (QWidget* window : QApplication::topLevelWidgets())
            if (HasName(*window, name))
                return window;
    return nullptr;
}

}  // namespace

QObject* ComponentOwner(const QObject& component)
{
    const auto* object = qobject_cast<const TfrxComponent*>(&component);
    if (!object || !object->Parent())
        return component.parent();
    while (object->Parent())
        object = object->Parent();
    return const_cast<TfrxComponent*>(object);
}

QString ComponentFullName(const QObject& component, const QObject* owner)
{
    const QObject* componentOwner = ComponentOwner(component);
    const QString name = component.objectName();
    if (!componentOwner || componentOwner == owner)
        return name;
    if (qobject_cast<const TfrxReport*>(owner) && componentOwner == owner->parent())
        return name;
    return componentOwner->objectName() + u'.' + name;
}

QObject* FindComponentUnder(const QObject& root, const QString& name)
{
    if (HasName(root, name))
        return const_cast<QObject*>(&root);
    for (QObject* child : root.children())
        if (QObject* found = FindComponentUnder(*child, name))
            return found;
    return nullptr;
}

QObject* FindComponentByName(const QString& name, const QObject* owner)
{
    if (owner) {
        if (QObject* found = FindComponentUnder(*owner, name))
            return found;
        if (qobject_cast<const TfrxReport*>(owner) && owner->parent())
            if (QObject* found = FindAmongChildren(*owner->parent(), name))
                return found;
    }
    const qsizetype dot = name.indexOf(u'.');
    if (dot < 0)
        return nullptr;
    const QObject* form = FindForm(name.left(dot), owner);
    return form ? FindComponentUnder(*form, name.mid(dot + 1)) : nullptr;
}

#pragma once

#include <QString>

class QObject;

// How references between objects are named in attribute text and found again.

// The object that owns a component for naming: the top of its report object tree (the report
// for objects in a report); for the top itself and for any other object, its Qt parent.
QObject* ComponentOwner(const QObject& component);

// The name a reference is written with: the plain name when the component has no owner, when
// its owner is `owner`, or when `owner` is a report and the component belongs to the report's
// own owner; otherwise the owner's name, "." and the name.
QString ComponentFullName(const QObject& component, const QObject* owner);

// The object a written name refers to: among the objects under `owner`, among those that belong
// to the owner's own owner when `owner` is a report, and then as a full name (form name, "." and
// object name). Names match without regard to case.
QObject* FindComponentByName(const QString& name, const QObject* owner);

// The object itself or a descendant with that name.
QObject* FindComponentUnder(const QObject& root, const QString& name);

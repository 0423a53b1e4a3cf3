#pragma once

#include <QList>
#include <QMetaProperty>
#include <QObject>
#include <QStringView>
#include <QVariant>
#include <optional>

// Reflection of report objects over Qt's meta-objects.
//
// Published properties are the Q_PROPERTY declarations of a class and its ancestors (ancestors
// first, QObject's own left out). Declared defaults and stored-tests sit beside the Q_PROPERTY
// lines as class infos, so each class states them in one place:
//   Q_CLASSINFO("default:Visible", "true")        ordinal value that need not be written
//   Q_CLASSINFO("default:Typ", "")                 no declared default (drops an inherited one)
//   Q_CLASSINFO("stored:Font", "IsFontStored")     Q_INVOKABLE bool method deciding storage
// Lookups start at the most derived class, so a subclass can redeclare either.
// Default texts: "true"/"false", integers (decimal or 0x hex), enumeration member names, sets as
// "[fraLeft, fraTop]", anything else converted from the text.

enum class PropertyKind {
    Integer,      // int, int64
    Color,        // TColor (the only unsigned property type)
    Boolean,
    Enumeration,
    Set,
    Float,
    String,
    StringList,   // plain string list
    WideStrings,  // the text object's lines
    Variant,
    Reference,    // another report object
    SubObject,    // a TfrxPersistent owned by the object
    Other,
};

PropertyKind KindOf(const QMetaProperty& property);

// The published properties declared by a class and its ancestors, in declaration order.
QList<QMetaProperty> PublishedProperties(const QMetaObject& metaObject);
std::optional<QMetaProperty> FindPublishedProperty(const QMetaObject& metaObject, QStringView name);

// A leaf property reached from a root object, with its dotted name ("Frame.LeftLine.Color").
struct PublishedLeaf {
    QString path;
    QObject* holder = nullptr;  // the root or the sub-object that has the property
    QMetaProperty property;
    // Every sub-object on the way passed its stored-test when the leaves were listed.
    bool parentsStored = true;
};

// Every leaf of an object, sub-objects expanded in place, in declaration order.
QList<PublishedLeaf> PublishedLeaves(const QObject& root);
// The leaf that a dotted name reaches, or nothing when a step names no published property.
std::optional<PublishedLeaf> FindPublishedLeaf(const QObject& root, QStringView path);

QObject* SubObjectOf(const QObject& holder, const QMetaProperty& property);

// Reading and writing by dotted name. Enumerations and sets are given and returned as their
// integer value; writing a string to one of them accepts the member name(s).
QVariant ReadPublished(const QObject& root, QStringView path);
bool WritePublished(QObject& root, QStringView path, const QVariant& value);

// The integer behind an enumeration, set or integral value.
qint64 OrdinalValue(const QMetaProperty& property, const QVariant& value);
QVariant ReadValue(const QObject& holder, const QMetaProperty& property);
bool WriteValue(QObject& holder, const QMetaProperty& property, const QVariant& value);

// The declared default of a property as an integer, boolean, or the converted text; nothing when
// the class declares none. Throws std::logic_error for a default text that does not parse.
std::optional<QVariant> DeclaredDefault(const QObject& holder, const QMetaProperty& property);
bool HoldsDeclaredDefault(const QObject& holder, const QMetaProperty& property);

// Whether the property is written out: its stored-test when the class declares one, else true.
bool IsStored(const QObject& holder, const QMetaProperty& property);

// Whether a leaf is written out: its own stored-test and those of the sub-objects on its way.
bool IsLeafStored(const PublishedLeaf& leaf);

// Copies every writable published property, and sub-objects property by property.
void CopyPublishedProperties(const QObject& source, QObject& target);

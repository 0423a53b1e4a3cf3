#pragma once

#include <QMetaProperty>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

class QIODevice;
class TfrxComponent;
class TfrxXMLItem;
struct PublishedLeaf;

// Attribute text read once for many objects of one class: the property of each pair found and
// its value converted once. Pairs that do more than set a property (texts of text objects,
// short names, references) stay text and are read again for every object.
class TfrxPreparedPairs {
public:
    // Every pair is closed and only blanks follow the last, so more pairs can follow the text.
    bool Complete() const { return complete_; }

private:
    friend class TfrxXMLSerializer;
    struct Entry {
        QString name;
        QString value;
        std::vector<int> subObjects;  // property indexes of the sub-objects on the way
        QMetaProperty property;       // not valid: the pair is read as text
        QVariant converted;
    };
    std::vector<Entry> entries_;
    bool complete_ = true;
};

// Writes report objects' published properties as attribute text and reads such text back.
//
// The full form (ObjToXML) lists the stored properties in declaration order, sub-objects with
// dotted names (Font.Name); a property is left out while it holds its declared default, or, with
// an ancestor object, while it equals the ancestor's. Reading (XMLToObj) applies the pairs from
// left to right; values that do not convert are skipped and their problems collected in Errors.
// References to other objects wait until the reading operation ends and are then looked up by
// name.
class TfrxXMLSerializer {
public:
    // The stream that whole documents are written to and read from.
    explicit TfrxXMLSerializer(QIODevice* stream = nullptr) : stream_(stream) {}

    // Names are looked up under the owner and written relative to it; a root read or written
    // without one becomes the owner.
    QObject* Owner = nullptr;
    // Attribute text from an old-format document: texts of text objects are UTF-8 inside it.
    bool OldFormat = false;
    // Write every stored property, defaults included.
    bool SerializeDefaultValues = false;
    // Objects that hold collections write and read them as child elements.
    bool HandleNestedProperties = false;
    // No Name attributes written, no objects looked up by name when reading.
    bool IgnoreName = false;
    // Write the ancestor's values instead of the object's.
    bool SaveAncestorOnly = false;

    // Sorted without regard to case, each text once.
    const QStringList& Errors() const { return errors_; }
    void AddError(const QString& text);

    QString ObjToXML(const QObject& object, const QString& prefix = QString(), const QObject* ancestor = nullptr);
    void XMLToObj(QStringView text, QObject& object);

    // Fills the element from the object (with its children, depth first); without an element the
    // tree goes to the stream as an indented document.
    void WriteRootComponent(const TfrxComponent& root, bool saveChildren = true, TfrxXMLItem* item = nullptr);
    // Reads the element into the object and creates its child objects; without an element a
    // document is read from the stream first.
    void ReadRootComponent(TfrxComponent& root, TfrxXMLItem* item = nullptr);
    // The class name followed by the full form.
    QString WriteComponentStr(const TfrxComponent& object, const TfrxComponent* ancestor = nullptr);
    // A new object of the class named by the text's first word, owned by `parent`, with the rest
    // of the text read into it; none for an empty text. An unknown class raises an Exception.
    // With dontFixup its references are left empty.
    TfrxComponent* ReadComponentStr(TfrxComponent* parent, const QString& text, bool dontFixup = false);

    // The text's pairs prepared for objects of the sample's class.
    TfrxPreparedPairs PreparePairs(QStringView text, const QObject& sample);
    // Has the same effect as XMLToObj with the text the pairs were prepared from.
    void ApplyPrepared(const TfrxPreparedPairs& pairs, QObject& object);
    // As ReadRootComponent with an element that holds the prepared text and no children.
    void ReadPreparedRoot(TfrxComponent& root, const TfrxPreparedPairs& pairs);
    // As ReadComponentStr with the class name, the base's text and `pairs`.
    TfrxComponent* ReadPreparedComponent(TfrxComponent* parent, const QMetaObject& meta, const TfrxPreparedPairs& base,
                                         QStringView pairs, bool dontFixup = false);

    // Resolves the waiting references, or drops them.
    void FixupReferences();
    void ClearFixups() { fixups_.clear(); }

private:
    struct Fixup {
        QPointer<QObject> holder;
        QMetaProperty property;
        QString name;
    };

    // Writing the full form.
    QString LeafText(const PublishedLeaf& leaf, const PublishedLeaf* ancestor, bool& write) const;

    // Reading attribute text.
    void ApplyPair(QObject& object, QStringView name, QStringView value);
    bool ApplySpecialPair(QObject& object, QStringView name, QStringView value);
    bool ApplyLinesText(QObject& object, QStringView name, QStringView value);
    // Every name that ApplySpecialPair or ApplyLinesText may take, whatever the object.
    static bool MayBeSpecialName(QStringView name);
    void ApplyProperty(const PublishedLeaf& leaf, QStringView value);
    // The value converted for the property; nothing when it does not convert or the property's
    // kind is not read from text.
    std::optional<QVariant> ConvertValue(const QMetaProperty& property, QStringView value) const;
    void AddFixup(const PublishedLeaf& leaf, const QString& name);
    // References resolved or dropped, and the object told that reading has ended.
    void EndReading(TfrxComponent& object, bool dontFixup);
    QString TextValue(QStringView value, bool utf8Inside) const;

    // Object trees.
    void WriteElement(const TfrxComponent& object, TfrxXMLItem& item);
    void ReadElement(const TfrxXMLItem& item, TfrxComponent& object, int depth, std::vector<QPointer<TfrxComponent>>& read);
    TfrxComponent* ReuseOrCreate(const TfrxXMLItem& item, const QMetaObject& meta, TfrxComponent& parent);
    void WriteNestedProperties(const TfrxComponent& object, TfrxXMLItem& item);
    bool ReadNestedProperty(TfrxComponent& object, const TfrxXMLItem& item);

    QIODevice* stream_;
    QStringList errors_;
    std::vector<Fixup> fixups_;
};

// Tells an object that reading into it has ended: objects that want to know declare
// Q_INVOKABLE void Loaded().
void NotifyLoaded(QObject& object);

#pragma once

#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

// One element of the text tree: a name, its attribute text and its child elements.
//
// `Text` holds the attribute text exactly as it stands in the tag after the element name, values
// still escaped; the attribute operations read and change single pairs in it. `Value` is element
// content: it is written but never read back.
class TfrxXMLItem {
public:
    TfrxXMLItem() { Changed(); }
    explicit TfrxXMLItem(QString name) : name_(std::move(name)) { Changed(); }
    // Frees the subtree without recursion, so any depth of nesting is safe.
    ~TfrxXMLItem();
    TfrxXMLItem(const TfrxXMLItem&) = delete;
    TfrxXMLItem& operator=(const TfrxXMLItem&) = delete;

    const QString& Name() const { return name_; }
    void SetName(QString name);
    const QString& Text() const { return text_; }
    void SetText(QString text);
    const QString& Value() const { return value_; }
    void SetValue(QString value);

    TfrxXMLItem* Parent() const { return parent_; }
    int Count() const { return int(items_.size()); }
    TfrxXMLItem* Items(int index) const { return items_.at(size_t(index)).get(); }
    TfrxXMLItem* operator[](int index) const { return Items(index); }

    // A new empty child at the end.
    TfrxXMLItem* Add();
    TfrxXMLItem* Add(QString name);
    // Takes over an element that has no parent.
    TfrxXMLItem* AddItem(std::unique_ptr<TfrxXMLItem> item);
    TfrxXMLItem* InsertItem(int index, std::unique_ptr<TfrxXMLItem> item);
    // Hands a child over to the caller.
    std::unique_ptr<TfrxXMLItem> TakeItem(int index);
    // Frees every child.
    void Clear();
    // The index of the first child whose name matches without regard to case, or -1.
    int Find(QStringView name) const;
    // That child; a new empty child of that name when there is none.
    TfrxXMLItem* FindItem(const QString& name);
    int IndexOf(const TfrxXMLItem* item) const;

    // Attribute operations on Text; names match without regard to case.
    QString GetProp(QStringView name) const;
    void SetProp(QStringView name, QStringView value);
    bool PropExists(QStringView name) const;
    void DeleteProp(QStringView name);

    // Swapping out to the document's file: an unloadable element may have its children moved out
    // (Loaded false meanwhile); Offset is where they are.
    bool Loaded() const { return loaded_; }
    void SetLoaded(bool value) { loaded_ = value; }
    bool Unloadable() const { return unloadable_; }
    void SetUnloadable(bool value) { unloadable_ = value; }
    qint64 Offset() const { return offset_; }
    void SetOffset(qint64 value) { offset_ = value; }
    // The change mark the element had when its children were last read from the swap file, 0
    // when they were not: an element unchanged since then is swapped out again without writing.
    quint64 SwapCopyChange() const { return swapCopyChange_; }
    void SetSwapCopyChange(quint64 value) { swapCopyChange_ = value; }

    // Marks the last change of the element or of anything below it (one walk of the subtree):
    // a value that grows with every change anywhere, so what was derived from an element can
    // tell whether it still holds.
    quint64 LastChange() const;

private:
    void Changed();
    void FreeChildren();

    QString name_;
    QString text_;
    QString value_;
    TfrxXMLItem* parent_ = nullptr;
    std::vector<std::unique_ptr<TfrxXMLItem>> items_;
    bool loaded_ = true;
    bool unloadable_ = false;
    qint64 offset_ = 0;
    quint64 swapCopyChange_ = 0;
    quint64 lastChange_ = 0;
};

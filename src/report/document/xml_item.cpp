#include "xml_item.h"

#include "attribute_text.h"

#include <algorithm>
#include <atomic>
#include <cassert>

TfrxXMLItem::~TfrxXMLItem() { FreeChildren(); }

void TfrxXMLItem::Changed()
{
    static std::atomic<quint64> changes{0};
    lastChange_ = ++changes;
}

quint64 TfrxXMLItem::LastChange() const
{
    // A child taken away or added changes its parent, so the subtree's latest mark covers both.
    quint64 last = 0;
    std::vector<const TfrxXMLItem*> pending{this};
    while (!pending.empty()) {
        const TfrxXMLItem* item = pending.back();
        pending.pop_back();
        last = std::max(last, item->lastChange_);
        for (const auto& child : item->items_)
            pending.push_back(child.get());
    }
    return last;
}

void TfrxXMLItem::SetName(QString name)
{
    name_ = std::move(name);
    Changed();
}

void TfrxXMLItem::SetText(QString text)
{
    text_ = std::move(text);
    Changed();
}

void TfrxXMLItem::SetValue(QString value)
{
    value_ = std::move(value);
    Changed();
}

TfrxXMLItem* TfrxXMLItem::Add() { return AddItem(std::make_unique<TfrxXMLItem>()); }

TfrxXMLItem* TfrxXMLItem::Add(QString name) { return AddItem(std::make_unique<TfrxXMLItem>(std::move(name))); }

TfrxXMLItem* TfrxXMLItem::AddItem(std::unique_ptr<TfrxXMLItem> item) { return InsertItem(Count(), std::move(item)); }

TfrxXMLItem* TfrxXMLItem::InsertItem(int index, std::unique_ptr<TfrxXMLItem> item)
{
    assert(item && !item->parent_);
    item->parent_ = this;
    index = std::clamp(index, 0, Count());
    Changed();
    return items_.insert(items_.begin() + index, std::move(item))->get();
}

std::unique_ptr<TfrxXMLItem> TfrxXMLItem::TakeItem(int index)
{
    std::unique_ptr<TfrxXMLItem> item = std::move(items_.at(size_t(index)));
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
    Changed();
    return item;
}

void TfrxXMLItem::Clear()
{
    if (items_.empty())
        return;
    FreeChildren();
    Changed();
}

void TfrxXMLItem::FreeChildren()
{
    // Children are taken apart level by level instead of by nested destructors.
    std::vector<std::unique_ptr<TfrxXMLItem>> pending = std::move(items_);
    items_.clear();
    while (!pending.empty()) {
        std::unique_ptr<TfrxXMLItem> item = std::move(pending.back());
        pending.pop_back();
        for (auto& child : item->items_)
            pending.push_back(std::move(child));
        item->items_.clear();
    }
}

int TfrxXMLItem::Find(QStringView name) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->name_.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

TfrxXMLItem* TfrxXMLItem::FindItem(const QString& name)
{
    const int index = Find(name);
    return index >= 0 ? Items(index) : Add(name);
}

int TfrxXMLItem::IndexOf(const TfrxXMLItem* item) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item)
            return int(i);
    return -1;
}

QString TfrxXMLItem::GetProp(QStringView name) const { return ::GetProp(text_, name); }

void TfrxXMLItem::SetProp(QStringView name, QStringView value)
{
    ::SetProp(text_, name, value);
    Changed();
}

bool TfrxXMLItem::PropExists(QStringView name) const { return ::PropExists(text_, name); }

void TfrxXMLItem::DeleteProp(QStringView name)
{
    ::DeleteProp(text_, name);
    Changed();
}

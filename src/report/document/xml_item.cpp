#include "xml_item.h"

#include "attribute_text.h"

#include <algorithm>
#include <cassert>

TfrxXMLItem::~TfrxXMLItem() { Clear(); }

TfrxXMLItem* TfrxXMLItem::Add() { return AddItem(std::make_unique<TfrxXMLItem>()); }

TfrxXMLItem* TfrxXMLItem::Add(QString name) { return AddItem(std::make_unique<TfrxXMLItem>(std::move(name))); }

TfrxXMLItem* TfrxXMLItem::AddItem(std::unique_ptr<TfrxXMLItem> item) { return InsertItem(Count(), std::move(item)); }

TfrxXMLItem* TfrxXMLItem::InsertItem(int index, std::unique_ptr<TfrxXMLItem> item)
{
    assert(item && !item->parent_);
    item->parent_ = this;
    index = std::clamp(index, 0, Count());
    return items_.insert(items_.begin() + index, std::move(item))->get();
}

std::unique_ptr<TfrxXMLItem> TfrxXMLItem::TakeItem(int index)
{
    std::unique_ptr<TfrxXMLItem> item = std::move(items_.at(size_t(index)));
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
    return item;
}

void TfrxXMLItem::Clear()
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

void TfrxXMLItem::SetProp(QStringView name, QStringView value) { ::SetProp(text_, name, value); }

bool TfrxXMLItem::PropExists(QStringView name) const { return ::PropExists(text_, name); }

void TfrxXMLItem::DeleteProp(QStringView name) { ::DeleteProp(text_, name); }

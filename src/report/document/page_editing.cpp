// Changing prepared pages after the build: pages put in, taken out or taken over from another
// report, single objects written back, pictures kept for the pages.
#include "preview_pages.h"

#include "compact_diff.h"
#include "preview_pages_sink.h"
#include "xml_serializer.h"

#include "report/model/band_kinds.h"
#include "report/model/report_page.h"

#include <algorithm>

namespace {

const QString kPreviewPages = QStringLiteral("previewpages");
const QString kLogicalPageNumbers = QStringLiteral("logicalpagenumbers");

// Outline and anchor entries keep pointing at the same pages: those from `from` on move by
// `delta`, and none is left beyond `last`.
void ShiftPageReferences(TfrxXMLItem* section, int from, int delta, int last)
{
    if (!section)
        return;
    std::vector<TfrxXMLItem*> pending{section};
    while (!pending.empty()) {
        TfrxXMLItem* item = pending.back();
        pending.pop_back();
        for (int i = 0; i < item->Count(); ++i) {
            TfrxXMLItem* entry = item->Items(i);
            pending.push_back(entry);
            bool ok = false;
            const int page = entry->GetProp(u"page").toInt(&ok);
            if (ok && page >= from)
                entry->SetProp(u"page", QString::number(std::clamp(page + delta, 0, std::max(last, 0))));
        }
    }
}

// The path of child positions from the page down to the object.
std::vector<int> PathFromPage(const TfrxComponent& object)
{
    std::vector<int> path;
    for (const TfrxComponent* o = &object; o->Parent(); o = o->Parent())
        path.insert(path.begin(), int(o->Parent()->Objects().indexOf(o)));
    return path;
}

}  // namespace

void TfrxPreviewPages::PageIndicesChanged(int from, int delta)
{
    ClearCache();
    ShiftPageReferences(FindSection(QStringLiteral("outline")), from, delta, Count() - 1);
    ShiftPageReferences(FindSection(QStringLiteral("anchors")), from, delta, Count() - 1);
    curPage_ = std::min(curPage_ >= from ? curPage_ + delta : curPage_, Count() - 1);
}

void TfrxPreviewPages::AddEmptyPage(int index)
{
    const int count = Count();
    if (count == 0 || index < 0 || index > count)
        return;
    const int model = std::min(index, count - 1);
    const TfrxXMLItem& modelItem = *PageItem(model);
    auto item = std::make_unique<TfrxXMLItem>(modelItem.Name());
    item->SetText(modelItem.Text());
    Pages().InsertItem(index, std::move(item));
    if (TfrxXMLItem* numbers = FindSection(kLogicalPageNumbers); numbers && numbers->Count() == count) {
        auto entry = std::make_unique<TfrxXMLItem>(QStringLiteral("page"));
        entry->SetText(numbers->Items(model)->Text());
        numbers->InsertItem(index, std::move(entry));
    }
    PageIndicesChanged(index, 1);
}

void TfrxPreviewPages::DeletePage(int index)
{
    const int count = Count();
    if (index < 0 || index >= count)
        return;
    TfrxXMLItem& pages = Pages();
    // A page in the swap file goes without being read back.
    pages.TakeItem(index);
    if (TfrxXMLItem* numbers = FindSection(kLogicalPageNumbers); numbers && numbers->Count() == count)
        numbers->TakeItem(index);
    PageIndicesChanged(index + 1, -1);
}

// The object's element is written again from the object, as the build wrote it; a page in full
// form, or one whose elements do not match its objects, is written again whole.
void TfrxPreviewPages::ModifyObject(const TfrxComponent& object)
{
    for (CachedPage& cached : cache_) {
        TfrxReportPage* page = cached.page.get();
        if (object.Page() != page || &object == page)
            continue;
        TfrxXMLItem* item = PageItem(cached.index);
        if (!item || item != cached.item)
            return;
        TfrxXMLItem* element = item;
        for (int position : PathFromPage(object))
            element = element && position < element->Count() ? element->Items(position) : nullptr;
        const TfrxComponent* copy = element ? dictionary_.GetObject(element->Name()) : nullptr;
        if (!copy || copy->Name() != object.Name() || copy->metaObject() != object.metaObject()) {
            ModifyPage(cached.index, *page);
            return;
        }
        element->SetText(AliasText(object, *copy));
        // The decoded page already shows the change: it stays in the cache.
        cached.itemChange = item->LastChange();
        return;
    }
}

int TfrxPreviewPages::AddPicture(const QByteArray& picture)
{
    const auto found = std::find(pictureCache_.begin(), pictureCache_.end(), picture);
    if (found != pictureCache_.end())
        return int(found - pictureCache_.begin());
    pictureCache_.push_back(picture);
    return int(pictureCache_.size()) - 1;
}

double TfrxPreviewPages::GetLastY(double x)
{
    const std::shared_ptr<const TfrxReportPage> page = GetPage(curPage_);
    if (!page)
        return 0;
    double lastY = 0;
    std::vector<const TfrxComponent*> pending(page->Objects().begin(), page->Objects().end());
    while (!pending.empty()) {
        const TfrxComponent* object = pending.back();
        pending.pop_back();
        // Objects placed on the page itself stand in a band as large as the page: they count
        // on their own.
        if (qobject_cast<const TfrxNullBand*>(object)) {
            pending.insert(pending.end(), object->Objects().begin(), object->Objects().end());
            continue;
        }
        if (object->AbsLeft() >= x)
            lastY = std::max(lastY, object->AbsTop() + object->Height());
    }
    return lastY;
}

void TfrxPreviewPages::AddFrom(TfrxReport& report)
{
    TfrxPreviewPages* other = ReportPreviewPages(report);
    if (!other || other == this)
        return;
    const TfrxXMLItem* otherNumbers = other->FindSection(kLogicalPageNumbers);
    for (int i = 0; i < other->Count(); ++i) {
        const std::shared_ptr<const TfrxReportPage> page = other->GetPage(i);
        if (!page)
            continue;
        WriteFullForm(*Pages().Add(), *page);
        TfrxXMLItem* entry = Section(kLogicalPageNumbers).Add(QStringLiteral("page"));
        if (otherNumbers && i < otherNumbers->Count())
            entry->SetText(otherNumbers->Items(i)->Text());
        else
            entry->SetProp(u"n", QString::number(i + 1));
    }
    curPage_ = Count() - 1;
    ClearCache();
}

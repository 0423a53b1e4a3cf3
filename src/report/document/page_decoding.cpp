// Turning page elements back into page objects, and writing a page in full form.
#include "preview_pages.h"

#include "document_texts.h"
#include "xml_serializer.h"
#include "component_streaming.h"
#include "value_text.h"

#include "report/base/report_units.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/views/report_classes.h"

#include "platform/rounding.h"

#include <QBuffer>
#include <optional>
#include <unordered_map>

namespace {

bool IsFullForm(const TfrxXMLItem& item)
{
    return item.Name().compare(QLatin1String("TfrxReportPage"), Qt::CaseInsensitive) == 0
        || item.Name().compare(QLatin1String("TfrxDMPPage"), Qt::CaseInsensitive) == 0;
}

// A reference-form page element carries attributes only when the build changed its paper.
bool HasOwnPaper(const TfrxXMLItem& item) { return item.Text().length() > 10; }

int PaperPixels(double millimetres) { return RoundHalfEven(millimetres * fr01cm); }

// A template object's base text (class name and full form) read once: every printed object of
// that template is rebuilt from it.
struct PreparedBase {
    const QMetaObject* meta = nullptr;
    TfrxPreparedPairs pairs;
};

// None when the text cannot be taken apart from the differences that follow it; such objects
// are read from the joined text.
const PreparedBase* PreparedBaseOf(const QString& baseText, TfrxXMLSerializer& serializer)
{
    // Kept by text for every store, so it never stands for another template.
    static std::unordered_map<QString, std::optional<PreparedBase>> prepared;
    auto found = prepared.find(baseText);
    if (found == prepared.end()) {
        if (prepared.size() >= 256)
            prepared.clear();
        found = prepared.emplace(baseText, std::nullopt).first;
        const QStringView text = QStringView(baseText).trimmed();
        const qsizetype space = text.indexOf(u' ');
        const QMetaObject* meta = FindReportClass(space < 0 ? text : text.left(space));
        const std::unique_ptr<TfrxComponent> sample(meta ? CreateReportObject(*meta, nullptr) : nullptr);
        if (sample) {
            TfrxPreparedPairs pairs = serializer.PreparePairs(space < 0 ? QStringView() : text.sliced(space + 1), *sample);
            if (pairs.Complete())
                found->second = PreparedBase{meta, std::move(pairs)};
        }
    }
    return found->second ? &*found->second : nullptr;
}

}  // namespace

int TfrxPreviewPages::PagesInCache() const
{
    return report_ ? report_->PreviewOptions()->PagesInCache() : 50;
}

std::shared_ptr<const TfrxReportPage> TfrxPreviewPages::GetPage(int index) { return EditPage(index); }

std::shared_ptr<TfrxReportPage> TfrxPreviewPages::EditPage(int index)
{
    CachedPage* cached = CachedEntry(index);
    return cached ? cached->page : nullptr;
}

std::shared_ptr<const TfrxReportPage> TfrxPreviewPages::PageToDraw(int index)
{
    CachedPage* cached = CachedEntry(index);
    if (!cached)
        return nullptr;
    if (!cached->preparedForDrawing) {
        for (TfrxComponent* object : cached->page->AllObjects())
            if (auto* component = qobject_cast<TfrxReportComponent*>(object))
                component->PrepareForDrawing();
        cached->preparedForDrawing = true;
    }
    return cached->page;
}

TfrxPreviewPages::CachedPage* TfrxPreviewPages::CachedEntry(int index)
{
    TfrxXMLItem* item = PageItem(index);
    if (!item)
        return nullptr;
    const quint64 change = item->LastChange();
    for (size_t i = 0; i < cache_.size(); ++i) {
        const CachedPage& cached = cache_[i];
        if (cached.index == index && cached.item == item && cached.itemChange == change) {
            std::swap(cache_[0], cache_[i]);
            return &cache_[0];
        }
    }
    // A page whose element changed (a build is adding to it) is decoded afresh.
    std::erase_if(cache_, [index](const CachedPage& cached) { return cached.index == index; });
    std::shared_ptr<TfrxReportPage> page = DecodePage(*item);
    // Decoding may have loaded the element back from the swap file.
    cache_.push_front(CachedPage{index, item, item->LastChange(), std::move(page)});
    while (int(cache_.size()) > std::max(PagesInCache(), 1)) {
        ReleaseCachedPage(cache_.back());
        cache_.pop_back();
    }
    return &cache_.front();
}

void TfrxPreviewPages::ClearCache()
{
    for (CachedPage& cached : cache_)
        ReleaseCachedPage(cached);
    cache_.clear();
    sourcePageForms_.clear();
}

// Only an element that came from the swap file goes back to it; the page being written stays.
void TfrxPreviewPages::ReleaseCachedPage(CachedPage& cached)
{
    TfrxXMLItem* item = PageItem(cached.index);
    if (item != cached.item || !item->Unloadable() || !item->Loaded() || item->SwapCopyChange() == 0
        || cached.index == curPage_)
        return;
    try {
        document_.UnloadItem(*item);
    } catch (const Exception&) {
        // It stays in memory: nothing is lost, the page only takes room.
    }
}

std::unique_ptr<TfrxReportPage> TfrxPreviewPages::DecodePage(TfrxXMLItem& item)
{
    if (!item.Loaded())
        document_.LoadItem(item);
    if (!IsFullForm(item))
        return DecodeReferencePage(item);
    const QMetaObject* meta = FindReportClass(item.Name());
    std::unique_ptr<TfrxReportPage> page(
        meta ? qobject_cast<TfrxReportPage*>(CreateReportObject(*meta, nullptr)) : nullptr);
    if (!page)
        throw Exception(kCannotFindClassText + u' ' + item.Name());
    // Printed pages repeat template names (one MasterData1 per entry), so the reading must not
    // look objects up by name and read two elements into one object; an owner holding nothing
    // makes every element a new object.
    QObject noObjects;
    TfrxXMLSerializer serializer;
    serializer.Owner = &noObjects;
    serializer.ReadRootComponent(*page, &item);
    return page;
}

std::unique_ptr<TfrxReportPage> TfrxPreviewPages::DecodeReferencePage(const TfrxXMLItem& item)
{
    const int sourceIndex = SourceIndexFromName(item.Name());
    if (sourceIndex < 0)
        throw TfrxInvalidXMLException();
    const TfrxReportPage& copy = *SourcePage(sourceIndex);
    std::unique_ptr<TfrxReportPage> page(qobject_cast<TfrxReportPage*>(CreateReportObject(*copy.metaObject(), nullptr)));
    // What Assign does, with the copy written and prepared once for all its pages.
    const SourcePageForm& form = SourcePageFormOf(sourceIndex);
    TfrxXMLSerializer reader;
    reader.HandleNestedProperties = true;
    reader.Owner = page->Report();
    if (form.attributes)
        reader.ReadPreparedRoot(*page, *form.attributes);
    else
        reader.ReadRootComponent(*page, &form.document->Root());
    page->SetName(copy.Name());
    if (HasOwnPaper(item)) {
        TfrxXMLSerializer serializer;
        serializer.XMLToObj(item.Text(), *page);
    }
    DecodeObjects(item, *page);
    return page;
}

// Each printed object is its template copy's text with the element's differences after it, so
// the element's pairs override the template's values.
void TfrxPreviewPages::DecodeObjects(const TfrxXMLItem& item, TfrxComponent& parent)
{
    TfrxXMLSerializer serializer;
    for (int i = 0; i < item.Count(); ++i) {
        const TfrxXMLItem& element = *item.Items(i);
        const TfrxDictionary::Source* source = dictionary_.GetSource(element.Name());
        const PreparedBase* base = source ? PreparedBaseOf(source->baseText, serializer) : nullptr;
        const QString& head = source ? source->baseText : element.Name();
        TfrxComponent* object = base ? serializer.ReadPreparedComponent(&parent, *base->meta, base->pairs, element.Text(), true)
                                     : serializer.ReadComponentStr(&parent, head + u' ' + element.Text(), true);
        if (!object)
            continue;
        if (source && source->object)
            object->SetName(source->object->Name());
        DecodeObjects(element, *object);
    }
}

const TfrxPreviewPages::SourcePageForm& TfrxPreviewPages::SourcePageFormOf(int index)
{
    if (int(sourcePageForms_.size()) <= index)
        sourcePageForms_.resize(size_t(index) + 1);
    SourcePageForm& form = sourcePageForms_[size_t(index)];
    if (!form.document) {
        const TfrxReportPage& copy = *SourcePage(index);
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        ::SaveToStream(copy, buffer, false, true);
        buffer.seek(0);
        form.document = std::make_unique<TfrxXMLDocument>();
        form.document->LoadFromStream(buffer);
        const TfrxXMLItem& root = form.document->Root();
        if (root.Count() == 0) {
            TfrxPreparedPairs attributes = TfrxXMLSerializer().PreparePairs(root.Text(), copy);
            if (attributes.Complete())
                form.attributes = std::move(attributes);
        }
    }
    return form;
}

QSize TfrxPreviewPages::GetPageSize(int index)
{
    const TfrxXMLItem* item = PageItem(index);
    if (!item)
        return QSize(0, 0);
    if (IsFullForm(*item)) {
        const std::shared_ptr<const TfrxReportPage> page = GetPage(index);
        return page ? QSize(RoundHalfEven(page->Width()), RoundHalfEven(page->Height())) : QSize();
    }
    const int sourceIndex = SourceIndexFromName(item->Name());
    if (sourceIndex < 0)
        return QSize(0, 0);
    const TfrxReportPage& copy = *SourcePage(sourceIndex);
    double width = copy.PaperWidth();
    double height = copy.PaperHeight();
    if (HasOwnPaper(*item)) {
        double value = 0;
        if (TryReadXMLFloat(item->GetProp(u"PaperWidth"), value))
            width = value;
        if (TryReadXMLFloat(item->GetProp(u"PaperHeight"), value))
            height = value;
    }
    return {PaperPixels(width), PaperPixels(height)};
}

void TfrxPreviewPages::ModifyPage(int index, const TfrxReportPage& page)
{
    TfrxXMLItem* item = PageItem(index);
    if (!item)
        return;
    if (!item->Loaded())
        document_.LoadItem(*item);
    WriteFullForm(*item, page);
    ClearCache();
}

void TfrxPreviewPages::WriteFullForm(TfrxXMLItem& item, const TfrxReportPage& page)
{
    item.Clear();
    item.SetText(QString());
    item.SetName(page.ClassName());
    TfrxXMLSerializer serializer;
    serializer.WriteRootComponent(page, true, &item);
    item.SetUnloadable(false);
}

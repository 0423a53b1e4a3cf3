// Turning page elements back into page objects, and writing a page in full form.
#include "preview_pages.h"

#include "document_texts.h"
#include "xml_serializer.h"
#include "component_streaming.h"
#include "value_text.h"

#include "report/report.h"
#include "report/report_classes.h"
#include "report/report_page.h"
#include "report/report_units.h"

#include "platform/rounding.h"

namespace {

bool IsFullForm(const TfrxXMLItem& item)
{
    return item.Name().compare(QLatin1String("TfrxReportPage"), Qt::CaseInsensitive) == 0
        || item.Name().compare(QLatin1String("TfrxDMPPage"), Qt::CaseInsensitive) == 0;
}

// A reference-form page element carries attributes only when the build changed its paper.
bool HasOwnPaper(const TfrxXMLItem& item) { return item.Text().length() > 10; }

int PaperPixels(double millimetres) { return RoundHalfEven(millimetres * fr01cm); }

}  // namespace

int TfrxPreviewPages::PagesInCache() const
{
    return report_ ? report_->PreviewOptions()->PagesInCache() : 50;
}

TfrxReportPage* TfrxPreviewPages::GetPage(int index)
{
    TfrxXMLItem* item = PageItem(index);
    if (!item)
        return nullptr;
    if (building_) {
        uncachedPage_ = DecodePage(*item);
        return uncachedPage_.get();
    }
    for (size_t i = 0; i < cache_.size(); ++i) {
        if (cache_[i].index == index) {
            std::swap(cache_[0], cache_[i]);
            return cache_[0].page.get();
        }
    }
    cache_.push_front(CachedPage{index, DecodePage(*item)});
    while (int(cache_.size()) > std::max(PagesInCache(), 1))
        cache_.pop_back();
    return cache_.front().page.get();
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
    Assign(*page, copy);
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
        const QString text = source ? source->baseText + u' ' + element.Text() : element.Name() + u' ' + element.Text();
        TfrxComponent* object = serializer.ReadComponentStr(&parent, text, true);
        if (!object)
            continue;
        if (source && source->object)
            object->SetName(source->object->Name());
        DecodeObjects(element, *object);
    }
}

QSize TfrxPreviewPages::GetPageSize(int index)
{
    const TfrxXMLItem* item = PageItem(index);
    if (!item)
        return QSize(0, 0);
    if (IsFullForm(*item)) {
        const TfrxReportPage* page = GetPage(index);
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
    item->Clear();
    item->SetText(QString());
    item->SetName(page.ClassName());
    TfrxXMLSerializer serializer;
    serializer.WriteRootComponent(page, true, item);
    item->SetUnloadable(false);
    ClearCache();
    uncachedPage_.reset();
}

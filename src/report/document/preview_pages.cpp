#include "preview_pages.h"

#include "compact_diff.h"
#include "component_streaming.h"
#include "xml_serializer.h"

#include "report/engine/report_engine.h"
#include "report/model/band.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/views/custom_memo_view.h"
#include "report/views/report_classes.h"

#include "platform/canvas.h"
#include "platform/locale_info.h"

#include <QMetaProperty>

namespace {

const QString kPreviewPages = QStringLiteral("previewpages");
const QString kLogicalPageNumbers = QStringLiteral("logicalpagenumbers");

// Millimetres as page elements give them: two decimals when there is a fraction.
QString MillimetreText(double value)
{
    if (value == std::floor(value))
        return QString::number(qint64(value));
    QString text = QString::number(value, 'f', 2);
    text.replace(u'.', CurrentLocale().decimalSeparator);
    return text;
}

// Template copies keep the template's references to objects outside the page (the master band's
// data source); references inside the page go to the copies.
void CopyReferences(const QObject& templ, QObject& copy, const QHash<const QObject*, QObject*>& copies)
{
    const QMetaObject& meta = *templ.metaObject();
    for (int i = 0; i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (!(property.metaType().flags() & QMetaType::PointerToQObject) || !property.isWritable())
            continue;
        const QVariant value = property.read(&templ);
        QObject* target = *static_cast<QObject* const*>(value.constData());
        if (!target || target->parent() == &templ)
            continue;
        QObject* mapped = copies.value(target, target);
        property.write(&copy, QVariant(property.metaType(), &mapped));
    }
}

// Copies print their texts as set, never from a field.
void Unbind(TfrxComponent& copy)
{
    if (auto* memo = qobject_cast<TfrxCustomMemoView*>(&copy)) {
        memo->SetDataSet(nullptr);
        memo->SetDataField(QString());
    }
}

QString AliasBase(const TfrxComponent& object)
{
    if (qobject_cast<const TfrxBand*>(&object))
        return QStringLiteral("b");
    return object.BaseName().left(1).toLower();
}

bool IsPrinted(const TfrxComponent& object)
{
    return object.Visible() && (object.FrComponentStyle() & csPreviewVisible);
}

}  // namespace

TfrxPreviewPages::TfrxPreviewPages(TfrxReport* report) : report_(report), outline_(*this)
{
    document_.Root().SetName(QStringLiteral("preparedreport"));
}

TfrxPreviewPages::~TfrxPreviewPages() = default;

TfrxXMLItem* TfrxPreviewPages::FindSection(const QString& name) const
{
    const int index = document_.Root().Find(name);
    return index >= 0 ? document_.Root().Items(index) : nullptr;
}

TfrxXMLItem& TfrxPreviewPages::Section(const QString& name) { return *document_.Root().FindItem(name); }

int TfrxPreviewPages::Count() const
{
    const TfrxXMLItem* pages = FindSection(kPreviewPages);
    return pages ? pages->Count() : 0;
}

TfrxXMLItem* TfrxPreviewPages::PageItem(int index) const
{
    const TfrxXMLItem* pages = FindSection(kPreviewPages);
    return pages && index >= 0 && index < pages->Count() ? pages->Items(index) : nullptr;
}

void TfrxPreviewPages::Clear()
{
    ClearCache();
    document_.Root().Clear();
    document_.RemoveSwapFile();
    countedSize_ = 0;
    outline_.LevelRoot();
    dictionary_.Clear();
    aliases_.clear();
    sourceIndexOf_.clear();
    sourcePages_.clear();
    pictureCache_.clear();
    postProcessing_.clear();
    curPage_ = -1;
    FirstPage = 0;
    passStart_ = 0;
    logicalPageNo_ = 0;
    AddPageAction = apAdd;
}

void TfrxPreviewPages::TakeContent(TfrxPreparedContent&& content)
{
    Clear();
    document_ = std::move(content.document);
    sourcePages_ = std::move(content.sourcePages);
    dictionary_ = std::move(content.dictionary);
    pictureCache_ = std::move(content.pictures);
    postProcessing_ = std::move(content.macros);
}

void TfrxPreviewPages::Initialize()
{
    // Building may rebuild the template objects afterwards, so their links do not outlive a
    // build; a new build copies its template pages again.
    aliases_.clear();
    sourceIndexOf_.clear();
    AddPageAction = apAdd;
    ClearCache();
    if (FileCacheOn() && !document_.HasSwapFile())
        document_.TempDir = report_->EngineOptions()->TempDir();
    if (OnProgressStart)
        OnProgressStart();
}

void TfrxPreviewPages::Finish()
{
    ClearCache();
    if (OnProgressStop)
        OnProgressStop();
}

void TfrxPreviewPages::BeginPass()
{
    passStart_ = Count();
    ResetLogicalPageNumber();
}

void TfrxPreviewPages::AddSourcePage(const TfrxReportPage& page)
{
    if (sourceIndexOf_.contains(&page))
        return;
    ClearCache();
    const int index = int(sourcePages_.size());
    auto* copy = qobject_cast<TfrxReportPage*>(CreateReportObject(*page.metaObject(), nullptr));
    sourcePages_.emplace_back(copy);
    sourceIndexOf_.insert(&page, index);
    AssignAll(*copy, page);
    copy->SetName(page.Name());

    LinkCopies(page.AllObjects(), copy->AllObjects(), index);
}

void TfrxPreviewPages::LinkCopies(const QList<TfrxComponent*>& templates, const QList<TfrxComponent*>& copies,
                                  int sourceIndex)
{
    QHash<const QObject*, QObject*> copyOf;
    for (qsizetype i = 0; i < templates.size() && i < copies.size(); ++i)
        copyOf.insert(templates[i], copies[i]);
    TfrxXMLSerializer serializer;
    for (qsizetype i = 0; i < templates.size() && i < copies.size(); ++i) {
        const TfrxComponent& templ = *templates[i];
        TfrxComponent& object = *copies[i];
        CopyReferences(templ, object, copyOf);
        Unbind(object);
        if (!(templ.FrComponentStyle() & csPreviewVisible))
            continue;
        const QString alias = dictionary_.CreateUniqueName(AliasBase(templ));
        const QString sourceName = QStringLiteral("Page%1.%2").arg(sourceIndex).arg(templ.Name());
        dictionary_.Add(alias, sourceName, &object, serializer.WriteComponentStr(object));
        aliases_.insert(&templ, alias);
    }
}

void TfrxPreviewPages::AddToSourcePage(const TfrxComponent& object)
{
    const TfrxXMLItem* pageItem = CurrentPageItem();
    const int sourceIndex = pageItem ? SourceIndexFromName(pageItem->Name()) : -1;
    if (sourceIndex < 0 || aliases_.contains(&object))
        return;
    TfrxComponent* parent = SourcePage(sourceIndex);
    if (const TfrxComponent* templateParent = object.Parent()) {
        const QString parentAlias = AliasOf(*templateParent);
        if (TfrxComponent* parentCopy = parentAlias.isEmpty() ? nullptr : dictionary_.GetObject(parentAlias))
            parent = parentCopy;
    }
    TfrxComponent* copy = CreateReportObject(*object.metaObject(), nullptr);
    if (!copy)
        return;
    AssignAll(*copy, object);
    copy->SetName(object.Name());
    copy->SetParent(parent);
    ClearCache();
    LinkCopies(QList<TfrxComponent*>{const_cast<TfrxComponent*>(&object)} + object.AllObjects(),
               QList<TfrxComponent*>{copy} + copy->AllObjects(), sourceIndex);
}

int TfrxPreviewPages::SourceIndexFromName(const QString& elementName) const
{
    bool ok = false;
    const int index = elementName.mid(4, 5).toInt(&ok);
    return ok && index >= 0 && index < SourcePageCount() ? index : -1;
}

bool TfrxPreviewPages::FileCacheOn() const { return report_ && report_->EngineOptions()->UseFileCache(); }

// The pages before the last go to the swap file, newest first, down to the first one already
// there; pages that must stay in memory are passed over.
void TfrxPreviewPages::UnloadPagesWhenFull()
{
    if (!FileCacheOn() || countedSize_ <= qint64(report_->EngineOptions()->MaxMemSize()) * 1024 * 1024)
        return;
    TfrxXMLItem& pages = Pages();
    for (int i = pages.Count() - 2; i >= 0; --i) {
        TfrxXMLItem& item = *pages.Items(i);
        if (!item.Loaded())
            break;
        if (item.Unloadable())
            document_.UnloadItem(item);
    }
    countedSize_ = 0;
}

void TfrxPreviewPages::AddPage(const TfrxReportPage& page)
{
    UnloadPagesWhenFull();
    ++curPage_;
    if (curPage_ < Count() && AddPageAction == apWriteOver)
        return;
    TfrxXMLItem& pages = Pages();
    // The third and later pages may be swapped out.
    const bool unloadable = pages.Count() >= 2;
    TfrxXMLItem* item = pages.Add(QStringLiteral("page%1").arg(sourceIndexOf_.value(&page, 0)));
    item->SetUnloadable(unloadable);
    curPage_ = pages.Count() - 1;
    if (OnProgress)
        OnProgress(curPage_ + 1);
    AddPageAction = apWriteOver;
    IncLogicalPageNumber();
}

void TfrxPreviewPages::AddObject(const TfrxComponent& object)
{
    TfrxXMLItem* page = CurrentPageItem();
    if (!page)
        return;
    // Writing over a page that went to the swap file adds to its children, not before them.
    document_.LoadItem(*page);
    AddObjectTo(*page, object);
}

QString TfrxPreviewPages::AliasText(const TfrxComponent& object, const TfrxComponent& copy) const
{
    if (!FinalPass)
        return ComponentDiff(object, copy);
    if (object.FrComponentStyle() & csDefaultDiff)
        return AllDiff(object, &copy);
    return Diff(object, copy);
}

void TfrxPreviewPages::AddObjectTo(TfrxXMLItem& parent, const TfrxComponent& object)
{
    if (!IsPrinted(object))
        return;
    const QString alias = AliasOf(object);
    const TfrxComponent* copy = alias.isEmpty() ? nullptr : dictionary_.GetObject(alias);
    TfrxXMLItem* item;
    if (copy) {
        item = parent.Add(alias);
        item->SetText(AliasText(object, *copy));
    } else {
        item = parent.Add(object.ClassName());
        item->SetText(AllDiff(object, nullptr));
    }
    countedSize_ += item->Name().size() + item->Text().size() + qint64(sizeof(TfrxXMLItem)) + 16;
    for (const TfrxComponent* child : object.Objects())
        AddObjectTo(*item, *child);
}

bool TfrxPreviewPages::BandExists(const TfrxComponent& band) const
{
    const TfrxXMLItem* page = CurrentPageItem();
    const QString alias = AliasOf(band);
    return page && !alias.isEmpty() && page->Find(alias) >= 0;
}

void TfrxPreviewPages::UpdatePageDimension(double paperWidth, double paperHeight)
{
    TfrxXMLItem* page = CurrentPageItem();
    if (!page)
        return;
    page->SetProp(u"PaperSize", u"256");
    page->SetProp(u"PaperWidth", MillimetreText(paperWidth));
    page->SetProp(u"PaperHeight", MillimetreText(paperHeight));
}

TfrxXMLItem* TfrxPreviewPages::LogicalEntry(int index) const
{
    const TfrxXMLItem* numbers = FindSection(kLogicalPageNumbers);
    return numbers && index >= 0 && index < numbers->Count() ? numbers->Items(index) : nullptr;
}

void TfrxPreviewPages::IncLogicalPageNumber()
{
    if (LogicalNumbersFixed)
        return;
    ++logicalPageNo_;
    Section(kLogicalPageNumbers).Add(QStringLiteral("page"))->SetProp(u"n", QString::number(logicalPageNo_));
}

// Closes the running numbering: the pages of the run learn its total.
void TfrxPreviewPages::ResetLogicalPageNumber()
{
    if (LogicalNumbersFixed)
        return;
    for (int i = curPage_; i >= passStart_; --i) {
        TfrxXMLItem* entry = LogicalEntry(i);
        if (!entry)
            continue;
        entry->SetProp(u"t", QString::number(logicalPageNo_));
        if (entry->GetProp(u"n") == QLatin1String("1"))
            break;
    }
    logicalPageNo_ = 0;
}

int TfrxPreviewPages::GetLogicalPageNo() const
{
    const TfrxXMLItem* entry = LogicalEntry(curPage_);
    return entry ? entry->GetProp(u"n").toInt() : curPage_ - FirstPage + 1;
}

int TfrxPreviewPages::GetLogicalTotalPages() const
{
    const TfrxXMLItem* entry = LogicalEntry(curPage_);
    if (entry)
        return entry->GetProp(u"t").toInt();
    return report_ ? report_->Engine().TotalPages() - FirstPage : 0;
}

void TfrxPreviewPages::AddAnchor(const QString& text, double top)
{
    AddAnchorEntry(Section(QStringLiteral("anchors")), text, curPage_, top);
}

void TfrxPreviewPages::DrawPage(int index, TCanvas& canvas, double scaleX, double scaleY, double offsetX,
                                double offsetY, TfrxDrawTarget target) const
{
    painter_.PaintPage(index, canvas, {scaleX, scaleY, offsetX, offsetY, target, {Count(), 1, 1}});
}

void TfrxPreviewPages::PaintPage(int index, QPainter& painter, double scale) const
{
    TCanvas canvas(painter);
    DrawPage(index, canvas, scale, scale, 0, 0);
}

std::shared_ptr<const TfrxView> TfrxPreviewPages::ObjectOver(int index, QPointF point, double scaleX, double scaleY,
                                                             double offsetX, double offsetY) const
{
    return painter_.ObjectOver(index, point, {scaleX, scaleY, offsetX, offsetY, dtScreen, {}});
}

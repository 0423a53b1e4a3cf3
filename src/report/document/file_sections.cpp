// The sections a saved prepared report carries besides its pages.
#include "preview_pages.h"

#include "value_text.h"
#include "xml_escape.h"
#include "xml_serializer.h"

#include "report/model/report.h"
#include "report/model/report_page.h"

namespace {

const QString kReport = QStringLiteral("report");
const QString kSourcePages = QStringLiteral("sourcepages");
const QString kDictionary = QStringLiteral("dictionary");
const QString kPictureCache = QStringLiteral("picturecache");
const QString kPostProcessing = QStringLiteral("postprocessing");

// The report settings a file carries: exactly these, in this order.
const QString kReportSettings[] = {
    QStringLiteral("DotMatrixReport"),
    QStringLiteral("PreviewOptions.OutlineVisible"),
    QStringLiteral("PreviewOptions.OutlineWidth"),
    QStringLiteral("ReportOptions.Name"),
};

QString ReportAttributes(const TfrxReport& report)
{
    const QString values[] = {
        XMLFlag(report.DotMatrixReport()),
        XMLFlag(report.PreviewOptions()->OutlineVisible()),
        QString::number(report.PreviewOptions()->OutlineWidth()),
        EscapeXMLValue(report.ReportOptions()->Name()),
    };
    QStringList pairs;
    for (size_t i = 0; i < std::size(kReportSettings); ++i)
        pairs << kReportSettings[i] + QStringLiteral("=\"") + values[i] + u'"';
    return pairs.join(u' ');
}

bool IsDotMatrixPage(const TfrxXMLItem& item)
{
    return item.Name().compare(QLatin1String("TfrxDMPPage"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void TfrxPreviewPages::WriteFileSections()
{
    if (report_) {
        TfrxXMLItem& section = Section(kReport);
        section.Clear();
        section.Add(report_->ClassName())->SetText(ReportAttributes(*report_));
    }

    // Each copy is written as its own root, so references out of the page are written with the
    // name of the form that owns their target.
    TfrxXMLItem& sourcePages = Section(kSourcePages);
    sourcePages.Clear();
    for (const auto& copy : sourcePages_) {
        TfrxXMLSerializer serializer;
        serializer.WriteRootComponent(*copy, true, sourcePages.Add(copy->ClassName()));
    }

    // The value is read by position, so the attribute must stand alone.
    TfrxXMLItem& dictionary = Section(kDictionary);
    dictionary.Clear();
    for (const QString& alias : dictionary_.Aliases())
        dictionary.Add(alias)->SetText(QStringLiteral("name=\"%1\"").arg(EscapeXMLValue(dictionary_.GetSourceName(alias))));

    TfrxXMLItem& pictures = Section(kPictureCache);
    pictures.Clear();
    for (const QByteArray& picture : pictureCache_)
        pictures.Add(QStringLiteral("item"))->SetProp(u"stream", QString::fromLatin1(picture.toHex().toUpper()));

    TfrxXMLItem& macros = Section(kPostProcessing);
    macros.Clear();
    for (const PostProcessingMacro& macro : postProcessing_) {
        TfrxXMLItem& item = *macros.Add(macro.name);
        for (const QString& value : macro.values)
            item.Add(QStringLiteral("i"))->SetProp(u"cnt", value);
    }
}

void TfrxPreviewPages::ReadFileSections()
{
    ReadReportSettings();
    ReadSourcePages();
    ReadDictionary();
    ReadPictureCache();
    ReadPostProcessing();
}

// Only the settings a file writes are taken, so a file cannot change how the report is built or
// printed.
void TfrxPreviewPages::ReadReportSettings()
{
    const TfrxXMLItem* section = FindSection(kReport);
    if (!report_ || !section || section->Count() == 0)
        return;
    const TfrxXMLItem& item = *section->Items(0);
    QString text;
    for (const QString& name : kReportSettings)
        if (item.PropExists(name))
            text += u' ' + name + QStringLiteral("=\"") + EscapeXMLValue(item.GetProp(name)) + u'"';
    TfrxXMLSerializer().XMLToObj(text, *report_);
}

// Copies are kept as objects; their elements go and are written again at the next save.
void TfrxPreviewPages::ReadSourcePages()
{
    TfrxXMLItem* section = FindSection(kSourcePages);
    for (int i = 0; section && i < section->Count(); ++i) {
        TfrxXMLItem& item = *section->Items(i);
        auto page = std::make_unique<TfrxReportPage>();
        // There are no character-grid pages here: such a copy only keeps its place, so later
        // copies keep their indices, and the pages printed from it fail when drawn.
        if (!IsDotMatrixPage(item))
            TfrxXMLSerializer().ReadRootComponent(*page, &item);
        sourcePages_.push_back(std::move(page));
    }
    if (section)
        section->Clear();
}

// Each entry is `name="Page<index>.<object name>"`, read by position.
void TfrxPreviewPages::ReadDictionary()
{
    const TfrxXMLItem* section = FindSection(kDictionary);
    TfrxXMLSerializer serializer;
    for (int i = 0; section && i < section->Count(); ++i) {
        const TfrxXMLItem& item = *section->Items(i);
        const QString& text = item.Text();
        if (text.length() < 7)
            continue;
        const QString sourceName = UnescapeXMLValue(QStringView(text).mid(6, text.length() - 7));
        const qsizetype dot = sourceName.indexOf(u'.');
        bool ok = false;
        const int pageIndex = sourceName.mid(4, dot - 4).toInt(&ok);
        TfrxComponent* object = nullptr;
        if (sourceName.startsWith(QLatin1String("Page")) && dot > 4 && ok && pageIndex >= 0 && pageIndex < SourcePageCount())
            object = SourcePage(pageIndex)->FindObject(sourceName.mid(dot + 1));
        dictionary_.Add(item.Name(), sourceName, object, object ? serializer.WriteComponentStr(*object) : QString());
    }
}

void TfrxPreviewPages::ReadPictureCache()
{
    const TfrxXMLItem* section = FindSection(kPictureCache);
    for (int i = 0; section && i < section->Count(); ++i)
        pictureCache_.push_back(QByteArray::fromHex(section->Items(i)->GetProp(u"stream").toLatin1()));
}

// The macros are kept as values; the section goes and is written again at the next save.
void TfrxPreviewPages::ReadPostProcessing()
{
    const int index = document_.Root().Find(kPostProcessing);
    if (index < 0)
        return;
    const std::unique_ptr<TfrxXMLItem> section = document_.Root().TakeItem(index);
    for (int i = 0; i < section->Count(); ++i) {
        const TfrxXMLItem& item = *section->Items(i);
        PostProcessingMacro macro{item.Name(), {}};
        for (int j = 0; j < item.Count(); ++j)
            macro.values << item.Items(j)->GetProp(u"cnt");
        postProcessing_.push_back(std::move(macro));
    }
}

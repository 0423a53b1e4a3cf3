// The sections a saved prepared report carries besides its pages.
#include "prepared_file.h"

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

TfrxXMLItem* SectionOf(const TfrxPreparedContent& read, const QString& name)
{
    const int index = read.document.Root().Find(name);
    return index >= 0 ? read.document.Root().Items(index) : nullptr;
}

bool IsDotMatrixPage(const TfrxXMLItem& item)
{
    return item.Name().compare(QLatin1String("TfrxDMPPage"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void TfrxPreparedFile::WriteSections()
{
    if (const TfrxReport* report = pages_.Report()) {
        TfrxXMLItem& section = pages_.Section(kReport);
        section.Clear();
        section.Add(report->ClassName())->SetText(ReportAttributes(*report));
    }

    // Each copy is written as its own root, so references out of the page are written with the
    // name of the form that owns their target.
    TfrxXMLItem& sourcePages = pages_.Section(kSourcePages);
    sourcePages.Clear();
    for (int i = 0; i < pages_.SourcePageCount(); ++i) {
        const TfrxReportPage& copy = *pages_.SourcePage(i);
        TfrxXMLSerializer serializer;
        serializer.WriteRootComponent(copy, true, sourcePages.Add(copy.ClassName()));
    }

    // The value is read by position, so the attribute must stand alone.
    const TfrxDictionary& aliases = pages_.Dictionary();
    TfrxXMLItem& dictionary = pages_.Section(kDictionary);
    dictionary.Clear();
    for (const QString& alias : aliases.Aliases())
        dictionary.Add(alias)->SetText(QStringLiteral("name=\"%1\"").arg(EscapeXMLValue(aliases.GetSourceName(alias))));

    TfrxXMLItem& pictures = pages_.Section(kPictureCache);
    pictures.Clear();
    for (const QByteArray& picture : pages_.PictureCache())
        pictures.Add(QStringLiteral("item"))->SetProp(u"stream", QString::fromLatin1(picture.toHex().toUpper()));

    TfrxXMLItem& macros = pages_.Section(kPostProcessing);
    macros.Clear();
    for (const TfrxPostProcessingMacro& macro : pages_.PostProcessing()) {
        TfrxXMLItem& item = *macros.Add(macro.name);
        for (const QString& value : macro.values)
            item.Add(QStringLiteral("i"))->SetProp(u"cnt", value);
    }
}

// Only the settings a file writes are taken, so a file cannot change how the report is built or
// printed.
void TfrxPreparedFile::ReadReportSettings()
{
    const TfrxXMLItem* section = pages_.FindSection(kReport);
    TfrxReport* report = pages_.Report();
    if (!report || !section || section->Count() == 0)
        return;
    const TfrxXMLItem& item = *section->Items(0);
    QString text;
    for (const QString& name : kReportSettings)
        if (item.PropExists(name))
            text += u' ' + name + QStringLiteral("=\"") + EscapeXMLValue(item.GetProp(name)) + u'"';
    TfrxXMLSerializer().XMLToObj(text, *report);
}

// Copies are kept as objects; their elements go and are written again at the next save.
void TfrxPreparedFile::ReadSourcePages(TfrxPreparedContent& read)
{
    TfrxXMLItem* section = SectionOf(read, kSourcePages);
    for (int i = 0; section && i < section->Count(); ++i) {
        TfrxXMLItem& item = *section->Items(i);
        auto page = std::make_unique<TfrxReportPage>();
        // There are no character-grid pages here: such a copy only keeps its place, so later
        // copies keep their indices, and the pages printed from it fail when drawn.
        if (!IsDotMatrixPage(item))
            TfrxXMLSerializer().ReadRootComponent(*page, &item);
        read.sourcePages.push_back(std::move(page));
    }
    if (section)
        section->Clear();
}

// Each entry is `name="Page<index>.<object name>"`, read by position.
void TfrxPreparedFile::ReadDictionary(TfrxPreparedContent& read)
{
    const TfrxXMLItem* section = SectionOf(read, kDictionary);
    const int sourcePageCount = int(read.sourcePages.size());
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
        if (sourceName.startsWith(QLatin1String("Page")) && dot > 4 && ok && pageIndex >= 0 && pageIndex < sourcePageCount)
            object = read.sourcePages[size_t(pageIndex)]->FindObject(sourceName.mid(dot + 1));
        read.dictionary.Add(item.Name(), sourceName, object, object ? serializer.WriteComponentStr(*object) : QString());
    }
}

void TfrxPreparedFile::ReadPictureCache(TfrxPreparedContent& read)
{
    const TfrxXMLItem* section = SectionOf(read, kPictureCache);
    for (int i = 0; section && i < section->Count(); ++i)
        read.pictures.push_back(QByteArray::fromHex(section->Items(i)->GetProp(u"stream").toLatin1()));
}

// The macros are kept as values; the section goes and is written again at the next save.
void TfrxPreparedFile::ReadPostProcessing(TfrxPreparedContent& read)
{
    const int index = read.document.Root().Find(kPostProcessing);
    if (index < 0)
        return;
    const std::unique_ptr<TfrxXMLItem> section = read.document.Root().TakeItem(index);
    for (int i = 0; i < section->Count(); ++i) {
        const TfrxXMLItem& item = *section->Items(i);
        TfrxPostProcessingMacro macro{item.Name(), {}};
        for (int j = 0; j < item.Count(); ++j)
            macro.values << item.Items(j)->GetProp(u"cnt");
        read.macros.push_back(std::move(macro));
    }
}

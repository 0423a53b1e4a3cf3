// The sections a saved prepared report carries besides its pages.
#include "preview_pages.h"

#include "value_text.h"
#include "xml_escape.h"
#include "xml_serializer.h"

#include "report/report.h"
#include "report/report_classes.h"
#include "report/report_page.h"

namespace {

// Exactly these four attributes, in this order: readers take them as they stand.
QString ReportAttributes(const TfrxReport& report)
{
    return QStringLiteral("DotMatrixReport=\"%1\" PreviewOptions.OutlineVisible=\"%2\" "
                          "PreviewOptions.OutlineWidth=\"%3\" ReportOptions.Name=\"%4\"")
        .arg(XMLFlag(report.DotMatrixReport()), XMLFlag(report.PreviewOptions()->OutlineVisible()),
             QString::number(report.PreviewOptions()->OutlineWidth()),
             EscapeXMLValue(report.ReportOptions()->Name()));
}

}  // namespace

void TfrxPreviewPages::WriteFileSections()
{
    if (report_) {
        TfrxXMLItem& section = Section(QStringLiteral("report"));
        section.Clear();
        section.Add(report_->ClassName())->SetText(ReportAttributes(*report_));
    }

    // Each copy is written as its own root, so references out of the page are written with the
    // name of the form that owns their target.
    TfrxXMLItem& sourcePages = Section(QStringLiteral("sourcepages"));
    sourcePages.Clear();
    for (const auto& copy : sourcePages_) {
        TfrxXMLSerializer serializer;
        serializer.WriteRootComponent(*copy, true, sourcePages.Add(copy->ClassName()));
    }

    // The value is read by position, so the attribute must stand alone.
    TfrxXMLItem& dictionary = Section(QStringLiteral("dictionary"));
    dictionary.Clear();
    for (const QString& alias : dictionary_.Aliases())
        dictionary.Add(alias)->SetText(QStringLiteral("name=\"%1\"").arg(EscapeXMLValue(dictionary_.GetSourceName(alias))));

    Section(QStringLiteral("picturecache"));
    Section(QStringLiteral("postprocessing"));
}

void TfrxPreviewPages::ReadFileSections()
{
    ForgetPages();
    ReadSourcePages();
    ReadDictionary();
}

void TfrxPreviewPages::ReadSourcePages()
{
    const TfrxXMLItem* section = FindSection(QStringLiteral("sourcepages"));
    for (int i = 0; section && i < section->Count(); ++i) {
        TfrxXMLItem& item = *section->Items(i);
        const QMetaObject* meta = FindReportClass(item.Name());
        auto* page = meta ? qobject_cast<TfrxReportPage*>(CreateReportObject(*meta, nullptr)) : nullptr;
        // A copy of an unknown kind keeps its place, so later copies keep their indices.
        if (!page)
            page = new TfrxReportPage();
        sourcePages_.emplace_back(page);
        if (meta)
            TfrxXMLSerializer().ReadRootComponent(*page, &item);
    }
}

// Each entry is `name="Page<index>.<object name>"`, read by position.
void TfrxPreviewPages::ReadDictionary()
{
    const TfrxXMLItem* section = FindSection(QStringLiteral("dictionary"));
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

#pragma once

#include "diary_fixture.h"

#include "report/document/preview_pages.h"

#include "report/expressions/engine_values.h"
#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/report_component.h"
#include "report/model/report_page.h"
#include "report/model/user_dataset.h"
#include "report/views/custom_memo_view.h"

#include <QBuffer>
#include <QStringList>
#include <functional>
#include <vector>

// The diary printed by hand through the store's operations, the way the building engine calls
// them: entries are fed through the data source and every band's objects get their data before
// the band is recorded.
struct DiaryEntry {
    QString heading;
    QString text;
};

class PreparedDiary : public TfrxEngineValues {
public:
    // Two lines of entry text leave the master band this high once stretched.
    static constexpr double kEntryBandHeight = 79.37013;
    static constexpr double kHeaderHeight = 22.67718;
    static constexpr double kFooterTop = 1024.25263;

    explicit PreparedDiary(std::vector<DiaryEntry> entries) : entries_(std::move(entries)), pages(fixture.diary.report)
    {
        TfrxUserDataSet& dataSet = *fixture.diary.dataSet;
        dataSet.OnGetValue = [this](const QString& field, QVariant& value) {
            const DiaryEntry& entry = entries_.at(size_t(fixture.diary.dataSet->RecNo()));
            value = field == QLatin1String("Data1") ? entry.heading : entry.text;
        };
        fixture.diary.report->SetEngineValues(this);
    }
    ~PreparedDiary() override { fixture.diary.report->SetEngineValues(nullptr); }

    TfrxReportPage& Page() const { return fixture.Object<TfrxReportPage>("Page1"); }
    TfrxBand& Band(const char* name) const { return fixture.Object<TfrxBand>(name); }

    void Start()
    {
        pages.Initialize();
        pages.AddSourcePage(Page());
        pages.BeginPass();
        fixture.diary.dataSet->First();
    }

    // A new page with its header.
    void NewPage()
    {
        pages.AddPage(Page());
        Output(Band("PageHeader1"), 0);
        curY_ = kHeaderHeight;
    }

    // The next entry below the last.
    void OutputEntry()
    {
        auto& entryText = fixture.Object<TfrxCustomMemoView>("frxUserDataSet1Data2");
        // The text takes the height of its lines, as stretching gives it.
        Output(Band("MasterData1"), curY_, kEntryBandHeight, [&] { entryText.SetHeight(entryText.CalcHeight()); });
        curY_ += kEntryBandHeight;
        fixture.diary.dataSet->Next();
    }

    void EndPage() { Output(Band("PageFooter1"), kFooterTop); }

    void Finish() { pages.Finish(); }

    // Two pages: two entries on the first, one on the second.
    void PrintTwoPages()
    {
        Start();
        NewPage();
        OutputEntry();
        OutputEntry();
        EndPage();
        NewPage();
        OutputEntry();
        EndPage();
        Finish();
    }

    // What the engine tells expressions.
    TDateTime StartDate() const override { return IdleEngineValues().StartDate(); }
    TDateTime StartTime() const override { return IdleEngineValues().StartTime(); }
    int LogicalPageNo() const override { return pages.GetLogicalPageNo(); }
    int PhysicalPageNo() const override { return pages.CurPage() + 1; }
    int LogicalTotalPages() const override { return 0; }
    int TotalPages() const override { return 0; }
    int CurLine() const override { return 0; }
    int CurLineThrough() const override { return 0; }

private:
    // The band at `top` with its objects' data, recorded, then back to its designed state.
    void Output(TfrxBand& band, double top, double height = 0, const std::function<void()>& stretch = {})
    {
        std::vector<TfrxReportComponent*> objects{&band};
        for (TfrxComponent* object : band.AllObjects())
            if (auto* component = qobject_cast<TfrxReportComponent*>(object))
                objects.push_back(component);
        for (TfrxReportComponent* object : objects)
            object->BeforePrint();
        for (TfrxReportComponent* object : objects)
            object->GetData();
        if (stretch)
            stretch();
        band.SetTop(top);
        if (height > 0)
            band.SetHeight(height);
        pages.AddObject(band);
        for (TfrxReportComponent* object : objects)
            object->AfterPrint();
    }

    DiaryFixture fixture;
    std::vector<DiaryEntry> entries_;
    double curY_ = 0;

public:
    TfrxPreviewPages pages;
};

inline std::vector<DiaryEntry> ThreeEntries()
{
    return {
        {QStringLiteral("2021/06/01 (Tue)"), QStringLiteral("Rain all day.\r\nRead a book.")},
        {QStringLiteral("2021/06/02 (Wed)"), QStringLiteral("Walked \"far\" & back.")},
        {QStringLiteral("2021/06/03 (Thu)"), QStringLiteral("Letters <to> friends.")},
    };
}

// The names of an element's children, in order.
inline QStringList ChildNames(const TfrxXMLItem& item)
{
    QStringList names;
    for (int i = 0; i < item.Count(); ++i)
        names << item.Items(i)->Name();
    return names;
}

// What a page holds, object by object: class, name, place and text.
inline QStringList Describe(const TfrxReportPage& page)
{
    QStringList lines;
    for (const TfrxComponent* object : page.AllObjects()) {
        const auto* memo = qobject_cast<const TfrxCustomMemoView*>(object);
        lines << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(object->ClassName(), object->Name(), QString::number(object->AbsTop(), 'f', 5),
                          QString::number(object->Height(), 'f', 5), memo ? memo->Text() : QString());
    }
    return lines;
}

// Prepared report files written to and read from memory.
inline QByteArray SavePages(TfrxPreviewPages& pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    pages.SaveToStream(buffer);
    return buffer.data();
}

inline void LoadPages(TfrxPreviewPages& pages, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    pages.LoadFromStream(buffer);
}

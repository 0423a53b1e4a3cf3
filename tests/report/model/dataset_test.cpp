#include "report/base/report_errors.h"
#include "report/expressions/variant.h"
#include "report/model/data_band.h"
#include "report/model/data_page.h"
#include "report/model/global_dataset_list.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/model/user_dataset.h"
#include "report/views/memo_view.h"

#include "../qt_print.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The rows a data band would show: First, then rows until Eof, at most `limit` of them.
QList<int> WalkRows(TfrxDataSet& dataSet, int limit = 100)
{
    QList<int> rows;
    dataSet.First();
    while (!dataSet.Eof() && rows.size() < limit) {
        rows.append(dataSet.RecNo());
        dataSet.Next();
    }
    return rows;
}

TEST(DataSet, CountedRangeStopsAtTheLastRowWithoutMovingPastIt)
{
    TfrxUserDataSet dataSet;
    int firsts = 0, nexts = 0;
    dataSet.OnFirst = [&](TfrxDataSet*) { ++firsts; };
    dataSet.OnNext = [&](TfrxDataSet*) { ++nexts; };
    dataSet.SetRangeEnd(reCount);
    dataSet.SetRangeEndCount(3);

    dataSet.First();
    EXPECT_EQ(dataSet.RecNo(), 0);
    EXPECT_EQ(firsts, 1);
    for (int expected : {1, 2}) {
        dataSet.Next();
        EXPECT_EQ(dataSet.RecNo(), expected);
        EXPECT_FALSE(dataSet.Eof());
    }
    dataSet.Next();
    EXPECT_EQ(dataSet.RecNo(), 2);
    EXPECT_TRUE(dataSet.Eof());
    EXPECT_EQ(nexts, 2);
    EXPECT_EQ(dataSet.RecordCount(), 3);
}

TEST(DataSet, RowsShownForEachEndRule)
{
    struct Case {
        const char* name;
        TfrxRangeEnd rangeEnd;
        int count;
        bool endAfterTwoRows;  // an OnCheckEOF handler ends the rows
        QList<int> rows;
    };
    const Case cases[] = {
        {"three counted rows", reCount, 3, false, {0, 1, 2}},
        {"no counted rows", reCount, 0, false, {}},
        {"last row told by the handler", reLast, 0, true, {0, 1}},
        {"current row told by the handler", reCurrent, 5, true, {0, 1}},
        {"handler ends counted rows early", reCount, 3, true, {0, 1}},
        {"no end without a handler", reLast, 3, false, QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrxUserDataSet dataSet;
        int firsts = 0;
        dataSet.OnFirst = [&](TfrxDataSet*) { ++firsts; };
        dataSet.SetRangeEnd(c.rangeEnd);
        dataSet.SetRangeEndCount(c.count);
        if (c.endAfterTwoRows)
            dataSet.OnCheckEOF = [](TfrxDataSet* sender, bool& eof) { eof = eof || sender->RecNo() >= 2; };
        EXPECT_EQ(WalkRows(dataSet, 10), c.rows);
        EXPECT_EQ(firsts, 1);
    }
}

TEST(DataSet, PriorStepsBackAndRecordCountNeedsACountedRangeFromTheFirstRow)
{
    TfrxUserDataSet dataSet;
    int priors = 0;
    dataSet.OnPrior = [&](TfrxDataSet*) { ++priors; };
    dataSet.First();
    dataSet.Next();
    dataSet.Prior();
    EXPECT_EQ(dataSet.RecNo(), 0);
    EXPECT_EQ(priors, 1);

    dataSet.SetRangeEndCount(4);
    EXPECT_EQ(dataSet.RecordCount(), 0);  // reLast
    dataSet.SetRangeEnd(reCount);
    EXPECT_EQ(dataSet.RecordCount(), 4);
    dataSet.SetRangeBegin(rbCurrent);
    EXPECT_EQ(dataSet.RecordCount(), 0);
}

TEST(DataSet, ValuesComeFromBothHandlersInTurn)
{
    TfrxUserDataSet dataSet;
    EXPECT_TRUE(VarIsNull(dataSet.GetValue("Data1")));
    EXPECT_EQ(dataSet.GetDisplayText("Data1"), "");

    QStringList asked;
    dataSet.OnGetValue = [&](const QString& name, QVariant& value) {
        asked << name;
        if (name == "Data1")
            value = QStringLiteral("06.30.2021");
        if (name == "Count")
            value = 7;
    };
    EXPECT_EQ(dataSet.GetValue("Data1"), QVariant("06.30.2021"));
    EXPECT_EQ(dataSet.GetDisplayText("Count"), "7");
    EXPECT_TRUE(VarIsNull(dataSet.GetValue("Data2")));  // left Null
    EXPECT_EQ(dataSet.GetDisplayText("Data2"), "");
    EXPECT_EQ(asked, (QStringList{"Data1", "Count", "Data2", "Data2"}));

    // The second handler sees what the first left for the value, but starts from Null for the text.
    QList<QVariant> seen;
    dataSet.OnNewGetValue = [&](TfrxDataSet* sender, const QString&, QVariant& value) {
        EXPECT_EQ(sender, &dataSet);
        seen << value;
        value = VarIsNull(value) ? QVariant("fresh") : QVariant(value.toString() + "!");
    };
    EXPECT_EQ(dataSet.GetValue("Data1"), QVariant("06.30.2021!"));
    EXPECT_EQ(dataSet.GetDisplayText("Data1"), "fresh");
    EXPECT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0], QVariant("06.30.2021"));
    EXPECT_TRUE(VarIsNull(seen[1]));
}

TEST(DataSet, DisplayTextsConvertValuesTheGeneralWay)
{
    struct Case {
        QVariant value;
        const char* text;
    };
    const Case cases[] = {
        {QVariant(), ""},
        {NullVariant(), ""},
        {QStringLiteral("line 1\r\nline 2"), "line 1\r\nline 2"},
        {42, "42"},
        {-1.5, "-1.5"},
        {0.1 + 0.2, "0.3"},  // 15 significant digits
        {1e20, "1E20"},
        {1.5e-7, "1.5E-7"},
        {true, "True"},
        {DateVariant(EncodeDate(2021, 6, 30)), "6/30/2021"},
        {DateVariant(EncodeDate(2021, 6, 30) + EncodeTime(9, 5, 7, 0)), "6/30/2021 9:05:07"},
    };
    for (const Case& c : cases) {
        TfrxUserDataSet dataSet;
        dataSet.OnGetValue = [&](const QString&, QVariant& value) { value = c.value; };
        EXPECT_EQ(dataSet.GetDisplayText("Data1"), c.text);
    }
}

TEST(DataSet, FieldListBlobsAndTheBaseAnswers)
{
    TfrxUserDataSet dataSet;
    dataSet.SetFields({"Data1", "Data2"});
    QStringList fields{"stale"};
    dataSet.GetFieldList(fields);
    EXPECT_EQ(fields, (QStringList{"Data1", "Data2"}));
    EXPECT_EQ(dataSet.FieldsCount(), 2);
    EXPECT_TRUE(dataSet.HasField("data2"));
    EXPECT_FALSE(dataSet.HasField("Data3"));
    EXPECT_EQ(dataSet.DisplayWidth("Data1"), 10);
    EXPECT_EQ(dataSet.FieldType("Data1"), fftNumeric);

    EXPECT_FALSE(dataSet.IsBlobField("Data2"));
    QObject target;
    QObject* assigned = nullptr;
    dataSet.OnIsBlobField = [](TfrxDataSet*, const QString& name) { return name == "Data2"; };
    dataSet.OnGetBlobValue = [&](TfrxDataSet*, const QString&, QObject* to) { assigned = to; };
    EXPECT_TRUE(dataSet.IsBlobField("Data2"));
    dataSet.AssignBlobTo("Data2", &target);
    EXPECT_EQ(assigned, &target);
}

TEST(DataSet, UserNameFollowsTheFirstNameAndRefusesBlanks)
{
    TfrxUserDataSet dataSet;
    dataSet.SetName("frxUserDataSet1");
    EXPECT_EQ(dataSet.UserName(), "frxUserDataSet1");
    dataSet.SetName("Renamed");
    EXPECT_EQ(dataSet.UserName(), "frxUserDataSet1");
    EXPECT_THROW(dataSet.SetUserName("   "), EPropertyError);
    EXPECT_THROW(dataSet.SetUserName(""), EPropertyError);
    EXPECT_EQ(dataSet.UserName(), "frxUserDataSet1");
}

TEST(DataSet, EveryDataSourceIsInTheProcessWideListWhileItLives)
{
    auto dataSet = std::make_unique<TfrxUserDataSet>();
    TfrxDataSet* raw = dataSet.get();
    EXPECT_TRUE(GlobalDataSetList().Snapshot().contains(raw));
    dataSet.reset();
    EXPECT_FALSE(GlobalDataSetList().Snapshot().contains(raw));
}

// A report listing one user data source, as the diary's does.
struct ReportWithSource {
    TfrxReport report;
    TfrxUserDataSet dataSet;
    ReportWithSource()
    {
        dataSet.SetName("frxUserDataSet1");
        report.Datasets().Add(&dataSet);
    }
};

TEST(DataSetLookup, AliasesAreFoundWithoutRegardToCase)
{
    ReportWithSource r;
    EXPECT_EQ(r.report.GetDataset("FRXUSERDATASET1"), &r.dataSet);
    EXPECT_EQ(r.report.GetDataset("frxUserDataSet2"), nullptr);
    EXPECT_EQ(r.report.Datasets().Items(0).DataSetName(), "frxUserDataSet1");

    TfrxUserDataSet unlisted;
    unlisted.SetName("Other");
    EXPECT_EQ(r.report.GetAlias(&r.dataSet), "frxUserDataSet1");
    EXPECT_EQ(r.report.GetAlias(&unlisted), "(dataset is not included in Report.DataSets)");
    EXPECT_EQ(r.report.GetAlias(nullptr), "");
}

TEST(DataSetLookup, FieldReferencesSplitAtTheFirstQuotedField)
{
    ReportWithSource r;
    struct Case {
        const char* name;
        bool found;
        const char* field;
    };
    const Case cases[] = {
        {"frxUserDataSet1.\"Data1\"", true, "Data1"},
        {"FRXUSERDATASET1.\"Data2\"", true, "Data2"},
        {"Data1", false, ""},
        {"frxUserDataSet1.Data1", false, ""},
        {"Unknown.\"Data1\"", false, "Data1"},
        {"frxUserDataSet1.\"", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrxDataSet* dataSet = &r.dataSet;
        QString field = "stale";
        r.report.GetDatasetAndField(c.name, dataSet, field);
        EXPECT_EQ(dataSet, c.found ? &r.dataSet : nullptr);
        EXPECT_EQ(field, c.field);
    }
}

TEST(DataSetLookup, ANullFieldValueBecomesTheTypesEmptyValueWhileConvertNullsIsOn)
{
    ReportWithSource r;
    r.dataSet.OnGetValue = [](const QString& name, QVariant& value) {
        if (name == "Data2")
            value = QStringLiteral("text");
    };
    QVariant value;
    ASSERT_TRUE(r.report.GetFieldReferenceValue("frxUserDataSet1.\"Data1\"", value));
    EXPECT_EQ(value, QVariant(0));  // user data sources call every field numeric
    EXPECT_EQ(r.dataSet.GetDisplayText("Data1"), "");
    ASSERT_TRUE(r.report.GetFieldReferenceValue("frxUserDataSet1.\"Data2\"", value));
    EXPECT_EQ(value, QVariant("text"));

    r.report.EngineOptions()->SetConvertNulls(false);
    ASSERT_TRUE(r.report.GetFieldReferenceValue("frxUserDataSet1.\"Data1\"", value));
    EXPECT_TRUE(VarIsNull(value));
    EXPECT_FALSE(r.report.GetFieldReferenceValue("Data1", value));
    EXPECT_FALSE(r.report.GetFieldReferenceValue("Nothing.\"Data1\"", value));
}

TEST(DataSetLookup, NamesResolveThroughTheProcessWideListOrTheReportsOwnList)
{
    ReportWithSource r;
    auto* page = new TfrxReportPage(&r.report);
    auto* band = new TfrxMasterData(page);
    auto* memo = new TfrxMemoView(band);

    memo->SetDataSetName("FRXUSERDATASET1");
    EXPECT_EQ(memo->DataSet(), &r.dataSet);
    EXPECT_EQ(memo->DataSetName(), "frxUserDataSet1");  // the source's own name from now on
    memo->SetDataSetName("nothing");                    // no match keeps the reference
    EXPECT_EQ(memo->DataSet(), &r.dataSet);

    // A source on another report's data page is skipped.
    TfrxReport other;
    auto* foreign = new TfrxUserDataSet(new TfrxDataPage(&other));
    foreign->SetName("Shared");
    band->SetDataSetName("Shared");
    EXPECT_EQ(band->DataSet(), nullptr);
    EXPECT_EQ(band->DataSetName(), "Shared");

    // Without the process-wide list only the report's Datasets count.
    TfrxUserDataSet unlisted;
    unlisted.SetName("Unlisted");
    r.report.EngineOptions()->SetUseGlobalDataSetList(false);
    page->SetDataSetName("unlisted");
    EXPECT_EQ(page->DataSet(), nullptr);
    page->SetDataSetName("frxuserdataset1");
    EXPECT_EQ(page->DataSet(), &r.dataSet);

    // A reference follows its source's user name, and is dropped when the source goes.
    r.dataSet.SetUserName("Renamed");
    EXPECT_EQ(page->DataSetName(), "Renamed");
    auto gone = std::make_unique<TfrxUserDataSet>();
    gone->SetName("Gone");
    memo->SetDataSet(gone.get());
    gone.reset();
    EXPECT_EQ(memo->DataSet(), nullptr);
}

class LoggingDataSet : public TfrxUserDataSet {
public:
    QStringList* log;
    explicit LoggingDataSet(QStringList* log) : log(log) {}
    void Initialize() override { *log << "init " + (AttachedReport() ? AttachedReport()->Name() : "none"); }
    void Finalize() override { *log << "final"; }
};

TEST(DataSetLookup, BuildingInitialisesAndFinalisesEveryListedSource)
{
    QStringList log;
    TfrxReport report;
    report.SetName("frxReport1");
    LoggingDataSet first(&log), second(&log);
    report.Datasets().Add(&first);
    report.Datasets().Add(&second);
    report.Datasets().Add();  // an item without a source is passed over

    report.Datasets().Initialize(&report);
    report.Datasets().Finalize();
    EXPECT_EQ(log, (QStringList{"init frxReport1", "init frxReport1", "final", "final"}));
}

}  // namespace

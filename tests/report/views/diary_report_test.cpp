#include "report/base/property_reflection.h"
#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/data_page.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/model/user_dataset.h"
#include "report/views/diary_report.h"
#include "report/views/line_view.h"
#include "report/views/memo_view.h"

#include "platform/canvas.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include "../qt_print.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Diary {
    std::unique_ptr<QObject> form = std::make_unique<QObject>();
    DiaryReport diary = CreateDiaryReport(form.get());
    TfrxReport& report = *diary.report;

    TfrxComponent* Object(const char* name) const
    {
        return name == QLatin1String("frxReport1") ? diary.report : diary.report->FindObject(name);
    }
};

TEST(DiaryReport, TheReportAndItsDataSource)
{
    Diary d;
    EXPECT_EQ(d.report.Name(), "frxReport1");
    EXPECT_EQ(d.report.parent(), d.form.get());
    EXPECT_EQ(d.report.Version(), "6.2.1");
    EXPECT_FALSE(d.report.DotMatrixReport());
    EXPECT_EQ(d.report.IniFile(), "\\Software\\Velmora");
    EXPECT_EQ(d.report.PreviewOptions()->Buttons(),
              pbPrint | pbLoad | pbSave | pbExport | pbZoom | pbFind | pbOutline | pbPageSetup | pbTools | pbEdit |
                  pbNavigator | pbExportQuick | pbCopy | pbSelection);
    EXPECT_EQ(d.report.PreviewOptions()->Zoom(), 1.0);
    EXPECT_EQ(d.report.PrintOptions()->Printer(), "Default");
    EXPECT_EQ(d.report.PrintOptions()->PrintOnSheet(), 0);
    EXPECT_EQ(d.report.ReportOptions()->CreateDate(), 44368.83079887732);
    EXPECT_EQ(d.report.ReportOptions()->LastChange(), 44369.76475121528);
    EXPECT_EQ(d.report.ScriptText(), (QStringList{"begin", "", "end."}));
    ASSERT_EQ(d.report.Datasets().Count(), 1);
    EXPECT_EQ(d.report.Datasets().Items(0).DataSet(), d.diary.dataSet);
    EXPECT_EQ(d.report.Datasets().Items(0).DataSetName(), "frxUserDataSet1");

    TfrxUserDataSet& dataSet = *d.diary.dataSet;
    EXPECT_EQ(dataSet.Name(), "frxUserDataSet1");
    EXPECT_EQ(dataSet.UserName(), "frxUserDataSet1");
    EXPECT_EQ(dataSet.Fields(), (QStringList{"Data1", "Data2"}));
    EXPECT_EQ(dataSet.parent(), d.form.get());
    EXPECT_EQ(dataSet.RangeEnd(), reLast);  // the application sets the range before each showing

    // The owner frees both.
    QPointer<TfrxReport> report = d.diary.report;
    QPointer<TfrxUserDataSet> source = d.diary.dataSet;
    d.form.reset();
    EXPECT_TRUE(report.isNull());
    EXPECT_TRUE(source.isNull());
}

TEST(DiaryReport, PagesBandsAndViewsInTheirStoredOrder)
{
    Diary d;
    QStringList names;
    for (const TfrxComponent* object : d.report.AllObjects())
        names << object->ClassName() + " " + object->Name() + " in " + object->Parent()->Name();
    EXPECT_EQ(names, (QStringList{
                         "TfrxDataPage Data in frxReport1",
                         "TfrxReportPage Page1 in frxReport1",
                         "TfrxMasterData MasterData1 in Page1",
                         "TfrxMemoView frxUserDataSet1Data1 in MasterData1",
                         "TfrxMemoView frxUserDataSet1Data2 in MasterData1",
                         "TfrxLineView Line1 in MasterData1",
                         "TfrxPageHeader PageHeader1 in Page1",
                         "TfrxMemoView Memo1 in PageHeader1",
                         "TfrxPageFooter PageFooter1 in Page1",
                         "TfrxMemoView Memo2 in PageFooter1",
                     }));
}

TEST(DiaryReport, EveryObjectHoldsItsTemplateValues)
{
    Diary d;
    struct Value {
        const char* object;
        const char* path;
        QVariant expected;
    };
    const QVariant dataSetName("frxUserDataSet1");
    const Value values[] = {
        {"Data", "Width", 1000.0},
        {"Data", "Height", 1000.0},
        {"Page1", "PaperWidth", 210.0},
        {"Page1", "PaperHeight", 297.0},
        {"Page1", "PaperSize", 9},
        {"Page1", "LeftMargin", 10.0},
        {"Page1", "RightMargin", 10.0},
        {"Page1", "TopMargin", 10.0},
        {"Page1", "BottomMargin", 10.0},
        {"Page1", "Frame.Typ", 0},
        {"MasterData1", "Left", 0.0},
        {"MasterData1", "Top", 102.04731},
        {"MasterData1", "Width", 718.1107},
        {"MasterData1", "Height", 86.92919},
        {"MasterData1", "FillType", int(ftBrush)},
        {"MasterData1", "DataSetName", dataSetName},
        {"MasterData1", "RowCount", 0},
        {"MasterData1", "Stretched", true},
        {"frxUserDataSet1Data1", "Left", 26.45671},
        {"frxUserDataSet1Data1", "Top", 3.77953},
        {"frxUserDataSet1Data1", "Width", 207.87415},
        {"frxUserDataSet1Data1", "Height", 18.89765},
        {"frxUserDataSet1Data1", "DataSetName", dataSetName},
        {"frxUserDataSet1Data1", "DataField", "Data1"},
        {"frxUserDataSet1Data1", "Font.Name", "Arial"},
        {"frxUserDataSet1Data1", "Font.Height", -13},
        {"frxUserDataSet1Data1", "Font.Size", 10},
        {"frxUserDataSet1Data1", "Font.Color", uint(clBlack)},
        {"frxUserDataSet1Data1", "Font.Style", int(frx::fsBold)},
        {"frxUserDataSet1Data1", "Font.Charset", 1},
        {"frxUserDataSet1Data1", "ParentFont", false},
        {"frxUserDataSet1Data1", "IndexTag", 1},
        {"frxUserDataSet1Data1", "AllowVectorExport", true},
        {"frxUserDataSet1Data2", "Left", 45.35436},
        {"frxUserDataSet1Data2", "Top", 30.23624},
        {"frxUserDataSet1Data2", "Width", 619.84292},
        {"frxUserDataSet1Data2", "Height", 37.7953},
        {"frxUserDataSet1Data2", "DataField", "Data2"},
        {"frxUserDataSet1Data2", "StretchMode", int(smActualHeight)},
        {"frxUserDataSet1Data2", "ShiftMode", int(smDontShift)},
        {"frxUserDataSet1Data2", "AutoWidth", true},
        {"frxUserDataSet1Data2", "IndexTag", 1},
        {"frxUserDataSet1Data2", "ParentFont", true},  // the template's default text font
        {"frxUserDataSet1Data2", "Font.Name", "Arial"},
        {"frxUserDataSet1Data2", "Font.Height", -13},
        {"frxUserDataSet1Data2", "Font.Style", 0},
        {"Line1", "Left", 7.55906},
        {"Line1", "Top", 79.37013},
        {"Line1", "Width", 718.1107},
        {"Line1", "Height", 0.0},
        {"Line1", "Color", uint(clBlack)},
        {"Line1", "Frame.Style", int(fsDot)},
        {"Line1", "Frame.Typ", int(ftTop)},
        {"Line1", "Frame.Width", 1.0},
        {"Line1", "ShiftMode", int(smAlways)},
        {"PageHeader1", "Top", 18.89765},
        {"PageHeader1", "Width", 718.1107},
        {"PageHeader1", "Height", 22.67718},
        {"Memo1", "Left", 600.94527},
        {"Memo1", "Top", 0.0},
        {"Memo1", "Width", 113.3859},
        {"Memo1", "Height", 18.89765},
        {"PageFooter1", "Top", 249.44898},
        {"PageFooter1", "Width", 718.1107},
        {"PageFooter1", "Height", 22.67718},
        {"Memo2", "Left", 646.29963},
        {"Memo2", "Width", 68.03154},
        {"Memo2", "Height", 18.89765},
    };
    for (const Value& v : values) {
        SCOPED_TRACE(std::string(v.object) + "." + v.path);
        const TfrxComponent* object = d.Object(v.object);
        ASSERT_TRUE(object);
        EXPECT_EQ(ReadPublished(*object, QString::fromLatin1(v.path)), v.expected);
    }

    const auto lines = [&](const char* name) { return qobject_cast<TfrxMemoView*>(d.Object(name))->Memo().Lines(); };
    EXPECT_EQ(lines("frxUserDataSet1Data1"), QStringList{"[frxUserDataSet1.\"Data1\"]"});
    EXPECT_EQ(lines("frxUserDataSet1Data2"), QStringList{"[frxUserDataSet1.\"Data2\"]"});
    EXPECT_EQ(lines("Memo1"), QStringList{"[Date]"});
    EXPECT_EQ(lines("Memo2"), QStringList{"[Page#]"});
    for (const char* bound : {"MasterData1", "frxUserDataSet1Data1", "frxUserDataSet1Data2"})
        EXPECT_EQ(ReadPublished(*d.Object(bound), u"DataSet").value<QObject*>(), d.diary.dataSet) << bound;
}

// What the object text would hold without a template to compare with: floats and string lists
// always, texts and references when set, ordinals when they differ from their declared default,
// each only when stored.
QStringList WrittenProperties(const QObject& object)
{
    QStringList written;
    for (const PublishedLeaf& leaf : PublishedLeaves(object)) {
        if (!IsLeafStored(leaf))
            continue;
        const QVariant value = ReadValue(*leaf.holder, leaf.property);
        bool write = false;
        switch (KindOf(leaf.property)) {
        case PropertyKind::Float:
        case PropertyKind::StringList:
        case PropertyKind::Variant: write = true; break;
        case PropertyKind::String: write = !value.toString().isEmpty(); break;
        case PropertyKind::Reference: write = value.value<QObject*>() != nullptr; break;
        case PropertyKind::WideStrings: write = false; break;
        default: write = !HoldsDeclaredDefault(*leaf.holder, leaf.property); break;
        }
        if (write)
            written << leaf.path;
    }
    written.sort();
    return written;
}

TEST(DiaryReport, DeclaredDefaultsAndStoredTestsLeaveExactlyTheTemplatesStoredProperties)
{
    Diary d;
    const QStringList memo{"Name", "Left", "Top", "Width", "Height", "Frame.Typ", "AllowVectorExport"};
    const QStringList band{"Name", "Top", "Width", "Height", "FillType", "Frame.Typ"};
    const QStringList bound{"DataSet", "DataSetName", "DataField", "IndexTag"};
    const std::pair<const char*, QStringList> cases[] = {
        {"frxReport1",
         {"Name", "Version", "DotMatrixReport", "IniFile", "PreviewOptions.Buttons", "PreviewOptions.Zoom",
          "PrintOptions.Printer", "PrintOptions.PrintOnSheet", "ReportOptions.CreateDate", "ReportOptions.LastChange",
          "ScriptLanguage", "ScriptText"}},
        {"Data", {"Name", "Width", "Height"}},
        {"Page1",
         {"Name", "PaperWidth", "PaperHeight", "PaperSize", "LeftMargin", "RightMargin", "TopMargin", "BottomMargin",
          "Frame.Typ"}},
        {"MasterData1", band + QStringList{"DataSet", "DataSetName", "RowCount", "Stretched"}},
        {"frxUserDataSet1Data1",
         memo + bound +
             QStringList{"Font.Name", "Font.Height", "Font.Color", "Font.Style", "Font.Charset", "ParentFont"}},
        {"frxUserDataSet1Data2", memo + bound + QStringList{"StretchMode", "ShiftMode", "AutoWidth"}},
        {"Line1", {"Name", "Left", "Top", "Width", "Color", "Frame.Style", "Frame.Typ", "AllowVectorExport"}},
        {"PageHeader1", band},
        {"Memo1", memo},
        {"PageFooter1", band},
        {"Memo2", memo},
    };
    for (const auto& [name, expected] : cases) {
        SCOPED_TRACE(name);
        QStringList sorted = expected;
        sorted.sort();
        EXPECT_EQ(WrittenProperties(*d.Object(name)).join(", ").toStdString(), sorted.join(", ").toStdString());
    }
}

TEST(DiaryReport, TheRuleIsOneDottedPixelLineAcrossTheBandAtScaleOne)
{
    Diary d;
    QImage image(800, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TCanvas canvas(painter);
        qobject_cast<TfrxView*>(d.Object("Line1"))->Draw(canvas, 1, 1, 0, 0);
    }
    // Band top 102.04731 + line top 79.37013 = 181.41744; from x 8 (7.55906) to 726 (725.66976).
    std::string row, expected;
    for (int x = 0; x < 800; ++x) {
        row += image.pixel(x, 181) == qRgb(0, 0, 0) ? '#' : '.';
        expected += x >= 8 && x < 726 && (x - 8) % 6 < 3 ? '#' : '.';
    }
    EXPECT_EQ(row, expected);
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_EQ(painted, int(std::count(row.begin(), row.end(), '#')));
}

}  // namespace

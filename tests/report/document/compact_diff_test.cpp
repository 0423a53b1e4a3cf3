#include "diary_fixture.h"

#include "report/document/compact_diff.h"
#include "report/document/component_streaming.h"
#include "report/document/xml_serializer.h"

#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/views/line_view.h"
#include "report/views/memo_view.h"

#include "../qt_print.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A printed object: a copy of its template object, as the building engine makes one.
template <typename T>
std::unique_ptr<T> PrintedFrom(const T& templ)
{
    auto printed = std::make_unique<T>();
    Assign(*printed, templ);
    return printed;
}

// The printed object rebuilt the way prepared pages do it: the template's class and full form,
// then the difference.
std::unique_ptr<TfrxComponent> Rebuilt(const TfrxComponent& templ, const QString& diff)
{
    TfrxXMLSerializer serializer;
    return std::unique_ptr<TfrxComponent>(
        serializer.ReadComponentStr(nullptr, serializer.WriteComponentStr(templ) + u' ' + diff, true));
}

TEST(CompactDiff, APlacedBandCarriesItsTopAlways)
{
    DiaryFixture fixture;
    const auto& templ = fixture.Object<TfrxMasterData>("MasterData1");
    auto printed = PrintedFrom(templ);
    EXPECT_EQ(Diff(*printed, templ), " t=\"102.04731\"");

    printed->SetTop(41.57483);
    printed->SetHeight(120.5);
    printed->SetVisible(false);
    const QString diff = Diff(*printed, templ);
    EXPECT_EQ(diff, " t=\"41.57483\" h=\"120.5\" Visible=\"0\"");

    const auto rebuilt = Rebuilt(templ, diff);
    EXPECT_EQ(rebuilt->Top(), 41.57483);
    EXPECT_EQ(rebuilt->Height(), 120.5);
    EXPECT_FALSE(rebuilt->Visible());
    EXPECT_EQ(rebuilt->Width(), templ.Width());
}

TEST(CompactDiff, APlacedTextObjectCarriesItsTextAsU)
{
    DiaryFixture fixture;
    const auto& templ = fixture.Object<TfrxMemoView>("frxUserDataSet1Data2");
    auto printed = PrintedFrom(templ);
    struct Case {
        QStringList lines;
        QString u;
    };
    const Case cases[] = {
        {{}, ""},
        {{"A"}, "A"},
        {{"A", "B"}, "A&#13;&#10;B"},
        {{"say \"hi\"", "", "x<y & z"}, "say &#34;hi&#34;&#13;&#10;&#13;&#10;x&#60;y &#38; z"},
    };
    for (const Case& c : cases) {
        printed->Memo().Lines() = c.lines;
        EXPECT_EQ(Diff(*printed, templ), " u=\"" + c.u + u'"');
    }

    // The entry text grows its width itself, so its width is never written.
    printed->Memo() = {QStringLiteral("First line"), QStringLiteral("Second line")};
    printed->SetWidth(500);
    printed->SetHeight(60);
    const QString diff = Diff(*printed, templ);
    EXPECT_EQ(diff, " h=\"60\" u=\"First line&#13;&#10;Second line\"");
    const auto rebuilt = Rebuilt(templ, diff);
    auto* memo = qobject_cast<TfrxMemoView*>(rebuilt.get());
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->Memo().Lines(), QStringList({"First line", "Second line"}));
    EXPECT_EQ(memo->Height(), 60);
    EXPECT_EQ(memo->StretchMode(), smActualHeight);
}

TEST(CompactDiff, TextObjectPartsFollowInTheirOrder)
{
    DiaryFixture fixture;
    const auto& templ = fixture.Object<TfrxMemoView>("frxUserDataSet1Data1");
    auto printed = PrintedFrom(templ);
    printed->SetWidth(300);
    printed->Font()->SetColor(clRed);
    printed->Font()->SetSize(12);
    printed->SetTag(7);
    printed->Frame()->SetTyp(ftBottom);
    printed->Fill()->SetBackColor(clBtnFace);
    printed->SetHAlign(haRight);
    printed->SetWordWrap(false);
    printed->SetHint(QStringLiteral("tip"));
    printed->SetLastParaBreak(true);
    printed->Memo() = {QStringLiteral("2021/06/30")};
    EXPECT_EQ(Diff(*printed, templ), " w=\"300\" Font.Size=\"12\" Font.Color=\"255\" Tag=\"7\" Frame.Typ=\"8\" "
                                     "Fill.BackColor=\"-16777201\" HAlign=\"1\" u=\"2021/06/30\" Hint=\"tip\" "
                                     "WordWrap=\"0\" LastParaBreak=\"1\"");
}

TEST(CompactDiff, APlacedLineCarriesItsComponentAndViewParts)
{
    DiaryFixture fixture;
    const auto& templ = fixture.Object<TfrxLineView>("Line1");
    auto printed = PrintedFrom(templ);
    EXPECT_EQ(Diff(*printed, templ), "");
    printed->SetTop(90);
    EXPECT_EQ(Diff(*printed, templ), " t=\"90\"");

    // A side is written where it has a colour of its own after the frame's colour changed ...
    printed->Frame()->SetColor(clRed);
    EXPECT_EQ(Diff(*printed, templ), " t=\"90\" Frame.Color=\"255\"");
    printed->Frame()->TopLine()->SetColor(clLime);
    printed->Frame()->BottomLine()->SetWidth(3);
    const QString diff = Diff(*printed, templ);
    EXPECT_EQ(diff, " t=\"90\" Frame.Color=\"255\" Frame.TopLine.Color=\"65280\" Frame.BottomLine.Width=\"3\"");
    // ... and where it differs from the template's side while the frame's did not change.
    auto sides = PrintedFrom(templ);
    sides->Frame()->LeftLine()->SetStyle(fsDouble);
    EXPECT_EQ(Diff(*sides, templ), " Frame.LeftLine.Style=\"5\"");

    const auto rebuilt = Rebuilt(templ, diff);
    auto* line = qobject_cast<TfrxLineView*>(rebuilt.get());
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Top(), 90);
    EXPECT_EQ(line->Frame()->Color(), clRed);
    EXPECT_EQ(line->Frame()->LeftLine()->Color(), clRed);
    EXPECT_EQ(line->Frame()->TopLine()->Color(), clLime);
    EXPECT_EQ(line->Frame()->BottomLine()->Width(), 3);
    EXPECT_EQ(line->Frame()->Style(), fsDot);
}

TEST(CompactDiff, BooleansAreDigitsInDifferencesAndNamesInTheFullForm)
{
    DiaryFixture fixture;
    const auto& templ = fixture.Object<TfrxMemoView>("Memo1");
    auto printed = PrintedFrom(templ);
    printed->SetVisible(false);
    printed->SetAutoWidth(true);
    const QString diff = Diff(*printed, templ);
    EXPECT_EQ(diff, " Visible=\"0\" AutoWidth=\"1\" u=\"[Date]\"");
    TfrxXMLSerializer serializer;
    const QString full = serializer.ObjToXML(*printed);
    EXPECT_TRUE(full.contains(QLatin1String(" Visible=\"False\""))) << full.toStdString();
    EXPECT_TRUE(full.contains(QLatin1String(" AutoWidth=\"True\""))) << full.toStdString();

    for (const QString& text : {diff, full}) {
        TfrxMemoView memo;
        serializer.XMLToObj(text, memo);
        EXPECT_FALSE(memo.Visible());
        EXPECT_TRUE(memo.AutoWidth());
    }
}

TEST(CompactDiff, AllDiffIsTheFullFormFollowedByTheComponentPart)
{
    DiaryFixture fixture;
    const auto& templ = fixture.Object<TfrxLineView>("Line1");
    auto printed = PrintedFrom(templ);
    printed->SetTop(90);
    EXPECT_EQ(AllDiff(*printed, &templ), "Top=\"90\"  t=\"90\"");
    EXPECT_EQ(AllDiff(*printed, nullptr), "Left=\"7.55906\" Top=\"90\" Width=\"718.1107\" AllowVectorExport=\"True\" "
                                          "Frame.Style=\"fsDot\" Frame.Typ=\"4\" Color=\"0\"");

    TfrxNullBand band;
    band.SetBounds(5, 12, 100, 20);
    EXPECT_TRUE(AllDiff(band, nullptr).endsWith(QLatin1String(" l=\"5\" t=\"12\""))) << AllDiff(band, nullptr).toStdString();
}

}  // namespace

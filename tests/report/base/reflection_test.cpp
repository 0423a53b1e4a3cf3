#include "report/base/property_reflection.h"
#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/data_page.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/model/user_dataset.h"
#include "report/views/custom_memo_view.h"
#include "report/views/line_view.h"
#include "report/views/memo_view.h"
#include "report/views/report_classes.h"

#include "platform/clock.h"

#include "../qt_print.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

QStringList Names(const QList<QMetaProperty>& properties)
{
    QStringList names;
    for (const QMetaProperty& p : properties)
        names << QString::fromLatin1(p.name());
    return names;
}

// The properties each class declares itself, in declaration order. Classes not listed declare none.
const std::map<QString, QStringList>& OwnProperties()
{
    static const std::map<QString, QStringList> table{
        {"TfrxComponent", {"Name", "Tag"}},
        {"TfrxView",
         {"Left", "Top", "Width", "Height", "Font", "ParentFont", "Visible", "Anchors", "Restrictions", "GroupIndex",
          "Align", "AllowVectorExport", "ShiftMode", "Printable", "Visibility", "Frame", "FillType", "Fill", "DataSet",
          "DataSetName", "DataField", "Hyperlink", "Hint", "ShowHint", "TagStr", "Cursor", "OnBeforePrint",
          "OnAfterPrint", "OnAfterData", "OnPreviewClick", "OnPreviewDblClick", "OnContentChanged", "OnMouseEnter",
          "OnMouseLeave", "OnMouseDown", "OnMouseMove", "OnMouseUp"}},
        {"TfrxStretcheable", {"StretchMode", "CanShrink"}},
        {"TfrxCustomMemoView",
         {"Memo", "AllowExpressions", "ExpressionDelimiters", "AutoWidth", "WordWrap", "WordBreak", "Wysiwyg",
          "Clipped", "HAlign", "VAlign", "GapX", "GapY", "LineSpacing", "ParagraphGap", "CharSpacing", "Rotation",
          "DisplayFormat", "HideZeros", "SuppressRepeated", "Duplicates", "AllowHTMLTags", "RTLReading",
          "UseDefaultCharset", "Underlines", "UnderlinesTextMode", "FirstParaBreak", "LastParaBreak", "FlowTo", "Color",
          "Style", "IndexTag"}},
        {"TfrxCustomLineView", {"Color", "Diagonal", "ArrowStart", "ArrowEnd", "ArrowSolid", "ArrowWidth", "ArrowLength"}},
        {"TfrxBand",
         {"Left", "Top", "Width", "Height", "Font", "ParentFont", "Visible", "Restrictions", "Vertical", "FillType",
          "Fill", "FillGap", "Frame", "OnBeforePrint", "OnAfterPrint", "OnAfterCalcHeight", "AllowSplit", "Child",
          "KeepChild", "OutlineText", "PrintChildIfInvisible", "StartNewPage", "Stretched", "ShiftEngine"}},
        {"TfrxPageHeader", {"PrintOnFirstPage"}},
        {"TfrxPageFooter", {"PrintOnFirstPage", "PrintOnLastPage"}},
        {"TfrxHeader", {"ReprintOnNewPage"}},
        {"TfrxGroupHeader", {"Condition", "KeepTogether", "ReprintOnNewPage", "ResetPageNumbers"}},
        {"TfrxGroupFooter", {"HideIfSingleDataRecord"}},
        {"TfrxChild", {"ToNRows", "ToNRowsMode"}},
        {"TfrxOverlay", {"PrintOnTop"}},
        {"TfrxDataBand",
         {"DataSet", "DataSetName", "RowCount", "Filter", "Columns", "ColumnWidth", "ColumnGap", "FooterAfterEach",
          "KeepFooter", "KeepHeader", "KeepTogether", "PrintIfDetailEmpty", "OnMasterDetail"}},
        {"TfrxPage", {"Font", "Visible"}},
        {"TfrxDataPage", {"Left", "Top", "Width", "Height"}},
        {"TfrxReportPage",
         {"Orientation", "PaperWidth", "PaperHeight", "PaperSize", "LeftMargin", "RightMargin", "TopMargin",
          "BottomMargin", "MirrorMargins", "Columns", "ColumnWidth", "ColumnPositions", "Bin", "BinOtherPages",
          "PageCount", "PrintIfEmpty", "TitleBeforeHeader", "ShowTitleOnPreviousPage", "PrintOnPreviousPage",
          "ResetPageNumbers", "EndlessHeight", "EndlessWidth", "LargeDesignHeight", "BackPictureVisible",
          "BackPicturePrintable", "BackPictureStretched", "Color", "Frame", "DataSet", "DataSetName", "Duplex",
          "OutlineText", "OnBeforePrint", "OnAfterPrint", "OnManualBuild"}},
        {"TfrxReport",
         {"Version", "DataSet", "DataSetName", "DotMatrixReport", "EngineOptions", "IniFile", "OldStyleProgress",
          "PreviewOptions", "PrintOptions", "ReportOptions", "ScriptLanguage", "ScriptText", "ShowProgress",
          "StoreInDFM"}},
        {"TfrxDataSet", {"Enabled", "RangeBegin", "RangeEnd", "RangeEndCount", "UserName"}},
        {"TfrxUserDataSet", {"Fields"}},
    };
    return table;
}

QStringList ExpectedOwn(const QMetaObject& meta)
{
    const auto it = OwnProperties().find(QString::fromLatin1(meta.className()));
    return it == OwnProperties().end() ? QStringList() : it->second;
}

std::unique_ptr<TfrxComponent> Create(const QMetaObject& meta)
{
    return std::unique_ptr<TfrxComponent>(CreateReportObject(meta, nullptr));
}

TEST(Reflection, EveryClassPublishesItsAncestorsPropertiesThenItsOwnInDeclarationOrder)
{
    ASSERT_GE(ReportClasses().size(), 37);
    for (const QMetaObject* meta : ReportClasses()) {
        SCOPED_TRACE(meta->className());
        QStringList expected;
        for (const QMetaObject* m = meta; m != &QObject::staticMetaObject; m = m->superClass())
            expected = ExpectedOwn(*m) + expected;
        EXPECT_EQ(Names(PublishedProperties(*meta)), expected);
    }
}

TEST(Reflection, EveryClassCanBeCreatedByNameAndItsDeclaredDefaultsAreItsConstructorValues)
{
    for (const QMetaObject* meta : ReportClasses()) {
        SCOPED_TRACE(meta->className());
        EXPECT_EQ(FindReportClass(QString::fromLatin1(meta->className())), meta);
        const auto object = Create(*meta);
        ASSERT_TRUE(object);
        EXPECT_EQ(object->metaObject(), meta);
        int declared = 0;
        for (const PublishedLeaf& leaf : PublishedLeaves(*object)) {
            SCOPED_TRACE(leaf.path.toStdString());
            if (DeclaredDefault(*leaf.holder, leaf.property)) {
                ++declared;
                EXPECT_TRUE(HoldsDeclaredDefault(*leaf.holder, leaf.property));
            }
            EXPECT_NO_THROW(IsStored(*leaf.holder, leaf.property));
        }
        EXPECT_GT(declared, 0);
    }
    EXPECT_EQ(FindReportClass(u"TfrxNoSuchView"), nullptr);
}

// Constructor values that no declared default covers: floats, strings and the sets and
// ordinals that are always written.
TEST(Reflection, ConstructorValuesOfTheTemplateClasses)
{
    struct Case {
        const QMetaObject* meta;
        const char* path;
        QVariant expected;
    };
    const Case cases[] = {
        {&TfrxMemoView::staticMetaObject, "Font.Name", "Arial"},
        {&TfrxMemoView::staticMetaObject, "Font.Height", -13},
        {&TfrxMemoView::staticMetaObject, "Font.Size", 10},
        {&TfrxMemoView::staticMetaObject, "Font.Color", uint(clBlack)},
        {&TfrxMemoView::staticMetaObject, "Font.Charset", 1},
        {&TfrxMemoView::staticMetaObject, "Font.Style", 0},
        {&TfrxMemoView::staticMetaObject, "AllowVectorExport", true},
        {&TfrxMemoView::staticMetaObject, "Frame.Typ", 0},
        {&TfrxMemoView::staticMetaObject, "Frame.Width", 1.0},
        {&TfrxMemoView::staticMetaObject, "Frame.ShadowWidth", 4.0},
        {&TfrxMemoView::staticMetaObject, "Frame.BottomLine.Width", 1.0},
        {&TfrxMemoView::staticMetaObject, "Frame.TopLine.Color", uint(clBlack)},
        {&TfrxMemoView::staticMetaObject, "Fill.BackColor", uint(clNone)},
        {&TfrxMemoView::staticMetaObject, "Color", uint(clNone)},
        {&TfrxMemoView::staticMetaObject, "ExpressionDelimiters", "[,]"},
        {&TfrxMemoView::staticMetaObject, "GapX", 2.0},
        {&TfrxMemoView::staticMetaObject, "GapY", 1.0},
        {&TfrxMemoView::staticMetaObject, "LineSpacing", 2.0},
        {&TfrxMemoView::staticMetaObject, "ParagraphGap", 0.0},
        {&TfrxMemoView::staticMetaObject, "DisplayFormat.Kind", int(fkText)},
        {&TfrxLineView::staticMetaObject, "Color", uint(clNone)},
        {&TfrxLineView::staticMetaObject, "ArrowWidth", 5},
        {&TfrxLineView::staticMetaObject, "ArrowLength", 20},
        {&TfrxMasterData::staticMetaObject, "FillType", int(ftBrush)},
        {&TfrxMasterData::staticMetaObject, "ShiftEngine", int(seTree)},
        {&TfrxMasterData::staticMetaObject, "RowCount", 0},
        {&TfrxReportPage::staticMetaObject, "PaperSize", 9},
        {&TfrxReportPage::staticMetaObject, "PaperWidth", 210.0},
        {&TfrxReportPage::staticMetaObject, "PaperHeight", 297.0},
        {&TfrxReportPage::staticMetaObject, "LeftMargin", 0.0},
        {&TfrxReportPage::staticMetaObject, "Bin", 7},
        {&TfrxDataPage::staticMetaObject, "Width", 1000.0},
        {&TfrxDataPage::staticMetaObject, "Height", 1000.0},
        {&TfrxReport::staticMetaObject, "Version", "6.2.1"},
        {&TfrxReport::staticMetaObject, "DotMatrixReport", false},
        {&TfrxReport::staticMetaObject, "ScriptText", QStringList{"begin", "", "end."}},
        {&TfrxReport::staticMetaObject, "PreviewOptions.Buttons", 0x28FFF},
        {&TfrxReport::staticMetaObject, "PreviewOptions.Zoom", 1.0},
        {&TfrxReport::staticMetaObject, "PrintOptions.Printer", "Default"},
        {&TfrxReport::staticMetaObject, "PrintOptions.PrintOnSheet", 0},
        {&TfrxReport::staticMetaObject, "ReportOptions.CreateDate", Now()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.meta->className()) + "." + c.path);
        const auto object = Create(*c.meta);
        EXPECT_EQ(ReadPublished(*object, QString::fromLatin1(c.path)), c.expected);
    }
}

TEST(Reflection, ComponentStyleFlagsFollowTheClass)
{
    struct Case {
        const QMetaObject* meta;
        TfrxComponentStyles expected;
    };
    const Case cases[] = {
        {&TfrxComponent::staticMetaObject, csPreviewVisible},
        {&TfrxView::staticMetaObject, csPreviewVisible | csDefaultDiff},
        {&TfrxMemoView::staticMetaObject, csPreviewVisible | csHandlesNestedProperties},
        {&TfrxLineView::staticMetaObject, csPreviewVisible},
        {&TfrxPageFooter::staticMetaObject, csPreviewVisible | csAcceptsFrxComponents},
        {&TfrxReportPage::staticMetaObject, csPreviewVisible | csAcceptsFrxComponents},
        {&TfrxReport::staticMetaObject, csPreviewVisible | csHandlesNestedProperties},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Create(*c.meta)->FrComponentStyle(), c.expected) << c.meta->className();
}

TEST(Reflection, DottedNamesReachSubObjectsForReadingAndWriting)
{
    TfrxMemoView memo;
    EXPECT_TRUE(WritePublished(memo, u"Frame.Style", QStringLiteral("fsDot")));
    EXPECT_TRUE(WritePublished(memo, u"Frame.Typ", QStringLiteral("[ftTop, ftBottom]")));
    EXPECT_TRUE(WritePublished(memo, u"Frame.LeftLine.Width", 2.5));
    EXPECT_TRUE(WritePublished(memo, u"HAlign", int(haCenter)));
    EXPECT_TRUE(WritePublished(memo, u"Font.Style", 3));
    EXPECT_TRUE(WritePublished(memo, u"Color", uint(clRed)));

    EXPECT_EQ(memo.Frame()->Style(), fsDot);
    EXPECT_EQ(memo.Frame()->BottomLine()->Style(), fsDot);  // the frame's style reached every side
    EXPECT_EQ(memo.Frame()->Typ(), ftTop | ftBottom);
    EXPECT_EQ(memo.Frame()->LeftLine()->Width(), 2.5);
    EXPECT_EQ(memo.HAlign(), haCenter);
    EXPECT_EQ(memo.Font()->Style(), frx::fsBold | frx::fsItalic);
    EXPECT_EQ(memo.Fill()->BackColor(), clRed);
    EXPECT_EQ(ReadPublished(memo, u"Frame.Typ").toInt(), 12);
    EXPECT_EQ(ReadPublished(memo, u"Frame.Style").toInt(), int(fsDot));

    // References are written as objects of any class and must fit the property's class.
    TfrxUserDataSet dataSet;
    EXPECT_TRUE(WritePublished(memo, u"DataSet", QVariant::fromValue<QObject*>(&dataSet)));
    EXPECT_EQ(memo.DataSet(), &dataSet);
    EXPECT_EQ(KindOf(FindPublishedLeaf(memo, u"DataSet")->property), PropertyKind::Reference);
    EXPECT_EQ(KindOf(FindPublishedLeaf(memo, u"Frame")->property), PropertyKind::SubObject);
    EXPECT_EQ(KindOf(FindPublishedLeaf(memo, u"Memo")->property), PropertyKind::WideStrings);
    EXPECT_EQ(KindOf(FindPublishedLeaf(memo, u"Fill.BackColor")->property), PropertyKind::Color);

    // A step that names nothing, a path through a plain property, a bad member name.
    EXPECT_FALSE(WritePublished(memo, u"Frame.Nothing", 1));
    EXPECT_FALSE(WritePublished(memo, u"GapX.Value", 1));
    EXPECT_FALSE(WritePublished(memo, u"Frame.Style", QStringLiteral("fsWavy")));
    EXPECT_FALSE(ReadPublished(memo, u"Font.Nothing").isValid());
    EXPECT_EQ(memo.Frame()->Style(), fsDot);
}

TEST(Reflection, StoredTestsLeaveOutWhatFollowsFromOtherProperties)
{
    TfrxMasterData band;
    auto* memo = new TfrxMemoView(&band);
    const auto stored = [](const QObject& root, const char* path) {
        const auto leaf = FindPublishedLeaf(root, QString::fromLatin1(path));
        return IsStored(*leaf->holder, leaf->property);
    };
    // A font shown from the parent is not written; one of the object's own is.
    EXPECT_FALSE(stored(*memo, "Font"));
    memo->Font()->SetStyle(frx::fsBold);
    EXPECT_FALSE(memo->ParentFont());
    EXPECT_TRUE(stored(*memo, "Font"));
    // A side that matches its frame is carried by the frame.
    memo->Frame()->SetStyle(fsDash);
    EXPECT_FALSE(stored(*memo, "Frame.LeftLine.Style"));
    memo->Frame()->LeftLine()->SetStyle(fsDouble);
    EXPECT_TRUE(stored(*memo, "Frame.LeftLine.Style"));
    // Gaps and widths at their usual values, and the colour that the fill carries.
    EXPECT_FALSE(stored(*memo, "GapX"));
    memo->SetGapX(3);
    EXPECT_TRUE(stored(*memo, "GapX"));
    EXPECT_FALSE(stored(*memo, "Color"));
    EXPECT_FALSE(stored(*memo, "Font.Size"));
    // A band at the left edge writes no Left.
    EXPECT_FALSE(stored(band, "Left"));
    band.SetLeft(5);
    EXPECT_TRUE(stored(band, "Left"));
}

TEST(Reflection, AssigningASubObjectCopiesItsSides)
{
    TfrxFrame source;
    source.SetTyp(ftLeft | ftRight);
    source.SetWidth(3);
    source.RightLine()->SetColor(clBlue);
    TfrxFrame target;
    target.Assign(source);
    EXPECT_EQ(target.Typ(), ftLeft | ftRight);
    EXPECT_EQ(target.Width(), 3);
    EXPECT_EQ(target.LeftLine()->Width(), 3);
    EXPECT_EQ(target.RightLine()->Color(), clBlue);
    EXPECT_EQ(target.LeftLine()->Color(), clBlack);
}

}  // namespace

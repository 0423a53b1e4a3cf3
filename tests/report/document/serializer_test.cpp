#include "diary_fixture.h"
#include "document_test_support.h"

#include "report/document/component_names.h"
#include "report/document/component_streaming.h"
#include "report/document/value_text.h"
#include "report/document/xml_serializer.h"

#include "report/base/property_reflection.h"
#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/report_page.h"
#include "report/model/user_dataset.h"
#include "report/views/line_view.h"
#include "report/views/memo_view.h"
#include "report/views/report_classes.h"

#include "platform/errors.h"

#include "../qt_print.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

// A text object that counts how often reading into it ends.
class LoadCountingMemo : public TfrxMemoView {
    Q_OBJECT

public:
    Q_INVOKABLE explicit LoadCountingMemo(QObject* owner = nullptr) : TfrxMemoView(owner) {}
    Q_INVOKABLE void Loaded() { ++loadedCalls; }
    int loadedCalls = 0;
};

namespace {

TEST(Serializer, TheFullFormListsWhatDiffersFromTheDeclaredDefaults)
{
    DiaryFixture fixture;
    TfrxXMLSerializer serializer;
    EXPECT_EQ(serializer.WriteComponentStr(fixture.Object<TfrxLineView>("Line1")),
              "TfrxLineView Left=\"7.55906\" Top=\"79.37013\" Width=\"718.1107\" AllowVectorExport=\"True\" "
              "Frame.Style=\"fsDot\" Frame.Typ=\"4\" Color=\"0\"");

    TfrxMemoView memo;
    memo.SetWordWrap(false);
    memo.SetHAlign(haCenter);
    memo.SetHint(QStringLiteral("say \"hi\""));
    memo.Memo() = {QStringLiteral("A"), QStringLiteral("B")};
    memo.Frame()->SetTyp(ftLeft | ftBottom);
    memo.Frame()->TopLine()->SetWidth(2.5);
    const QString text = serializer.ObjToXML(memo);
    for (const char* pair : {" WordWrap=\"False\"", " HAlign=\"haCenter\"", " Hint=\"say &#34;hi&#34;\"",
                             " Frame.Typ=\"9\"", " Frame.TopLine.Width=\"2.5\"", " Text=\"A&#13;&#10;B\"",
                             " Left=\"0\"", " AllowVectorExport=\"True\""})
        EXPECT_TRUE(text.contains(QLatin1String(pair))) << pair << " in " << text.toStdString();
    for (const char* name : {" Name=", " Tag=", " Visible=", " ParentFont=", " Font.", " GapX=", " Memo=",
                             " Frame.LeftLine.", " Frame.Width=", " DataSet="})
        EXPECT_FALSE(text.contains(QLatin1String(name))) << name << " in " << text.toStdString();
    EXPECT_TRUE(text.endsWith(QLatin1String(" Text=\"A&#13;&#10;B\"")));
}

TEST(Serializer, WithAnAncestorOnlyDifferencesAreWritten)
{
    DiaryFixture fixture;
    const auto& templ = fixture.Object<TfrxMemoView>("frxUserDataSet1Data2");
    TfrxMemoView printed;
    Assign(printed, templ);
    TfrxXMLSerializer serializer;
    EXPECT_EQ(serializer.ObjToXML(printed, QString(), &templ), "");
    printed.SetTop(templ.Top() + 0.0000001);  // within the tolerance
    printed.SetHeight(80);
    printed.SetVisible(false);
    printed.SetText(QStringLiteral("entry"));
    printed.SetDataSet(nullptr);
    EXPECT_EQ(serializer.ObjToXML(printed, QString(), &templ),
              " Height=\"80\" Visible=\"False\" DataSet=\"nil\" DataSetName=\"\" Text=\"entry\"");

    serializer.SaveAncestorOnly = true;
    EXPECT_EQ(serializer.ObjToXML(printed, QString(), &templ), serializer.ObjToXML(templ));
}

TEST(Serializer, ReferencesAreWrittenRelativeToTheOwner)
{
    DiaryFixture fixture;
    const TfrxUserDataSet& dataSet = *fixture.diary.dataSet;
    const auto& memo2 = fixture.Object<TfrxMemoView>("Memo2");
    const auto& page = fixture.Object<TfrxReportPage>("Page1");
    TfrxUserDataSet loose;
    loose.SetName(QStringLiteral("Loose"));

    EXPECT_EQ(ComponentFullName(dataSet, fixture.diary.report), "frxUserDataSet1");
    EXPECT_EQ(ComponentFullName(dataSet, &fixture.form), "frxUserDataSet1");
    EXPECT_EQ(ComponentFullName(dataSet, &page), "Form1.frxUserDataSet1");
    EXPECT_EQ(ComponentFullName(memo2, fixture.diary.report), "Memo2");
    EXPECT_EQ(ComponentFullName(memo2, &page), "frxReport1.Memo2");
    EXPECT_EQ(ComponentFullName(loose, &page), "Loose");

    EXPECT_EQ(FindComponentByName(QStringLiteral("frxuserdataset1"), fixture.diary.report), &dataSet);
    EXPECT_EQ(FindComponentByName(QStringLiteral("Form1.frxUserDataSet1"), &page), &dataSet);
    EXPECT_EQ(FindComponentByName(QStringLiteral("Memo2"), &page), &memo2);
    EXPECT_EQ(FindComponentByName(QStringLiteral("Data"), &page), nullptr);
    EXPECT_EQ(FindComponentByName(QStringLiteral("frxReport1.Memo2"), &page), &memo2);
}

TEST(Serializer, AttributeTextIsReadPairByPairFromLeftToRight)
{
    TfrxMemoView memo;
    TfrxXMLSerializer serializer;
    serializer.XMLToObj(u"l=\"1.5\" t=\"2\" w=\"3\" h=\"4\" Left=\"7\" Left=\"8\" Frame.Typ=\"12\" "
                        u"Frame.LeftLine.Width=\"2,5\" HAlign=\"haCenter\" VAlign=\"2\" Font.Style=\"3\" "
                        u"Hint=\"a&#34;b &amp; c\" u=\"A&#13;&#10;B\" Nothing=\"1\" Frame.Nothing=\"2\" "
                        u"GapX.Value=\"3\" Fill.BackColor=\"255\" Font.Color=\"-16777201\" PropData=\"0102\"",
                        memo);
    EXPECT_EQ(memo.Left(), 8);
    EXPECT_EQ(memo.Top(), 2);
    EXPECT_EQ(memo.Width(), 3);
    EXPECT_EQ(memo.Height(), 4);
    EXPECT_EQ(memo.Frame()->Typ(), ftTop | ftBottom);
    EXPECT_EQ(memo.Frame()->LeftLine()->Width(), 2.5);
    EXPECT_EQ(memo.HAlign(), haCenter);
    EXPECT_EQ(memo.VAlign(), vaCenter);
    EXPECT_EQ(memo.Font()->Style(), frx::fsBold | frx::fsItalic);
    EXPECT_EQ(memo.Hint(), "a\"b & c");
    EXPECT_EQ(memo.Memo().Lines(), QStringList({"A", "B"}));
    EXPECT_EQ(memo.Fill()->BackColor(), clRed);
    EXPECT_EQ(memo.Font()->Color(), clBtnFace);
    EXPECT_TRUE(serializer.Errors().isEmpty()) << serializer.Errors().join(u'|').toStdString();
}

TEST(Serializer, BooleansAndEnumerationsReadByNameOrNumber)
{
    struct Case {
        const char* text;
        bool wordWrap;
        TfrxFrameStyle style;
    };
    const Case cases[] = {
        {"WordWrap=\"False\" Frame.Style=\"fsDot\"", false, fsDot},
        {"WordWrap=\"0\" Frame.Style=\"2\"", false, fsDot},
        {"WordWrap=\"true\" Frame.Style=\"FSDASH\"", true, fsDash},
        {"WordWrap=\"1\" Frame.Style=\"7\"", true, fsSquare},
    };
    for (const Case& c : cases) {
        TfrxMemoView memo;
        memo.SetWordWrap(!c.wordWrap);
        TfrxXMLSerializer serializer;
        serializer.XMLToObj(QString::fromLatin1(c.text), memo);
        EXPECT_EQ(memo.WordWrap(), c.wordWrap) << c.text;
        EXPECT_EQ(memo.Frame()->Style(), c.style) << c.text;
        EXPECT_TRUE(serializer.Errors().isEmpty()) << c.text;
    }
}

TEST(Serializer, ValuesThatDoNotConvertAreSkippedAndCollected)
{
    TfrxMemoView memo;
    TfrxXMLSerializer serializer;
    serializer.XMLToObj(u"GapX=\"wide\" Rotation=\"9x\" WordWrap=\"maybe\" HAlign=\"haNowhere\" Frame.Style=\"42\" "
                        u"Frame.Typ=\"64\" l=\"left\" Rotation=\"x9\" Font.Color=\"red\" GapY=\"3\" LineSpacing=\"INF\"",
                        memo);
    EXPECT_EQ(memo.GapX(), 2);
    EXPECT_EQ(memo.Rotation(), 0);
    EXPECT_TRUE(memo.WordWrap());
    EXPECT_EQ(memo.HAlign(), haLeft);
    EXPECT_EQ(memo.Frame()->Style(), fsSolid);
    EXPECT_EQ(memo.GapY(), 3);
    EXPECT_EQ(memo.LineSpacing(), 2);
    EXPECT_EQ(serializer.Errors(), QStringList({
                                       "'9x' is not a valid integer value",
                                       "'INF' is not a valid floating point value",
                                       "'left' is not a valid floating point value",
                                       "'red' is not a valid integer value",
                                       "'wide' is not a valid floating point value",
                                       "'x9' is not a valid integer value",
                                       "Invalid property value",
                                   }));
}

TEST(Serializer, NumbersBeyondEveryRangeKeepThePageDefined)
{
    TfrxReportPage page;
    TfrxXMLSerializer serializer;
    serializer.XMLToObj(u"PaperWidth=\"-1e300\" PaperHeight=\"2.5e22\" Columns=\"3\" Columns=\"200000000\"", page);
    EXPECT_EQ(page.Width(), std::numeric_limits<int>::min());
    EXPECT_EQ(page.Height(), std::numeric_limits<int>::max());
    EXPECT_EQ(page.Columns(), 3);
    EXPECT_EQ(page.ColumnPositions().size(), 3);
    EXPECT_EQ(serializer.Errors(), QStringList({"Invalid property value"}));
}

TEST(Serializer, NumbersReadWithEitherDecimalSeparator)
{
    const QChar separators[] = {u'.', u','};
    for (const QChar writer : separators) {
        for (const QChar reader : separators) {
            SetCurrentLocale(EnglishWithDecimalSeparator(writer));
            TfrxLineView source;
            source.SetBounds(7.55906, 0.5, 718.1107, 0);
            TfrxXMLSerializer serializer;
            const QString text = serializer.ObjToXML(source);
            EXPECT_TRUE(text.contains(QStringLiteral("Left=\"7") + writer + QStringLiteral("55906\""))) << text.toStdString();

            SetCurrentLocale(EnglishWithDecimalSeparator(reader));
            TfrxLineView target;
            serializer.XMLToObj(text + QStringLiteral(" t=\"1 234") + writer + QStringLiteral("5\""), target);
            EXPECT_EQ(target.Left(), 7.55906);
            EXPECT_EQ(target.Width(), 718.1107);
            EXPECT_EQ(target.Top(), 1234.5);
            EXPECT_TRUE(serializer.Errors().isEmpty());
        }
    }
}

// Plain numbers are read without the locale machinery; every text must still read as the C
// locale reads it once blanks are dropped and commas become points.
TEST(Serializer, NumbersReadAsTheCLocaleReadsThem)
{
    const char* texts[] = {"12.5",  "-3",   "+3",    "0",     "-0",     ".5",   "5.",    "1e3",  "1E-3",  "1e+05",
                           "1,5",   "1 234,5", "+-1", "--1",  "1e",     "e5",   ".",     "-",    "",      "1.2.3",
                           "1e400", "1e-400", "0x10", "inf",  "nan",    "1_0",  "٣",     "12345678901234567890123",
                           "7.55906", "718.1107", "-1e300", "1+2", "1e5.5", "+.5"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        QString normal = QString::fromUtf8(text).remove(u' ');
        normal.replace(u',', u'.');
        bool ok = false;
        const double expected = QLocale::c().toDouble(normal, &ok);
        double value = 0;
        EXPECT_EQ(TryReadXMLFloat(QString::fromUtf8(text), value), ok && std::isfinite(expected));
        if (ok && std::isfinite(expected)) {
            EXPECT_EQ(value, expected);
        }
    }
}

TEST(Serializer, WaitingReferencesAreResolvedWhenReadingEndsOrDropped)
{
    DiaryFixture fixture;
    auto& memo = fixture.Object<TfrxMemoView>("Memo1");
    auto& page = fixture.Object<TfrxReportPage>("Page1");
    TfrxXMLSerializer serializer;
    serializer.Owner = fixture.diary.report;
    serializer.XMLToObj(u"DataSet=\"frxUserDataSet1\" FlowTo=\"memo2\"", memo);
    EXPECT_EQ(memo.DataSet(), nullptr);
    EXPECT_EQ(memo.FlowTo(), nullptr);
    serializer.FixupReferences();
    EXPECT_EQ(memo.DataSet(), fixture.diary.dataSet);
    EXPECT_EQ(memo.FlowTo(), &fixture.Object<TfrxMemoView>("Memo2"));

    // Not found, of the wrong class, "nil", or dropped: the reference stays empty.
    serializer.XMLToObj(u"FlowTo=\"NoSuchMemo\"", memo);
    serializer.FixupReferences();
    EXPECT_EQ(memo.FlowTo(), nullptr);
    serializer.XMLToObj(u"FlowTo=\"MasterData1\"", memo);
    serializer.FixupReferences();
    EXPECT_EQ(memo.FlowTo(), nullptr);
    serializer.XMLToObj(u"DataSet=\"nil\"", memo);
    EXPECT_EQ(memo.DataSet(), nullptr);
    serializer.XMLToObj(u"FlowTo=\"Memo2\" FlowTo=\"nil\"", memo);
    serializer.FixupReferences();
    EXPECT_EQ(memo.FlowTo(), nullptr);
    serializer.XMLToObj(u"FlowTo=\"Memo2\"", memo);
    serializer.ClearFixups();
    serializer.FixupReferences();
    EXPECT_EQ(memo.FlowTo(), nullptr);

    // A full name finds the form through the owner's ancestors.
    TfrxXMLSerializer pageSerializer;
    pageSerializer.Owner = &page;
    pageSerializer.XMLToObj(u"DataSet=\"Form1.frxUserDataSet1\"", memo);
    pageSerializer.FixupReferences();
    EXPECT_EQ(memo.DataSet(), fixture.diary.dataSet);
    EXPECT_TRUE(serializer.Errors().isEmpty());
}

TEST(Serializer, ReadComponentStrCreatesAnObjectOfTheNamedClass)
{
    DiaryFixture fixture;
    auto& band = fixture.Object<TfrxPageHeader>("PageHeader1");
    TfrxXMLSerializer serializer;
    serializer.Owner = fixture.diary.report;
    TfrxComponent* object =
        serializer.ReadComponentStr(&band, QStringLiteral("  TfrxMemoView Name=\"Memo9\" l=\"5\" u=\"x\" FlowTo=\"Memo2\" "), true);
    auto* memo = qobject_cast<TfrxMemoView*>(object);
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->Parent(), &band);
    EXPECT_EQ(memo->Name(), "Memo9");
    EXPECT_EQ(memo->Left(), 5);
    EXPECT_EQ(memo->Memo().Lines(), QStringList({"x"}));
    EXPECT_EQ(memo->FlowTo(), nullptr);

    auto* linked = qobject_cast<TfrxMemoView*>(serializer.ReadComponentStr(&band, QStringLiteral("TfrxMemoView FlowTo=\"Memo2\"")));
    ASSERT_TRUE(linked);
    EXPECT_EQ(linked->FlowTo(), &fixture.Object<TfrxMemoView>("Memo2"));
    EXPECT_EQ(serializer.ReadComponentStr(&band, QStringLiteral(" \r\n")), nullptr);
    try {
        serializer.ReadComponentStr(&band, QStringLiteral("TfrxNoSuchView l=\"1\""));
        ADD_FAILURE() << "an unknown class was read";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Cannot find class TfrxNoSuchView");
    }
}

TEST(Serializer, ReadingATreeSkipsUnknownClassesAndTellsEveryObjectWhenDone)
{
    RegisterReportClass(LoadCountingMemo::staticMetaObject);
    TfrxXMLDocument document;
    LoadDocument(document, kCurrentHeader +
                               "<TfrxReportPage PaperSize=\"11\"><TfrxPageHeader Name=\"PH1\" t=\"1\">"
                               "<TfrxNoSuchView Name=\"X\"><TfrxMemoView Name=\"Inner\"/></TfrxNoSuchView>"
                               "<LoadCountingMemo Name=\"M1\" Text=\"hello\"/></TfrxPageHeader>"
                               "<LoadCountingMemo Name=\"M2\" Left=\"wrong\"/></TfrxReportPage>");
    TfrxReportPage page;
    TfrxXMLSerializer serializer;
    serializer.ReadRootComponent(page, &document.Root());
    EXPECT_EQ(page.PaperWidth(), 148);
    ASSERT_EQ(page.Objects().size(), 2);
    auto* header = qobject_cast<TfrxPageHeader*>(page.Objects()[0]);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->Name(), "PH1");
    ASSERT_EQ(header->Objects().size(), 1);
    auto* m1 = qobject_cast<LoadCountingMemo*>(header->Objects()[0]);
    ASSERT_TRUE(m1);
    EXPECT_EQ(m1->Memo().Lines(), QStringList({"hello"}));
    EXPECT_EQ(m1->loadedCalls, 1);
    EXPECT_EQ(qobject_cast<LoadCountingMemo*>(page.Objects()[1])->loadedCalls, 1);
    EXPECT_EQ(page.FindObject(QStringLiteral("Inner")), nullptr);
    EXPECT_EQ(serializer.Errors(), QStringList({"'wrong' is not a valid floating point value",
                                                "Cannot find class TfrxNoSuchView"}));
    EXPECT_EQ(serializer.Owner, &page);
}

TEST(Serializer, ObjectsNamedInTheTreeAreReusedUnlessNamesAreIgnored)
{
    DiaryFixture fixture;
    auto& page = fixture.Object<TfrxReportPage>("Page1");
    TfrxXMLDocument document;
    LoadDocument(document, kCurrentHeader + "<TfrxReportPage><TfrxPageFooter Name=\"PageFooter1\" Height=\"50\"/></TfrxReportPage>");
    TfrxXMLSerializer serializer;
    serializer.ReadRootComponent(page, &document.Root());
    EXPECT_EQ(page.Objects().size(), 3);
    EXPECT_EQ(fixture.Object<TfrxPageFooter>("PageFooter1").Height(), 50);

    TfrxXMLSerializer ignoring;
    ignoring.IgnoreName = true;
    ignoring.ReadRootComponent(page, &document.Root());
    EXPECT_EQ(page.Objects().size(), 4);
    // The new band could not take the name that the report already has.
    EXPECT_EQ(ignoring.Errors(), QStringList({"A component named PageFooter1 already exists."}));
}

TEST(Serializer, OldFormatTextsOfTextObjectsAreUtf8InsideTheCodePage)
{
    SetCurrentLocale(EnglishWithCodePage(1252));
    const QByteArray body = "<TfrxMemoView u=\"caf\xC3\xA9\" Hint=\"caf\xE9\"/>";
    QBuffer old;
    old.setData("<?xml version=\"1.0\"?>" + body);
    old.open(QIODevice::ReadOnly);
    TfrxMemoView memo;
    TfrxXMLSerializer serializer(&old);
    serializer.ReadRootComponent(memo);
    EXPECT_TRUE(serializer.OldFormat);
    EXPECT_EQ(memo.Memo().Lines(), QStringList({"café"}));
    EXPECT_EQ(memo.Hint(), "café");

    TfrxMemoView current;
    TfrxXMLSerializer currentSerializer;
    currentSerializer.XMLToObj(QString::fromUtf8("u=\"caf\xC3\xA9\""), current);
    EXPECT_EQ(current.Memo().Lines(), QStringList({"café"}));
}

QString ReferenceName(const QVariant& value)
{
    const QObject* object = value.value<QObject*>();
    return object ? ComponentFullName(*object, nullptr) : QString();
}

// Every published value of every object of two trees, compared path by path.
void ExpectSameTree(const TfrxComponent& expected, const TfrxComponent& actual)
{
    QList<TfrxComponent*> left = expected.AllObjects();
    QList<TfrxComponent*> right = actual.AllObjects();
    left.prepend(const_cast<TfrxComponent*>(&expected));
    right.prepend(const_cast<TfrxComponent*>(&actual));
    ASSERT_EQ(left.size(), right.size());
    for (qsizetype i = 0; i < left.size(); ++i) {
        SCOPED_TRACE(left[i]->Name().toStdString());
        ASSERT_EQ(left[i]->ClassName(), right[i]->ClassName());
        EXPECT_EQ(left[i]->Objects().size(), right[i]->Objects().size());
        for (const PublishedLeaf& leaf : PublishedLeaves(*left[i])) {
            SCOPED_TRACE(leaf.path.toStdString());
            const QVariant a = ReadPublished(*left[i], leaf.path);
            const QVariant b = ReadPublished(*right[i], leaf.path);
            if (KindOf(leaf.property) == PropertyKind::Float)
                EXPECT_NEAR(a.toDouble(), b.toDouble(), 1e-9 * std::max(1.0, std::abs(a.toDouble())));
            else if (KindOf(leaf.property) == PropertyKind::Reference)
                EXPECT_EQ(ReferenceName(a), ReferenceName(b));
            else
                EXPECT_EQ(a, b);
        }
    }
}

// The template with values of every kind changed from their defaults.
void VaryTemplate(const DiaryFixture& fixture)
{
    auto& heading = fixture.Object<TfrxMemoView>("frxUserDataSet1Data1");
    heading.SetHAlign(haBlock);
    heading.SetWordWrap(false);
    heading.SetGapX(4.25);
    heading.SetHint(QStringLiteral("<b>\"quoted\" & 'apostrophes'</b>\r\nsecond line"));
    heading.Frame()->SetTyp(ftLeft | ftTop);
    heading.Frame()->SetWidth(2);
    heading.Frame()->TopLine()->SetColor(clRed);
    heading.Fill()->SetBackColor(clBtnFace);
    heading.DisplayFormat()->SetKind(fkDateTime);
    heading.DisplayFormat()->SetFormatStr(QStringLiteral("yyyy/mm/dd"));
    heading.Hyperlink()->SetKind(hkPageNumber);
    heading.SetFlowTo(&fixture.Object<TfrxMemoView>("Memo2"));
    heading.Memo().Add(QStringLiteral("second line with \t tab"));
    auto& page = fixture.Object<TfrxReportPage>("Page1");
    page.SetOrientation(poLandscape);
    page.SetColumns(2);
    fixture.Object<TfrxMasterData>("MasterData1").SetFilter(QStringLiteral("<Data1> <> ''"));
    fixture.Object<TfrxPageFooter>("PageFooter1").SetPrintOnLastPage(false);
    fixture.Object<TfrxLineView>("Line1").SetArrowEnd(true);
    fixture.diary.report->ReportOptions()->SetDescription({QStringLiteral("one"), QStringLiteral("two")});
}

TEST(Serializer, EveryClassOfTheDiaryTemplateRoundTripsInFullForm)
{
    DiaryFixture fixture;
    VaryTemplate(fixture);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    SaveToStream(*fixture.diary.report, buffer);
    ASSERT_TRUE(buffer.data().startsWith(kCurrentHeader + "\r\n<TfrxReport "));

    TfrxReport copy(&fixture.form);
    copy.SetName(QStringLiteral("frxReport1"));
    buffer.seek(0);
    const QStringList errors = LoadFromStream(copy, buffer);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'|').toStdString();
    QStringList classes;
    for (const TfrxComponent* object : copy.AllObjects())
        if (!classes.contains(object->ClassName()))
            classes << object->ClassName();
    EXPECT_EQ(classes, QStringList({"TfrxDataPage", "TfrxReportPage", "TfrxMasterData", "TfrxMemoView",
                                    "TfrxLineView", "TfrxPageHeader", "TfrxPageFooter"}));
    ExpectSameTree(*fixture.diary.report, copy);
    EXPECT_EQ(copy.Datasets().Count(), 1);
    EXPECT_EQ(copy.Datasets().Items(0).DataSet(), fixture.diary.dataSet);
    EXPECT_EQ(qobject_cast<TfrxMemoView*>(copy.FindObject(QStringLiteral("frxUserDataSet1Data1")))->FlowTo(),
              copy.FindObject(QStringLiteral("Memo2")));
}

TEST(Serializer, AssignCopiesOwnPropertiesAndAssignAllTheChildrenToo)
{
    DiaryFixture fixture;
    VaryTemplate(fixture);
    const auto& page = fixture.Object<TfrxReportPage>("Page1");

    TfrxReportPage copy;
    new TfrxMasterData(&copy);
    EXPECT_TRUE(Assign(copy, page).isEmpty());
    EXPECT_TRUE(copy.Objects().isEmpty());
    EXPECT_EQ(copy.Orientation(), poLandscape);
    EXPECT_EQ(copy.Columns(), 2);
    EXPECT_EQ(copy.LeftMargin(), page.LeftMargin());

    TfrxReport report(&fixture.form);
    report.SetName(QStringLiteral("frxReport1"));
    EXPECT_TRUE(AssignAll(report, *fixture.diary.report).isEmpty());
    ExpectSameTree(*fixture.diary.report, report);
}

}  // namespace

#include "serializer_test.moc"

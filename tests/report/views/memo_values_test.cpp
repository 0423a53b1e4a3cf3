#include "../memo_fixture.h"
#include "../qt_print.h"

#include "report/base/report_errors.h"
#include "report/expressions/memo_expressions.h"
#include "report/expressions/report_variables.h"
#include "report/expressions/variant.h"
#include "report/model/user_dataset.h"
#include "report/views/diary_report.h"

#include "platform/locale_info.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(MemoValues, DateShowsTheBuildDayInTheUsersShortDateFormat)
{
    SetCurrentLocale(LocaleFor(QStringLiteral("de-DE")));
    MemoReport r;
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("[Date]"));
    EXPECT_EQ(MemoReport::Output(*memo), "30.06.2021\r\n");
    EXPECT_EQ(memo->Memo().Count(), 1);
    EXPECT_EQ(memo->Value(), DateVariant(EncodeDate(2021, 6, 30)));
}

TEST(MemoValues, PageNumbersComeFromTheBuildAndTheTotalWhenThePageIsDrawn)
{
    MemoReport r;
    r.build.page = 3;
    TfrxMemoView* footer = r.Add(QStringLiteral("Memo2"), QStringLiteral("[Page#]"));
    EXPECT_EQ(MemoReport::Output(*footer), "3\r\n");

    // A single-pass build does not know the total yet; the placeholder waits for the drawing.
    r.build.page = 2;
    TfrxMemoView* line = r.Add(QStringLiteral("Memo3"), QStringLiteral("Page [Page#] of [TotalPages#]"));
    EXPECT_EQ(MemoReport::Output(*line), "Page 2 of [TotalPages#]\r\n");
    const Rendering drawn(*line, {800, 100}, 1, {0, 0}, {5, 1, 1});
    ASSERT_EQ(drawn.texts.size(), 1u);
    EXPECT_EQ(drawn.texts[0].text, "Page 2 of 5");
    EXPECT_EQ(line->Text(), "Page 2 of [TotalPages#]\r\n") << "drawing leaves the object's text alone";
}

TEST(MemoValues, ANullFieldIsEmptyWhenBoundButZeroAsAnExpression)
{
    auto form = std::make_unique<QObject>();
    DiaryReport diary = CreateDiaryReport(form.get());
    int asked = 0;
    diary.dataSet->OnGetValue = [&](const QString&, QVariant&) { ++asked; };  // leaves Null
    diary.dataSet->SetRangeEnd(reCount);
    diary.dataSet->SetRangeEndCount(1);
    diary.dataSet->First();

    auto* bound = qobject_cast<TfrxMemoView*>(diary.report->FindObject(QStringLiteral("frxUserDataSet1Data1")));
    ASSERT_NE(bound, nullptr);
    EXPECT_EQ(MemoReport::Output(*bound), "");
    EXPECT_EQ(asked, 2) << "once for the value, once for the display text";

    auto* other = new TfrxMemoView(bound->Parent());
    other->SetName(QStringLiteral("Memo9"));
    other->SetText(QStringLiteral("[frxUserDataSet1.\"Data1\"]"));
    EXPECT_EQ(MemoReport::Output(*other), "0\r\n");
}

TEST(MemoValues, ABoundFieldUsesItsDisplayFormatAndHidesZeros)
{
    auto form = std::make_unique<QObject>();
    DiaryReport diary = CreateDiaryReport(form.get());
    QVariant rowValue = 1234.5;
    diary.dataSet->OnGetValue = [&](const QString&, QVariant& value) { value = rowValue; };
    auto* bound = qobject_cast<TfrxMemoView*>(diary.report->FindObject(QStringLiteral("frxUserDataSet1Data2")));
    EXPECT_EQ(MemoReport::Output(*bound), "1234.5\r\n");

    bound->DisplayFormat()->SetKind(fkNumeric);
    bound->DisplayFormat()->SetFormatStr(QStringLiteral("#,##0.00"));
    EXPECT_EQ(MemoReport::Output(*bound), "1,234.50\r\n");

    bound->SetHideZeros(true);
    rowValue = 0;
    EXPECT_EQ(MemoReport::Output(*bound), "");
    rowValue = QStringLiteral("0");
    bound->DisplayFormat()->SetKind(fkText);
    EXPECT_EQ(MemoReport::Output(*bound), "0\r\n") << "a text zero is shown";
}

TEST(MemoValues, ExpressionsNestAndIgnoreDelimitersInQuotes)
{
    MemoReport r;
    QStringList asked;
    r.report.OnGetValue = [&](const QString& name, QVariant& value) {
        asked << name;
        if (name == QLatin1String("a[b]c"))
            value = QStringLiteral("one");
    };
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("<[a[b]c]> ['x]y' + 'z'] [2 * 21]"));
    EXPECT_EQ(MemoReport::Output(*memo), "<one> x]yz 42\r\n");
    EXPECT_EQ(asked.first(), "a[b]c");
    EXPECT_EQ(memo->Value(), QVariant(42LL)) << "the value of the last expression";

    memo->AfterPrint();
    EXPECT_EQ(memo->Text(), "<[a[b]c]> ['x]y' + 'z'] [2 * 21]\r\n") << "the designed lines come back";
}

TEST(MemoValues, ScanningForBrackets)
{
    struct Case {
        const char* text;
        const char* delimiters;
        const char* expected;
    } cases[] = {
        {"a[b]c", "[,]", "a<b>c"},
        {"[x][y]", "[,]", "<x><y>"},
        {"[a[b]c]", "[,]", "<a[b]c>"},
        {"[\"]\"]", "[,]", "<\"]\">"},
        {"[f(']')]", "[,]", "<f(']')>"},
        {"no brackets", "[,]", "no brackets"},
        {"open [rest of it", "[,]", "open <rest of it>"},  // never closed: the rest of the text
        {"last [", "[,]", "last ["},                        // a lone opening delimiter at the end stays
        {"<%a%> and <%b%>", "<%,%>", "<a> and <b>"},
    };
    for (const Case& c : cases) {
        const QString result = ReplaceExpressions(
            QString::fromUtf8(c.text), ExpressionBrackets::Parse(QString::fromUtf8(c.delimiters)),
            [](const QString& expression) { return u'<' + expression + u'>'; });
        EXPECT_EQ(result, QString::fromUtf8(c.expected)) << c.text;
    }
}

TEST(MemoValues, AFormatAfterTheExpressionChoosesTheDecimalSeparator)
{
    MemoReport r;
    TfrxMemoView* point = r.Add(QStringLiteral("Memo1"), QStringLiteral("[3.14159 #n0.00]"));
    TfrxMemoView* comma = r.Add(QStringLiteral("Memo2"), QStringLiteral("[3.14159 #n0,00]"));
    TfrxMemoView* listed = r.Add(QStringLiteral("Memo3"), QStringLiteral("[1.5] [2.5]"));
    listed->DisplayFormat()->SetKind(fkNumeric);
    listed->DisplayFormat()->SetFormatStr(QStringLiteral("0.000"));
    EXPECT_EQ(MemoReport::Output(*point), "3.14\r\n");
    EXPECT_EQ(MemoReport::Output(*comma), "3,14\r\n");
    EXPECT_EQ(MemoReport::Output(*listed), "1.500 2.500\r\n") << "the last format serves every further expression";

    SetCurrentLocale(LocaleFor(QStringLiteral("de-DE")));
    EXPECT_EQ(MemoReport::Output(*point), "3.14\r\n");
    EXPECT_EQ(MemoReport::Output(*comma), "3,14\r\n");
}

TEST(MemoValues, NamesResolveInOrderAndVariablesAreExpressions)
{
    MemoReport r;
    r.report.Variables().SetValue(QStringLiteral("Twice"), QStringLiteral("Line# * 2"));
    r.report.Variables().SetValue(QStringLiteral("Note"), QStringLiteral("two\r\nlines"));
    frxGlobalVariables().SetValue(QStringLiteral("Owner"), QStringLiteral("Ann"));
    r.report.OnNewGetValue = [](TfrxReport*, const QString& name, QVariant& value) {
        if (name == QLatin1String("Page"))
            value = 99;  // system variables come first
        if (name == QLatin1String("Owner"))
            value = QStringLiteral("Bob");  // the events before the variables
    };
    EXPECT_EQ(r.report.Calc(QStringLiteral("Twice")), QVariant(2LL));
    EXPECT_EQ(r.report.Calc(QStringLiteral("Note")), QVariant(QStringLiteral("two\r\nlines")));
    EXPECT_EQ(r.report.Calc(QStringLiteral("page")), QVariant(1));
    EXPECT_EQ(r.report.Calc(QStringLiteral("Owner")), QVariant(QStringLiteral("Bob")));
    EXPECT_EQ(r.report.Calc(QStringLiteral("'Dear ' + Owner")), QVariant(QStringLiteral("Dear Bob")));

    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("[7 * 6]"));
    MemoReport::Output(*memo);
    EXPECT_EQ(r.report.Calc(QStringLiteral("Value")), QVariant(42LL)) << "scripts see the object's value";
    frxGlobalVariables().Clear();
}

TEST(MemoValues, AFailingExpressionNamesTheObjectAndEndsTheOutput)
{
    MemoReport r;
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"[Nothing]", "Memo7: Error in expression 'Nothing': Undeclared identifier: 'Nothing'"},
        {"[1 +]", "Memo7: Error in expression '1 +': Unexpected end of expression"},
        {"[(1]", "Memo7: Error in expression '(1': ')' expected"},
        {"[1 div 0]", "Memo7: Division by zero"},
        {"['a' * 2]", "Memo7: Could not convert variant of type (String) into type (Double)"},
    };
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo7"), QString());
    for (const Case& c : cases) {
        memo->SetText(QString::fromUtf8(c.text));
        try {
            MemoReport::Output(*memo);
            ADD_FAILURE() << c.text << " did not fail";
        } catch (const EExpressionError& e) {
            EXPECT_EQ(e.Message(), QString::fromUtf8(c.message));
        }
        EXPECT_TRUE(r.report.Errors().contains(QString::fromUtf8(c.message)));
    }
    EXPECT_TRUE(std::is_sorted(r.report.Errors().begin(), r.report.Errors().end()));

    // A variable that refers to itself fails instead of recursing without end.
    r.report.Variables().SetValue(QStringLiteral("Loop"), QStringLiteral("Loop + 1"));
    EXPECT_THROW(r.report.Calc(QStringLiteral("Loop")), EExpressionError);
}

TEST(MemoValues, DivisionByZeroCanBeIgnored)
{
    MemoReport r;
    r.report.EngineOptions()->SetIgnoreDevByZero(true);
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("a[10 / 0]b"));
    EXPECT_EQ(MemoReport::Output(*memo), "ab\r\n");
    EXPECT_TRUE(VarIsNull(memo->Value()));
    EXPECT_TRUE(r.report.Errors().isEmpty());
}

TEST(MemoValues, SuppressRepeatedClearsARepeatedTextUntilTheBandStartsAgain)
{
    MemoReport r;
    QString current = QStringLiteral("A");
    r.report.OnGetValue = [&](const QString&, QVariant& value) { value = current; };
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("[Group]"));
    memo->SetSuppressRepeated(true);
    QStringList shown;
    for (const char* value : {"A", "A", "B", "B"}) {
        current = QString::fromUtf8(value);
        shown << MemoReport::Output(*memo);
        memo->AfterPrint();
    }
    memo->ResetSuppressRepeated();
    shown << MemoReport::Output(*memo);
    EXPECT_EQ(shown, (QStringList{"A\r\n", "", "B\r\n", "", "B\r\n"}));
}

TEST(MemoValues, TagTextAndHyperlinkHaveTheirExpressionsReplacedForOneOutput)
{
    MemoReport r;
    r.build.page = 4;
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("text"));
    memo->SetTagStr(QStringLiteral("tag [Page]"));
    memo->Hyperlink()->SetValue(QStringLiteral("#[Page + 1]"));
    MemoReport::Output(*memo);
    EXPECT_EQ(memo->TagStr(), "tag 4");
    EXPECT_EQ(memo->Hyperlink()->Value(), "#5");
    memo->AfterPrint();
    EXPECT_EQ(memo->TagStr(), "tag [Page]");
}

}  // namespace

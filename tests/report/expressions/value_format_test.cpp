#include "../qt_print.h"

#include "report/expressions/expression_evaluator.h"
#include "report/expressions/memo_format.h"
#include "report/expressions/number_format.h"
#include "report/expressions/variant.h"

#include "platform/locale_info.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueFormat, PicturesOfDigitPlaceholders)
{
    struct Case {
        const char* picture;
        double value;
        const char* expected;
    } cases[] = {
        {"0.00", 3.14159, "3.14"},
        {"0.00", -0.001, "0.00"},  // no sign on a number that rounds to zero
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"#,##0", -1234, "-1,234"},
        {"0.##", 1, "1"},
        {"0.##", 1.5, "1.5"},
        {"#.##", 0.5, ".5"},
        {"000", 7, "007"},
        {"0.00;(0.00)", -2.5, "(2.50)"},
        {"0;-0;'zero'", 0, "zero"},
        {"\"No. \"0", 12, "No. 12"},
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.0E-0", 0.00123, "1.2E-3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFloat(QString::fromUtf8(c.picture), c.value), QString::fromUtf8(c.expected)) << c.picture;

    SetCurrentLocale(LocaleFor(QStringLiteral("de-DE")));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 1234.5), "1.234,50");
}

TEST(ValueFormat, CStylePatterns)
{
    EXPECT_EQ(FormatWithPattern(QStringLiteral("%d items"), int64_t(42)), "42 items");
    EXPECT_EQ(FormatWithPattern(QStringLiteral("[%5d]"), int64_t(42)), "[   42]");
    EXPECT_EQ(FormatWithPattern(QStringLiteral("[%-5d]"), int64_t(42)), "[42   ]");
    EXPECT_EQ(FormatWithPattern(QStringLiteral("%.3d"), int64_t(-7)), "-007");
    EXPECT_EQ(FormatWithPattern(QStringLiteral("%x"), int64_t(255)), "FF");
    EXPECT_EQ(FormatWithPattern(QStringLiteral("%2.1f%%"), 12.34), "12.3%");
    EXPECT_EQ(FormatWithPattern(QStringLiteral("%n"), 1234567.891), "1,234,567.89");
    EXPECT_EQ(FormatWithPattern(QStringLiteral("%e"), 1234.5), "1.23450000000000E+003");
    EXPECT_THROW(FormatWithPattern(QStringLiteral("%d"), 1.5), Exception);
    EXPECT_THROW(FormatWithPattern(QStringLiteral("%f"), int64_t(1)), Exception);
}

FormatItem Format(TfrxFormatKind kind, const char* formatStr, const char* decimal = "", const char* thousand = "")
{
    FormatItem f;
    f.kind = kind;
    f.formatStr = QString::fromUtf8(formatStr);
    f.decimalSeparator = QString::fromUtf8(decimal);
    f.thousandSeparator = QString::fromUtf8(thousand);
    return f;
}

TEST(ValueFormat, EveryKindAndTheFallbackOnValuesAFormatCannotTake)
{
    const QVariant date = DateVariant(EncodeDate(2021, 6, 30) + EncodeTime(10, 20, 30, 0));
    struct Case {
        QVariant value;
        FormatItem format;
        const char* expected;
    } cases[] = {
        {NullVariant(), Format(fkNumeric, "0.00"), ""},
        {QStringLiteral("as is"), Format(fkText, ""), "as is"},
        {1.5, Format(fkText, ""), "1.5"},
        {date, Format(fkText, ""), "6/30/2021 10:20:30"},
        {DateVariant(EncodeDate(2021, 6, 30)), Format(fkText, ""), "6/30/2021"},
        {1234.5, Format(fkNumeric, "#,##0.00", ",", "."), "1.234,50"},
        {7, Format(fkNumeric, "%3d"), "  7"},
        {7.26, Format(fkNumeric, "%.1f"), "7.3"},
        {QStringLiteral("12.5"), Format(fkNumeric, "0.0"), "12.5"},
        {QStringLiteral("twelve"), Format(fkNumeric, "0.0"), "twelve"},
        {date, Format(fkDateTime, "yyyy-mm-dd hh:nn"), "2021-06-30 10:20"},
        {QStringLiteral("abc"), Format(fkDateTime, "yyyy"), "abc"},
        {true, Format(fkBoolean, "Yes,No"), "Yes"},
        {0, Format(fkBoolean, "Yes,No"), "No"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatData(c.value, c.format), QString::fromUtf8(c.expected)) << c.expected;
}

QString Evaluate(const QString& text)
{
    const IdentifierLookup lookup = [](const QString& name, QVariant& value) {
        if (name.compare(QLatin1String("Ten"), Qt::CaseInsensitive) != 0)
            return false;
        value = 10;
        return true;
    };
    return VarToStr(EvaluateExpression(CompileExpression(text), lookup));
}

TEST(ValueFormat, TheEvaluatorComputesLiteralsOperatorsAndIIF)
{
    struct Case {
        const char* expression;
        const char* expected;
    } cases[] = {
        {"1 + 2 * 3", "7"},
        {"(1 + 2) * 3", "9"},
        {"-Ten + 1", "-9"},
        {"7 / 2", "3.5"},
        {"7 div 2", "3"},
        {"7 mod 2", "1"},
        {"2.5e1 * 2", "50"},
        {"'it''s' + ' ' + 'fine'", "it's fine"},
        {"'5' + 1", "6"},
        {"ten >= 10", "True"},
        {"'b' > 'a'", "True"},
        {"1 <> 1", "False"},
        {"not (1 = 2)", "True"},
        {"(1 < 2) and (2 < 1)", "False"},
        {"6 and 3", "2"},
        {"IIF(Ten > 5, 'big', 'small')", "big"},
        {"IIF(True, 1, 1 / 0)", "1"},  // the branch not taken is not computed
        {"Null + 1", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Evaluate(QString::fromUtf8(c.expression)), QString::fromUtf8(c.expected)) << c.expression;

    EXPECT_THROW(Evaluate(QStringLiteral("1 2")), EExpressionCompileError);
    EXPECT_THROW(Evaluate(QStringLiteral("'open")), EExpressionCompileError);
    EXPECT_THROW(Evaluate(QStringLiteral("Eleven")), EExpressionCompileError);
    EXPECT_THROW(Evaluate(QStringLiteral("Sqrt(4)")), EExpressionCompileError);
    EXPECT_THROW(Evaluate(QStringLiteral("1 / 0")), Exception);
}

}  // namespace

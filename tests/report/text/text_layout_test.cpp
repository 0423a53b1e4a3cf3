#include "../memo_fixture.h"
#include "../qt_print.h"

#include "report/text/draw_text.h"
#include "report/text/halving_rule.h"
#include "report/text/line_break_wrap.h"
#include "report/text/text_placement.h"
#include "report/text/text_wrap.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace {

QString Lines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Line %1 of the entry").arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

TEST(TextLayout, ATenPointLineIs15Point28PixelsAndATextOfNLinesNeedsRoundedNTimesThatPlusGaps)
{
    MemoReport r;
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), Lines(1));
    {
        DrawTextLock lock(frxDrawText());
        frxDrawText().SetFont(memo->Font()->Desc());
        frxDrawText().SetGaps(memo->LineSpacing(), 0, 0);
        EXPECT_DOUBLE_EQ(frxDrawText().LineHeight(), 15.28);
    }
    const int expected[] = {17, 33, 48, 63, 78};
    for (int n = 1; n <= 5; ++n) {
        memo->SetText(Lines(n));
        EXPECT_EQ(memo->CalcHeight(), expected[n - 1]) << n << " lines";
    }

    // An empty line still takes a line; a trailing break adds none.
    memo->SetText(QStringLiteral("first\r\n\r\nthird\r\n"));
    EXPECT_EQ(memo->Memo().Count(), 3);
    EXPECT_EQ(memo->CalcHeight(), 48);
}

// Words up to about 900 px of 10-point Arial on one line.
QString LongLine()
{
    QString line;
    for (int i = 0; line.size() < 130; ++i)
        line += QStringLiteral("word%1 ").arg(i % 10) + (i % 3 ? QStringLiteral("and ") : QStringLiteral("some "));
    return line.trimmed();
}

// Where the first line of `text` must end: before the last space whose text so far is at most
// `width` px wide, measured with the platform's own string measure at 600 dpi.
QString ExpectedFirstLine(const QString& text, double width)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(83);
    font.setKerning(false);
    const QFontMetricsF metrics(font);
    qsizetype end = 0;
    for (qsizetype space = text.indexOf(u' '); space > 0; space = text.indexOf(u' ', space + 1))
        if (metrics.horizontalAdvance(text.left(space + 1)) / 6.25 <= width)
            end = space;
    return text.left(end);
}

TEST(TextLayout, AutoWidthWrapsALongLineAtItsBandsEdgeWhileAFixedWidthWrapsItAtTheLastSpace)
{
    MemoReport r;
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), LongLine());
    const double designed = memo->Width();
    EXPECT_EQ(memo->TextRectAt(1, 1, 0, 0).Width(), 617);

    // Without a band around it nothing bounds the text: one line as wide as the text.
    TfrxMemoView loose;
    loose.SetBounds(memo->Left(), memo->Top(), designed, memo->Height());
    loose.SetText(LongLine());
    loose.SetAutoWidth(true);
    EXPECT_EQ(loose.CalcHeight(), 17);
    const double needed = loose.CalcWidth();
    EXPECT_GT(needed, 900);
    EXPECT_LT(needed, 1000);
    Rendering(loose, {1100, 120});
    EXPECT_NEAR(loose.Width(), needed, 0.5) << "prepared for drawing, it takes the width of the text";

    // In the band the object may grow to the band's right edge only: the line wraps there.
    memo->SetAutoWidth(true);
    const double room = r.band->Width() - memo->Left();
    EXPECT_EQ(memo->CalcHeight(), 33);
    const Rendering drawn(*memo, {1100, 120});
    EXPECT_LE(memo->Width(), room);
    EXPECT_GT(memo->Width(), designed) << "wider than designed, as its text needs";
    ASSERT_EQ(drawn.texts.size(), 2u);
    for (const RecordedText& line : drawn.texts)
        EXPECT_LE(line.bounds.right(), r.band->Width()) << line.text.toStdString();
    EXPECT_EQ(drawn.texts[0].text + u' ' + drawn.texts[1].text, LongLine());

    memo->SetAutoWidth(false);
    memo->SetWidth(designed);
    EXPECT_EQ(memo->CalcHeight(), 33);
    const QStringList wrapped = Measure(*memo).lines;
    ASSERT_EQ(wrapped.size(), 2);
    EXPECT_EQ(wrapped[0], ExpectedFirstLine(LongLine(), 617));
    EXPECT_EQ(wrapped[0] + u' ' + wrapped[1], LongLine()) << "the one space at the break is consumed";
}

TEST(TextLayout, WrappingRules)
{
    struct Case {
        const char16_t* text;
        int firstWidth;
        int fullWidth;
        QStringList expected;
    } cases[] = {
        {u"aaa bbb ccc", 75, 75, {"aaa bbb", "ccc"}},
        {u"aaa bbb ccc", 35, 75, {"aaa", "bbb ccc"}},         // the first line may be narrower
        {u"abcdefghij", 45, 45, {"abcd", "efgh", "ij"}},      // a word without space is broken
        {u"aaa\u00A0bbb ccc", 55, 55, {QString::fromUtf16(u"aaa\u00A0b"), "bb", "ccc"}},  // no break at a non-breaking space
        {u"aa  bb", 35, 35, {"aa ", "bb"}},                   // one space is consumed, others stay
        {u"WW", 5, 5, {"W", "W"}},                            // a character wider than the line stands alone
        {u"aaa bbb", 80, 20, {"aaa bbb"}},                    // narrower than the first line: one line
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        std::vector<int64_t> extents;
        for (qsizetype i = 1; i <= text.size(); ++i)
            extents.push_back(10 * i);  // every character 10 units wide
        QStringList lines;
        for (const WrappedLine& line : WrapParagraph(text, extents, c.firstWidth, c.fullWidth, true))
            lines << text.mid(line.start, line.length);
        EXPECT_EQ(lines, c.expected) << text.toStdString();
    }
}

// An AutoWidth object grows away from its fixed side, so that side decides how much of the band
// (0 to 718.1107 px here) it may take.
TEST(TextLayout, AnAutoWidthTextsRoomReachesFromItsFixedSideToTheBandsEdge)
{
    struct Case {
        const char* why;
        TfrxHAlign align;
        int rotation;
        QRectF bounds;
        std::optional<double> room;
    } const cases[] = {
        {"left aligned: to the right edge", haLeft, 0, {100, 0, 200, 20}, 618.1107},
        {"right aligned: to the left edge", haRight, 0, {100, 0, 200, 20}, 300},
        {"centred: twice the nearer edge", haCenter, 0, {500, 0, 100, 20}, 2 * (718.1107 - 550)},
        {"standing past the band's edge: unbounded", haLeft, 0, {720, 0, 100, 20}, std::nullopt},
        {"turned a quarter: unbounded", haLeft, 90, {100, 0, 200, 20}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        MemoReport r;
        TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("text"), c.bounds);
        memo->SetAutoWidth(true);
        memo->SetHAlign(c.align);
        memo->SetRotation(c.rotation);
        const std::optional<double> room = memo->AutoWidthRoom();
        ASSERT_EQ(room.has_value(), c.room.has_value());
        if (room) {
            EXPECT_NEAR(*room, *c.room, 1e-9);
        }
    }
}

// Text kept inside its room breaks where any script allows a line to break. Every character is
// 10 units wide here, except the second unit of a surrogate pair and combining marks, which add
// nothing to the character before them.
TEST(TextLayout, LineBreakOpportunitiesAndClusters)
{
    struct Case {
        const char* why;
        const char16_t* text;
        int firstWidth;
        int fullWidth;
        std::vector<const char16_t*> expected;
    } cases[] = {
        {"spaces hang at the break", u"aaa bbb  ccc", 75, 75, {u"aaa bbb", u"ccc"}},
        {"the first line may be narrower", u"aaa bbb ccc", 35, 75, {u"aaa", u"bbb ccc"}},
        {"after a hyphen", u"well-known fact", 60, 60, {u"well-", u"known", u"fact"}},
        {"between ideographs, not before a full stop", u"日本語の文章。", 30, 30, {u"日本語", u"の文", u"章。"}},
        {"after a tab, which hangs like a space", u"aaaa\tbbbbbb", 70, 70, {u"aaaa", u"bbbbbb"}},
        {"a word wider than the line is broken", u"abcdefghij", 45, 45, {u"abcd", u"efgh", u"ij"}},
        {"the rest of a broken word joins what follows", u"abcdefg hi", 50, 50, {u"abcde", u"fg hi"}},
        {"never inside a surrogate pair", u"𝐀𝐁𝐂𝐃𝐄", 25, 25, {u"𝐀𝐁", u"𝐂𝐃", u"𝐄"}},
        {"never before a combining mark", u"e\u0301e\u0301e\u0301", 15, 15, {u"e\u0301", u"e\u0301", u"e\u0301"}},
        {"no break at a non-breaking space", u"aaa\u00A0bbb ccc", 55, 55, {u"aaa\u00A0b", u"bb", u"ccc"}},
        {"leading spaces stay", u"  aaa bbb", 60, 60, {u"  aaa", u"bbb"}},
        {"a character wider than the line stands alone", u"WW", 5, 5, {u"W", u"W"}},
        {"narrower than the first line: one line, spaces and all", u"aaa bbb ", 90, 20, {u"aaa bbb "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const QString text = QString::fromUtf16(c.text);
        std::vector<int64_t> extents;
        int64_t extent = 0;
        for (QChar ch : text)
            extents.push_back(extent += ch.isLowSurrogate() || ch.isMark() ? 0 : 10);
        QStringList lines;
        for (const WrappedLine& line : WrapParagraphAtLineBreaks(text, extents, c.firstWidth, c.fullWidth))
            lines << text.mid(line.start, line.length);
        QStringList expected;
        for (const char16_t* line : c.expected)
            expected << QString::fromUtf16(line);
        EXPECT_EQ(lines, expected);
    }
}

TEST(TextLayout, WidthCountsCharacterSpacingAndTheParagraphGap)
{
    MemoReport r;
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("abcdefghij"));
    const double plain = memo->CalcWidth();
    memo->SetCharSpacing(1);
    EXPECT_EQ(memo->CalcWidth(), plain + 10);
    memo->SetCharSpacing(0);
    memo->SetParagraphGap(20);
    EXPECT_EQ(memo->CalcWidth(), plain + 20);
}

TEST(TextLayout, TheHalvingRule)
{
    struct Case {
        int pixels;
        int count;
        std::vector<int> expected;
    } cases[] = {
        {0, 3, {0, 0, 0}},
        {1, 1, {1}},
        {1, 2, {1, 0}},
        {1, 3, {0, 1, 0}},
        {1, 4, {0, 1, 0, 0}},
        {2, 3, {1, 0, 1}},
        {2, 4, {1, 0, 1, 0}},
        {3, 5, {0, 1, 0, 1, 1}},
        {5, 3, {2, 1, 2}},
        {-1, 3, {0, -1, 0}},
        {-2, 4, {-1, 0, -1, 0}},
        {4, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpreadByHalving(c.pixels, c.count), c.expected) << c.pixels << " over " << c.count;
}

TEST(TextLayout, LinesKeepTheModelsPositionsOnEveryScale)
{
    // Five 10-point lines: the model puts them 15.28 px apart, the device steps 15 (13 + 2).
    EXPECT_EQ(LineTops(0, 5, 15, 76, true), (std::vector<int>{0, 15, 31, 46, 61}));
    EXPECT_EQ(LineTops(0, 5, 15, 76, false), (std::vector<int>{0, 15, 30, 45, 60}));
    EXPECT_EQ(LineTops(0, 5, 31, 153, true), (std::vector<int>{0, 30, 61, 91, 122}));  // scale 2

    MemoReport r;
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), Lines(5), {10, 10, 400, 100});
    for (double scale : {1.0, 2.0}) {
        const Rendering drawn(*memo, {900, 400}, scale);
        ASSERT_EQ(drawn.texts.size(), 5u);
        const TextRect rect = memo->TextRectAt(scale, scale, 0, 0);
        std::vector<int> tops;
        for (const RecordedText& t : drawn.texts)
            tops.push_back(int(t.bounds.top()) - rect.top);
        EXPECT_EQ(tops, scale == 1 ? LineTops(0, 5, 15, 76, true) : LineTops(0, 5, 31, 153, true));
    }
}

}  // namespace

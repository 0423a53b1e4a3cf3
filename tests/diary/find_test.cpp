#include "diary/find/byte_search.h"
#include "diary/find/case_folding.h"
#include "diary/find/diary_index.h"
#include "diary/find/folded_utf8.h"
#include "diary/find/full_case_folds.h"
#include "diary/find/row_day.h"
#include "store/sqlite_query.h"

#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sqlite3.h>

namespace {

char32_t Character(char32_t c) { return c; }
char32_t Character(const FullCaseFold& fold) { return fold.character; }

std::optional<TextRange> Find(const QString& text, const QString& needle)
{
    return FindFolded(text, FoldCase(text), FoldCase(needle));
}

}  // namespace

TEST(CaseFolding, MatchesIgnoringCaseInEveryScriptAndMarksTheOriginalCharacters)
{
    struct Case {
        const char* why;
        QString text;
        QString needle;
        std::optional<TextRange> expected;
    };
    const Case cases[] = {
        {"ASCII", QStringLiteral("Walked to the HARBOUR"), QStringLiteral("harbour"), TextRange{14, 7}},
        {"sharp s in the needle", QStringLiteral("Die STRASSE war nass"), QStringLiteral("straße"), TextRange{4, 7}},
        {"sharp s in the text: the range is shorter than the needle", QStringLiteral("in der Straße"),
         QStringLiteral("STRASSE"), TextRange{7, 6}},
        {"Greek with final sigma", QStringLiteral("ΣΊΣΥΦΟΣ"), QStringLiteral("σίσυφος"), TextRange{0, 7}},
        {"Cyrillic", QStringLiteral("Мой ДНЕВНИК"), QStringLiteral("дневник"), TextRange{4, 7}},
        {"Japanese", QStringLiteral("今日は晴れ、散歩した"), QStringLiteral("散歩"), TextRange{6, 2}},
        {"a text lengthened by folding before the match", QStringLiteral("Großes ΣΊΣΥΦΟΣ"),
         QStringLiteral("σίσυφος"), TextRange{7, 7}},
        {"a ligature folds to two letters", QStringLiteral("ﬁnd it"), QStringLiteral("FIND"), TextRange{0, 3}},
        {"surrogate pairs after a lengthened character", QStringLiteral("ß 𐐀𐐁"), QStringLiteral("𐐨𐐩"),
         TextRange{2, 4}},
        {"half of a folded character is no match", QStringLiteral("Maß"), QStringLiteral("s"), std::nullopt},
        {"the next whole match is taken", QStringLiteral("Maß es"), QStringLiteral("s"), TextRange{5, 1}},
        {"plain text, not a pattern", QStringLiteral("see (1) *here*"), QStringLiteral("(1) *"), TextRange{4, 5}},
        {"a dot is a dot", QStringLiteral("price 1x50"), QStringLiteral("1.50"), std::nullopt},
        {"not there", QStringLiteral("nothing here"), QStringLiteral("zebra"), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::optional<TextRange> found = Find(c.text, c.needle);
        ASSERT_EQ(found.has_value(), c.expected.has_value());
        if (found) {
            EXPECT_EQ(*found, *c.expected);
        }
    }
}

TEST(CaseFolding, AgreesWithQtsFoldingBesidesTheCharactersThatFoldToSeveral)
{
    QList<char32_t> others;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const bool several = std::binary_search(FullCaseFolds().begin(), FullCaseFolds().end(), c,
                                                [](auto a, auto b) { return Character(a) < Character(b); });
        if ((c < 0xD800 || c > 0xDFFF) && !several)
            others << c;
    }
    const QString every = QString::fromUcs4(others.constData(), others.size());
    EXPECT_EQ(FoldCase(every), every.toCaseFolded());
    // Qt's own folding keeps these as they are.
    EXPECT_EQ(FoldCase(QStringLiteral("Straße ẞ ﬁ İ")), QStringLiteral("strasse ss fi i\u0307"));
}

// The matching takes an unchanged length to mean that every character kept its place: characters
// beyond the Basic Multilingual Plane fold to characters beyond it, and the others fold to one
// character of it or to several.
TEST(CaseFolding, NoCharacterGetsShorterWhenFolded)
{
    for (char32_t c = 0x10000; c <= 0x10FFFF; ++c)
        ASSERT_TRUE(QChar::requiresSurrogates(QChar::toCaseFolded(c))) << "U+" << std::hex << uint32_t(c);
    for (const FullCaseFold& fold : FullCaseFolds())
        EXPECT_GE(std::char_traits<char16_t>::length(fold.folded), 2u);
}

namespace {

DiaryIndex IndexOf(const std::vector<std::pair<TDateTime, QString>>& entries)
{
    DiaryIndex index;
    for (const auto& [day, text] : entries)
        index.Add(day, text);
    index.Finish();
    return index;
}

}  // namespace

TEST(DiaryIndex, FirstMatchingLineWithTheMatchInItAndEachDayOnce)
{
    const DiaryIndex entries = IndexOf({
        {3, QStringLiteral("Morning rain\r\nWalked to the HARBOUR at noon\r\nharbour again\r\n")},
        {2, QStringLiteral("nothing\r\n")},
        {1, QStringLiteral("朝は雨\r\n港まで歩いた\r\n")},
        {1, QStringLiteral("a second row of the same day: 港, Harbour\r\n")},
    });
    const QVector<DiaryHit> english = entries.Find(QStringLiteral("Harbour"));
    ASSERT_EQ(english.size(), 2);
    EXPECT_EQ(english[0].day, 3);
    EXPECT_EQ(english[0].line, QStringLiteral("Walked to the HARBOUR at noon"));
    EXPECT_EQ(english[0].match, (TextRange{14, 7}));
    EXPECT_EQ(english[1].day, 1);  // found in the day's second row
    EXPECT_EQ(english[1].line, QStringLiteral("a second row of the same day: 港, Harbour"));

    // Both rows of day 1 hold it; the day is listed once, from its first row.
    const QVector<DiaryHit> japanese = entries.Find(QStringLiteral("港"));
    ASSERT_EQ(japanese.size(), 1);
    EXPECT_EQ(japanese[0].line, QStringLiteral("港まで歩いた"));
    EXPECT_EQ(japanese[0].match, (TextRange{0, 1}));

    EXPECT_TRUE(entries.Find(QString()).isEmpty());
}

// The texts lie side by side in one buffer; each must be matched on its own, its line and match
// given in the text as written, whichever way it is kept.
TEST(DiaryIndex, MatchesNeverRunFromOneTextIntoTheNext)
{
    const DiaryIndex entries = IndexOf({
        {6, QStringLiteral("went to the har")},
        {5, QStringLiteral("BOUR at noon")},
        {4, QStringLiteral("Straße har")},  // kept as written: folding lengthens it
        {3, QStringLiteral("bour")},
        {2, QStringLiteral("")},
        {1, QStringLiteral("ends with ha, SEE")},
    });
    for (const QString& needle : {QStringLiteral("harbour"), QStringLiteral("arb"), QStringLiteral("noonstra")}) {
        SCOPED_TRACE(needle.toStdString());
        EXPECT_TRUE(entries.Find(needle).isEmpty());
    }
    const QVector<DiaryHit> bour = entries.Find(QStringLiteral("bour"));
    ASSERT_EQ(bour.size(), 2);
    EXPECT_EQ(bour[0].line, QStringLiteral("BOUR at noon"));
    EXPECT_EQ(bour[1].day, 3);
    // "se" lies in the fold of "Straße" only across the end of "ß": the next text is looked at.
    const QVector<DiaryHit> se = entries.Find(QStringLiteral("se"));
    ASSERT_EQ(se.size(), 1);
    EXPECT_EQ(se[0].day, 1);
    EXPECT_EQ(se[0].match, (TextRange{14, 2}));
}

TEST(DiaryIndex, GivesEachTextAsWrittenWhateverItsCharacters)
{
    struct Case {
        const char* why;
        QString text;
        QString needle;
        QString line;
        TextRange match;
    };
    const Case cases[] = {
        {"capitals on the line before and in the match", QStringLiteral("ONE\r\nTwo HARBOURS"), QStringLiteral("harbour"),
         QStringLiteral("Two HARBOURS"), {4, 7}},
        {"Greek, Cyrillic and Japanese before the match", QStringLiteral("ΣΊΣΥΦΟΣ Мой 港 KYOTO"), QStringLiteral("kyoto"),
         QStringLiteral("ΣΊΣΥΦΟΣ Мой 港 KYOTO"), {14, 5}},
        {"characters beyond the Basic Multilingual Plane", QStringLiteral("𐐀𐐁 and 😀 HERE"), QStringLiteral("here"),
         QStringLiteral("𐐀𐐁 and 😀 HERE"), {12, 4}},
        {"a Kelvin sign folds to a shorter UTF-8 letter", QStringLiteral("\u212A and KELVIN"), QStringLiteral("kelvin"),
         QStringLiteral("\u212A and KELVIN"), {6, 6}},
        {"a Kelvin sign found by its fold", QStringLiteral("x\r\n5 \u212A"), QStringLiteral("5 k"),
         QStringLiteral("5 \u212A"), {0, 3}},
        {"half of a folded character is no match, the next whole one is", QStringLiteral("Maßx\r\nSX"),
         QStringLiteral("sx"), QStringLiteral("SX"), {0, 2}},
        {"a needle that spans lines", QStringLiteral("First\r\nSecond"), QStringLiteral("st\r\nse"),
         QStringLiteral("First\r\nSecond"), {3, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const QVector<DiaryHit> hits = IndexOf({{1, c.text}}).Find(c.needle);
        ASSERT_EQ(hits.size(), 1);
        EXPECT_EQ(hits[0].line, c.line);
        EXPECT_EQ(hits[0].match, c.match);
    }
}

// The first search is made block by block as the texts are read: it must find what a search of
// the finished index finds, across the blocks' edges, in texts kept whole and with days out of order.
TEST(DiaryIndex, ASearchMadeWhileAddingFindsWhatTheFinishedIndexFinds)
{
    const auto text = [](int i) {
        QString t = QStringLiteral("Entry %1: walked to the HARBOUR and back.\r\n今日は港まで歩いた。\r\n").arg(i).repeated(3);
        if (i % 7 == 0)
            t += QStringLiteral("Took the train to KYOTO.\r\n");
        if (i % 11 == 0)
            t += QStringLiteral("Die Straße nach Kyoto\r\n");  // kept whole: folding lengthens it
        return t;
    };
    for (const QString& needle : {QStringLiteral("kyoto"), QStringLiteral("STRASSE"), QStringLiteral("entry 29"),
                                  QStringLiteral("港"), QStringLiteral("zebra"), QString(QChar(0xD800))}) {
        SCOPED_TRACE(needle.toStdString());
        DiaryIndex index;
        index.FindWhileAdding(needle);
        for (int i = 0; i < 3000; ++i)
            index.Add(TDateTime((i * 7919) % 2000), text(i));  // some days have two rows
        const QVector<DiaryHit> whileAdding = index.Finish();
        const QVector<DiaryHit> afterwards = index.Find(needle);
        ASSERT_EQ(whileAdding.size(), afterwards.size());
        EXPECT_EQ(whileAdding.isEmpty(), needle == QStringLiteral("zebra") || needle[0].isSurrogate());
        for (qsizetype i = 0; i < afterwards.size(); ++i) {
            EXPECT_EQ(whileAdding[i].day, afterwards[i].day);
            EXPECT_EQ(whileAdding[i].line, afterwards[i].line);
            EXPECT_EQ(whileAdding[i].match, afterwards[i].match);
        }
    }
}

// Texts are folded sixteen bytes at a time where they allow it; each case is tried at every place
// against those sixteen bytes, and must give exactly what folding it as a QString gives, or be
// refused and kept whole.
TEST(FoldedUtf8, FoldsAsQStringDoesWhereverTheTextLies)
{
    struct Case {
        const char* why;
        QByteArray text;
        bool folded;  // false: to be kept whole
    };
    const Case cases[] = {
        {"ASCII with capitals", "Walked to the HARBOUR, wrote to Kyoto AND Zermatt @[`{ az AZ", true},
        {"Japanese between ASCII", QStringLiteral("Went to KYOTO 今日は港まで歩いて、手紙を書いた。\r\nHOME").toUtf8(), true},
        {"capitals right after other characters", QStringLiteral("xéY 日Z aBΣC Ab").toUtf8(), true},
        {"Hangul and Chinese", QStringLiteral("한국어 텍스트 中文文本 ABC").toUtf8(), true},
        {"Greek, Cyrillic and fullwidth letters", QStringLiteral("ΣΊΣΥΦΟΣ Мой ДНЕВНИК ＡＢＣ ａｂｃ").toUtf8(), true},
        {"beyond the Basic Multilingual Plane", QStringLiteral("𐐀𐐁 and 😀 HERE 今日").toUtf8(), true},
        {"sharp s", QStringLiteral("今日は STRAßE").toUtf8(), false},
        {"a three-byte character cut short", "ABCDEFGH\xE6\xB8", false},
        {"a lead byte without continuation", "ABC \xE6\x41\x42 DEF", false},
        {"an overlong form", "ABC \xE0\x80\xAF DEF", false},
        {"an encoded surrogate", "ABC \xED\xA0\x80 DEF", false},
        {"a noncharacter", "ABC \xEF\xBF\xBE DEF", false},
        {"a stray continuation byte after Japanese", QStringLiteral("今日は").toUtf8() + "\x80" + "ABC", false},
    };
    for (const Case& c : cases) {
        for (int shift = 0; shift <= 16; ++shift) {
            SCOPED_TRACE(std::string(c.why) + ", after " + std::to_string(shift) + " bytes");
            const QByteArray text = QByteArray(shift, 'x') + c.text + c.text;
            FoldedUtf8 folded;
            folded.bytes.assign(3, 'p');  // what was there before stays
            ASSERT_EQ(AppendFoldedUtf8(std::string_view(text.constData(), size_t(text.size())), folded), c.folded);
            if (!c.folded) {
                EXPECT_EQ(std::string(folded.bytes.begin(), folded.bytes.end()), "ppp");
                EXPECT_TRUE(folded.changedAt.empty());
                continue;
            }
            std::string bytes(folded.bytes.begin() + 3, folded.bytes.end());
            EXPECT_EQ(bytes, FoldCase(QString::fromUtf8(text)).toUtf8().toStdString());
            ASSERT_EQ(folded.changedAt.size(), folded.changedFrom.size());
            // Looked up by place: each place once, in order.
            EXPECT_EQ(std::adjacent_find(folded.changedAt.begin(), folded.changedAt.end(), std::greater_equal<>()),
                      folded.changedAt.end());
            for (size_t i = 0; i < folded.changedAt.size(); ++i)
                bytes[folded.changedAt[i] - 3] = folded.changedFrom[i];
            EXPECT_EQ(bytes, text.toStdString());
        }
    }
}

// Searching looks at 32 bytes a step and compares in full only where the first and last bytes
// fit: every place must be found as a plain search finds it, before, across and after the steps.
TEST(FindBytes, FindsWhatAPlainSearchFinds)
{
    const std::string text = "walked to the harbour, then to kyoto; kyoto again at the very end: kyotO kyoto";
    const std::string needles[] = {"kyoto", "k", "ky", "kyo", "harbour, then to kyoto; kyoto again at", "kyotO kyoto",
                                   "zebra", "kyoto kyoto kyoto"};
    for (int shift = 0; shift < 40; ++shift) {
        const std::string haystack = std::string(size_t(shift), '.') + text;
        for (const std::string& needle : needles) {
            for (size_t from : {size_t(0), size_t(shift) + 31, haystack.size() - 5, haystack.size()}) {
                SCOPED_TRACE(needle + " after " + std::to_string(shift) + " from " + std::to_string(from));
                EXPECT_EQ(FindBytes(haystack, from, needle), std::string_view(haystack).find(needle, from));
            }
        }
    }
}

// The day key is read by a shortcut; every value must give the day the store's reading gives.
TEST(RowDay, GivesTheDayTheStoreReads)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> closing(db, sqlite3_close);
    const char* values[] = {"'2021-06-30'", "'2020-02-29'", "'2021-02-29'", "'2021-13-01'", "'2021-00-10'",
                            "'2021-06-00'", "'0000-01-01'", "'0001-01-01'", "'9999-12-31'", "'1899-12-30'",
                            "'2021-6-30'", "'2021-06-3a'", "'2021-06-30 18:45'", "'2021-06-30x'", "'30.06.2021'",
                            "' 2459396.5'", "2459396", "2459396.75", "'abc'", "NULL", "X'323032312D30362D3330'", "''", "'2021'", "'2021-06'",
                            "'2021-06-3'", "CAST(X'323032312D30362D3330003A3939' AS TEXT)",
                            "CAST(X'323032312D30362D333000' AS TEXT)"};
    for (const char* value : values) {
        SCOPED_TRACE(value);
        sqlite3_stmt* raw = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db, (std::string("SELECT ") + value).c_str(), -1, &raw, nullptr), SQLITE_OK);
        const SqliteStatement stmt(raw);
        ASSERT_EQ(sqlite3_step(raw), SQLITE_ROW);
        const std::optional<TDateTime> stored = ColumnDateTime(raw, 0);
        EXPECT_EQ(RowDay(raw, 0), stored ? DateOf(*stored) : 0);
    }
}

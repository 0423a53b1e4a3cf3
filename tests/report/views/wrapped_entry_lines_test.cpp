// Diary entries whose lines are longer than the printable width: the lines wrap inside it, every
// word reaches the page, on the screen, in a saved printout and in a PDF, and nothing is drawn
// past the printable area.
#include "../qt_print.h"
#include "../report_engine_fixture.h"

#include "report/base/report_units.h"
#include "report/model/print_options.h"
#include "report/model/report_page.h"

#include "platform/canvas.h"
#include "platform/printers.h"
#include "platform/scripted_dialogs.h"
#include "test_env.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A4 with 10 mm margins, drawn at 100% with the paper's corner at the origin.
constexpr double kMargin = 10 * fr01cm;
constexpr double kPrintableRight = kMargin + 718.1107;
constexpr double kFooterTop = kMargin + DiaryBuild::kFooterTop;

// "stem0 stem1 …": `count` words of different lengths in one line.
QString Words(int count, const QString& stem = QStringLiteral("word"))
{
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << stem + QString::number(i * 37 % 1000);
    return words.join(u' ');
}

QString Japanese(int sentences)
{
    const QString sentence = QStringLiteral("今日は一日中雨でした。図書館で本を三冊借りて、");
    QString text;
    for (int i = 0; i < sentences; ++i)
        text += sentence + QString::number(i) + QStringLiteral("冊目を読み終えました。");
    return text;
}

QString WithoutWhitespace(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

struct Printout : DiaryBuild {
    // Each entry's lines, stored with CR LF as the diary keeps them.
    explicit Printout(const std::vector<QStringList>& entries)
    {
        for (const QStringList& lines : entries) {
            headings << QStringLiteral("06.%1.2021").arg(headings.size() + 1, 2, 10, QLatin1Char('0'));
            texts << lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
        }
        diary.dataSet->SetRangeEnd(reCount);
        diary.dataSet->SetRangeEndCount(int(entries.size()));
    }

    QString AllEntries() const { return WithoutWhitespace(texts.join(QString())); }
};

// What one page shows: every text put out, with its box on the paper at 100%.
std::vector<RecordedText> DrawnTexts(TfrxPreviewPages& store, int index)
{
    std::vector<RecordedText> texts;
    QImage image(store.GetPageSize(index), QImage::Format_RGB32);
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.SetTextRecorder(&texts);
    store.DrawPage(index, canvas, 1, 1, 0, 0);
    return texts;
}

// The lines of entry text among them: those starting at the entry text's left edge.
std::vector<RecordedText> EntryLines(const std::vector<RecordedText>& texts, TfrxReport& report)
{
    const auto& entry = *qobject_cast<TfrxCustomMemoView*>(report.FindObject(QStringLiteral("frxUserDataSet1Data2")));
    const int left = entry.TextRectAt(1, 1, kMargin, 0).left;
    std::vector<RecordedText> lines;
    for (const RecordedText& text : texts)
        if (text.bounds.left() == left)
            lines.push_back(text);
    return lines;
}

// Every text inside the printable area, entry lines above the footer, and no two texts on top of
// each other (a band that did not grow with its lines would put them over the next entry).
void ExpectInsideAndApart(const std::vector<RecordedText>& texts, const std::vector<RecordedText>& entryLines)
{
    for (const RecordedText& text : texts) {
        EXPECT_GE(text.bounds.left(), kMargin) << text.text.toStdString();
        EXPECT_LE(text.bounds.right(), kPrintableRight) << text.text.toStdString();
    }
    for (const RecordedText& line : entryLines) {
        EXPECT_LE(line.bounds.bottom(), kFooterTop) << line.text.toStdString();
        for (const RecordedText& other : texts) {
            if (other.bounds != line.bounds || other.text != line.text) {
                EXPECT_FALSE(line.bounds.intersects(other.bounds))
                    << line.text.toStdString() << " over " << other.text.toStdString();
            }
        }
    }
}

TEST(WrappedEntryLines, EveryWordPrintsInsideThePrintableWidth)
{
    const QString crossing = Words(1000, QStringLiteral("long"));
    QStringList shortLines;
    for (int i = 1; i <= 20; ++i)
        shortLines << QStringLiteral("Short line %1.").arg(i);
    struct Case {
        const char* name;
        std::vector<QStringList> entries;
    } const cases[] = {
        {"a paragraph of 120 words", {{Words(120)}}},
        {"a word of 400 characters", {{QStringLiteral("abcdefghij").repeated(40)}}},
        {"a Japanese paragraph without spaces", {{Japanese(6)}}},
        {"a line with tabs", {{QStringLiteral("Time\t") + Words(40) + QStringLiteral("\tend\t") + Words(40)}}},
        {"short and long lines mixed",
         {{QStringLiteral("Morning."), Words(90), QString(), QStringLiteral("Evening."), Japanese(3)},
          {QStringLiteral("A short entry.")},
          {Words(60, QStringLiteral("next")), QStringLiteral("The end.")}}},
        {"an entry whose wrapped lines cross a page boundary",
         {{QStringLiteral("A short first entry.")}, shortLines + QStringList{crossing, QStringLiteral("The end.")}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Printout printout(c.entries);
        ASSERT_TRUE(printout.report.PrepareReport(true)) << printout.report.Errors().join(u'\n').toStdString();
        QString printed;
        for (int page = 0; page < printout.store.Count(); ++page) {
            SCOPED_TRACE(page + 1);
            const std::vector<RecordedText> texts = DrawnTexts(printout.store, page);
            const std::vector<RecordedText> lines = EntryLines(texts, printout.report);
            for (const RecordedText& line : lines)
                printed += line.text;
            ExpectInsideAndApart(texts, lines);
        }
        EXPECT_TRUE(WithoutWhitespace(printed) == printout.AllEntries())
            << "every word once, in order; printed:\n" << printed.toStdString();
    }
}

// The long entry goes to a page of its own and is split after the 63 lines that fit there; the
// part on the next page goes on with the same paragraph.
TEST(WrappedEntryLines, ASplitEntryContinuesItsParagraphOnTheNextPage)
{
    Printout printout({{QStringLiteral("A short first entry.")}, {Words(1000)}});
    ASSERT_TRUE(printout.report.PrepareReport(true));
    ASSERT_EQ(printout.store.Count(), 3);
    const std::vector<RecordedText> second = EntryLines(DrawnTexts(printout.store, 1), printout.report);
    EXPECT_EQ(second.size(), 63u);

    const auto entryText = [&](int page, int band, int object) {
        return qobject_cast<TfrxCustomMemoView*>(printout.Page(page).Objects()[band]->Objects()[object]);
    };
    const TfrxCustomMemoView* firstPart = entryText(1, 1, 1);
    const TfrxCustomMemoView* secondPart = entryText(2, 1, 0);
    ASSERT_TRUE(firstPart && secondPart);
    EXPECT_TRUE(firstPart->LastParaBreak()) << "cut inside the paragraph";
    EXPECT_FALSE(firstPart->FirstParaBreak());
    EXPECT_TRUE(secondPart->FirstParaBreak()) << "continues the paragraph";
    EXPECT_FALSE(secondPart->LastParaBreak());
    EXPECT_TRUE(WithoutWhitespace(firstPart->Text() + secondPart->Text()) == WithoutWhitespace(printout.texts[1]))
        << "the two parts hold the entry's text once";
}

// A printout saved to a file and opened again shows the same lines in the same places.
TEST(WrappedEntryLines, ASavedPrintoutShowsTheSameLines)
{
    Printout printout({{Words(120), Japanese(4)}, {Words(1000)}});
    ASSERT_TRUE(printout.report.PrepareReport(true));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("diary.fp3"));
    printout.store.SaveToFile(file);
    DiaryBuild reopened;
    ASSERT_TRUE(reopened.store.LoadFromFile(file, true));
    ASSERT_EQ(reopened.store.Count(), printout.store.Count());
    for (int page = 0; page < printout.store.Count(); ++page) {
        SCOPED_TRACE(page + 1);
        const std::vector<RecordedText> built = DrawnTexts(printout.store, page);
        const std::vector<RecordedText> read = DrawnTexts(reopened.store, page);
        ASSERT_EQ(read.size(), built.size());
        for (size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(read[i].text, built[i].text);
            EXPECT_EQ(read[i].bounds, built[i].bounds) << read[i].text.toStdString();
        }
    }
}

// What a PDF reader takes out of the printed file holds every word. Spaces are left out of the
// comparison: how a reader guesses them from glyph positions is no matter of the layout.
TEST(WrappedEntryLines, ThePrintedPdfHoldsEveryWord)
{
    Printout printout({{Words(120)}, {QStringLiteral("abcdefghij").repeated(40)}, {Japanese(6)}});
    ASSERT_TRUE(printout.report.PrepareReport(true));
    ASSERT_EQ(printout.store.Count(), 1);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("diary.pdf"));
    ScriptedDialogs dialogs;
    PrintToPdfFile(printout.report, dialogs, file);
    ASSERT_TRUE(printout.store.Print());

    const QString read = WithoutWhitespace(ProgramOutput(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}));
    ASSERT_FALSE(read.isEmpty()) << "pdftotext could not read " << file.toStdString();
    for (const QString& text : printout.texts)
        EXPECT_TRUE(read.contains(WithoutWhitespace(text))) << text.left(40).toStdString() << "… not in\n"
                                                            << read.toStdString();
}

}  // namespace

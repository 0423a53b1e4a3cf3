#pragma once

#include "report_engine_fixture.h"

#include <QString>

#include <span>

// A paragraph of about 120 words written as one line, as the diary keeps a paragraph: wider than
// the page, so the printout wraps it over several lines.
inline const QString kLongDiaryParagraph = QStringLiteral(
    "Spent the whole afternoon at the old harbour with Anna and her brother, who had come up from the "
    "coast for the weekend; we walked past the fish market, stopped for coffee at the little place with "
    "the blue shutters, and talked for hours about the summer, the house they want to buy, the garden "
    "that needs digging before the first frost, and whether the boat is worth repairing at all. On the "
    "way back the rain started again, so we waited under the bridge, watching the ferries come and go, "
    "until the light faded and the lamps along the quay came on one by one, and then walked home slowly, "
    "tired, cold, wet through and very happy indeed.");

// Lines the diary benchmarks make their entries from, one of them Japanese and one a long paragraph.
inline const QString kDiarySentences[] = {
    QStringLiteral("Woke early, the garden was wet after the night's rain."),
    QStringLiteral("Worked on the quarterly figures until lunch; the numbers finally add up."),
    QStringLiteral("Long walk along the river with Anna, we talked about the summer plans."),
    QStringLiteral("Read two chapters before bed."),
    QStringLiteral("今日は一日中雨でした。図書館で本を三冊借りました。"),
    kLongDiaryParagraph,
};

// The text of entry `e`: `minLines` to `minLines + lineSpread - 1` lines, taken in turn from
// `sentences`, each ending in CR LF as stored.
inline QString DiaryEntryText(int e, int minLines, int lineSpread, std::span<const QString> sentences = kDiarySentences)
{
    QString text;
    for (int l = 0; l < minLines + e % lineSpread; ++l)
        text += sentences[size_t(e * 7 + l * 3) % sentences.size()] + QStringLiteral("\r\n");
    return text;
}

// Gives the diary template `count` entries, as the main window gives it its rows: a heading and
// the text of DiaryEntryText each. Answers the bytes of UTF-8 text the entries hold.
inline qint64 AddDiaryEntries(DiaryBuild& build, int count, int minLines, int lineSpread,
                              std::span<const QString> sentences = kDiarySentences)
{
    qint64 bytes = 0;
    for (int e = 0; e < count; ++e) {
        build.headings << QStringLiteral("%1/%2/%3 (Tue)").arg(2000 + e / 336).arg(e / 28 % 12 + 1).arg(e % 28 + 1);
        const QString text = DiaryEntryText(e, minLines, lineSpread, sentences);
        build.texts << text;
        bytes += build.headings.back().toUtf8().size() + text.toUtf8().size();
    }
    build.diary.dataSet->SetRangeEnd(reCount);
    build.diary.dataSet->SetRangeEndCount(count);
    return bytes;
}

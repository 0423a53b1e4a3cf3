#pragma once

#include "report_engine_fixture.h"

#include <QString>

#include <span>

// Lines the diary benchmarks make their entries from, one of them Japanese.
inline const QString kDiarySentences[] = {
    QStringLiteral("Woke early, the garden was wet after the night's rain."),
    QStringLiteral("Worked on the quarterly figures until lunch; the numbers finally add up."),
    QStringLiteral("Long walk along the river with Anna, we talked about the summer plans."),
    QStringLiteral("Read two chapters before bed."),
    QStringLiteral("今日は一日中雨でした。図書館で本を三冊借りました。"),
};

// Gives the diary template `count` entries, as the main window gives it its rows: a heading and
// `minLines` to `minLines + lineSpread - 1` lines each, taken in turn from `sentences`. Answers
// the bytes of UTF-8 text the entries hold.
inline qint64 AddDiaryEntries(DiaryBuild& build, int count, int minLines, int lineSpread,
                              std::span<const QString> sentences = kDiarySentences)
{
    qint64 bytes = 0;
    for (int e = 0; e < count; ++e) {
        build.headings << QStringLiteral("%1/%2/%3 (Tue)").arg(2000 + e / 336).arg(e / 28 % 12 + 1).arg(e % 28 + 1);
        QString text;
        for (int l = 0; l < minLines + e % lineSpread; ++l)
            text += sentences[size_t(e * 7 + l * 3) % sentences.size()] + QStringLiteral("\r\n");
        build.texts << text;
        bytes += build.headings.back().toUtf8().size() + text.toUtf8().size();
    }
    build.diary.dataSet->SetRangeEnd(reCount);
    build.diary.dataSet->SetRangeEndCount(count);
    return bytes;
}

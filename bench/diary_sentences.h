#pragma once

#include <QString>

// Lines the diary benchmarks make their entries from, one of them Japanese.
inline const QString kDiarySentences[] = {
    QStringLiteral("Woke early, the garden was wet after the night's rain."),
    QStringLiteral("Worked on the quarterly figures until lunch; the numbers finally add up."),
    QStringLiteral("Long walk along the river with Anna, we talked about the summer plans."),
    QStringLiteral("Read two chapters before bed."),
    QStringLiteral("今日は一日中雨でした。図書館で本を三冊借りました。"),
};

#pragma once

#include "memo_fixture.h"

#include "report/model/band_kinds.h"
#include "report/model/user_dataset.h"
#include "report/views/diary_report.h"
#include "report/views/line_view.h"

#include <memory>

// The diary template with one entry answered by its data source: the heading and an entry text
// of the given number of lines.
struct DiaryBand {
    std::unique_ptr<QObject> form = std::make_unique<QObject>();
    DiaryReport diary = CreateDiaryReport(form.get());
    BuildValues build;
    QString entry;

    TfrxMasterData& band = Find<TfrxMasterData>("MasterData1");
    TfrxMemoView& heading = Find<TfrxMemoView>("frxUserDataSet1Data1");
    TfrxMemoView& text = Find<TfrxMemoView>("frxUserDataSet1Data2");
    TfrxLineView& line = Find<TfrxLineView>("Line1");

    template <typename T>
    T& Find(const char* name) const
    {
        return *qobject_cast<T*>(diary.report->FindObject(QString::fromLatin1(name)));
    }

    explicit DiaryBand(int lines)
    {
        QStringList texts;
        for (int i = 1; i <= lines; ++i)
            texts << QStringLiteral("Line %1 of the entry").arg(i);
        entry = texts.join(QStringLiteral("\r\n"));
        diary.report->SetEngineValues(&build);
        diary.dataSet->OnGetValue = [this](const QString& field, QVariant& value) {
            value = field == QLatin1String("Data1") ? QStringLiteral("2021/06/30 (Wed)") : entry;
        };
    }
};

// What the diary's 10-point text of n lines needs: round(n × 15.28 + 2).
inline double DiaryTextHeight(int lines) { return RoundHalfEven(lines * 15.28 + 2); }

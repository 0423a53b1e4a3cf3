#pragma once

#include "report/document/preview_pages.h"
#include "report/document/preview_pages_sink.h"

#include "report/model/report.h"
#include "report/model/user_dataset.h"
#include "report/views/custom_memo_view.h"
#include "report/views/diary_report.h"

#include "report/model/print_options.h"

#include "platform/printers.h"
#include "platform/rounding.h"
#include "platform/scripted_dialogs.h"

#include <QStringList>
#include <memory>
#include <vector>

// The diary template with its prepared pages store, fed from a list of entries through the user
// data source the way the main window feeds it.
struct DiaryBuild {
    static constexpr double kHeaderHeight = 22.67718;
    static constexpr double kFooterTop = 1024.25263;
    // A band of an entry whose text needs at most the designed text height.
    static constexpr double kShortBandHeight = 79.37013;
    static constexpr double kDesignedTextHeight = 37.7953;

    std::unique_ptr<QObject> form = std::make_unique<QObject>();
    DiaryReport diary = CreateDiaryReport(form.get());
    TfrxReport& report = *diary.report;
    TfrxPreviewPages& store = InstallPreviewPages(report);
    QStringList headings;
    QStringList texts;

    DiaryBuild()
    {
        // Errors stay in the report's list instead of waiting for a message box to be closed.
        report.EngineOptions()->SetNewSilentMode(simSilent);
        diary.dataSet->OnGetValue = [this](const QString& field, QVariant& value) {
            const int row = diary.dataSet->RecNo();
            if (field == QLatin1String("Data1"))
                value = headings.at(row);
            else if (field == QLatin1String("Data2"))
                value = texts.at(row);
        };
    }

    // Entries of the given numbers of text lines, each line ending in CR LF as stored.
    void SetEntries(const std::vector<int>& lineCounts)
    {
        headings.clear();
        texts.clear();
        for (int lines : lineCounts) {
            headings << QStringLiteral("06.%1.2021").arg(headings.size() + 1, 2, 10, QLatin1Char('0'));
            QString text;
            for (int line = 1; line <= lines; ++line)
                text += QStringLiteral("Entry %1, line %2\r\n").arg(headings.size()).arg(line);
            texts << text;
        }
        diary.dataSet->SetRangeEnd(reCount);
        diary.dataSet->SetRangeEndCount(int(lineCounts.size()));
    }

    // What the diary's 10-point entry text of n lines needs, and the band that holds it.
    static double TextHeight(int lines) { return RoundHalfEven(lines * 15.28 + 2); }
    static double BandHeight(int lines)
    {
        return kShortBandHeight + std::max(0.0, TextHeight(lines) - kDesignedTextHeight);
    }

    const TfrxReportPage& Page(int index) { return *store.GetPage(index); }
};

// The text of a printed band's first text object.
inline QString FirstText(const TfrxComponent& band)
{
    for (const TfrxComponent* object : band.Objects())
        if (const auto* memo = qobject_cast<const TfrxCustomMemoView*>(object))
            return memo->Text().trimmed();
    return QString();
}

// Makes the report print to the built-in PDF printer without its dialog, into `file`: the printer
// asks for the file's name, and `dialogs` answers it.
inline void PrintToPdfFile(TfrxReport& report, ScriptedDialogs& dialogs, const QString& file)
{
    TfrxPrintOptions& options = *report.PrintOptions();
    options.SetPrinter(kPdfPrinterName);
    options.SetShowDialog(false);
    dialogs.Queue(std::optional<QString>(file));
}

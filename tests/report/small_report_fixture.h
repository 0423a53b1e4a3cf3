#pragma once

#include "report/document/preview_pages.h"
#include "report/document/preview_pages_sink.h"

#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/model/user_dataset.h"
#include "report/views/memo_view.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// A report template made in code: one A4 page with 10 mm margins, so its printable area is
// 718.1107 × 1046.92981 px (190 × 277 mm), and its prepared pages store.
struct SmallReport {
    static constexpr double kPageHeight = 277 * 3.77953;
    static constexpr double kPageWidth = 190 * 3.77953;

    // The data sources outlive the report that refers to them.
    std::vector<std::unique_ptr<TfrxUserDataSet>> dataSets;
    TfrxReport report;
    TfrxPreviewPages& store = InstallPreviewPages(report);
    TfrxReportPage& page = *new TfrxReportPage(&report);

    SmallReport()
    {
        report.EngineOptions()->SetNewSilentMode(simSilent);
        page.SetName(QStringLiteral("Page1"));
        page.SetPaperSize(9);
        page.SetLeftMargin(10);
        page.SetRightMargin(10);
        page.SetTopMargin(10);
        page.SetBottomMargin(10);
    }

    template <typename T>
    T& AddBand(const QString& name, double top, double height)
    {
        auto* band = new T(&page);
        band->SetName(name);
        band->SetBounds(0, top, kPageWidth, height);
        return *band;
    }

    // A text object on a band, or directly on the page.
    static TfrxMemoView& AddText(TfrxComponent& parent, const QString& name, double top, double height,
                                 const QString& text, double left = 10)
    {
        auto* memo = new TfrxMemoView(&parent);
        memo->SetName(name);
        memo->SetBounds(left, top, 300, height);
        memo->SetText(text);
        return *memo;
    }

    // A data source of the given rows, listed in the report; `value` answers a field of the
    // current row.
    TfrxUserDataSet& AddRows(const QString& name, int rows, std::function<QVariant(int row, const QString& field)> value)
    {
        auto& rowsSource = *dataSets.emplace_back(std::make_unique<TfrxUserDataSet>());
        rowsSource.SetName(name);
        rowsSource.SetRangeEnd(reCount);
        rowsSource.SetRangeEndCount(rows);
        rowsSource.OnGetValue = [&rowsSource, value](const QString& field, QVariant& result) {
            result = value(rowsSource.RecNo(), field);
        };
        report.Datasets().Add(&rowsSource);
        return rowsSource;
    }

    void Build()
    {
        ASSERT_TRUE(report.PrepareReport(true)) << report.Errors().join(u'\n').toStdString();
    }

    const TfrxReportPage& Prepared(int index) { return *store.GetPage(index); }

    // "Name top" for every object directly on a prepared page, in output order.
    QStringList Placed(int index)
    {
        QStringList placed;
        for (const TfrxComponent* object : Prepared(index).Objects())
            placed << QStringLiteral("%1 %2").arg(object->Name()).arg(object->Top(), 0, 'f', 5);
        return placed;
    }
};

// "Name top" of a band at the given top, as SmallReport::Placed writes it.
inline QString At(const QString& name, double top) { return QStringLiteral("%1 %2").arg(name).arg(top, 0, 'f', 5); }

#pragma once

#include "../report/document/prepared_diary.h"

#include "preview/preview.h"
#include "preview/preview_workspace.h"

#include <QApplication>
#include <QLayout>
#include <QScrollBar>
#include <QStyle>
#include <gtest/gtest.h>

// A viewer in a window of a given size on diary pages printed through the store.
class ViewerTest : public ::testing::Test {
protected:
    explicit ViewerTest(std::vector<DiaryEntry> entries = ThreeEntries()) : diary(std::move(entries)) {}

    // `pageCount` pages, the first with two entries, the second with one.
    void PrintPages(int pageCount)
    {
        diary.Start();
        for (int i = 0; i < pageCount; ++i) {
            diary.NewPage();
            for (int entry = 0; entry < (i == 0 ? 2 : i == 1 ? 1 : 0); ++entry)
                diary.OutputEntry();
            diary.EndPage();
        }
        diary.Finish();
    }

    void Open(QSize size)
    {
        viewer.resize(size);
        viewer.show();
        viewer.layout()->activate();
        viewer.Init(diary.pages.Report(), &diary.pages);
        viewer.OnPageChanged = [this](TfrxPreview*, int page) { pageLog.push_back(page); };
    }

    TfrxPreviewWorkspace& Pages() const { return *viewer.Workspace(); }
    int Top() const { return Pages().Position().y(); }
    int ScrollBarWidth() const { return Pages().style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

    PreparedDiary diary;
    TfrxPreview viewer;
    std::vector<int> pageLog;
};

#pragma once

#include "report/model/component.h"
#include "report/model/report.h"
#include "report/views/diary_report.h"

#include <QObject>

// The diary's template inside a stand-in for the main window, which owns the data source.
struct DiaryFixture {
    DiaryFixture()
    {
        form.setObjectName(QStringLiteral("Form1"));
        diary = CreateDiaryReport(&form);
    }

    template <typename T>
    T& Object(const char* name) const
    {
        auto* object = qobject_cast<T*>(diary.report->FindObject(QString::fromLatin1(name)));
        Q_ASSERT(object);
        return *object;
    }

    QObject form;
    DiaryReport diary;
};

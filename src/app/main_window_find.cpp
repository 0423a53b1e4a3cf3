// Find in Diary: the window that finds days by their text, and showing a day found there.
#include "main_window.h"

#include "diary/find/diary_search.h"
#include "find_window.h"
#include "controls/month_calendar.h"
#include "platform/error_box.h"

void TForm1::ShowFindWindow()
{
    if (!FindDiaryWindow) {
        diarySearch_ = std::make_unique<DiarySearch>(FDConnection1);
        FindDiaryWindow = new FindWindow(this);
        FindDiaryWindow->OnFind = [this](const QString& text) {
            QVector<DiaryHit> hits;
            Guarded([&] { hits = diarySearch_->Find(text); });
            return hits;
        };
        FindDiaryWindow->OnShowDay = [this](TDateTime day) { Guarded([&] { ShowFoundDay(day); }); };
    }
    FindDiaryWindow->Open();
}

// An open Find in Diary list shows what the diary holds now, not what it held at the last key.
void TForm1::DiaryChanged()
{
    if (FindDiaryWindow)
        FindDiaryWindow->Refresh();
}

// Just as a click on the day: the calendar moves there, reading the month's filled days when the
// month changes, and the day's page is loaded.
void TForm1::ShowFoundDay(TDateTime day)
{
    RzCalendar1->SetDate(day);
    RzCalendar1Click();
}

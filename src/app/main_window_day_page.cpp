// The day page: loading a day into the memo, writing it back, and marking the filled days.
#include "main_window.h"

#include "diary/days/filled_days_cache.h"
#include "memo_lines.h"
#include "controls/month_calendar.h"
#include "platform/dialogs.h"
#include "platform/error_box.h"
#include "store/diary_sql.h"

#include <QPlainTextEdit>
#include <QScrollBar>

#include <optional>

namespace {

const QString kVal1 = QStringLiteral("Val1");
constexpr double kFilledRangeDays = 744 / kHoursPerDay;

}  // namespace

void TForm1::RzCalendar1Click()
{
    // The day is read before the memo changes, so a failed read leaves the memo as it was.
    FDQuery1->SetSQL(DiarySql::DaySelect(RzCalendar1->Date()));
    FDQuery1->Open();
    const QString text = FDQuery1->Eof() ? QString() : FDQuery1->AsString(QStringLiteral("diary"));
    FDQuery1->Close();
    Memo1->clear();
    SetMemoToLine(*Memo1, text);
    Memo1->verticalScrollBar()->setValue(0);
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->setFocus();
}

void TForm1::BtnInsertRecordClick()
{
    try {
        const QString text = AssembleMemoText(*Memo1);
        FDQuery1->SetSQL(DiarySql::kInsert);
        FDQuery1->SetDateTimeParam(kVal1, RzCalendar1->Date());
        DiarySql::SetDiaryParam(*FDQuery1, text);
        FDQuery1->ExecSQL();
        DChk->append(RzCalendar1->Date());
        FilledDays().Inserted(RzCalendar1->Date());
        RzCalendar1->update();
        RzCalendar1->repaint();
        DiaryChanged();
    } catch (const std::exception& error) {
        QString message = ErrorMessage(error);
        if (message.contains(QLatin1String("UNIQUE")))
            message = QStringLiteral("日付が重複しています");
        Dialogs().MessageBox(message, QStringLiteral("情報"), MB_OK | MB_ICONINFORMATION);
    }
}

void TForm1::BtnPostClick()
{
    const QString text = AssembleMemoText(*Memo1);
    FDQuery1->SetSQL(DiarySql::kUpdate);
    FDQuery1->SetDateTimeParam(kVal1, RzCalendar1->Date());
    DiarySql::SetDiaryParam(*FDQuery1, text);
    FDQuery1->ExecSQL();
    FilledDays().TextsChanged();
    DiaryChanged();
}

void TForm1::BtnDeleteRecordClick()
{
    FDQuery1->SetSQL(DiarySql::kDelete);
    FDQuery1->SetDateTimeParam(kVal1, RzCalendar1->Date());
    FDQuery1->ExecSQL();
    DChk->removeOne(RzCalendar1->Date());
    FilledDays().Deleted(RzCalendar1->Date());
    RzCalendar1->update();
    RzCalendar1->repaint();
    DiaryChanged();
}

FilledDaysCache& TForm1::FilledDays()
{
    if (!filledDays_)
        filledDays_ = std::make_unique<FilledDaysCache>(FDConnection1, FilledDaysCache::PathBeside(DBPath));
    return *filledDays_;
}

void TForm1::RzCalendar1ViewDateChange(QObject*, TDateTime ViewDate)
{
    if (!DChk)
        return;  // the window is not complete yet or has closed
    DChk->clear();
    // A diary that could not be opened was reported at start; the calendar then has nothing to
    // mark, and saying "not open" again at every month would only bury that report.
    if (!FDConnection1.Connected())
        return;
    const TDateTime last = ViewDate + kFilledRangeDays;
    // The copy of the diary's days gives the same list as the SELECT below, or nothing.
    if (auto days = FilledDays().FilledDays(ViewDate, last)) {
        *DChk = std::move(*days);
        return;
    }
    // The first look at the diary, at start-up, reads all of its file (the table has no index):
    // through a mapping that costs one copy less per page. Later reads are plain again, so that
    // a disk failing under them is an error message and not a crash.
    std::optional<MappedReads> mapped;
    if (!diaryReadOnce_) {
        mapped.emplace(FDConnection1);
        diaryReadOnce_ = true;
    }
    *DChk = DiarySql::FilledDays(FDConnection1, ViewDate, last);
    FilledDays().RebuildSoon();
}

void TForm1::RzCalendar1GetDayFormat(QObject*, TDateTime DayDate, uint16_t, uint16_t, uint16_t, TColor&,
                                     TColor& DayFontColor, TFontStyles& DayFontStyle)
{
    const int weekday = DayOfWeek(DayDate);
    if (weekday == 1)
        DayFontColor = clRed;
    else if (weekday == 7)
        DayFontColor = clBlue;
    if (!DChk || !FilledFont)
        return;
    for (const TDateTime filled : *DChk) {
        if (filled == DayDate) {
            DayFontColor = FilledFont->color;
            DayFontStyle = FilledFont->style;
        }
    }
}

// The day page: loading a day into the memo, writing it back, and marking the filled days.
#include "main_window.h"

#include "diary/days/filled_days_cache.h"
#include "diary/history/day_writes.h"
#include "memo_lines.h"
#include "write_notice.h"
#include "controls/month_calendar.h"
#include "platform/dialogs.h"
#include "platform/clock.h"
#include "platform/error_box.h"
#include "store/diary_sql.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <sqlite3.h>

#include <optional>

namespace {

const QString kDuplicateDayMessage = QStringLiteral("日付が重複しています");
constexpr double kFilledRangeDays = 744 / kHoursPerDay;

}  // namespace

void TForm1::RzCalendar1Click()
{
    // What the user typed for the day on show is written before another day replaces it.
    SaveEditedDay();
    LoadDay(RzCalendar1->Date());
    Notice->UserWentOn();
}

void TForm1::LoadDay(TDateTime day)
{
    // The day is read before the memo changes, so a failed read leaves the memo as it was.
    FDQuery1->SetSQL(DiarySql::DaySelect(day));
    FDQuery1->Open();
    QStringList texts;
    for (FDQuery1->First(); !FDQuery1->Eof(); FDQuery1->Next())
        texts << FDQuery1->AsString(QStringLiteral("diary"));
    FDQuery1->Close();
    ShowDayTexts(*Memo1, texts);
    loaded_ = {day, texts.size(), MemoRawText(*Memo1)};
    Memo1->verticalScrollBar()->setValue(0);
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->setFocus();
}

bool TForm1::MemoEdited() const { return loaded_.day != 0 && MemoRawText(*Memo1) != loaded_.shown; }

void TForm1::SaveEditedDay()
{
    if (MemoEdited() && FDConnection1.Connected())
        RecordWrite(WriteMemo(loaded_.day));
}

// Post's write: a day without a row gets one, a day with rows gets the memo's text. A day whose
// several rows the memo showed together keeps one row, holding what the user made of them.
DayChange TForm1::WriteMemo(TDateTime day)
{
    const QString text = AssembleMemoText(*Memo1);
    if (day != loaded_.day || loaded_.rows < 2)
        return Writes().Post(day, text, Now());
    DayRows joined = Writes().Rows(day).mid(0, 1);
    if (joined.isEmpty())
        return Writes().Post(day, text, Now());
    joined.first().textType = SQLITE_BLOB;  // as Post binds it: no affinity turns "007" into 7
    joined.first().text = text.toUtf8();
    DayChange change = Writes().PutRows(day, joined, Now());
    change.kind = DayChange::Kind::Post;
    return change;
}

void TForm1::BtnInsertRecordClick()
{
    try {
        RecordWrite(Writes().Insert(RzCalendar1->Date(), AssembleMemoText(*Memo1), Now()));
    } catch (const DuplicateDay&) {
        Dialogs().MessageBox(kDuplicateDayMessage, QStringLiteral("情報"), MB_OK | MB_ICONINFORMATION);
    } catch (const std::exception& error) {
        QString message = ErrorMessage(error);
        if (message.contains(QLatin1String("UNIQUE")))
            message = kDuplicateDayMessage;
        Dialogs().MessageBox(message, QStringLiteral("情報"), MB_OK | MB_ICONINFORMATION);
    }
}

void TForm1::BtnPostClick()
{
    const TDateTime day = RzCalendar1->Date();
    // An unedited memo holds the day's stored text: posting it would change nothing.
    if (day == loaded_.day && !MemoEdited())
        return;
    RecordWrite(WriteMemo(day));
}

void TForm1::BtnDeleteRecordClick() { RecordWrite(Writes().Delete(RzCalendar1->Date(), Now())); }

DayWrites& TForm1::Writes()
{
    if (!writes_)
        writes_ = std::make_unique<DayWrites>(FDConnection1);
    return *writes_;
}

void TForm1::RecordWrite(const DayChange& change)
{
    undo_.Record(change);
    FollowDay(change);
    // The memo now holds what the day page shows for the day; a deleted text stays on show, and
    // leaving it writes nothing back.
    if (change.day == RzCalendar1->Date() || change.day == loaded_.day)
        loaded_ = {change.day, change.after.size(), MemoRawText(*Memo1)};
    if (change.Changed())
        Notice->Show(NoticeText(WriteKindOf(change), FormatDateTime(DayFormat, change.day)), true);
}

WriteKind TForm1::WriteKindOf(const DayChange& change)
{
    switch (change.kind) {
    case DayChange::Kind::Insert: return WriteKind::Added;
    case DayChange::Kind::Delete: return WriteKind::Deleted;
    case DayChange::Kind::Restore: return WriteKind::Restored;
    case DayChange::Kind::Post: break;
    }
    return change.before.isEmpty() ? WriteKind::Added : WriteKind::Saved;
}

// The calendar, its copy of the filled days and Find in Diary follow a write of the day. Only a
// write that adds or removes rows changes the marks, and only then is the calendar redrawn at once.
void TForm1::FollowDay(const DayChange& change)
{
    const qsizetype rows = change.after.size();
    if (rows == change.before.size()) {
        FilledDays().TextsChanged();
    } else {
        DChk->removeAll(change.day);
        for (qsizetype i = 0; i < rows; ++i)
            DChk->append(change.day);
        FilledDays().DayHasRows(change.day, rows);
        RzCalendar1->update();
        RzCalendar1->repaint();
    }
    DiaryChanged();
}

void TForm1::UndoDiaryWrite() { PutBack(UndoDirection::Undo); }

void TForm1::RedoDiaryWrite() { PutBack(UndoDirection::Redo); }

void TForm1::PutBack(UndoDirection direction)
{
    const bool undo = direction == UndoDirection::Undo;
    const DayChange* step = undo ? undo_.NextUndo() : undo_.NextRedo();
    if (!step || !FDConnection1.Connected())
        return;
    const TDateTime day = step->day;
    const bool showsDay = day == loaded_.day && !MemoEdited();
    const DayChange change = Writes().PutRows(day, undo ? step->before : step->after, Now());
    undo ? undo_.Undone() : undo_.Redone();
    FollowDay(change);
    if (showsDay)
        LoadDay(day);
    Notice->Show(NoticeText(undo ? WriteKind::Undone : WriteKind::Redone, FormatDateTime(DayFormat, day)), false);
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

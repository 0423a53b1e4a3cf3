// The month menu and the year editor that the calendar's title opens.

#include "controls/month_calendar.h"
#include "controls/month_calendar_dates.h"
#include "controls/year_spinner.h"
#include "platform/error_box.h"
#include "platform/locale_info.h"

#include <QMenu>

void TRzCalendar::CreateMonthMenu()
{
    FMonthPopupMenu = new QMenu(this);
    const QStringList& names = CurrentLocale().longMonthNames;
    for (int month = 1; month <= 12; ++month) {
        QAction* item = FMonthPopupMenu->addAction(names.value(month - 1));
        item->setData(month);  // the tag
        item->setCheckable(true);
    }
    connect(FMonthPopupMenu, &QMenu::triggered, this,
            [this](QAction* item) { Guarded([&] { ChooseMonth(item->data().toInt()); }); });
}

void TRzCalendar::OpenMonthMenu(QPoint point)
{
    const int shownMonth = DecodeDate(FViewDate).month;
    for (QAction* item : FMonthPopupMenu->actions())
        item->setChecked(item->data().toInt() == shownMonth);
    FMonthPopupMenu->popup(mapToGlobal(point));
}

void TRzCalendar::ChooseMonth(int tag)
{
    TDateTime month = 0;
    if (TryIncMonth(FViewDate, tag - DecodeDate(FViewDate).month, month))
        SetViewDate(month);
}

void TRzCalendar::CreateYearSpinner()
{
    FYearSpinner = new TRzYearSpinner(this);
    FYearSpinner->OnStep = [this](int years) { FollowYearEditor(years); };
    FYearSpinner->OnCloseRequest = [this] { HideYearEditor(true); };
    // Focus that moved to another control stays there.
    FYearSpinner->OnFocusLost = [this] { HideYearEditor(false); };
}

void TRzCalendar::OpenYearEditor()
{
    const int shownYear = DecodeDate(FViewDate).year;
    FYearSpinner->SetRange(FMinDate != 0 ? DecodeDate(FMinDate).year : 0, FMaxDate != 0 ? DecodeDate(FMaxDate).year : 9999);
    FYearSpinner->SetValue(shownYear);
    FYearSpinner->SetFont(Font());
    const QString year = FormatDateTime(QStringLiteral("yyyy"), FViewDate);
    FYearSpinner->setGeometry(
        YearEditorRect(CalcLayout(), TextWidth(Font(), QStringLiteral(" ")), TextWidth(Font(), year)));
    FYearSpinner->show();
    FYearSpinner->raise();
    FYearSpinner->setFocus(Qt::MouseFocusReason);
    FYearSpinnerVisible = true;
}

void TRzCalendar::HideYearEditor(bool returnFocus)
{
    if (!FYearSpinnerVisible)
        return;
    FYearSpinnerVisible = false;
    FYearSpinner->hide();
    if (returnFocus)
        setFocus(Qt::OtherFocusReason);
}

void TRzCalendar::FollowYearEditor(int years)
{
    if (!FYearSpinnerVisible)
        return;
    TDateTime view = 0;
    if (!TryIncMonth(FViewDate, 12 * years, view))
        return;  // before the year 1 or after 9999
    if (years < 0 && FMinDate != 0 && StartOfMonth(FMinDate) > view)
        view = StartOfMonth(FMinDate);
    if (years > 0 && FMaxDate != 0 && StartOfMonth(FMaxDate) < view)
        view = StartOfMonth(FMaxDate);
    SetViewDate(view);
}

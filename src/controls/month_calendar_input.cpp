// Mouse and keyboard input of the month calendar.

#include "controls/accelerator.h"
#include "controls/month_calendar.h"
#include "controls/month_calendar_dates.h"
#include "controls/raise_then.h"
#include "controls/year_spinner.h"
#include "platform/clock.h"
#include "platform/error_box.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>

namespace {

constexpr int kArrowRepeatInterval = 50;

// Areas that act on a completed click, and whose rectangle shows the pressed look.
bool IsClickArea(TRzCalendarArea area) { return area == caDays || area == caTodayButton || area == caClearButton; }

// Whether the arrow repeat moves the month on tick `counter` (0 = the press itself): every
// 250 ms during the first second, every 100 ms up to 10 s, then every 50 ms.
bool ArrowRepeatMoves(int counter)
{
    if (counter < 20)
        return counter % 5 == 0;
    if (counter < 200)
        return counter % 2 == 0;
    return true;
}

QPoint PointOf(const QMouseEvent* event) { return event->position().toPoint(); }

}  // namespace

// ---- Hover and pressed areas ----

void TRzCalendar::HitTestPoint(QPoint point) { SetOverArea(AreaAt(CalcLayout(), point)); }

void TRzCalendar::SetOverArea(TRzCalendarArea area)
{
    if (FOverArea == area)
        return;
    const TRzCalendarArea old = FOverArea;
    FOverArea = area;
    // A held button looks released while the mouse is off it.
    if (!FMouseOverRect.isEmpty() && (old == FPressedArea || area == FPressedArea))
        update(FMouseOverRect);
}

void TRzCalendar::SetPressedArea(TRzCalendarArea area)
{
    if (FPressedArea == area)
        return;
    FPressedArea = area;
    if (!FMouseOverRect.isEmpty())
        update(FMouseOverRect);
}

void TRzCalendar::mouseMoveEvent(QMouseEvent* event)
{
    Guarded([&] { HitTestPoint(PointOf(event)); });
}

void TRzCalendar::leaveEvent(QEvent*)
{
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton))
        SetOverArea(caNone);
}

// ---- Press, release, click ----

void TRzCalendar::mousePressEvent(QMouseEvent* event)
{
    Guarded([&] {
        HitTestPoint(PointOf(event));
        if (event->button() == Qt::LeftButton)
            clickPending_ = true;
        Press(event->button(), PointOf(event));
    });
}

void TRzCalendar::Press(Qt::MouseButton button, QPoint point)
{
    if (OnMouseDown)
        OnMouseDown(this, button, QGuiApplication::keyboardModifiers(), point);
    if (FYearSpinnerVisible) {
        HideYearEditor(true);
        return;
    }
    if (!FIsPopup && isVisible())
        setFocus(Qt::MouseFocusReason);
    if (button != Qt::LeftButton)
        return;
    if (!rect().contains(point))
        SetOverArea(caNone);
    FMouseOverRect = IsClickArea(FOverArea) ? CalcLayout()[FOverArea] : QRect();
    FIgnoreClick = false;
    SetPressedArea(FOverArea);
    switch (FPressedArea) {
    case caLeftArrow:
    case caRightArrow: StartArrowRepeat(); break;
    case caYear: OpenYearEditor(); break;
    case caMonth: OpenMonthMenu(point); break;
    default: PickDay(point); break;
    }
}

void TRzCalendar::PickDay(QPoint point)
{
    if (FPressedArea != caDays || FOverArea != caDays)
        return;
    const TDateTime day = HitTest(point.x(), point.y());
    if (day == 0 || RangeTest(day, FMinDate, FMaxDate) != TRangeResult::Inside) {
        FIgnoreClick = true;
        return;
    }
    // The shown month follows on the click, after the release.
    const TDateTime old = FDate;
    FDate = day;
    RaiseThen([&] { if (FDate != old && OnChange) OnChange(this); }, [this] { update(); });
}

void TRzCalendar::mouseReleaseEvent(QMouseEvent* event)
{
    Guarded([&] {
        const QPoint point = PointOf(event);
        HitTestPoint(point);
        if (event->button() != Qt::LeftButton)
            return;
        const bool click = clickPending_ && rect().contains(point);
        clickPending_ = false;
        if (click)
            ClickCalendar();
        SetPressedArea(caNone);
        FRepeatTimer.Stop();
        if (OnMouseUp)
            OnMouseUp(this, event->button(), event->modifiers(), point);
    });
}

void TRzCalendar::ClickCalendar()
{
    if (FPressedArea != FOverArea || !IsClickArea(FPressedArea))
        return;
    if (FPressedArea == caTodayButton) {
        Today();
    } else if (FPressedArea == caClearButton) {
        FClearClicked = true;
        Clear();
    } else if (!FIgnoreClick) {
        const DateParts selected = DecodeDate(FDate), shown = DecodeDate(FViewDate);
        if (selected.month != shown.month || selected.year != shown.year)
            SetViewDate(FDate);
    }
    if (!FIgnoreClick && OnClick)
        OnClick(this);
}

void TRzCalendar::mouseDoubleClickEvent(QMouseEvent* event)
{
    Guarded([&] {
        HitTestPoint(PointOf(event));
        // The second press of a double click is no click of its own.
        clickPending_ = false;
        if (event->button() == Qt::LeftButton)
            DblClickCalendar();
        Press(event->button(), PointOf(event));
    });
}

void TRzCalendar::DblClickCalendar()
{
    SetPressedArea(FOverArea);
    if (IsClickArea(FPressedArea) && OnDblClick)
        OnDblClick(this);
}

// ---- Arrow repeat ----

void TRzCalendar::StartArrowRepeat()
{
    FCounter = -1;
    ArrowRepeatStep();
    FRepeatTimer.Start(kArrowRepeatInterval);
}

void TRzCalendar::ArrowRepeatStep()
{
    ++FCounter;
    if (!ArrowRepeatMoves(FCounter) || FOverArea != FPressedArea)
        return;
    int months = FPressedArea == caLeftArrow ? -1 : 1;
    if (layoutDirection() == Qt::RightToLeft)
        months = -months;
    TDateTime view = 0;
    if (TryIncMonth(FViewDate, months, view))
        SetViewDate(view);
}

// ---- Keyboard ----

void TRzCalendar::keyPressEvent(QKeyEvent* event)
{
    Guarded([&] {
        focusCuesHidden_ = false;
        int key = event->key();
        if (OnKeyDown)
            OnKeyDown(this, key, event->modifiers());
        if (key == 0 || (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
            return;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (OnClick)
                OnClick(this);
            return;
        }
        NavigateByKey(key);
        if (event->text().size() == 1 && event->text()[0].isPrint())
            DialogChar(event->text()[0]);
    });
}

void TRzCalendar::NavigateByKey(int key)
{
    const TDateTime base = FDate == 0 ? ::Today() : FDate;
    const DateParts date = DecodeDate(base);
    TDateTime target = 0;
    switch (key) {
    case Qt::Key_Left: target = base - 1; break;
    case Qt::Key_Right: target = base + 1; break;
    case Qt::Key_Up: target = base - 7; break;
    case Qt::Key_Down: target = base + 7; break;
    case Qt::Key_Home: target = EncodeDate(date.year, date.month, 1); break;
    case Qt::Key_End: target = EncodeDate(date.year, date.month, DaysInMonth(date.year, date.month)); break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!FElements.Contains(ceMonth) || !TryIncMonth(base, key == Qt::Key_PageUp ? -1 : 1, target))
            return;
        break;
    default: return;
    }
    InternalSetDate(target);
}

bool TRzCalendar::DialogChar(QChar c)
{
    if (!isEnabled() || c.isNull())
        return false;
    if (c.toLower() == CaptionAccelerator(FCaptionClearBtn)) {
        Clear();
        return true;
    }
    if (c.toLower() == CaptionAccelerator(FCaptionTodayBtn)) {
        Today();
        return true;
    }
    return false;
}

void TRzCalendar::UpdateAccelerators()
{
    // Alt + the accelerator works anywhere in the window, like the buttons of a dialog.
    accelerators_.clear();
    for (const QString& caption : {FCaptionClearBtn, FCaptionTodayBtn}) {
        const QChar accelerator = CaptionAccelerator(caption);
        if (accelerator.isNull())
            continue;
        auto shortcut = std::make_unique<QShortcut>(QKeySequence(QStringLiteral("Alt+") + accelerator), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut.get(), &QShortcut::activated, this,
                [this, accelerator] { Guarded([&] { DialogChar(accelerator); }); });
        accelerators_.push_back(std::move(shortcut));
    }
}

void TRzCalendar::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        focusCuesHidden_ = false;
    update();
}

void TRzCalendar::focusOutEvent(QFocusEvent*) { update(); }

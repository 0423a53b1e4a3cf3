#pragma once

#include "controls/calendar_colors.h"
#include "controls/control_events.h"
#include "controls/custom_panel.h"
#include "controls/month_calendar_layout.h"
#include "controls/month_calendar_types.h"
#include "platform/timer.h"

#include <QShortcut>

#include <cstdint>
#include <memory>
#include <vector>

class QMenu;

class TRzYearSpinner;
struct TRzCalendarPaint;

using TRzViewDateChangeEvent = std::function<void(QObject* Sender, TDateTime ViewDate)>;
using TRzGetDayFormatEvent =
    std::function<void(QObject* Sender, TDateTime DayDate, uint16_t Year, uint16_t Month, uint16_t Day,
                       TColor& DayColor, TColor& DayFontColor, TFontStyles& DayFontStyle)>;
using TRzGetBoldDaysEvent = std::function<void(QObject* Sender, uint16_t Year, uint16_t Month, uint32_t& Bitmask)>;
using TRzGetWeekNumberEvent = std::function<void(QObject* Sender, TDateTime WeekDate, int& WeekNumber)>;
using TRzCalendarTodayEvent = std::function<void(QObject* Sender, bool& AllowChange)>;
using TRzCalendarClearEvent = std::function<void(QObject* Sender, bool& AllowClear)>;

// A month calendar: a title with the month, a row of weekday captions and a 6 x 7 grid of days,
// with optional arrow buttons, week numbers and Today / Clear buttons. It keeps the selected day
// (Date) and the shown month (ViewDate) inside optional bounds and tells its host through events;
// the host colours each day through OnGetDayFormat.
class TRzCalendar : public TRzCustomPanel {
    Q_OBJECT
public:
    explicit TRzCalendar(QWidget* parent = nullptr);
    ~TRzCalendar() override;

    // The selected day (whole days; 0 = none). Setting a day outside the bounds raises
    // ERzCalendarError.
    TDateTime Date() const { return FDate; }
    void SetDate(TDateTime value);
    // The first day of the shown month.
    TDateTime ViewDate() const { return FViewDate; }
    void SetViewDate(TDateTime value);
    TDateTime MinDate() const { return FMinDate; }
    void SetMinDate(TDateTime value);
    TDateTime MaxDate() const { return FMaxDate; }
    void SetMaxDate(TDateTime value);
    TRzFirstDayOfWeek FirstDayOfWeek() const { return FFirstDayOfWeek; }
    void SetFirstDayOfWeek(TRzFirstDayOfWeek value);
    // The date in the top-left cell of the grid.
    TDateTime FirstDateInGrid() const { return FFirstDateInGrid; }

    TRzCalendarElements Elements() const { return FElements; }
    void SetElements(TRzCalendarElements value);
    bool ShowDays() const { return FShowDays; }
    void SetShowDays(bool value);
    bool ThemeAware() const { return FThemeAware; }
    void SetThemeAware(bool value);
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value);
    TColor ButtonFontColor() const { return FButtonFontColor; }
    void SetButtonFontColor(TColor value);
    TRzCalendarColors& CalendarColors() { return *FCalendarColors; }
    const TRzCalendarColors& CalendarColors() const { return *FCalendarColors; }
    void SetCalendarColors(const TRzCalendarColors& value) { FCalendarColors->Assign(value); }
    QString CaptionTodayBtn() const { return FCaptionTodayBtn; }
    void SetCaptionTodayBtn(const QString& value);
    QString CaptionClearBtn() const { return FCaptionClearBtn; }
    void SetCaptionClearBtn(const QString& value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    void SetIsPopup(bool value) { FIsPopup = value; }
    bool ClearClicked() const { return FClearClicked; }

    // Raise OnClear / OnToday; when allowed, clear the day or select today, always re-setting the
    // shown month.
    void Clear();
    void Today();
    bool IsClear() const;
    // The date of the drawable day cell under a client point, 0 when there is none.
    TDateTime HitTest(int X, int Y) const;
    // The natural size; without days the width is left as passed.
    bool CanAutoSize(int& NewWidth, int& NewHeight) const;
    static uint32_t DaysToBitmask(const std::vector<int>& Days);

    TRzCalendarMetrics Metrics() const;
    TRzCalendarLayout CalcLayout() const;
    QMenu* MonthPopupMenu() const { return FMonthPopupMenu; }
    TRzYearSpinner* YearSpinner() const { return FYearSpinner; }
    bool YearSpinnerVisible() const { return FYearSpinnerVisible; }
    // The area under the mouse and the one the left button went down in (caNone for none).
    TRzCalendarArea OverArea() const { return FOverArea; }
    TRzCalendarArea PressedArea() const { return FPressedArea; }
    // A dialog character: runs Clear or Today when it is the accelerator of that button's caption.
    bool DialogChar(QChar c);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    TNotifyEvent OnChange;
    TRzViewDateChangeEvent OnViewDateChange;
    TRzGetDayFormatEvent OnGetDayFormat;
    TRzGetBoldDaysEvent OnGetBoldDays;
    TRzGetWeekNumberEvent OnGetWeekNumber;
    TRzCalendarTodayEvent OnToday;
    TRzCalendarClearEvent OnClear;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TKeyEvent OnKeyDown;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

protected:
    void InternalSetDate(TDateTime value);
    void CreateWnd() override;
    void FontChanged() override;
    void Paint(TCanvas& canvas) override;
    // Re-measures the font and the captions, then re-applies the automatic size and repaints.
    void UpdateMetrics();

    // Input (month_calendar_input.cpp).
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ClampDate(TDateTime minDate, TDateTime maxDate);
    void SetForcedDate(TDateTime value);
    void ChangeDate(TDateTime day);
    void CheckInRange(TDateTime value) const;
    void ApplyAutoSize();
    void TodayTimerTick();
    bool DrawableCell(TDateTime day) const;
    QString TodayCaption() const;
    QString ClearCaption() const;
    QString TitleText() const;
    bool UnderSystemStyle() const;
    bool FlatBorder() const;

    // Input (month_calendar_input.cpp).
    void HitTestPoint(QPoint point);
    void SetOverArea(TRzCalendarArea area);
    void SetPressedArea(TRzCalendarArea area);
    void Press(Qt::MouseButton button, QPoint point);
    void PickDay(QPoint point);
    void ClickCalendar();
    void DblClickCalendar();
    void StartArrowRepeat();
    void ArrowRepeatStep();
    void NavigateByKey(int key);
    void UpdateAccelerators();

    // Month menu and year editor (month_calendar_pickers.cpp).
    void CreateMonthMenu();
    void OpenMonthMenu(QPoint point);
    void ChooseMonth(int tag);
    void CreateYearSpinner();
    void OpenYearEditor();
    void HideYearEditor(bool returnFocus);
    void FollowYearEditor(int years);

    // Painting (month_calendar_paint.cpp).
    void PaintBackground(TCanvas& canvas) const;
    void PaintTitle(TCanvas& canvas, const TRzCalendarPaint& paint) const;
    void PaintButtons(TCanvas& canvas, const TRzCalendarPaint& paint) const;
    void PaintButton(TCanvas& canvas, const TRzCalendarPaint& paint, TRzCalendarArea area, const QString& caption) const;
    void PaintWeekdays(TCanvas& canvas, const TRzCalendarPaint& paint) const;
    void PaintGrid(TCanvas& canvas, const TRzCalendarPaint& paint);
    void PaintDay(TCanvas& canvas, const TRzCalendarPaint& paint, int index);
    void PaintWeekNumber(TCanvas& canvas, const TRzCalendarPaint& paint, int row);
    void PaintLine(TCanvas& canvas, TColor color, QPoint from, QPoint to) const;
    std::array<uint32_t, 3> BoldMasks();

    uint8_t FFirstDay = 0;
    TRzFirstDayOfWeek FFirstDayOfWeek = fdowLocale;
    TRzCalendarElements FElements;
    TRzCalendarArea FPressedArea = caNone;
    TRzCalendarArea FOverArea = caNone;
    QRect FMouseOverRect;
    bool FShowDays = true;
    bool FIsPopup = false;
    QPoint FCharSize;
    TDateTime FDate = 0;
    TDateTime FMinDate = 0;
    TDateTime FMaxDate = 0;
    TTimer FTodayTimer;
    TDateTime FToday = 0;
    TDateTime FViewDate = 0;
    TDateTime FFirstDateInGrid = 0;
    bool FForceUpdate = false;
    bool FClearClicked = false;
    bool FIgnoreClick = false;
    TColor FButtonColor = clBtnFace;
    TColor FButtonFontColor = clWindowText;
    QString FCaptionClearBtn;
    QString FCaptionTodayBtn;
    int FClearBtnWidth = 0;
    int FTodayBtnWidth = 0;
    std::unique_ptr<TRzCalendarColors> FCalendarColors;
    int FCounter = 0;
    TTimer FRepeatTimer;
    QMenu* FMonthPopupMenu = nullptr;
    TRzYearSpinner* FYearSpinner = nullptr;
    bool FYearSpinnerVisible = false;
    bool clickPending_ = false;  // a left press inside awaits its release
    std::vector<std::unique_ptr<QShortcut>> accelerators_;
    bool FThemeAware = true;
    bool autoSize_ = true;
    bool focusCuesHidden_ = true;
};

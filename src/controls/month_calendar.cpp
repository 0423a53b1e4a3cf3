#include "month_calendar.h"

#include "controls/accelerator.h"
#include "controls/assign_changed.h"
#include "controls/month_calendar_dates.h"
#include "controls/raise_then.h"
#include "controls/year_spinner.h"
#include "platform/clock.h"
#include "platform/error_box.h"
#include "platform/locale_info.h"
#include "platform/visual_styles.h"

#include <QLayout>
#include <algorithm>

namespace {

constexpr int kTodayTimerInterval = 1000;
const TRzCalendarElements kDefaultElements{ceYear,       ceMonth,    ceArrows,      ceDaysOfWeek,
                                           ceFillDays,   ceTodayButton, ceClearButton};
const char* const kDateExceedsMaximum = "Date exceeds maximum of %1";
const char* const kDateLessThanMinimum = "Date is less than minimum of %1";
const char* const kTodayCaption = "Today";
const char* const kClearCaption = "Clear";

ERzCalendarError CalendarError(const char* message, TDateTime bound)
{
    return ERzCalendarError(QString::fromLatin1(message).arg(FormatDateTime(CurrentLocale().shortDateFormat, bound)));
}

// Sets a flag for the lifetime of the scope; the old value comes back also on an exception.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool old_;
};

}  // namespace

TRzCalendar::TRzCalendar(QWidget* parent)
    : TRzCustomPanel(parent),
      FElements(kDefaultElements),
      FCalendarColors(std::make_unique<TRzCalendarColors>([this] { update(); }))
{
    FDate = ::Today();
    FToday = FDate;
    FTodayTimer.SetOnTimer([this] { Guarded([this] { TodayTimerTick(); }); });
    resize(147, 159);
    SetColor(clWindow);
    SetBorderOuter(fsLowered);
    SetFlatColorAdjustment(0);
    setFocusPolicy(Qt::TabFocus);
    FRepeatTimer.SetOnTimer([this] { Guarded([this] { ArrowRepeatStep(); }); });
    UpdateMetrics();
    CreateMonthMenu();
    CreateYearSpinner();
    UpdateAccelerators();
}

TRzCalendar::~TRzCalendar()
{
    // The editor outlives this part of the calendar and may still lose its focus.
    FYearSpinner->OnStep = nullptr;
    FYearSpinner->OnCloseRequest = nullptr;
    FYearSpinner->OnFocusLost = nullptr;
}

// ---- Dates ----

void TRzCalendar::CheckInRange(TDateTime value) const
{
    switch (RangeTest(value, FMinDate, FMaxDate)) {
    case TRangeResult::Above: throw CalendarError(kDateExceedsMaximum, FMaxDate);
    case TRangeResult::Below: throw CalendarError(kDateLessThanMinimum, FMinDate);
    case TRangeResult::Inside: break;
    }
}

void TRzCalendar::SetDate(TDateTime value)
{
    CheckInRange(value);
    InternalSetDate(value);
}

void TRzCalendar::InternalSetDate(TDateTime value)
{
    const TDateTime day = WholeDay(value);
    if (!FForceUpdate && (day == FDate || RangeTest(value, FMinDate, FMaxDate) != TRangeResult::Inside))
        return;
    ChangeDate(day);
}

void TRzCalendar::ChangeDate(TDateTime day)
{
    FDate = day;
    SetViewDate(FDate == 0 ? Now() : FDate);
    RaiseThen([this] { if (OnChange) OnChange(this); }, [this] { update(); });
}

void TRzCalendar::SetForcedDate(TDateTime value)
{
    FlagScope force(FForceUpdate);
    InternalSetDate(value);
}

void TRzCalendar::SetViewDate(TDateTime value)
{
    const TDateTime month = StartOfMonth(value);
    if (!FForceUpdate && (month == FViewDate || !MonthInRange(month, FMinDate, FMaxDate)))
        return;
    FViewDate = month;
    // The host hears of the new month before the grid follows it.
    RaiseThen([&] { if (OnViewDateChange) OnViewDateChange(this, month); },
              [this] {
                  FFirstDateInGrid = ::FirstDateInGrid(FViewDate, FFirstDay);
                  update();
              });
}

void TRzCalendar::SetMinDate(TDateTime value)
{
    const TDateTime day = WholeDay(value);
    if (day != 0 && FMaxDate != 0 && day > FMaxDate)
        throw CalendarError(kDateExceedsMaximum, FMaxDate);
    if (day == FMinDate)
        return;
    ClampDate(day, FMaxDate);  // still tested against the old bounds
    FMinDate = day;
}

void TRzCalendar::SetMaxDate(TDateTime value)
{
    const TDateTime day = WholeDay(value);
    if (day != 0 && FMinDate != 0 && day < FMinDate)
        throw CalendarError(kDateLessThanMinimum, FMinDate);
    if (day == FMaxDate)
        return;
    ClampDate(FMinDate, day);
    FMaxDate = day;
}

void TRzCalendar::ClampDate(TDateTime minDate, TDateTime maxDate)
{
    if (FDate == 0)
        return;
    if (minDate != 0 && FDate < minDate)
        InternalSetDate(minDate);
    if (maxDate != 0 && maxDate < FDate)
        InternalSetDate(maxDate);
}

void TRzCalendar::SetFirstDayOfWeek(TRzFirstDayOfWeek value)
{
    if (HandleAllocated())
        FFirstDay = static_cast<uint8_t>(value == fdowLocale ? std::clamp(CurrentLocale().firstDayOfWeek, 0, 6) : value);
    FFirstDayOfWeek = value;
    SetForcedDate(FDate);
}

void TRzCalendar::Today()
{
    bool allowChange = true;
    if (OnToday)
        OnToday(this, allowChange);
    const TDateTime today = ::Today();
    // Today may lie outside the bounds; selecting it then would break them.
    if (allowChange && RangeTest(today, FMinDate, FMaxDate) == TRangeResult::Inside)
        SetForcedDate(today);
}

void TRzCalendar::Clear()
{
    bool allowClear = true;
    if (OnClear)
        OnClear(this, allowClear);
    if (allowClear)
        SetForcedDate(0);
}

bool TRzCalendar::IsClear() const { return WholeDay(FDate) == 0; }

uint32_t TRzCalendar::DaysToBitmask(const std::vector<int>& Days) { return ::DaysToBitmask(Days); }

// ---- Window ----

void TRzCalendar::CreateWnd()
{
    FPressedArea = caNone;
    focusCuesHidden_ = true;
    RaiseThen([this] { SetFirstDayOfWeek(FFirstDayOfWeek); },
              [this] { FTodayTimer.Start(kTodayTimerInterval); });
}

void TRzCalendar::TodayTimerTick()
{
    const TDateTime now = Now();
    if (WholeDay(now) == WholeDay(FToday))
        return;
    FToday = now;
    update();
}

// ---- Appearance properties ----

void TRzCalendar::SetElements(TRzCalendarElements value)
{
    if (AssignChanged(FElements, value))
        UpdateMetrics();
}

void TRzCalendar::SetShowDays(bool value)
{
    if (AssignChanged(FShowDays, value))
        UpdateMetrics();
}

void TRzCalendar::SetThemeAware(bool value)
{
    if (AssignChanged(FThemeAware, value))
        update();
}

void TRzCalendar::SetButtonColor(TColor value)
{
    if (AssignChanged(FButtonColor, value))
        update();
}

void TRzCalendar::SetButtonFontColor(TColor value)
{
    if (AssignChanged(FButtonFontColor, value))
        update();
}

void TRzCalendar::SetCaptionTodayBtn(const QString& value)
{
    if (!AssignChanged(FCaptionTodayBtn, value))
        return;
    UpdateAccelerators();
    UpdateMetrics();
}

void TRzCalendar::SetCaptionClearBtn(const QString& value)
{
    if (!AssignChanged(FCaptionClearBtn, value))
        return;
    UpdateAccelerators();
    UpdateMetrics();
}

QString TRzCalendar::TodayCaption() const
{
    return FCaptionTodayBtn.isEmpty() ? QString::fromLatin1(kTodayCaption) : FCaptionTodayBtn;
}

QString TRzCalendar::ClearCaption() const
{
    return FCaptionClearBtn.isEmpty() ? QString::fromLatin1(kClearCaption) : FCaptionClearBtn;
}

QString TRzCalendar::TitleText() const
{
    return FormatDateTime(FElements.Contains(ceYear) ? QStringLiteral("mmmm yyyy") : QStringLiteral("mmmm"), FViewDate);
}

bool TRzCalendar::UnderSystemStyle() const { return VisualStyles::Instance().IsSystemStyle(); }

bool TRzCalendar::FlatBorder() const
{
    return BorderOuter() == fsFlat || BorderOuter() == fsFlatBold || BorderOuter() == fsFlatRounded;
}

// ---- Metrics, size and layout ----

void TRzCalendar::FontChanged() { UpdateMetrics(); }

void TRzCalendar::UpdateMetrics()
{
    FCharSize = QPoint(TextWidth(Font(), QStringLiteral("0")), TextHeight(Font()));
    FTodayBtnWidth = TextWidth(Font(), CaptionDisplayText(TodayCaption()));
    FClearBtnWidth = TextWidth(Font(), CaptionDisplayText(ClearCaption()));
    ApplyAutoSize();
    update();
}

TRzCalendarMetrics TRzCalendar::Metrics() const
{
    TRzCalendarMetrics m;
    m.clientRect = rect();
    m.frame = FrameMargins(Frame());
    m.elements = FElements;
    m.showDays = FShowDays;
    m.charSize = FCharSize;
    m.todayBtnWidth = FTodayBtnWidth;
    m.clearBtnWidth = FClearBtnWidth;
    m.titleWidth = TextWidth(Font(), TitleText());
    m.yearWidth = TextWidth(Font(), FormatDateTime(QStringLiteral("yyyy"), FViewDate));
    m.rightToLeft = layoutDirection() == Qt::RightToLeft;
    return m;
}

TRzCalendarLayout TRzCalendar::CalcLayout() const { return ::CalcLayout(Metrics()); }

bool TRzCalendar::CanAutoSize(int& NewWidth, int& NewHeight) const
{
    const QSize natural = NaturalSize(Metrics(), QSize(NewWidth, NewHeight));
    NewWidth = natural.width();
    NewHeight = natural.height();
    return true;
}

QSize TRzCalendar::sizeHint() const { return NaturalSize(Metrics(), size()); }

QSize TRzCalendar::minimumSizeHint() const { return NaturalSize(Metrics(), QSize(0, 0)); }

void TRzCalendar::SetAutoSize(bool value)
{
    if (AssignChanged(autoSize_, value))
        ApplyAutoSize();
}

void TRzCalendar::ApplyAutoSize()
{
    // Never smaller than the content, also when a layout makes the calendar fill its parent.
    setMinimumSize(minimumSizeHint());
    const QLayout* parentLayout = parentWidget() ? parentWidget()->layout() : nullptr;
    const bool laidOut = parentLayout && parentLayout->indexOf(this) >= 0;
    if (autoSize_ && !laidOut) {
        int width = this->width(), height = this->height();
        if (CanAutoSize(width, height))
            resize(width, height);
    }
    updateGeometry();
}

bool TRzCalendar::DrawableCell(TDateTime day) const
{
    return FElements.Contains(ceFillDays) || DecodeDate(day).month == DecodeDate(FViewDate).month;
}

TDateTime TRzCalendar::HitTest(int X, int Y) const
{
    const int index = DayCellAt(CalcLayout(), QPoint(X, Y));
    if (index < 0)
        return 0;
    const TDateTime day = FFirstDateInGrid + index;
    return DrawableCell(day) ? day : 0;
}

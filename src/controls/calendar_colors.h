#pragma once

#include "platform/colors.h"

#include <functional>

// The calendar's set of colours. Each change tells the owner, which repaints.
class TRzCalendarColors {
public:
    TRzCalendarColors() = default;
    explicit TRzCalendarColors(std::function<void()> onChange) : onChange_(std::move(onChange)) {}
    // Copies the colours only; the copy belongs to no calendar.
    TRzCalendarColors(const TRzCalendarColors& other) : values_(other.values_) {}
    TRzCalendarColors& operator=(const TRzCalendarColors&) = delete;

    // Takes all seven colours of another set.
    void Assign(const TRzCalendarColors& source);

    TColor Days() const { return values_.days; }
    void SetDays(TColor color) { Set(values_.days, color); }
    TColor FillDays() const { return values_.fillDays; }
    void SetFillDays(TColor color) { Set(values_.fillDays, color); }
    TColor DaysOfWeek() const { return values_.daysOfWeek; }
    void SetDaysOfWeek(TColor color) { Set(values_.daysOfWeek, color); }
    TColor Lines() const { return values_.lines; }
    void SetLines(TColor color) { Set(values_.lines, color); }
    TColor SelectedDateBack() const { return values_.selectedDateBack; }
    void SetSelectedDateBack(TColor color) { Set(values_.selectedDateBack, color); }
    TColor SelectedDateFore() const { return values_.selectedDateFore; }
    void SetSelectedDateFore(TColor color) { Set(values_.selectedDateFore, color); }
    TColor TodaysDateFrame() const { return values_.todaysDateFrame; }
    void SetTodaysDateFrame(TColor color) { Set(values_.todaysDateFrame, color); }

private:
    struct Values {
        TColor days = clWindowText;
        TColor fillDays = clBtnShadow;
        TColor daysOfWeek = clWindowText;
        TColor lines = clBtnShadow;
        TColor selectedDateBack = clHighlight;
        TColor selectedDateFore = clHighlightText;
        TColor todaysDateFrame = clMaroon;
    };
    void Set(TColor& field, TColor color);
    void Changed() const;

    Values values_;
    std::function<void()> onChange_;
};

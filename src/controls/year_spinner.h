#pragma once

#include "controls/custom_panel.h"
#include "platform/timer.h"

#include <functional>

// The calendar's year editor: a small spin control showing a year between its two buttons (down
// on the left, up on the right, repeating while held), stepped also by the arrow, plus/minus and
// page keys and the mouse wheel.
class TRzYearSpinner : public TRzCustomPanel {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 18;
    static constexpr int kIncrement = 1;
    static constexpr int kPageIncrement = 10;
    static constexpr int kFirstRepeatDelay = 400;
    static constexpr int kRepeatInterval = 100;

    explicit TRzYearSpinner(QWidget* parent = nullptr);

    int Value() const { return value_; }
    void SetValue(int value);
    int Min() const { return min_; }
    int Max() const { return max_; }
    // The value is kept within [min, max]; the widest range is 0 to 9999.
    void SetRange(int min, int max);
    // Moves the value by n, clamped; OnStep hears of it only when the value changed.
    void Step(int n);

    // The two 18-pixel buttons at the ends inside the frame.
    QRect UpButtonRect() const;
    QRect DownButtonRect() const;

    std::function<void(int n)> OnStep;
    std::function<void()> OnCloseRequest;  // Enter or Escape
    std::function<void()> OnFocusLost;

protected:
    void Paint(TCanvas& canvas) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void RepeatTick();
    void PaintButton(TCanvas& canvas, const QRect& rect, const QString& glyph, bool pressed) const;

    int value_ = 0;
    int min_ = 0;
    int max_ = 9999;
    int heldDirection_ = 0;  // +1 or -1 while a button is held
    TTimer repeatTimer_;
};

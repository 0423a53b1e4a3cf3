#include "year_spinner.h"

#include "platform/error_box.h"

#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kMinYear = 0;
constexpr int kMaxYear = 9999;

}  // namespace

TRzYearSpinner::TRzYearSpinner(QWidget* parent) : TRzCustomPanel(parent)
{
    SetBorderOuter(fsFlat);
    SetFlatColorAdjustment(0);
    SetColor(clWindow);
    setFocusPolicy(Qt::ClickFocus);  // no tab stop
    repeatTimer_.SetOnTimer([this] { Guarded([this] { RepeatTick(); }); });
    hide();
}

void TRzYearSpinner::SetValue(int value)
{
    value = std::clamp(value, min_, max_);
    if (value_ == value)
        return;
    value_ = value;
    update();
}

void TRzYearSpinner::SetRange(int min, int max)
{
    min_ = std::clamp(min, kMinYear, kMaxYear);
    max_ = std::clamp(max, min_, kMaxYear);
    SetValue(value_);
}

void TRzYearSpinner::Step(int n)
{
    const int old = value_;
    SetValue(value_ + n);
    if (value_ != old && OnStep)
        OnStep(n);
}

QRect TRzYearSpinner::UpButtonRect() const
{
    const QRect inside = InsideFrameRect();
    return QRect(inside.right() + 1 - kButtonWidth, inside.top(), kButtonWidth, inside.height());
}

QRect TRzYearSpinner::DownButtonRect() const
{
    const QRect inside = InsideFrameRect();
    return QRect(inside.left(), inside.top(), kButtonWidth, inside.height());
}

void TRzYearSpinner::keyPressEvent(QKeyEvent* event)
{
    Guarded([&] {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Plus: Step(kIncrement); break;
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Minus: Step(-kIncrement); break;
        case Qt::Key_PageUp: Step(kPageIncrement); break;
        case Qt::Key_PageDown: Step(-kPageIncrement); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            if (OnCloseRequest)
                OnCloseRequest();
            break;
        default: break;  // Tab and everything else is swallowed
        }
    });
    event->accept();
}

void TRzYearSpinner::wheelEvent(QWheelEvent* event)
{
    const int notches = event->angleDelta().y() / 120;
    Guarded([&] {
        if (notches != 0)
            Step(notches * kIncrement);
    });
    event->accept();
}

void TRzYearSpinner::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    heldDirection_ = UpButtonRect().contains(point) ? 1 : DownButtonRect().contains(point) ? -1 : 0;
    if (heldDirection_ == 0)
        return;
    update();
    Guarded([this] { Step(heldDirection_ * kIncrement); });
    repeatTimer_.Start(kFirstRepeatDelay);
}

void TRzYearSpinner::mouseReleaseEvent(QMouseEvent*)
{
    repeatTimer_.Stop();
    if (heldDirection_ != 0)
        update();
    heldDirection_ = 0;
}

void TRzYearSpinner::RepeatTick()
{
    if (repeatTimer_.Interval() != kRepeatInterval)
        repeatTimer_.Start(kRepeatInterval);
    Step(heldDirection_ * kIncrement);
}

void TRzYearSpinner::focusOutEvent(QFocusEvent* event)
{
    TRzCustomPanel::focusOutEvent(event);
    repeatTimer_.Stop();
    heldDirection_ = 0;
    Guarded([this] {
        if (OnFocusLost)
            OnFocusLost();
    });
}

void TRzYearSpinner::Paint(TCanvas& canvas)
{
    TRzCustomPanel::Paint(canvas);
    canvas.Brush.style = bsClear;
    canvas.Font.color = clWindowText;
    const QRect text(DownButtonRect().topRight() + QPoint(1, 0), UpButtonRect().bottomLeft() - QPoint(1, 0));
    canvas.DrawTextLine(text, QStringLiteral("%1").arg(value_, 4, 10, QLatin1Char('0')), TTextAlign::Center);
    PaintButton(canvas, DownButtonRect(), QStringLiteral("3"), heldDirection_ < 0);
    PaintButton(canvas, UpButtonRect(), QStringLiteral("4"), heldDirection_ > 0);
}

void TRzYearSpinner::PaintButton(TCanvas& canvas, const QRect& rect, const QString& glyph, bool pressed) const
{
    QRect face = rect;
    if (pressed)
        canvas.Frame3D(face, clBtnShadow, clBtnHighlight, 1);
    else
        canvas.Frame3D(face, clBtnHighlight, clBtnShadow, 1);
    canvas.Brush = {clBtnFace, bsSolid};
    canvas.FillRect(face);
    canvas.Brush.style = bsClear;
    TFontDesc arrows = Font();
    arrows.name = QStringLiteral("Marlett");
    arrows.color = clBtnText;
    canvas.Font = arrows;
    canvas.DrawTextLine(pressed ? face.translated(1, 1) : face, glyph, TTextAlign::Center);
}

#include "color_edit.h"

#include "color_edit_face.h"
#include "color_popup.h"
#include "assign_changed.h"

#include "platform/canvas.h"
#include "platform/error_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <memory>

namespace {

// Sets a flag for the life of a scope and clears it however the scope ends.
template <typename T>
class ScopedValue {
public:
    ScopedValue(T& field, T value, std::function<void()> onEnd = {}) : field_(field), old_(field), onEnd_(std::move(onEnd))
    {
        field_ = value;
    }
    ~ScopedValue()
    {
        field_ = old_;
        if (onEnd_)
            onEnd_();
    }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& field_;
    T old_;
    std::function<void()> onEnd_;
};

bool OpensPalette(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_F4 && modifiers == Qt::NoModifier) ||
           (event.key() == Qt::Key_Down && modifiers == Qt::AltModifier);
}

}  // namespace

TRzColorEdit::TRzColorEdit(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

TRzColorEdit::~TRzColorEdit() = default;

void TRzColorEdit::SetSelectedColor(TColor color)
{
    if (AssignChanged(selectedColor_, color))
        update();
}

void TRzColorEdit::SetDropButtonVisible(bool visible)
{
    if (AssignChanged(dropButtonVisible_, visible))
        update();
}

void TRzColorEdit::SetColor(TColor color)
{
    if (AssignChanged(color_, color))
        update();
}

void TRzColorEdit::ConfigurePicker(TRzColorPicker& picker) const
{
    TFontDesc font = picker.Font();
    font.name = font_.name;
    picker.SetFont(font);
    picker.SetButtonColor(palette_.buttonColor);
    picker.SetButtonFontColor(palette_.buttonFontColor);
    picker.SetCustomColorCaption(palette_.customColorCaption);
    picker.SetNoColorCaption(palette_.noColorCaption);
    picker.SetDefaultColorCaption(palette_.defaultColorCaption);
    picker.SetShowNoColor(palette_.rows.showNoColor);
    picker.SetShowDefaultColor(palette_.rows.showDefaultColor);
    picker.SetShowSystemColors(palette_.rows.showSystemColors);
    picker.SetShowCustomColor(palette_.rows.showCustomColor);
    picker.SetShowColorHints(palette_.showColorHints);
    picker.SetCustomColor(palette_.customColor);
    picker.SetDefaultColor(palette_.defaultColor);
    // After the parts and colours above: which entry a colour selects depends on them.
    picker.SetSelectedColor(selectedColor_);
    picker.SetColorDlgOptions(palette_.colorDlgOptions);
    if (popupSize_.width() != 0 && popupSize_.height() != 0) {
        picker.SetAutoSize(false);
        picker.resize(popupSize_);
    }
}

// Shows a fresh palette until it closes; on acceptance takes its choice and raises OnChange.
bool TRzColorEdit::RunPopup()
{
    const auto popup = std::make_unique<TRzColorPopup>(this);
    const ScopedValue<TRzColorPopup*> active(popup_, popup.get());
    popup->SetAlignment(popupAlignment_);
    ConfigurePicker(*popup->Picker());
    if (!popup->Popup())
        return false;
    SetSelectedColor(popup->Picker()->SelectedColor());
    palette_.customColor = popup->Picker()->CustomColor();
    // Raised for every accepted choice, the same colour included.
    if (OnChange)
        OnChange(this);
    return true;
}

void TRzColorEdit::DropDown()
{
    if (droppedDown_)
        return;
    setFocus(Qt::OtherFocusReason);
    const ScopedValue<bool> dropped(droppedDown_, true, [this] { update(); });
    update();
    if (OnDropDown)
        OnDropDown(this);
    if (!readOnly_ && parentWidget())
        RunPopup();
    if (OnCloseUp)
        OnCloseUp(this);
}

void TRzColorEdit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas(painter);
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const ColorEditFace face =
        ColorEditFaceLayout(size(), dropButtonVisible_, rightToLeft ? DropButtonSide::Left : DropButtonSide::Right);
    PaintEditFrame(canvas, rect());
    canvas.Brush = {color_, bsSolid};
    canvas.FillRect(face.inside);
    const DropButtonState button = !isEnabled() ? DropButtonState::Inactive
                                   : droppedDown_ ? DropButtonState::Pushed
                                                  : DropButtonState::Normal;
    PaintDropButton(canvas, face.button, button);
    PaintColorFace(canvas, face.swatch, selectedColor_, hasFocus() || droppedDown_);
}

// The whole control is the drop-down button; every press counts, double clicks included.
void TRzColorEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Guarded([this] { DropDown(); });
}

void TRzColorEdit::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

// No typing: every key but the two that open the palette is swallowed (Tab never gets here).
void TRzColorEdit::keyPressEvent(QKeyEvent* event)
{
    if (OpensPalette(*event))
        Guarded([this] { DropDown(); });
    event->accept();
}

void TRzColorEdit::focusInEvent(QFocusEvent*) { update(); }
void TRzColorEdit::focusOutEvent(QFocusEvent*) { update(); }

void TRzColorEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::LayoutDirectionChange)
        update();
    QWidget::changeEvent(event);
}

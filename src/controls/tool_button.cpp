#include "tool_button.h"

#include "controls/accelerator.h"
#include "controls/image_list.h"
#include "controls/show_hint.h"
#include "controls/tool_button_layout.h"
#include "controls/toolbar.h"
#include "platform/clock.h"
#include "platform/error_box.h"

#include <QEnterEvent>
#include <QHelpEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// A press this soon after the drop-down menu closed is the press that closed it.
constexpr double kDropDownGuardMs = 100;

}  // namespace

TRzToolButton::TRzToolButton(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(25, 25);
    ToolbarChanged();
}

TRzToolButton::~TRzToolButton() = default;

TRzToolbar* TRzToolButton::Toolbar() const { return qobject_cast<TRzToolbar*>(parentWidget()); }

// ---- Caption, hint and accelerator ----

void TRzToolButton::SetCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    UpdateAccelerator();
    Changed();
}

void TRzToolButton::UpdateAccelerator()
{
    if (shortcutId_ != 0)
        releaseShortcut(shortcutId_);
    shortcutId_ = 0;
    const QChar key = CaptionAccelerator(caption_);
    if (!key.isNull())
        shortcutId_ = grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.toUpper().unicode()))));
}

bool TRzToolButton::ShowHint() const { return ShowHintInEffect(*this); }
void TRzToolButton::SetShowHint(bool value) { ::SetShowHint(*this, value); }
bool TRzToolButton::ParentShowHint() const { return !HasOwnShowHint(*this); }

void TRzToolButton::SetParentShowHint(bool value)
{
    if (value)
        ::SetParentShowHint(*this);
    else
        ::SetShowHint(*this, ShowHintInEffect(*this));
}

bool TRzToolButton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        if (ShowHint() && !hint_.isEmpty())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), hint_, this);
        else
            QToolTip::hideText();
        return true;
    case QEvent::Shortcut:
        if (isEnabled() && isVisible())
            Guarded([this] { Click(); });
        return true;
    default: return QWidget::event(event);
    }
}

// ---- Images ----

void TRzToolButton::SetImageIndex(int index)
{
    images_.imageIndex = index;
    update();
}

void TRzToolButton::SetDisabledIndex(int index)
{
    images_.disabledIndex = index;
    update();
}

void TRzToolButton::SetHotIndex(int index)
{
    images_.hotIndex = index;
    update();
}

void TRzToolButton::SetDownIndex(int index)
{
    images_.downIndex = index;
    update();
}

void TRzToolButton::WatchImageList(TImageList* list)
{
    if (list)
        connect(list, &TImageList::Change, this, &TRzToolButton::Changed, Qt::UniqueConnection);
}

void TRzToolButton::SetImages(TImageList* images)
{
    ownImages_ = images;
    WatchImageList(images);
    Changed();
}

void TRzToolButton::SetDisabledImages(TImageList* images)
{
    ownDisabledImages_ = images;
    WatchImageList(images);
    update();
}

ButtonImages TRzToolButton::EffectiveImages() const
{
    ButtonImages images = images_;
    const TRzToolbar* toolbar = Toolbar();
    images.images = ownImages_ ? ownImages_.data() : toolbar ? toolbar->Images() : nullptr;
    images.disabledImages = ownDisabledImages_ ? ownDisabledImages_.data() : toolbar ? toolbar->DisabledImages() : nullptr;
    return images;
}

// ---- Settings that follow the toolbar ----

void TRzToolButton::ToolbarChanged()
{
    if (const TRzToolbar* toolbar = Toolbar()) {
        if (useToolbarShowCaption_)
            showCaption_ = toolbar->ShowButtonCaptions();
        if (useToolbarButtonLayout_)
            layout_ = toolbar->ButtonLayout();
        if (useToolbarVisualStyle_) {
            visualStyle_ = toolbar->VisualStyle();
            gradientColorStyle_ = toolbar->GradientColorStyle();
        }
        if (parentFont_)
            font_ = toolbar->Font();
    }
    Changed();
}

void TRzToolButton::Changed()
{
    AdjustSize();
    update();
}

void TRzToolButton::AdjustSize()
{
    const TRzToolbar* toolbar = Toolbar();
    if (!toolbar || !useToolbarButtonSize_)
        return;
    const TImageList* images = EffectiveImages().images;
    ToolButtonSizing sizing;
    sizing.buttonWidth = toolbar->ButtonWidth();
    sizing.buttonHeight = toolbar->ButtonHeight();
    sizing.showCaption = showCaption_;
    sizing.layout = layout_;
    sizing.captionWidth = TextWidth(font_, CaptionDisplayText(caption_));
    sizing.imageSize = images ? images->Size() : QSize();
    sizing.dropDown = toolStyle_ == tsDropDown;
    resize(ToolButtonSize(sizing));
    TRzToolbar::RepositionAround(this);
}

void TRzToolButton::SetShowCaption(bool value)
{
    useToolbarShowCaption_ = false;
    showCaption_ = value;
    Changed();
}

void TRzToolButton::SetLayout(TButtonLayout value)
{
    useToolbarButtonLayout_ = false;
    layout_ = value;
    Changed();
}

void TRzToolButton::SetButtonSize(int width, int height)
{
    useToolbarButtonSize_ = false;
    resize(width, height);
    TRzToolbar::RepositionAround(this);
}

void TRzToolButton::SetVisualStyle(TRzVisualStyle value)
{
    useToolbarVisualStyle_ = false;
    visualStyle_ = value;
    update();
}

void TRzToolButton::SetGradientColorStyle(TRzGradientColorStyle value)
{
    useToolbarVisualStyle_ = false;
    gradientColorStyle_ = value;
    update();
}

void TRzToolButton::SetUseToolbarButtonSize(bool value)
{
    useToolbarButtonSize_ = value;
    ToolbarChanged();
}

void TRzToolButton::SetUseToolbarButtonLayout(bool value)
{
    useToolbarButtonLayout_ = value;
    ToolbarChanged();
}

void TRzToolButton::SetUseToolbarShowCaption(bool value)
{
    useToolbarShowCaption_ = value;
    ToolbarChanged();
}

void TRzToolButton::SetUseToolbarVisualStyle(bool value)
{
    useToolbarVisualStyle_ = value;
    ToolbarChanged();
}

void TRzToolButton::SetFont(const TFontDesc& font)
{
    parentFont_ = false;
    font_ = font;
    Changed();
}

void TRzToolButton::SetParentFont(bool value)
{
    parentFont_ = value;
    ToolbarChanged();
}

void TRzToolButton::SetToolStyle(TRzToolStyle value)
{
    toolStyle_ = value;
    Changed();
}

// ---- Plain look settings ----

namespace {

template <typename T>
void SetAndUpdate(QWidget* widget, T& field, T value)
{
    if (field == value)
        return;
    field = value;
    widget->update();
}

}  // namespace

void TRzToolButton::SetSpacing(int value) { SetAndUpdate(this, spacing_, value); }
void TRzToolButton::SetAlignment(TAlignment value) { SetAndUpdate(this, alignment_, value); }
void TRzToolButton::SetFlat(bool value) { SetAndUpdate(this, flat_, value); }
void TRzToolButton::SetTransparent(bool value) { SetAndUpdate(this, transparent_, value); }
void TRzToolButton::SetColor(TColor value) { SetAndUpdate(this, color_, value); }
void TRzToolButton::SetSelectionColorStart(TColor value) { SetAndUpdate(this, selectionColorStart_, value); }
void TRzToolButton::SetSelectionColorStop(TColor value) { SetAndUpdate(this, selectionColorStop_, value); }
void TRzToolButton::SetSelectionFrameColor(TColor value) { SetAndUpdate(this, selectionFrameColor_, value); }

// ---- Latching groups ----

void TRzToolButton::SetGroupIndex(int value)
{
    groupIndex_ = value;
    if (groupIndex_ == 0)
        SetDown(false);
}

void TRzToolButton::SetAllowAllUp(bool value) { allowAllUp_ = value; }

void TRzToolButton::SetDown(bool value)
{
    if (groupIndex_ == 0)
        value = false;
    if (value == down_)
        return;
    // The last latched button of a group stays down unless the group allows all up.
    if (down_ && !allowAllUp_)
        return;
    down_ = value;
    SetState(value ? TToolButtonState::Exclusive : TToolButtonState::Up);
    if (value)
        ReleaseLatchedSiblings();
}

void TRzToolButton::ReleaseLatchedSiblings()
{
    if (!parentWidget())
        return;
    for (TRzToolButton* other : parentWidget()->findChildren<TRzToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (other == this || other->groupIndex_ != groupIndex_ || !other->down_)
            continue;
        other->down_ = false;
        other->SetState(TToolButtonState::Up);
    }
}

// ---- State and mouse ----

TToolButtonState TRzToolButton::State() const { return isEnabled() ? state_ : TToolButtonState::Disabled; }

void TRzToolButton::SetState(TToolButtonState state)
{
    if (state_ == state)
        return;
    state_ = state;
    repaint();
}

void TRzToolButton::SetMouseInControl(bool value)
{
    if (mouseInControl_ == value)
        return;
    mouseInControl_ = value;
    repaint();
}

void TRzToolButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
    else if (event->type() == QEvent::ParentChange)
        ToolbarChanged();
}

void TRzToolButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    SetMouseInControl(true);
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TRzToolButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    // While the drop-down menu is open the button keeps its hovered look.
    if (state_ != TToolButtonState::Dropped)
        SetMouseInControl(false);
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TRzToolButton::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (OnMouseDown)
        OnMouseDown(this, event->button(), event->modifiers(), pos);
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    if (toolStyle_ == tsDropDown && (DropDownArrowRect(rect(), toolStyle_).contains(pos) || !OnClick)) {
        DropDown();
        return;
    }
    if (state_ != TToolButtonState::Exclusive)
        SetState(TToolButtonState::Down);
    dragging_ = true;
}

void TRzToolButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (OnMouseMove)
        OnMouseMove(this, event->modifiers(), pos);
    if (!dragging_ || state_ == TToolButtonState::Exclusive)
        return;
    SetState(rect().contains(pos) ? TToolButtonState::Down : TToolButtonState::Up);
}

void TRzToolButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (OnMouseUp)
        OnMouseUp(this, event->button(), event->modifiers(), pos);
    if (event->button() != Qt::LeftButton || !dragging_)
        return;
    dragging_ = false;
    const bool inside = rect().contains(pos);
    if (groupIndex_ == 0) {
        mouseInControl_ = false;
        state_ = TToolButtonState::Up;
        if (inside)
            repaint();
    } else if (inside) {
        SetDown(!down_);
        SetState(down_ ? TToolButtonState::Exclusive : TToolButtonState::Up);
    } else {
        SetState(down_ ? TToolButtonState::Exclusive : TToolButtonState::Up);
    }
    if (inside) {
        const QPointer<TRzToolButton> alive(this);
        Click();
        if (!alive)
            return;
    }
    SetMouseInControl(rect().contains(mapFromGlobal(event->globalPosition().toPoint())));
}

void TRzToolButton::Click()
{
    if (OnClick)
        OnClick(this);
}

// ---- Drop-down part ----

bool TRzToolButton::DropDownGuarded() const
{
    return menuClosedAt_ >= 0 && (Now() - menuClosedAt_) * kMillisecondsPerDay < kDropDownGuardMs;
}

void TRzToolButton::DropDown()
{
    if (DropDownGuarded())
        return;
    SetState(TToolButtonState::Dropped);
    if (OnDropDown)
        OnDropDown(this);
    if (!dropDownMenu_) {
        SetState(down_ ? TToolButtonState::Exclusive : TToolButtonState::Up);
        return;
    }
    connect(dropDownMenu_, &QMenu::aboutToHide, this, &TRzToolButton::MenuClosed, Qt::SingleShotConnection);
    dropDownMenu_->popup(mapToGlobal(QPoint(0, height())));
}

void TRzToolButton::MenuClosed()
{
    menuClosedAt_ = Now();
    mouseInControl_ = underMouse();
    SetState(down_ ? TToolButtonState::Exclusive : TToolButtonState::Up);
    repaint();
}

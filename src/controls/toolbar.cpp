#include "toolbar.h"

#include "controls/image_list.h"
#include "controls/tool_button.h"
#include "controls/toolbar_layout.h"
#include "platform/canvas.h"
#include "platform/style_colors.h"
#include "platform/visual_styles.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace {

// Controls that take part in the layout: not hidden on purpose (at design time all would).
bool TakesPart(const QWidget* control, const QWidget* toolbar) { return control->isVisibleTo(toolbar); }

}  // namespace

TRzToolbar::TRzToolbar(QWidget* parent) : TRzCustomPanel(parent)
{
    resize(32, 32);
    ApplyAutoStyle();
}

// ---- Frame ----

void TRzToolbar::ApplyAutoStyle()
{
    if (!autoStyle_)
        return;
    styling_ = true;
    SetBorderInner(fsNone);
    SetBorderOuter(showDivider_ ? fsGroove : fsNone);
    SetBorderSides(AutoStyleSides(align_));
    styling_ = false;
    styledFrame_ = Frame();
}

void TRzToolbar::FrameChanged()
{
    const TPanelFrame& now = Frame();
    const bool restyled = now.outer != styledFrame_.outer || now.inner != styledFrame_.inner || now.sides != styledFrame_.sides;
    if (!styling_ && restyled)
        autoStyle_ = false;
    update();
}

void TRzToolbar::SetAutoStyle(bool value)
{
    autoStyle_ = value;
    ApplyAutoStyle();
}

void TRzToolbar::SetShowDivider(bool value)
{
    if (showDivider_ == value)
        return;
    showDivider_ = value;
    ApplyAutoStyle();
}

void TRzToolbar::SetAlign(TAlign align)
{
    if (align_ == align)
        return;
    align_ = align;
    ApplyAutoStyle();
    PositionControls();
}

// ---- Settings ----

void TRzToolbar::SetAutoResize(bool value)
{
    autoResize_ = value;
    PositionControls();
}

void TRzToolbar::SetImages(TImageList* images)
{
    if (images_ == images)
        return;
    if (images_)
        disconnect(images_, nullptr, this, nullptr);
    images_ = images;
    if (images_)
        connect(images_, &TImageList::Change, this, &TRzToolbar::NotifyButtons);
    NotifyButtons();
}

void TRzToolbar::SetDisabledImages(TImageList* images)
{
    disabledImages_ = images;
    NotifyButtons();
}

void TRzToolbar::SetMargin(int value)
{
    margin_ = value;
    PositionControls();
}

void TRzToolbar::SetTopMargin(int value)
{
    topMargin_ = value;
    PositionControls();
}

void TRzToolbar::SetRowHeight(int value)
{
    rowHeight_ = value;
    PositionControls();
}

void TRzToolbar::SetOrientation(TOrientation value)
{
    orientation_ = value;
    PositionControls();
}

void TRzToolbar::SetWrapControls(bool value)
{
    wrapControls_ = value;
    PositionControls();
}

template <typename T>
void TRzToolbar::SetButtonSetting(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    textOptions_ = ttoCustom;
    NotifyButtons();
}

void TRzToolbar::SetButtonLayout(TButtonLayout value) { SetButtonSetting(buttonLayout_, value); }
void TRzToolbar::SetButtonWidth(int value) { SetButtonSetting(buttonWidth_, value); }
void TRzToolbar::SetButtonHeight(int value) { SetButtonSetting(buttonHeight_, value); }
void TRzToolbar::SetShowButtonCaptions(bool value) { SetButtonSetting(showButtonCaptions_, value); }

void TRzToolbar::SetTextOptions(TRzToolbarTextOptions value)
{
    textOptions_ = value;
    if (value != ttoCustom)
        ApplyPreset(value);
}

void TRzToolbar::ApplyPreset(TRzToolbarTextOptions options)
{
    const TextOptionsPreset preset = PresetFor(options, orientation_);
    buttonLayout_ = preset.layout;
    buttonWidth_ = preset.buttonWidth;
    buttonHeight_ = preset.buttonHeight;
    showButtonCaptions_ = preset.showCaptions;
    rowHeight_ = preset.rowHeight;
    NotifyButtons();
}

void TRzToolbar::SetVisualStyle(TRzVisualStyle value)
{
    visualStyle_ = value;
    NotifyButtons();
    update();
}

void TRzToolbar::SetGradientColorStyle(TRzGradientColorStyle value)
{
    gradientColorStyle_ = value;
    NotifyButtons();
}

void TRzToolbar::SetBackground(const QImage& image)
{
    background_ = image;
    update();
}

void TRzToolbar::FontChanged()
{
    NotifyButtons();
    update();
}

void TRzToolbar::NotifyButtons()
{
    for (TRzToolButton* button : findChildren<TRzToolButton*>(Qt::FindDirectChildrenOnly))
        button->ToolbarChanged();
    PositionControls();
}

// ---- Controls and layout ----

std::vector<QWidget*> TRzToolbar::ToolbarControls() const
{
    std::vector<QWidget*> controls;
    for (const QPointer<QWidget>& control : controls_)
        if (control)
            controls.push_back(control);
    return controls;
}

void TRzToolbar::SetToolbarControls(const std::vector<QWidget*>& controls)
{
    controls_.assign(controls.begin(), controls.end());
    PositionControls();
}

void TRzToolbar::ForgetControl(QObject* control)
{
    std::erase_if(controls_, [control](const QPointer<QWidget>& c) { return c.isNull() || c.data() == control; });
}

void TRzToolbar::childEvent(QChildEvent* event)
{
    TRzCustomPanel::childEvent(event);
    QObject* child = event->child();
    if (event->added() && child->isWidgetType()) {
        // The child is still being built: remember it, lay out once it has a size.
        controls_.emplace_back(static_cast<QWidget*>(child));
        child->installEventFilter(this);
    } else if (event->polished()) {
        PositionControls();
    } else if (event->removed()) {
        ForgetControl(child);
        PositionControls();
    }
}

bool TRzToolbar::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        PositionControls();
        break;
    default: break;
    }
    return TRzCustomPanel::eventFilter(watched, event);
}

void TRzToolbar::RepositionAround(QWidget* control)
{
    if (auto* toolbar = qobject_cast<TRzToolbar*>(control->parentWidget()))
        toolbar->PositionControls();
}

void TRzToolbar::PositionControls()
{
    if (positioning_)
        return;
    positioning_ = true;
    ToolbarLayoutInput input{size(), margin_, topMargin_, rowHeight_, wrapControls_, orientation_,
                             layoutDirection() == Qt::RightToLeft, {}};
    std::vector<QWidget*> placed;
    for (QWidget* control : ToolbarControls())
        if (control->parentWidget() == this && TakesPart(control, this)) {
            placed.push_back(control);
            input.controls.push_back(control->size());
        }
    const ToolbarLayout layout = LayoutToolbarControls(input);
    for (size_t i = 0; i < placed.size(); ++i)
        placed[i]->move(layout.positions[i]);
    if (autoResize_)
        ApplyAutoResize(AutoResizedToolbarSize(input, layout, align_));
    positioning_ = false;
}

void TRzToolbar::ApplyAutoResize(QSize size)
{
    if (size == this->size())
        return;
    resize(size);
    update();
    // The parent places its aligned children again for the new size.
    if (parentWidget())
        QCoreApplication::postEvent(parentWidget(), new QEvent(QEvent::LayoutRequest));
}

void TRzToolbar::resizeEvent(QResizeEvent* event)
{
    TRzCustomPanel::resizeEvent(event);
    PositionControls();
}

void TRzToolbar::changeEvent(QEvent* event)
{
    TRzCustomPanel::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        PositionControls();
}

// ---- Painting ----

void TRzToolbar::Paint(TCanvas& canvas)
{
    if (!VisualStyles::Instance().IsSystemStyle()) {
        // Another visual style paints its own toolbar background inside the frame.
        canvas.Brush = {ActiveStyleElementColor(StyleElementColor::GenericGradientBase), bsSolid};
        canvas.FillRect(PaintFrame(canvas));
        return;
    }
    TRzCustomPanel::Paint(canvas);
    if (!background_.isNull())
        canvas.Painter().fillRect(InsideFrameRect(), QBrush(background_));
}

#pragma once

#include "controls/color_popup_placement.h"  // TAlignment
#include "controls/control_events.h"
#include "controls/image_list.h"
#include "controls/tool_button_look.h"
#include "controls/toolbar_types.h"
#include "platform/date_time.h"
#include "platform/font_desc.h"

#include <QMenu>
#include <QPointer>
#include <QWidget>

class TCanvas;
class TRzToolbar;

using TMouseMoveEvent = std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, QPoint Pos)>;

// A flat button with an image and an optional caption, made to sit on a TRzToolbar. While its
// "UseToolbar" flags are on it takes its size, layout, caption visibility and visual style from
// the toolbar; setting one of those on the button itself clears the flag.
class TRzToolButton : public QWidget {
    Q_OBJECT
public:
    explicit TRzToolButton(QWidget* parent = nullptr);
    ~TRzToolButton() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint) { hint_ = hint; }
    // Hints show as tooltips only while ShowHint is on, the button's own or its parents'.
    bool ShowHint() const;
    void SetShowHint(bool value);
    bool ParentShowHint() const;
    void SetParentShowHint(bool value);

    int ImageIndex() const { return images_.imageIndex; }
    void SetImageIndex(int index);
    int DisabledIndex() const { return images_.disabledIndex; }
    void SetDisabledIndex(int index);
    int HotIndex() const { return images_.hotIndex; }
    void SetHotIndex(int index);
    int DownIndex() const { return images_.downIndex; }
    void SetDownIndex(int index);
    // The button's own lists; without them the toolbar's are used.
    TImageList* Images() const { return ownImages_; }
    void SetImages(TImageList* images);
    TImageList* DisabledImages() const { return ownDisabledImages_; }
    void SetDisabledImages(TImageList* images);

    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    // An explicit size, no longer following the toolbar's button size.
    void SetButtonSize(int width, int height);
    TRzVisualStyle VisualStyle() const { return visualStyle_; }
    void SetVisualStyle(TRzVisualStyle value);
    TRzGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    void SetGradientColorStyle(TRzGradientColorStyle value);

    bool UseToolbarButtonSize() const { return useToolbarButtonSize_; }
    void SetUseToolbarButtonSize(bool value);
    bool UseToolbarButtonLayout() const { return useToolbarButtonLayout_; }
    void SetUseToolbarButtonLayout(bool value);
    bool UseToolbarShowCaption() const { return useToolbarShowCaption_; }
    void SetUseToolbarShowCaption(bool value);
    bool UseToolbarVisualStyle() const { return useToolbarVisualStyle_; }
    void SetUseToolbarVisualStyle(bool value);

    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TColor SelectionColorStart() const { return selectionColorStart_; }
    void SetSelectionColorStart(TColor value);
    TColor SelectionColorStop() const { return selectionColorStop_; }
    void SetSelectionColorStop(TColor value);
    TColor SelectionFrameColor() const { return selectionFrameColor_; }
    void SetSelectionFrameColor(TColor value);
    // The toolbar's font while ParentFont is on.
    const TFontDesc& Font() const { return font_; }
    void SetFont(const TFontDesc& font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    TRzToolStyle ToolStyle() const { return toolStyle_; }
    void SetToolStyle(TRzToolStyle value);
    QMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(QMenu* menu) { dropDownMenu_ = menu; }

    // Buttons with the same non-zero GroupIndex on one parent latch down in turn; AllowAllUp lets
    // the last one go up again.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    bool Down() const { return down_; }
    void SetDown(bool value);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value);

    // Disabled while the control is disabled, else the state the mouse left it in.
    TToolButtonState State() const;
    bool MouseInControl() const { return mouseInControl_; }

    // Raises OnClick.
    void Click();
    // Takes over the toolbar's settings for every "UseToolbar" flag that is on, and resizes.
    void ToolbarChanged();
    // Paints the button onto any painter.
    void PaintTo(QPainter& painter);

    TNotifyEvent OnClick;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TRzToolbar* Toolbar() const;
    ButtonImages EffectiveImages() const;
    void AdjustSize();
    void Changed();  // size may follow, look changes
    void SetState(TToolButtonState state);
    void SetMouseInControl(bool value);
    void DropDown();
    void MenuClosed();
    bool DropDownGuarded() const;
    void ReleaseLatchedSiblings();
    void UpdateAccelerator();
    void WatchImageList(TImageList* list);

    void Paint(TCanvas& canvas);
    void PaintFace(TCanvas& canvas, QRect rect, ButtonFace face) const;
    void PaintDropDownArrow(TCanvas& canvas, const QRect& rect) const;
    void PaintContent(TCanvas& canvas, const QRect& part);

    QString caption_;
    QString hint_;
    ButtonImages images_;  // indexes only; the lists are resolved when used
    QPointer<TImageList> ownImages_;
    QPointer<TImageList> ownDisabledImages_;
    bool showCaption_ = false;
    TButtonLayout layout_ = blGlyphLeft;
    TRzVisualStyle visualStyle_ = vsWinXP;
    TRzGradientColorStyle gradientColorStyle_ = gcsSystem;
    bool useToolbarButtonSize_ = true;
    bool useToolbarButtonLayout_ = true;
    bool useToolbarShowCaption_ = true;
    bool useToolbarVisualStyle_ = true;
    int spacing_ = 4;
    TAlignment alignment_ = taCenter;
    bool flat_ = true;
    bool transparent_ = true;
    TColor color_ = clBtnFace;
    TColor selectionColorStart_ = clBtnFace;
    TColor selectionColorStop_ = clBtnShadow;
    TColor selectionFrameColor_ = cl3DDkShadow;
    TFontDesc font_;
    bool parentFont_ = true;
    TRzToolStyle toolStyle_ = tsButton;
    QPointer<QMenu> dropDownMenu_;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;

    TToolButtonState state_ = TToolButtonState::Up;  // never Disabled: that comes from isEnabled()
    bool mouseInControl_ = false;
    bool dragging_ = false;
    TDateTime menuClosedAt_ = -1;  // when the drop-down menu last closed; -1: never
    int shortcutId_ = 0;
};

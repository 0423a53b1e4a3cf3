#pragma once

#include "controls/color_picker.h"
#include "controls/color_popup_placement.h"
#include "controls/control_events.h"
#include "platform/font_desc.h"

#include <QWidget>

class TRzColorPopup;

// An edit-shaped control that shows one colour. It takes no typing: a left press anywhere on it,
// F4 or Alt+Down drops down a palette, and a click on a colour there takes that colour.
class TRzColorEdit : public QWidget {
    Q_OBJECT
public:
    explicit TRzColorEdit(QWidget* parent = nullptr);
    ~TRzColorEdit() override;

    TColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(TColor color);

    // What the palette shows.
    bool ShowNoColor() const { return palette_.rows.showNoColor; }
    void SetShowNoColor(bool show) { palette_.rows.showNoColor = show; }
    bool ShowDefaultColor() const { return palette_.rows.showDefaultColor; }
    void SetShowDefaultColor(bool show) { palette_.rows.showDefaultColor = show; }
    bool ShowSystemColors() const { return palette_.rows.showSystemColors; }
    void SetShowSystemColors(bool show) { palette_.rows.showSystemColors = show; }
    bool ShowCustomColor() const { return palette_.rows.showCustomColor; }
    void SetShowCustomColor(bool show) { palette_.rows.showCustomColor = show; }
    bool ShowColorHints() const { return palette_.showColorHints; }
    void SetShowColorHints(bool show) { palette_.showColorHints = show; }
    TColor CustomColor() const { return palette_.customColor; }
    void SetCustomColor(TColor color) { palette_.customColor = color; }
    TColor DefaultColor() const { return palette_.defaultColor; }
    void SetDefaultColor(TColor color) { palette_.defaultColor = color; }
    QString CustomColorCaption() const { return palette_.customColorCaption; }
    void SetCustomColorCaption(const QString& caption) { palette_.customColorCaption = caption; }
    QString NoColorCaption() const { return palette_.noColorCaption; }
    void SetNoColorCaption(const QString& caption) { palette_.noColorCaption = caption; }
    QString DefaultColorCaption() const { return palette_.defaultColorCaption; }
    void SetDefaultColorCaption(const QString& caption) { palette_.defaultColorCaption = caption; }
    TColorDialogOptions ColorDlgOptions() const { return palette_.colorDlgOptions; }
    void SetColorDlgOptions(TColorDialogOptions options) { palette_.colorDlgOptions = options; }
    TColor PopupButtonColor() const { return palette_.buttonColor; }
    void SetPopupButtonColor(TColor color) { palette_.buttonColor = color; }
    TColor PopupButtonFontColor() const { return palette_.buttonFontColor; }
    void SetPopupButtonFontColor(TColor color) { palette_.buttonFontColor = color; }

    // Where and how big the palette drops down; a fixed size needs both numbers.
    TAlignment PopupAlignment() const { return popupAlignment_; }
    void SetPopupAlignment(TAlignment alignment) { popupAlignment_ = alignment; }
    int PopupWidth() const { return popupSize_.width(); }
    void SetPopupWidth(int width) { popupSize_.setWidth(width); }
    int PopupHeight() const { return popupSize_.height(); }
    void SetPopupHeight(int height) { popupSize_.setHeight(height); }

    bool DropButtonVisible() const { return dropButtonVisible_; }
    void SetDropButtonVisible(bool visible);
    // A read-only edit raises its drop-down events but shows no palette.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    const TFontDesc& Font() const { return font_; }
    void SetFont(const TFontDesc& font) { font_ = font; }

    bool DroppedDown() const { return droppedDown_; }
    // The palette's window while it is dropped down, else null.
    TRzColorPopup* ActivePopup() const { return popup_; }
    // Drops the palette down and returns when it has closed.
    void DropDown();

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // What the edit hands to each palette it drops down.
    struct PaletteSettings {
        PickerRows rows;
        bool showColorHints = true;
        TColor customColor = clWhite;
        TColor defaultColor = clHighlight;
        QString customColorCaption, noColorCaption, defaultColorCaption;
        TColorDialogOptions colorDlgOptions{cdFullOpen};
        TColor buttonColor = clBtnFace;
        TColor buttonFontColor = clWindowText;
    };

    void ConfigurePicker(TRzColorPicker& picker) const;
    bool RunPopup();

    TColor selectedColor_ = clNone;
    PaletteSettings palette_;
    TAlignment popupAlignment_ = taRightJustify;
    QSize popupSize_{0, 0};
    bool dropButtonVisible_ = true;
    bool readOnly_ = false;
    TColor color_ = clWindow;
    TFontDesc font_;
    bool droppedDown_ = false;
    TRzColorPopup* popup_ = nullptr;
};

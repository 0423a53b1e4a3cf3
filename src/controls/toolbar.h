#pragma once

#include "controls/align.h"
#include "controls/custom_panel.h"
#include "controls/image_list.h"
#include "controls/toolbar_types.h"

#include <QImage>
#include <QPointer>
#include <vector>


// A panel that lines its child controls up in rows (ToolbarControls order), wrapping them when
// they do not fit and growing to its rows. Its buttons take their size, layout, caption
// visibility and visual style from it. With AutoStyle the frame is a groove on the side that
// faces the window's client area.
class TRzToolbar : public TRzCustomPanel {
    Q_OBJECT
public:
    explicit TRzToolbar(QWidget* parent = nullptr);

    // The edge the toolbar keeps to; whoever places the window's controls reads it. Changing it
    // re-styles the frame (with AutoStyle) and lays the controls out again.
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    bool AutoResize() const { return autoResize_; }
    void SetAutoResize(bool value);
    bool AutoStyle() const { return autoStyle_; }
    void SetAutoStyle(bool value);
    bool ShowDivider() const { return showDivider_; }
    void SetShowDivider(bool value);

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    TImageList* DisabledImages() const { return disabledImages_; }
    void SetDisabledImages(TImageList* images);

    int Margin() const { return margin_; }
    void SetMargin(int value);
    int TopMargin() const { return topMargin_; }
    void SetTopMargin(int value);
    int RowHeight() const { return rowHeight_; }
    void SetRowHeight(int value);
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation value);
    bool WrapControls() const { return wrapControls_; }
    void SetWrapControls(bool value);

    TButtonLayout ButtonLayout() const { return buttonLayout_; }
    void SetButtonLayout(TButtonLayout value);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int value);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int value);
    bool ShowButtonCaptions() const { return showButtonCaptions_; }
    void SetShowButtonCaptions(bool value);
    TRzToolbarTextOptions TextOptions() const { return textOptions_; }
    void SetTextOptions(TRzToolbarTextOptions value);

    TRzVisualStyle VisualStyle() const { return visualStyle_; }
    void SetVisualStyle(TRzVisualStyle value);
    TRzGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    void SetGradientColorStyle(TRzGradientColorStyle value);
    // Tiled over the inside under the system style; a null image shows Color.
    const QImage& Background() const { return background_; }
    void SetBackground(const QImage& image);

    // The controls in layout order. Children added later are appended, destroyed ones dropped.
    std::vector<QWidget*> ToolbarControls() const;
    void SetToolbarControls(const std::vector<QWidget*>& controls);

    // Places the visible controls in rows and, with AutoResize, sizes the toolbar to them.
    void PositionControls();
    // For controls whose size changed: lays out the toolbar they sit on, if any.
    static void RepositionAround(QWidget* control);

protected:
    void FrameChanged() override;
    void FontChanged() override;
    void Paint(TCanvas& canvas) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyAutoStyle();
    void ApplyPreset(TRzToolbarTextOptions options);
    // Sets one of the settings the buttons follow; any such change on its own makes the text
    // options custom.
    template <typename T>
    void SetButtonSetting(T& field, T value);
    void NotifyButtons();
    void ApplyAutoResize(QSize size);
    void ForgetControl(QObject* control);

    TAlign align_ = alTop;
    bool autoResize_ = true;
    bool autoStyle_ = true;
    bool showDivider_ = true;
    QPointer<TImageList> images_;
    QPointer<TImageList> disabledImages_;
    int margin_ = 4;
    int topMargin_ = 2;
    int rowHeight_ = 25;
    TOrientation orientation_ = orHorizontal;
    bool wrapControls_ = true;
    TButtonLayout buttonLayout_ = blGlyphLeft;
    int buttonWidth_ = 25;
    int buttonHeight_ = 25;
    bool showButtonCaptions_ = false;
    TRzToolbarTextOptions textOptions_ = ttoNoTextLabels;
    TRzVisualStyle visualStyle_ = vsWinXP;
    TRzGradientColorStyle gradientColorStyle_ = gcsSystem;
    QImage background_;
    std::vector<QPointer<QWidget>> controls_;

    // The frame last set by AutoStyle: a different one set from outside switches AutoStyle off.
    TPanelFrame styledFrame_;
    bool styling_ = false;
    bool positioning_ = false;
};

#pragma once

#include "controls/color_palette.h"
#include "controls/color_picker_layout.h"
#include "controls/control_events.h"
#include "controls/custom_panel.h"
#include "controls/enum_set.h"

#include <memory>

class TColorHintWindow;

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = TEnumSet<TColorDialogOption>;

// The colour palette: optional "None" and "Default" rows, 40 standard colours, optional system
// colours and an optional row with "More Colors..." and a custom colour swatch. Entries are
// chosen by code (see color_palette.h).
class TRzColorPicker : public TRzCustomPanel {
    Q_OBJECT
public:
    explicit TRzColorPicker(QWidget* parent = nullptr);
    ~TRzColorPicker() override;

    bool ShowNoColor() const { return rows_.showNoColor; }
    void SetShowNoColor(bool show) { SetRow(rows_.showNoColor, show); }
    bool ShowDefaultColor() const { return rows_.showDefaultColor; }
    void SetShowDefaultColor(bool show) { SetRow(rows_.showDefaultColor, show); }
    bool ShowSystemColors() const { return rows_.showSystemColors; }
    void SetShowSystemColors(bool show) { SetRow(rows_.showSystemColors, show); }
    bool ShowCustomColor() const { return rows_.showCustomColor; }
    void SetShowCustomColor(bool show) { SetRow(rows_.showCustomColor, show); }
    bool ShowColorHints() const { return showColorHints_; }
    void SetShowColorHints(bool show);

    TColor CustomColor() const { return customColor_; }
    void SetCustomColor(TColor color);
    TColor DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(TColor color);

    // Empty captions show "None", "Default" and "More Colors...".
    QString NoColorCaption() const { return noColorCaption_; }
    void SetNoColorCaption(const QString& caption);
    QString DefaultColorCaption() const { return defaultColorCaption_; }
    void SetDefaultColorCaption(const QString& caption);
    QString CustomColorCaption() const { return customColorCaption_; }
    void SetCustomColorCaption(const QString& caption);

    TColor ButtonColor() const { return buttonColor_; }
    void SetButtonColor(TColor color);
    TColor ButtonFontColor() const { return buttonFontColor_; }
    void SetButtonFontColor(TColor color);
    TColorDialogOptions ColorDlgOptions() const { return colorDlgOptions_; }
    void SetColorDlgOptions(TColorDialogOptions options) { colorDlgOptions_ = options; }

    // On by default: the palette takes its natural size whenever its parts or font change.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // A palette in a popup leaves the focus where it is.
    bool IsPopup() const { return isPopup_; }
    void SetIsPopup(bool isPopup);

    // The colour of the chosen entry; setting it chooses the entry that shows the colour.
    TColor SelectedColor() const;
    void SetSelectedColor(TColor color);
    int SelColorIndex() const { return selColorIndex_; }
    // Raises OnChange when the code changes, and always for the custom swatch.
    void SetSelColorIndex(int code);
    int HighlightColorIndex() const { return highlightColorIndex_; }

    PickerLayout Layout() const;
    // The hint naming the colour under the mouse, or null before the first hint.
    const TColorHintWindow* HintWindow() const { return hint_.get(); }

    // Accepts the current choice, as a click on the palette or Enter does.
    void Click();

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;

protected:
    void Paint(TCanvas& canvas) override;
    void FontChanged() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Painter;

    void SetRow(bool& field, bool show);
    void RepaintIf(bool changed);
    void PartsChanged();
    void AdjustSize();
    int ButtonRowHeight() const;
    QString Caption(const QString& caption, const char* fallback) const;
    void SetHighlight(int code);
    void UpdateHint(int code);
    void HideHint();
    void OpenColorDialog();
    void MouseChoose(QPoint pos, Qt::MouseButtons buttons);

    PickerRows rows_;
    bool showColorHints_ = true;
    TColor customColor_ = clWhite;
    TColor defaultColor_ = clHighlight;
    QString noColorCaption_, defaultColorCaption_, customColorCaption_;
    TColor buttonColor_ = clBtnFace;
    TColor buttonFontColor_ = clWindowText;
    TColorDialogOptions colorDlgOptions_{cdFullOpen};
    bool autoSize_ = true;
    bool isPopup_ = false;
    int selColorIndex_ = kNoColorCode;
    int highlightColorIndex_ = kNothingCode;
    bool pressed_ = false;
    std::unique_ptr<TColorHintWindow> hint_;
};

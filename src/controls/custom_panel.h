#pragma once

#include "controls/enum_set.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/font_desc.h"

#include <QMargins>
#include <QWidget>

class TCanvas;

enum TFrameStyle {
    fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp, fsStatus, fsPopup,
    fsFlatBold, fsFlatRounded
};

enum TSide { sdLeft, sdTop, sdRight, sdBottom };
using TSides = TEnumSet<TSide>;
inline constexpr TSides sdAllSides{sdLeft, sdTop, sdRight, sdBottom};

// How the frame of a bordered panel is made up: an outer and an inner frame on the chosen sides,
// with a gap of BorderWidth between them.
struct TPanelFrame {
    TFrameStyle outer = fsNone;
    TFrameStyle inner = fsNone;
    TSides sides = sdAllSides;
    int borderWidth = 0;
    int bevelWidth = 1;
};

// Pixels one frame style takes on each side it is drawn on.
int FrameStyleWidth(TFrameStyle style, int bevelWidth);
// Room the whole frame takes on each side.
QMargins FrameMargins(const TPanelFrame& frame);

// A widget with a configurable 3D frame, filled with its colour inside the frame. It is the base of
// the self-drawn controls: they paint through a TCanvas in Paint and learn when their window is
// first created (shown) in CreateWnd.
class TRzCustomPanel : public QWidget {
    Q_OBJECT
public:
    explicit TRzCustomPanel(QWidget* parent = nullptr);

    TFrameStyle BorderOuter() const { return frame_.outer; }
    void SetBorderOuter(TFrameStyle style);
    TFrameStyle BorderInner() const { return frame_.inner; }
    void SetBorderInner(TFrameStyle style);
    TSides BorderSides() const { return frame_.sides; }
    void SetBorderSides(TSides sides);
    int BorderWidth() const { return frame_.borderWidth; }
    void SetBorderWidth(int width);
    int BevelWidth() const { return frame_.bevelWidth; }
    void SetBevelWidth(int width);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TColor BorderHighlight() const { return borderHighlight_; }
    void SetBorderHighlight(TColor color);
    TColor BorderShadow() const { return borderShadow_; }
    void SetBorderShadow(TColor color);
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor color);
    // How much darker than FlatColor the flat frames are drawn, per colour channel.
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int amount);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    const TFontDesc& Font() const { return font_; }
    void SetFont(const TFontDesc& font);

    const TPanelFrame& Frame() const { return frame_; }
    // The client rectangle less the frame.
    QRect InsideFrameRect() const { return rect().marginsRemoved(FrameMargins(frame_)); }

    // Whether the control's window exists: it is created when the widget is first shown.
    bool HandleAllocated() const { return handleAllocated_; }
    // Creates the window again, as a change of window style would.
    void RecreateWnd();

    // Paints the whole control onto any painter, optionally recording every text put out.
    void PaintTo(QPainter& painter, std::vector<RecordedText>* texts = nullptr);

protected:
    // Runs when the window is created and on every re-creation.
    virtual void CreateWnd() {}
    virtual void FontChanged() { update(); }
    virtual void FrameChanged() { update(); }
    // Default look: the frame, then the inside filled with Color.
    virtual void Paint(TCanvas& canvas);
    // Draws the frame and returns the rectangle inside it.
    QRect PaintFrame(TCanvas& canvas) const;
    TColor AdjustedFlatColor() const;

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void PaintFrameStyle(TCanvas& canvas, QRect& rect, TFrameStyle style) const;
    template <typename T>
    void SetFrameValue(T& field, T value);

    TPanelFrame frame_;
    TColor borderColor_ = clBtnFace;
    TColor borderHighlight_ = clBtnHighlight;
    TColor borderShadow_ = clBtnShadow;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    TColor color_ = clBtnFace;
    TFontDesc font_;
    bool handleAllocated_ = false;
};

#pragma once

#include "controls/color_popup_placement.h"

#include <QWidget>

class QEventLoop;
class TRzColorPicker;

// The borderless window that holds a palette under its owner control. It takes no activation:
// the owner keeps the focus and every key goes to the palette while it is open.
class TRzColorPopup : public QWidget {
    Q_OBJECT
public:
    explicit TRzColorPopup(QWidget* owner);
    ~TRzColorPopup() override;

    TRzColorPicker* Picker() const { return picker_; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment) { alignment_ = alignment; }

    // Shows the popup under the owner and returns once it has closed: true when the palette's
    // choice was accepted (a click on it or Enter), false when it was cancelled (Escape, a press
    // outside, the owner losing the focus, its window being closed, minimised or maximised, the
    // application going to the background or quitting).
    bool Popup();
    bool IsOpen() const { return loop_ != nullptr && !closed_; }
    // Ends the popup's loop; the first call decides.
    void CloseUp(bool accept);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Session;

    bool DialogOverPopup() const;
    bool RouteKey(QWidget* receiver, QEvent* event);
    bool HandlePress(QObject* receiver);
    void OnFocusChanged(QWidget* old, QWidget* now);
    void PlaceUnderOwner();

    QWidget* owner_;
    TRzColorPicker* picker_;
    TAlignment alignment_ = taRightJustify;
    QEventLoop* loop_ = nullptr;
    QWidget* modalAtOpen_ = nullptr;
    bool closed_ = false;
    bool accepted_ = false;
};

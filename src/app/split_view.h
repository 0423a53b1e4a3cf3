#pragma once

#include "platform/timer.h"

#include <QFrame>
#include <functional>

enum TSplitViewState { svsOpened, svsOpening, svsClosed, svsClosing };

// The settings panel: a frame that slides open to OpenedWidth and collapses to nothing, 20
// pixels every 15 ms. It floats over its neighbours; the window places its left, top and height.
class TSplitView : public QFrame {
public:
    explicit TSplitView(QWidget* parent);

    static constexpr int kAnimationInterval = 15;
    static constexpr int kAnimationStep = 20;
    static constexpr int kCompactWidth = 50;

    bool Opened() const { return state_ == svsOpened; }
    void SetOpened(bool opened);
    TSplitViewState State() const { return state_; }
    int OpenedWidth() const { return openedWidth_; }
    void SetOpenedWidth(int width);

    std::function<void()> OnOpening;
    std::function<void()> OnOpened;
    std::function<void()> OnClosing;
    std::function<void()> OnClosed;

private:
    void Open();
    void Close();
    void Tick();
    void SetPanelWidth(int width);
    static void Raise(const std::function<void()>& event);

    TSplitViewState state_ = svsClosed;
    int openedWidth_ = 320;
    TTimer timer_;
};

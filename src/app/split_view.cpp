#include "split_view.h"

#include "platform/error_box.h"

#include <algorithm>

TSplitView::TSplitView(QWidget* parent) : QFrame(parent), timer_([this] { Tick(); })
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    SetPanelWidth(0);
}

void TSplitView::Raise(const std::function<void()>& event)
{
    if (event)
        Guarded(event);
}

void TSplitView::SetOpened(bool opened)
{
    // Only a fully opened panel counts as opened: a request during either animation opens it.
    if (opened && state_ != svsOpened)
        Open();
    else if (!opened && state_ != svsClosed && state_ != svsClosing)
        Close();
}

void TSplitView::SetOpenedWidth(int width)
{
    openedWidth_ = std::max(width, kCompactWidth);
    if (state_ == svsOpened)
        SetPanelWidth(openedWidth_);
}

void TSplitView::Open()
{
    state_ = svsOpening;
    timer_.Start(kAnimationInterval);
    Raise(OnOpening);
}

void TSplitView::Close()
{
    state_ = svsClosing;
    timer_.Start(kAnimationInterval);
    Raise(OnClosing);
}

void TSplitView::Tick()
{
    if (state_ == svsOpening) {
        SetPanelWidth(std::min(width() + kAnimationStep, openedWidth_));
        if (width() >= openedWidth_) {
            state_ = svsOpened;
            timer_.Stop();
            Raise(OnOpened);
        }
    } else if (state_ == svsClosing) {
        SetPanelWidth(std::clamp(width() - kAnimationStep, 0, openedWidth_));
        if (width() == 0) {
            state_ = svsClosed;
            timer_.Stop();
            Raise(OnClosed);
        }
    } else {
        timer_.Stop();
    }
}

void TSplitView::SetPanelWidth(int width)
{
    resize(width, height());
    setVisible(width > 0);
}

#include "timer.h"

#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

struct Timeline {
    bool manual = false;
    qint64 now = 0;
    quint64 starts = 0;
    std::vector<TTimer*> running;
};

Timeline& TheTimeline()
{
    static Timeline timeline;
    return timeline;
}

void Forget(TTimer* timer)
{
    auto& running = TheTimeline().running;
    running.erase(std::remove(running.begin(), running.end(), timer), running.end());
}

}  // namespace

TTimer::TTimer(std::function<void()> onTimer) : onTimer_(std::move(onTimer)) {}

TTimer::~TTimer() { Forget(this); }

void TTimer::Start(int intervalMs)
{
    Stop();
    interval_ = std::max(1, intervalMs);
    active_ = true;
    Timeline& timeline = TheTimeline();
    if (timeline.manual) {
        due_ = timeline.now + interval_;
        startOrder_ = ++timeline.starts;
        timeline.running.push_back(this);
        return;
    }
    if (!qtimer_) {
        qtimer_ = std::make_unique<QTimer>();
        QObject::connect(qtimer_.get(), &QTimer::timeout, qtimer_.get(), [this] { Fire(); });
    }
    qtimer_->start(interval_);
}

void TTimer::Stop()
{
    active_ = false;
    if (qtimer_)
        qtimer_->stop();
    Forget(this);
}

void TTimer::Fire()
{
    if (active_ && onTimer_)
        onTimer_();
}

ManualTimers::ManualTimers()
{
    Timeline& timeline = TheTimeline();
    timeline.manual = true;
    timeline.now = 0;
}

ManualTimers::~ManualTimers()
{
    Timeline& timeline = TheTimeline();
    for (TTimer* timer : timeline.running)
        timer->active_ = false;
    timeline.running.clear();
    timeline.manual = false;
}

void ManualTimers::Advance(int ms)
{
    Timeline& timeline = TheTimeline();
    const qint64 target = timeline.now + ms;
    for (;;) {
        // Searched afresh each time: a tick may start, stop or destroy timers.
        auto next = std::min_element(timeline.running.begin(), timeline.running.end(), [](TTimer* a, TTimer* b) {
            return a->due_ != b->due_ ? a->due_ < b->due_ : a->startOrder_ < b->startOrder_;
        });
        if (next == timeline.running.end() || (*next)->due_ > target)
            break;
        TTimer* timer = *next;
        timeline.now = timer->due_;
        timer->due_ += timer->interval_;
        timer->startOrder_ = ++timeline.starts;
        timer->Fire();
    }
    timeline.now = target;
}

qint64 ManualTimers::Elapsed() { return TheTimeline().now; }

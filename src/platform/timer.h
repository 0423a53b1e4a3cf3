#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

class QTimer;

// A repeating timer delivered through the message loop. While a ManualTimers object lives, every
// timer runs on a manual timeline instead, which only ManualTimers::Advance moves: tests step
// repeat and watch timers without waiting for real time.
class TTimer {
public:
    explicit TTimer(std::function<void()> onTimer = {});
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    void SetOnTimer(std::function<void()> onTimer) { onTimer_ = std::move(onTimer); }
    // (Re)starts with the given period; the first tick comes one period from now.
    void Start(int intervalMs);
    void Stop();
    bool Active() const { return active_; }
    int Interval() const { return interval_; }

private:
    friend class ManualTimers;
    void Fire();

    std::function<void()> onTimer_;
    int interval_ = 0;
    bool active_ = false;
    std::unique_ptr<QTimer> qtimer_;
    qint64 due_ = 0;        // on the manual timeline
    quint64 startOrder_ = 0;  // keeps timers due at the same moment in start order
};

// Switches timers started from now on to a manual timeline for the lifetime of the object.
class ManualTimers {
public:
    ManualTimers();
    ~ManualTimers();
    ManualTimers(const ManualTimers&) = delete;
    ManualTimers& operator=(const ManualTimers&) = delete;

    // Moves the timeline on, firing every tick that falls due on the way, in time order.
    static void Advance(int ms);
    static qint64 Elapsed();
};

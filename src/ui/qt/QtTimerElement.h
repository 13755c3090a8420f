#pragma once

#include <QObject>
#include <QTimer>

namespace pelmora::qt {

// The platform's timers cannot run faster than this (USER_TIMER_MINIMUM on Windows).
constexpr int kTimerMinimumMs = 10;

// The interval a timer asked for `requestedMs` runs at: anything below the minimum, zero and
// negative values included, runs at the minimum.
constexpr int EffectiveTimerIntervalMs(int requestedMs)
{
    return requestedMs < kTimerMinimumMs ? kTimerMinimumMs : requestedMs;
}

// A timer element: an interval in milliseconds and an enabled flag, ticking on the user-interface
// thread while enabled and not resting. Created disabled.
class TimerElement final : public QObject {
    Q_OBJECT

public:
    explicit TimerElement(int intervalMs, QObject* parent = nullptr);

    int Interval() const { return m_Interval; }
    int EffectiveInterval() const { return m_Timer.interval(); }
    void SetInterval(int intervalMs);

    bool Enabled() const { return m_Enabled; }
    void SetEnabled(bool enabled);  // enabling also ends a rest
    // Enabled, it stops ticking while resting; woken, it ticks again an interval later.
    void SetResting(bool resting);
    bool Ticking() const { return m_Timer.isActive(); }

signals:
    void Timer();

private:
    QTimer m_Timer;
    int m_Interval = 0;
    bool m_Enabled = false;
    bool m_Resting = false;
};

}  // namespace pelmora::qt

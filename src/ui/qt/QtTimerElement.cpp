#include "QtTimerElement.h"

namespace pelmora::qt {

TimerElement::TimerElement(int intervalMs, QObject* parent) : QObject(parent)
{
    SetInterval(intervalMs);
    connect(&m_Timer, &QTimer::timeout, this, &TimerElement::Timer);
}

void TimerElement::SetInterval(int intervalMs)
{
    m_Interval = intervalMs;
    m_Timer.setInterval(EffectiveTimerIntervalMs(intervalMs));
}

// Enabling a running timer leaves its tick where it is.
void TimerElement::SetEnabled(bool enabled)
{
    if (enabled == m_Timer.isActive())
        return;
    if (enabled)
        m_Timer.start();
    else
        m_Timer.stop();
}

}  // namespace pelmora::qt

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
    m_Enabled = enabled;
    m_Resting = false;
    if (enabled == m_Timer.isActive())
        return;
    if (enabled)
        m_Timer.start();
    else
        m_Timer.stop();
}

void TimerElement::SetResting(bool resting)
{
    m_Resting = resting;
    if (!m_Enabled || resting != m_Timer.isActive())
        return;
    if (resting)
        m_Timer.stop();
    else
        m_Timer.start();
}

}  // namespace pelmora::qt

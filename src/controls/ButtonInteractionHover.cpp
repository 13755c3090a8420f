#include "controls/ButtonInteractionHover.h"

namespace pelmora::detail {

namespace {

ButtonEventArgs MoveEvent(const notifications::MouseMove& n)
{
    return ButtonEventArgs::Mouse(ButtonEvent::MouseMove, n.button, n.shift, n.x, n.y);
}

}  // namespace

// The hover look starts on the first move inside and is ended by the timer, because the button
// hears no moves once the pointer has gone. Moves inside after the second are ignored, so
// resting or moving over the button costs no redraw.
void Handle(StepBuilder& step, const notifications::MouseMove& n)
{
    ButtonFields& f = step.Fields();
    if (n.button >= 2) {  // a button other than the left one is held
        step.Raise(MoveEvent(n));
        return;
    }
    if (!n.pointerOver) {
        if (f.m_InsideSeen == 0) return;
        step.Draw(0);  // captured move outside: drop the pressed look
        step.Raise(MoveEvent(n));
        return;
    }
    if (f.m_InsideSeen == 1) return;

    f.m_InsideSeen = 1;
    if (n.button == 0 && f.m_Hover == 0) {  // the pointer has just arrived
        step.EnableTimer();
        f.m_Hover = -1;
        f.m_InsideSeen = 0;  // so that the next move inside is still reported
        step.Draw(0);
        step.Raise(ButtonEventArgs::Plain(ButtonEvent::MouseOver));
    } else if (n.button == kMouseLeft) {
        // Pressed look with the caption in the hover colour; the hover state stays off.
        f.m_Hover = -1;
        step.Draw(1);
        f.m_Hover = 0;
    }
    step.Raise(MoveEvent(n));
}

void Handle(StepBuilder& step, const notifications::TimerTick& n)
{
    if (n.pointerOver) return;
    step.DisableTimer();
    ButtonFields& f = step.Fields();
    f.m_Hover = 0;
    f.m_InsideSeen = 0;
    step.Draw(0);
    step.Raise(ButtonEventArgs::Plain(ButtonEvent::MouseOut));
}

}  // namespace pelmora::detail

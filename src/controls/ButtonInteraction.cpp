#include "controls/ButtonInteraction.h"

#include "controls/ButtonInteractionBuilder.h"
#include "controls/ButtonInteractionHover.h"

namespace pelmora {

namespace {

namespace N = notifications;
using detail::StepBuilder;

void Handle(StepBuilder& step, const N::Resize& n)
{
    ButtonFields& f = step.Fields();
    f.m_ClientRect = ButtonRect{0, 0, n.width, n.height};
    f.m_Right = f.m_ClientRect.right - 1;
    f.m_Left = f.m_ClientRect.left;
    f.m_Top = f.m_ClientRect.top;
    f.m_Bottom = f.m_ClientRect.bottom;
    f.m_Width = f.m_ClientRect.right;
    f.m_Height = f.m_ClientRect.bottom;
    step.Draw(0);
}

void Handle(StepBuilder& step, const N::Show&) { step.Draw(0); }

void OnFocus(StepBuilder& step, bool got)
{
    step.Fields().m_Focused = got ? -1 : 0;
    // A key down from before belongs to the old focus or to another window (a box that closed
    // on its key-down): its key-up must not click here.
    step.Fields().m_LastKey = 0;
    step.Draw(got ? 1 : 0);
}

void Handle(StepBuilder& step, const N::GotFocus&) { OnFocus(step, true); }
void Handle(StepBuilder& step, const N::LostFocus&) { OnFocus(step, false); }
void Handle(StepBuilder& step, const N::InputTaken&) { step.Fields().m_LastKey = 0; }

void Handle(StepBuilder& step, const N::MouseDown& n)
{
    ButtonFields& f = step.Fields();
    if (f.m_Enabled != -1) return;
    f.m_Button = n.button;
    step.Refresh();
    if (n.button != kMouseRight) step.Draw(1);
    step.Raise(ButtonEventArgs::Mouse(ButtonEvent::MouseDown, n.button, n.shift, n.x, n.y));
}

void Handle(StepBuilder& step, const N::MouseUp& n)
{
    const bool wasPressedIn = HoverStateOf(step.State()) == HoverState::PressedIn;
    step.Draw(0);
    step.Refresh();
    step.Raise(ButtonEventArgs::Mouse(ButtonEvent::MouseUp, n.button, n.shift, n.x, n.y));
    // Pressed-in has no timer to end it: without this the button would never show the hover
    // look or raise MouseOver again.
    if (wasPressedIn) step.Fields().m_InsideSeen = 0;
}

void Handle(StepBuilder& step, const N::Click&)
{
    if (step.Fields().m_Button != kMouseLeft) return;
    step.Draw(0);
    step.Refresh();
    step.Raise(ButtonEventArgs::Plain(ButtonEvent::Click));
}

void Handle(StepBuilder& step, const N::DblClick&)
{
    if (step.Fields().m_Button != kMouseLeft) return;
    Handle(step, N::MouseDown{kMouseLeft, 0, 0, 0});
    step.Add(effects::CaptureMouse{});
}

void Handle(StepBuilder& step, const N::KeyDown& n)
{
    // Only a key that went down while the button had the focus may click on its key-up: a window
    // without a window manager delivers keys to the last focus widget after a box took the focus.
    step.Fields().m_LastKey = step.Fields().m_Focused == -1 ? n.keyCode : 0;
    switch (n.keyCode) {
    case kKeySpace:
    case kKeyEnter: step.Draw(1); break;
    case kKeyLeft:
    case kKeyRight: step.Add(effects::SendTab{}); break;
    case kKeyDown:
    case kKeyUp: step.Add(effects::SendShiftTab{}); break;
    default: break;
    }
    step.Raise(ButtonEventArgs::Key(ButtonEvent::KeyDown, n.keyCode, n.shift));
}

void Handle(StepBuilder& step, const N::KeyPress& n) { step.Raise(ButtonEventArgs::Press(n.keyAscii)); }

void Handle(StepBuilder& step, const N::KeyUp& n)
{
    ButtonFields& f = step.Fields();
    // Only the key that went down last clicks: Space down, Shift down, Space up is no click.
    const bool clicks = (n.keyCode == kKeyEnter && f.m_LastKey == kKeyEnter) ||
                        (n.keyCode == kKeySpace && f.m_LastKey == kKeySpace);
    if (clicks) {
        step.Draw(0);
        f.m_Button = kMouseLeft;
        step.Refresh();
        step.Raise(ButtonEventArgs::Plain(ButtonEvent::Click));
    }
    step.Raise(ButtonEventArgs::Key(ButtonEvent::KeyUp, n.keyCode, n.shift));
}

void Handle(StepBuilder& step, const N::AccessKeyPress&)
{
    step.Fields().m_Button = kMouseLeft;
    Handle(step, N::Click{});
}

// A disabled window gets no input from the platform; a stopped timer does not tick.
bool Delivered(const ButtonState& state, const ButtonNotification& n)
{
    if (std::holds_alternative<N::Resize>(n) || std::holds_alternative<N::Show>(n) ||
        std::holds_alternative<N::LostFocus>(n) || std::holds_alternative<N::InputTaken>(n))
        return true;
    if (std::holds_alternative<N::TimerTick>(n)) return state.hoverTimerOn;
    return state.surface.enabled;
}

}  // namespace

ButtonStepResult Step(const ButtonState& state, const ButtonNotification& notification)
{
    StepBuilder step(state);
    if (Delivered(state, notification)) {
        std::visit([&step](const auto& n) { Handle(step, n); }, notification);
    }
    return step.Take();
}

}  // namespace pelmora

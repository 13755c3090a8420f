#include "controls/ButtonInteraction.h"

#include "controls/ButtonInteractionBuilder.h"
#include "controls/ButtonInteractionHover.h"

namespace pelmora {

using detail::StepBuilder;
using Kind = ButtonNotificationKind;

ButtonNotification ButtonNotification::Resize(std::int32_t width, std::int32_t height)
{
    ButtonNotification n = Of(Kind::Resize);
    n.width = width;
    n.height = height;
    return n;
}

ButtonNotification ButtonNotification::MouseDown(std::int16_t button, std::int16_t shift, float x, float y)
{
    ButtonNotification n = Of(Kind::MouseDown);
    n.button = button;
    n.shift = shift;
    n.x = x;
    n.y = y;
    return n;
}

ButtonNotification ButtonNotification::MouseMove(std::int16_t button, std::int16_t shift, float x, float y,
                                                 bool pointerOver)
{
    ButtonNotification n = MouseDown(button, shift, x, y);
    n.kind = Kind::MouseMove;
    n.pointerOver = pointerOver;
    return n;
}

ButtonNotification ButtonNotification::MouseUp(std::int16_t button, std::int16_t shift, float x, float y)
{
    ButtonNotification n = MouseDown(button, shift, x, y);
    n.kind = Kind::MouseUp;
    return n;
}

ButtonNotification ButtonNotification::KeyDown(std::int16_t keyCode, std::int16_t shift)
{
    ButtonNotification n = Of(Kind::KeyDown);
    n.keyCode = keyCode;
    n.shift = shift;
    return n;
}

ButtonNotification ButtonNotification::KeyPress(std::int16_t keyAscii)
{
    ButtonNotification n = Of(Kind::KeyPress);
    n.keyAscii = keyAscii;
    return n;
}

ButtonNotification ButtonNotification::KeyUp(std::int16_t keyCode, std::int16_t shift)
{
    ButtonNotification n = KeyDown(keyCode, shift);
    n.kind = Kind::KeyUp;
    return n;
}

ButtonNotification ButtonNotification::TimerTick(bool pointerOver)
{
    ButtonNotification n = Of(Kind::TimerTick);
    n.pointerOver = pointerOver;
    return n;
}

namespace {

void OnResize(StepBuilder& step, const ButtonNotification& n)
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

void OnFocus(StepBuilder& step, bool got)
{
    step.Fields().m_Focused = got ? -1 : 0;
    step.Draw(got ? 1 : 0);
}

void OnMouseDown(StepBuilder& step, std::int16_t button, std::int16_t shift, float x, float y)
{
    ButtonFields& f = step.Fields();
    if (f.m_Enabled != -1) return;
    f.m_Button = button;
    step.Refresh();
    if (button != kMouseRight) step.Draw(1);
    step.Raise(ButtonEventArgs::Mouse(ButtonEvent::MouseDown, button, shift, x, y));
}

void OnMouseUp(StepBuilder& step, const ButtonNotification& n)
{
    const bool wasPressedIn = HoverStateOf(step.State()) == HoverState::PressedIn;
    step.Draw(0);
    step.Refresh();
    step.Raise(ButtonEventArgs::Mouse(ButtonEvent::MouseUp, n.button, n.shift, n.x, n.y));
    // Pressed-in has no timer to end it: without this the button would never show the hover
    // look or raise MouseOver again.
    if (wasPressedIn) step.Fields().m_InsideSeen = 0;
}

void OnClick(StepBuilder& step)
{
    if (step.Fields().m_Button != kMouseLeft) return;
    step.Draw(0);
    step.Refresh();
    step.Raise(ButtonEventArgs::Plain(ButtonEvent::Click));
}

void OnDblClick(StepBuilder& step)
{
    if (step.Fields().m_Button != kMouseLeft) return;
    OnMouseDown(step, kMouseLeft, 0, 0, 0);
    step.Add(ButtonEffect::Of(ButtonEffectKind::CaptureMouse));
}

void OnKeyDown(StepBuilder& step, const ButtonNotification& n)
{
    step.Fields().m_LastKey = n.keyCode;
    switch (n.keyCode) {
    case kKeySpace:
    case kKeyEnter: step.Draw(1); break;
    case kKeyLeft:
    case kKeyRight: step.Add(ButtonEffect::Of(ButtonEffectKind::SendTab)); break;
    case kKeyDown:
    case kKeyUp: step.Add(ButtonEffect::Of(ButtonEffectKind::SendShiftTab)); break;
    default: break;
    }
    step.Raise(ButtonEventArgs::Key(ButtonEvent::KeyDown, n.keyCode, n.shift));
}

void OnKeyUp(StepBuilder& step, const ButtonNotification& n)
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

void OnAccessKey(StepBuilder& step)
{
    step.Fields().m_Button = kMouseLeft;
    OnClick(step);
}

// A disabled window gets no input from the platform; a stopped timer does not tick.
bool Delivered(const ButtonState& state, Kind kind)
{
    switch (kind) {
    case Kind::Resize:
    case Kind::Show:
    case Kind::LostFocus: return true;
    case Kind::TimerTick: return state.hoverTimerOn;
    default: return state.surface.enabled;
    }
}

}  // namespace

ButtonStepResult Step(const ButtonState& state, const ButtonNotification& n)
{
    StepBuilder step(state);
    if (!Delivered(state, n.kind)) return step.Take();
    switch (n.kind) {
    case Kind::Resize: OnResize(step, n); break;
    case Kind::Show: step.Draw(0); break;
    case Kind::GotFocus: OnFocus(step, true); break;
    case Kind::LostFocus: OnFocus(step, false); break;
    case Kind::MouseDown: OnMouseDown(step, n.button, n.shift, n.x, n.y); break;
    case Kind::MouseMove: detail::HandleMouseMove(step, n); break;
    case Kind::MouseUp: OnMouseUp(step, n); break;
    case Kind::Click: OnClick(step); break;
    case Kind::DblClick: OnDblClick(step); break;
    case Kind::KeyDown: OnKeyDown(step, n); break;
    case Kind::KeyPress: step.Raise(ButtonEventArgs::Press(n.keyAscii)); break;
    case Kind::KeyUp: OnKeyUp(step, n); break;
    case Kind::AccessKeyPress: OnAccessKey(step); break;
    case Kind::TimerTick: detail::HandleTimerTick(step, n); break;
    }
    return step.Take();
}

}  // namespace pelmora

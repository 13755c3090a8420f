#include "controls/ButtonInteractionState.h"

namespace pelmora {

HoverState HoverStateOf(const ButtonState& state)
{
    const auto hover = state.fields.m_Hover;
    const auto seen = state.fields.m_InsideSeen;
    const bool timer = state.hoverTimerOn;
    if (hover == 0 && seen == 0 && !timer) return HoverState::Idle;
    if (hover == -1 && seen == 0 && timer) return HoverState::Entered;
    if (hover == -1 && seen == 1 && timer) return HoverState::Settled;
    if (hover == 0 && seen == 1 && timer) return HoverState::PressedInPolled;
    if (hover == 0 && seen == 1 && !timer) return HoverState::PressedIn;
    return HoverState::Other;
}

const char* HoverStateName(HoverState hoverState)
{
    switch (hoverState) {
    case HoverState::Idle: return "Idle";
    case HoverState::Entered: return "Entered";
    case HoverState::Settled: return "Settled";
    case HoverState::PressedInPolled: return "Pressed-in, polled";
    case HoverState::PressedIn: return "Pressed-in";
    case HoverState::Other: return "Other";
    }
    return "Other";
}

}  // namespace pelmora

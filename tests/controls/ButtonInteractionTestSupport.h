#pragma once

#include "controls/ButtonInteraction.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace pelmora::testing {

// A 100 x 30 enabled button in the given hover state.
inline ButtonState ButtonIn(HoverState hoverState)
{
    ButtonState state;
    state.fields.m_ClientRect = ButtonRect{0, 0, 100, 30};
    state.fields.m_Width = 100;
    state.fields.m_Height = 30;
    state.fields.m_Right = 99;
    state.fields.m_Bottom = 30;
    state.fields.m_Enabled = -1;
    switch (hoverState) {
    case HoverState::Entered: state.fields.m_Hover = -1; state.hoverTimerOn = true; break;
    case HoverState::Settled:
        state.fields.m_Hover = -1;
        state.fields.m_InsideSeen = 1;
        state.hoverTimerOn = true;
        break;
    case HoverState::PressedInPolled: state.fields.m_InsideSeen = 1; state.hoverTimerOn = true; break;
    case HoverState::PressedIn: state.fields.m_InsideSeen = 1; break;
    default: break;
    }
    return state;
}

// The fields a Draw effect draws with; the test fails when the effect is another.
inline const ButtonFields& DrawnFields(const ButtonEffect& effect) { return std::get<effects::Draw>(effect).fields; }

// Runs the notifications in turn and gathers every effect they produce.
struct StepRun {
    explicit StepRun(ButtonState start) : state(std::move(start)) {}

    ButtonState state;
    std::vector<ButtonEffect> effects;

    StepRun& operator<<(const ButtonNotification& n)
    {
        ButtonStepResult r = Step(state, n);
        state = r.state;
        effects.insert(effects.end(), r.effects.begin(), r.effects.end());
        return *this;
    }
    std::string Described() const { return Describe(effects); }
    int Count(ButtonEvent event) const
    {
        int n = 0;
        for (const ButtonEffect& e : effects)
            if (const auto* raise = std::get_if<effects::Raise>(&e); raise && raise->event.event == event) ++n;
        return n;
    }
};

}  // namespace pelmora::testing

#pragma once

// Collects a step's new state and its effects; used by the step and the property functions.

#include "controls/ButtonInteraction.h"

#include <utility>

namespace pelmora::detail {

class StepBuilder {
public:
    explicit StepBuilder(const ButtonState& state) : m_Result{state, {}} {}

    ButtonState& State() { return m_Result.state; }
    ButtonFields& Fields() { return m_Result.state.fields; }

    void Draw(std::int16_t request) { Add(effects::Draw{request, Fields()}); }
    void Refresh() { Add(effects::Refresh{}); }
    void EnableTimer()
    {
        m_Result.state.hoverTimerOn = true;
        Add(effects::EnableTimer{});
    }
    void DisableTimer()
    {
        m_Result.state.hoverTimerOn = false;
        Add(effects::DisableTimer{});
    }
    void Raise(const ButtonEventArgs& event) { Add(effects::Raise{event}); }
    void Add(ButtonEffect effect) { m_Result.effects.push_back(std::move(effect)); }

    ButtonStepResult Take() { return std::move(m_Result); }

private:
    ButtonStepResult m_Result;
};

}  // namespace pelmora::detail

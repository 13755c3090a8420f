#pragma once

// The hover button's reaction to its window's notifications, as a pure step: a notification
// (ButtonNotifications.h) and the state in, the new state and the effects to carry out in order
// out (ButtonEffects.h). Whoever drives it (a front end through ButtonHost) keeps the new state
// first, then carries out the effects; each Draw carries the fields to draw with. The property
// functions (ButtonProperties.h) return the same kind of result.
//
// Only MouseMove and TimerTick need `pointerOver`, asked at that moment. Nothing here keeps time
// or touches a window, so every rule can be tested without either.

#include "controls/ButtonEffects.h"
#include "controls/ButtonInteractionState.h"
#include "controls/ButtonNotifications.h"

#include <cstdint>
#include <vector>

namespace pelmora {

constexpr int kHoverTimerIntervalMs = 1;

// Key codes the button reacts to.
constexpr std::int16_t kKeyEnter = 13;
constexpr std::int16_t kKeySpace = 32;
constexpr std::int16_t kKeyLeft = 37;
constexpr std::int16_t kKeyUp = 38;
constexpr std::int16_t kKeyRight = 39;
constexpr std::int16_t kKeyDown = 40;

struct ButtonStepResult {
    ButtonState state;
    std::vector<ButtonEffect> effects;
};

// Handles one notification. Like the platform, the step takes no input (mouse, keys, access key,
// GotFocus) while the surface is disabled, and no tick while HoverTimer is off, so a front end
// may forward everything it receives.
ButtonStepResult Step(const ButtonState& state, const ButtonNotification& notification);

}  // namespace pelmora

#pragma once

// The two handlers that drive the hover state (used by Step only).

#include "controls/ButtonInteractionBuilder.h"

namespace pelmora::detail {

void HandleMouseMove(StepBuilder& step, const ButtonNotification& n);
void HandleTimerTick(StepBuilder& step, const ButtonNotification& n);

}  // namespace pelmora::detail

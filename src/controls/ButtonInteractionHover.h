#pragma once

// The two handlers that drive the hover state (used by Step only).

#include "controls/ButtonInteractionBuilder.h"

namespace pelmora::detail {

void Handle(StepBuilder& step, const notifications::MouseMove& n);
void Handle(StepBuilder& step, const notifications::TimerTick& n);

}  // namespace pelmora::detail

#pragma once

#include "platform/WindowsApi.h"

#include <functional>

namespace pelmora::win32 {

// The message loop's part for designed windows: a message for one of them or its controls goes
// to the window's buttons' access keys (Alt with a letter), its accelerators (menu shortcuts
// first, so a text box does not take Ctrl+A) and then its dialog keys (Tab, Shift+Tab). True
// when the message has been handled.
bool PreTranslateDesignedWindowMessage(MSG& message);

// Runs the thread's messages until WM_QUIT, calling `afterEach` as it starts and after each
// message; returns WM_QUIT's exit code.
int RunMessageLoop(const std::function<void()>& afterEach = {});

}  // namespace pelmora::win32

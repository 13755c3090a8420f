#pragma once

#include "platform/WindowsApi.h"

namespace pelmora::win32 {

// The message loop's part for designed windows: a message for one of them or its controls goes
// to the window's buttons' access keys (Alt with a letter), its accelerators (menu shortcuts
// first, so a text box does not take Ctrl+A) and then its dialog keys (Tab, Shift+Tab). True
// when the message has been handled.
bool PreTranslateDesignedWindowMessage(MSG& message);

// Runs the thread's messages until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace pelmora::win32

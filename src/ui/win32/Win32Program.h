#pragma once

#include "platform/WindowsApi.h"

#include <functional>

namespace pelmora::win32 {

// The program from its start to its end: the services, the main window and the message loop.
// `afterEachMessage` runs as the loop starts and after each message, with the main window (null
// once it has gone). Returns the exit status; a main window that cannot be created is said in a
// box and ends the program with 1.
int RunProgram(const std::function<void(HWND mainWindow)>& afterEachMessage = {});

}  // namespace pelmora::win32

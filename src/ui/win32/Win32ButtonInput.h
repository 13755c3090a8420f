#pragma once

// The window messages' input in the hover button's terms: mouse buttons and the Shift argument
// as the button's events code them, typed characters in the ANSI code page, and the hover
// timer's interval as the system runs it.

#include "platform/WindowsApi.h"

#include <cstdint>

namespace pelmora::win32 {

// Left 1, right 2, middle 4, summed, from a mouse message's MK_ flags.
std::int16_t MouseButtonsOf(WPARAM flags);

// Shift 1, Ctrl 2, Alt 4, summed: from a mouse message's MK_ flags and Alt's key state.
std::int16_t MouseShiftOf(WPARAM flags, bool altDown);

// The same from the thread's key state, for key messages.
std::int16_t KeyShiftNow();

// The character a WM_CHAR typed, as its code in the ANSI code page ('?' where the code page has
// none); 0 for half of a surrogate pair, which types nothing alone.
std::int16_t KeyAsciiOf(wchar_t typed);

// SetTimer's interval for `milliseconds`: below USER_TIMER_MINIMUM it runs at that minimum.
UINT TimerInterval(int milliseconds);

}  // namespace pelmora::win32

#include "Win32ButtonInput.h"

#include <algorithm>

namespace pelmora::win32 {

std::int16_t MouseButtonsOf(WPARAM flags)
{
    return static_cast<std::int16_t>(((flags & MK_LBUTTON) ? 1 : 0) | ((flags & MK_RBUTTON) ? 2 : 0) |
                                     ((flags & MK_MBUTTON) ? 4 : 0));
}

std::int16_t MouseShiftOf(WPARAM flags, bool altDown)
{
    return static_cast<std::int16_t>(((flags & MK_SHIFT) ? 1 : 0) | ((flags & MK_CONTROL) ? 2 : 0) |
                                     (altDown ? 4 : 0));
}

std::int16_t KeyShiftNow()
{
    const auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return static_cast<std::int16_t>((down(VK_SHIFT) ? 1 : 0) | (down(VK_CONTROL) ? 2 : 0) |
                                     (down(VK_MENU) ? 4 : 0));
}

std::int16_t KeyAsciiOf(wchar_t typed)
{
    if (typed >= 0xD800 && typed <= 0xDBFF)
        return 0;
    if (typed >= 0xDC00 && typed <= 0xDFFF)
        return '?';
    char ansi[4] = {};
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &typed, 1, ansi, sizeof ansi, "?", nullptr);
    const auto byte = [&](int i) { return static_cast<unsigned char>(ansi[i]); };
    if (length == 2)  // a double-byte code page's character: lead byte high, trail byte low
        return static_cast<std::int16_t>((byte(0) << 8) | byte(1));
    return length == 1 ? static_cast<std::int16_t>(byte(0)) : '?';
}

UINT TimerInterval(int milliseconds)
{
    return static_cast<UINT>(std::max(milliseconds, static_cast<int>(USER_TIMER_MINIMUM)));
}

}  // namespace pelmora::win32

#include "Win32Dpi.h"

#include "designs/Twips.h"

namespace pelmora::win32 {

namespace {

// Entry points of Windows 10 and later, looked up so the program still starts on older systems.
template <typename Function>
Function User32Entry(const char* name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kStandardDpi;
}

}  // namespace

UINT WindowDpi(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Entry<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0)
            return dpi;
    }
    return ScreenDpi();
}

int ScaledPixels(int twips, UINT dpi)
{
    return MulDiv(designs::TwipsToPixels(twips), static_cast<int>(dpi), static_cast<int>(kStandardDpi));
}

SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle, bool hasMenu, UINT dpi)
{
    using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Entry<AdjustFunction>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    if (adjustForDpi == nullptr || !adjustForDpi(&rect, style, hasMenu, exStyle, dpi))
        AdjustWindowRectEx(&rect, style, hasMenu, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace pelmora::win32

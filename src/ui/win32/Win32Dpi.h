#pragma once

#include "platform/WindowsApi.h"

namespace pelmora::win32 {

constexpr UINT kStandardDpi = 96;

// The window's DPI (GetDpiForWindow where the system has it, else the screen's).
UINT WindowDpi(HWND window);

// Designs are in twips, 15 to a pixel at the standard DPI, times the monitor's scale.
int ScaledPixels(int twips, UINT dpi);

// The outer size of a window whose client area is `client` pixels at `dpi`.
SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle, bool hasMenu, UINT dpi);

}  // namespace pelmora::win32

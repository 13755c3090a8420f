#pragma once

#include "Win32Pixels.h"
#include "controls/ButtonFields.h"
#include "controls/Colour.h"
#include "platform/WindowsApi.h"

namespace pelmora::win32 {

// A design colour as GDI takes it: the same byte order, system colours through GetSysColor.
COLORREF ToColorRef(Colour colour);

// A design font at the window's DPI: its size in points becomes pixels there. The caller
// deletes it.
HFONT CreateDesignFont(const ButtonFont& font, UINT dpi);

// A picture the program draws for its designs ("sinf-banner"), at the window's DPI: the designs'
// decoration follows the scale as the layout does (a loaded logo never does). Empty when unknown.
PixelBlock DesignPictureAt(std::string_view name, UINT dpi);

}  // namespace pelmora::win32

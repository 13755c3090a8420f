#include "Win32DesignStyle.h"

#include "designs/DesignPictures.h"
#include "platform/Utf16_win32.h"

#include <algorithm>
#include <cmath>

namespace pelmora::win32 {

COLORREF ToColorRef(Colour colour)
{
    if (IsSystemColour(colour))
        return GetSysColor(static_cast<int>(colour & 0xFF));
    return RGB(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

HFONT CreateDesignFont(const ButtonFont& font, UINT dpi)
{
    LOGFONTW logFont{};
    // Negative: the character height, as a size in points means.
    logFont.lfHeight = -std::max(1L, std::lround(font.size * dpi / 72.0));
    logFont.lfWeight = std::clamp(font.weight, 1, 1000);
    logFont.lfItalic = font.italic;
    logFont.lfUnderline = font.underline;
    logFont.lfStrikeOut = font.strikethrough;
    logFont.lfCharSet = static_cast<BYTE>(font.charset);
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    const std::wstring face = ToUtf16(font.name);
    face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&logFont);
}

PixelBlock DesignPictureAt(std::string_view name, UINT dpi)
{
    designs::PixelPicture drawn = designs::DrawDesignPicture(name);
    const PixelBlock picture{drawn.width, drawn.height, std::move(drawn.pixels)};
    return ScaledBlock(picture, MulDiv(picture.width, static_cast<int>(dpi), 96),
                       MulDiv(picture.height, static_cast<int>(dpi), 96));
}

}  // namespace pelmora::win32

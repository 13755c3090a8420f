#include "controls/GdiCanvas_win32.h"

#include "platform/AnsiText.h"

#include <cmath>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace pelmora {
namespace {

HRGN AsRegion(RegionHandle region) { return reinterpret_cast<HRGN>(region); }

RECT AsRect(const CanvasRect& r)
{
    RECT rect;
    ::SetRect(&rect, r.left, r.top, r.right, r.bottom);
    return rect;
}

}  // namespace

GdiCanvas::GdiCanvas(int width, int height, SystemColourResolver resolveSystemColour)
    : m_Width(width), m_Height(height), m_ResolveSystemColour(std::move(resolveSystemColour))
{
    m_Dc = ::CreateCompatibleDC(nullptr);
    if (m_Dc == nullptr) return;
    // The caption is drawn over the face without painting its cells.
    ::SetBkMode(m_Dc, TRANSPARENT);
    MakeBitmap();
}

GdiCanvas::~GdiCanvas()
{
    if (m_Pen != nullptr) ReleasePen();
    if (m_KeptRegion != nullptr) ::DeleteObject(m_KeptRegion);
    if (m_WindowShape != nullptr) ::DeleteObject(m_WindowShape);
    DropBitmap();
    if (m_Dc != nullptr) ::DeleteDC(m_Dc);
}

void GdiCanvas::MakeBitmap()
{
    if (m_Dc == nullptr || m_Width <= 0 || m_Height <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = m_Width;
    info.bmiHeader.biHeight = -m_Height;  // top-down: row 0 first, like the raster canvas
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_Bitmap = ::CreateDIBSection(m_Dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m_Bitmap == nullptr) return;
    m_Bits = static_cast<const std::uint32_t*>(bits);
    m_OriginalBitmap = ::SelectObject(m_Dc, m_Bitmap);
}

void GdiCanvas::DropBitmap()
{
    if (m_OriginalBitmap != nullptr) ::SelectObject(m_Dc, m_OriginalBitmap);
    if (m_Bitmap != nullptr) ::DeleteObject(m_Bitmap);
    m_OriginalBitmap = nullptr;
    m_Bitmap = nullptr;
    m_Bits = nullptr;
}

void GdiCanvas::Resize(int width, int height)
{
    if (width == m_Width && height == m_Height && (m_Bits != nullptr || width <= 0 || height <= 0)) return;
    DropBitmap();
    m_Width = width;
    m_Height = height;
    MakeBitmap();
}

void GdiCanvas::SetDpi(int dotsPerInch)
{
    if (dotsPerInch == m_Dpi) return;
    m_Dpi = dotsPerInch;
    m_Font = nullptr;  // found again at the next caption
}

Colour GdiCanvas::ColourAt(int x, int y) const
{
    ::GdiFlush();  // the bits are read directly
    const std::uint32_t pixel = m_Bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_Width) +
                                       static_cast<std::size_t>(x)];
    return Rgb(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
               static_cast<int>(pixel & 0xFF));
}

std::optional<bool> GdiCanvas::WindowRegionContains(int x, int y) const
{
    if (m_KeptRegion == nullptr) return std::nullopt;
    return ::PtInRegion(m_KeptRegion, x, y) != FALSE;
}

COLORREF GdiCanvas::Resolve(Colour colour) const
{
    if (!IsSystemColour(colour)) return colour;
    const int index = static_cast<int>(colour & 0xFF);
    return m_ResolveSystemColour ? m_ResolveSystemColour(index) : ::GetSysColor(index);
}

void GdiCanvas::ResetSurface(Colour background)
{
    ::SetMapMode(m_Dc, MM_TEXT);
    FillRect({0, 0, m_Width, m_Height}, background);
}

void GdiCanvas::SelectPen(int width, Colour colour)
{
    if (m_Pen != nullptr) ReleasePen();
    m_Pen = ::CreatePen(PS_SOLID, width, Resolve(colour));
    if (m_Pen != nullptr) m_PreviousPen = ::SelectObject(m_Dc, m_Pen);
}

void GdiCanvas::Line(int x1, int y1, int x2, int y2)
{
    if (m_Pen == nullptr) return;
    ::MoveToEx(m_Dc, x1, y1, nullptr);
    ::LineTo(m_Dc, x2, y2);
}

void GdiCanvas::ReleasePen()
{
    if (m_Pen == nullptr) return;
    ::SelectObject(m_Dc, m_PreviousPen);
    ::DeleteObject(m_Pen);
    m_Pen = nullptr;
    m_PreviousPen = nullptr;
}

void GdiCanvas::SetPixel(int x, int y, Colour colour) { ::SetPixel(m_Dc, x, y, Resolve(colour)); }

void GdiCanvas::FillRect(const CanvasRect& rect, Colour colour)
{
    HBRUSH brush = ::CreateSolidBrush(Resolve(colour));
    if (brush == nullptr) return;
    const RECT r = AsRect(rect);
    ::FillRect(m_Dc, &r, brush);
    ::DeleteObject(brush);
}

void GdiCanvas::FrameRect(const CanvasRect& rect, Colour colour)
{
    HBRUSH brush = ::CreateSolidBrush(Resolve(colour));
    if (brush == nullptr) return;
    const RECT r = AsRect(rect);
    ::FrameRect(m_Dc, &r, brush);
    ::DeleteObject(brush);
}

void GdiCanvas::SetTextColour(Colour colour) { ::SetTextColor(m_Dc, Resolve(colour)); }

namespace {

// One font per design font and height for the whole process, shared by every canvas and kept
// to the end: a window's buttons mostly draw in one font, and each font made costs the system
// its metrics again.
HFONT SharedFont(const ButtonFont& font, int height)
{
    static std::mutex guard;
    static std::vector<std::pair<std::pair<ButtonFont, int>, HFONT>> fonts;
    const std::lock_guard<std::mutex> lock(guard);
    for (const auto& [key, handle] : fonts)
        if (key.second == height && key.first == font) return handle;
    const std::string face = ToAnsi(font.name);
    HFONT handle = ::CreateFontA(height, 0, 0, 0, font.weight, font.italic, font.underline, font.strikethrough,
                                 static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    if (handle != nullptr) fonts.emplace_back(std::make_pair(font, height), handle);
    return handle;
}

}  // namespace

HFONT GdiCanvas::FontFor(const ButtonFont& font)
{
    if (m_Font != nullptr && m_FontKey == font) return m_Font;
    const int dpi = m_Dpi > 0 ? m_Dpi : ::GetDeviceCaps(m_Dc, LOGPIXELSY);
    m_Font = SharedFont(font, -static_cast<int>(std::lround(font.size * dpi / 72.0)));
    m_FontKey = font;
    return m_Font;
}

int GdiCanvas::DrawText(std::string_view text, CanvasRect& rect, unsigned flags, const ButtonFont& font)
{
    const std::string ansi = ToAnsi(text);
    HFONT hfont = FontFor(font);
    HGDIOBJ previous = hfont != nullptr ? ::SelectObject(m_Dc, hfont) : nullptr;
    RECT r = AsRect(rect);
    const int height = ::DrawTextA(m_Dc, ansi.c_str(), static_cast<int>(ansi.size()), &r, flags);
    if (previous != nullptr) ::SelectObject(m_Dc, previous);
    rect = {r.left, r.top, r.right, r.bottom};
    return height;
}

RegionHandle GdiCanvas::CreateRectRegion(const CanvasRect& rect)
{
    return reinterpret_cast<RegionHandle>(::CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom));
}

void GdiCanvas::SubtractRegion(RegionHandle target, RegionHandle removed)
{
    if (target == 0 || removed == 0) return;
    ::CombineRgn(AsRegion(target), AsRegion(target), AsRegion(removed), RGN_DIFF);
}

void GdiCanvas::DeleteRegion(RegionHandle region)
{
    if (region == 0 || AsRegion(region) == m_KeptRegion) return;
    ::DeleteObject(AsRegion(region));
}

void GdiCanvas::AttachWindow(HWND window)
{
    m_Window = window;
    KeepWindowShape(nullptr);  // a new window has no shape yet
}

// A copy of the shape the window is given, or none for the whole rectangle.
void GdiCanvas::KeepWindowShape(HRGN region)
{
    if (region == nullptr) {
        if (m_WindowShape != nullptr) ::DeleteObject(m_WindowShape);
        m_WindowShape = nullptr;
        return;
    }
    if (m_WindowShape == nullptr) m_WindowShape = ::CreateRectRgn(0, 0, 0, 0);
    if (m_WindowShape != nullptr) ::CombineRgn(m_WindowShape, region, nullptr, RGN_COPY);
}

void GdiCanvas::SetWindowRegion(RegionHandle region)
{
    if (m_Window != nullptr) {
        // Most drawings keep the shape; giving it again would only make the system recompute the
        // window's frame (SetWindowPos).
        if (region != 0 && m_WindowShape != nullptr && ::EqualRgn(AsRegion(region), m_WindowShape)) {
            ::DeleteObject(AsRegion(region));
            return;
        }
        KeepWindowShape(AsRegion(region));
        ::SetWindowRgn(m_Window, AsRegion(region), TRUE);
        return;
    }
    // No window: keep the region in its place, releasing the one it replaces.
    HRGN previous = std::exchange(m_KeptRegion, AsRegion(region));
    if (previous != nullptr && previous != m_KeptRegion) ::DeleteObject(previous);
}

}  // namespace pelmora

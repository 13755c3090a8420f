#include "Win32PictureBox.h"

namespace pelmora::win32 {

PictureBox::PictureBox(const PixelBlock& backdrop, std::optional<COLORREF> back) : m_Backdrop(backdrop), m_Back(back)
{
}

HWND PictureBox::Create(HWND parent, int id, const RECT& place, DWORD style, DWORD exStyle)
{
    return CreateAs(exStyle, L"", style | WS_CHILD | WS_CLIPSIBLINGS, place.left, place.top, place.right - place.left,
                    place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void PictureBox::SetPicture(PixelBlock picture)
{
    m_Picture = std::move(picture);
    if (Window() != nullptr)
        InvalidateRect(Window(), nullptr, FALSE);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
        Paint();
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

void PictureBox::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Window(), &paint);
    RECT client;
    GetClientRect(Window(), &client);
    PixelBlock surface;
    if (m_Back) {
        surface = SolidBlock(client.right, client.bottom, *m_Back);
    } else {
        POINT origin{0, 0};
        MapWindowPoints(Window(), GetParent(Window()), &origin, 1);
        surface = Cut(m_Backdrop, origin.x, origin.y, client.right, client.bottom, GetSysColor(COLOR_BTNFACE));
    }
    BlendOver(surface, m_Picture, 0, 0);
    DrawBlock(dc, surface, 0, 0);
    EndPaint(Window(), &paint);
}

}  // namespace pelmora::win32

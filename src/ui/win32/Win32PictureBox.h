#pragma once

#include "Win32BaseWindow.h"
#include "Win32Pixels.h"

#include <optional>

namespace pelmora::win32 {

// A picture box or image of a design: shows its picture at its own size from the top-left
// corner, clipped, never scaled. An opaque one fills the rest with its back colour; a
// transparent one (an image without a back colour) lets the window's backdrop show through.
class PictureBox final : public BaseWindow<PictureBox> {
public:
    static constexpr const wchar_t* kClassName = L"PelmoraPicture";

    // `backdrop` is the window's client look, kept alive by the window.
    PictureBox(const PixelBlock& backdrop, std::optional<COLORREF> back);
    ~PictureBox() { DestroyIfOpen(); }

    HWND Create(HWND parent, int id, const RECT& place, DWORD style, DWORD exStyle);

    void SetPicture(PixelBlock picture);
    const PixelBlock& Picture() const { return m_Picture; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint();

    const PixelBlock& m_Backdrop;
    std::optional<COLORREF> m_Back;
    PixelBlock m_Picture;
};

}  // namespace pelmora::win32

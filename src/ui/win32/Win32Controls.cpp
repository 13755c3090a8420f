#include "Win32Controls.h"

#include "Win32DesignStyle.h"
#include "designs/ButtonDesign.h"
#include "designs/ControlLook.h"
#include "platform/Utf16_win32.h"

#include <commctrl.h>

namespace pelmora::win32 {

namespace {

using designs::ControlDesign;

DWORD Shown(const ControlDesign& design) { return design.visible ? WS_VISIBLE : 0; }

HMENU IdOf(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

HWND Child(const wchar_t* windowClass, const std::string& text, DWORD style, DWORD exStyle, const ControlSite& site)
{
    const RECT& r = site.place;
    return CreateWindowExW(exStyle, windowClass, ToUtf16(text).c_str(), style | WS_CHILD, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, site.parent, IdOf(site.id), GetModuleHandleW(nullptr),
                           nullptr);
}

// A label has no frame, so there is nothing to paint outside its client area; the system's
// painting would fetch a device context for nothing, once per label at every show. The static
// control's own procedure waits in the label's user data: the common controls' subclassing
// would look it up from a window property, a trip to the window server, at every message.
LRESULT CALLBACK LabelWithoutFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCPAINT)
        return 0;
    const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return own != nullptr ? CallWindowProcW(own, window, message, wParam, lParam)
                          : DefWindowProcW(window, message, wParam, lParam);
}

MadeControl MakeLabel(const ControlDesign& design, const ControlSite& site)
{
    const DWORD align =
        designs::AlignmentOf<DWORD>(design, designs::WrapsWords(design) ? SS_LEFT : SS_LEFTNOWORDWRAP, SS_CENTER, SS_RIGHT);
    // Captions show as they stand: an ampersand is a character, not an access key. A label with
    // its own pointer must be hit by the mouse to be asked for it.
    const DWORD notify = design.mousePointer.empty() ? 0 : SS_NOTIFY;
    HWND label = Child(WC_STATICW, design.text, align | SS_NOPREFIX | notify | Shown(design), 0, site);
    if (label != nullptr)
        SetWindowLongPtrW(label, GWLP_USERDATA,
                          SetWindowLongPtrW(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LabelWithoutFrame)));
    return {label, nullptr, nullptr};
}

MadeControl MakeTextBox(const ControlDesign& design, const ControlSite& site)
{
    const DWORD align = designs::AlignmentOf<DWORD>(design, ES_LEFT, ES_CENTER, ES_RIGHT);
    HWND box = Child(WC_EDITW, design.text, align | ES_AUTOHSCROLL | WS_TABSTOP | Shown(design),
                     designs::Framed(design) ? WS_EX_CLIENTEDGE : 0, site);
    // Zero lifts the limit of typed text to the most the control holds, so a box shows and
    // takes whatever the store holds.
    SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
    return {box, nullptr, nullptr};
}

MadeControl MakePicture(const ControlDesign& design, const ControlSite& site, const PixelBlock& backdrop)
{
    std::optional<COLORREF> back;
    if (designs::Opaque(design))
        back = design.backColor ? ToColorRef(*design.backColor) : GetSysColor(COLOR_BTNFACE);
    auto picture = std::make_unique<PictureBox>(backdrop, back);
    HWND window =
        picture->Create(site.parent, site.id, site.place, Shown(design), designs::Sunken(design) ? WS_EX_CLIENTEDGE : 0);
    return {window, std::move(picture), nullptr};
}

MadeControl MakeCommandButton(const ControlDesign& design, const designs::WindowDesign& window, const ControlSite& site)
{
    auto button = std::make_unique<CommandButton>(designs::AmbientOf(design, window), design.properties, site.parent,
                                                  site.id, design.visible, site.place, site.dpi);
    HWND handle = button->Window();
    if (handle == nullptr)
        return {};
    return {handle, nullptr, std::move(button)};
}

}  // namespace

MadeControl MakeControl(const ControlDesign& design, const designs::WindowDesign& window, const ControlSite& site,
                        const PixelBlock& backdrop)
{
    struct Maker {
        const ControlDesign& design;
        const designs::WindowDesign& window;
        const ControlSite& site;
        const PixelBlock& backdrop;
        MadeControl Label() const { return MakeLabel(design, site); }
        MadeControl TextBox() const { return MakeTextBox(design, site); }
        MadeControl Picture() const { return MakePicture(design, site, backdrop); }
        MadeControl Button() const { return MakeCommandButton(design, window, site); }
    } maker{design, window, site, backdrop};
    return designs::MakeByKind<MadeControl>(design, maker);
}

bool ShortcutAccelerator(std::string_view shortcut, WORD id, ACCEL& accelerator)
{
    accelerator = ACCEL{FVIRTKEY, 0, id};
    while (!shortcut.empty()) {
        const std::size_t plus = shortcut.find('+');
        const std::string_view part = shortcut.substr(0, plus);
        shortcut = plus == std::string_view::npos ? std::string_view() : shortcut.substr(plus + 1);
        if (part == "Ctrl")
            accelerator.fVirt |= FCONTROL;
        else if (part == "Shift")
            accelerator.fVirt |= FSHIFT;
        else if (part == "Alt")
            accelerator.fVirt |= FALT;
        else if (part.size() == 1 && ((part[0] >= 'A' && part[0] <= 'Z') || (part[0] >= '0' && part[0] <= '9')))
            accelerator.key = static_cast<WORD>(part[0]);
        else if (part.size() >= 2 && part[0] == 'F' && part.find_first_not_of("0123456789", 1) == std::string_view::npos) {
            const int number = std::stoi(std::string(part.substr(1)));
            if (number < 1 || number > 24)
                return false;
            accelerator.key = static_cast<WORD>(VK_F1 + number - 1);
        } else
            return false;
        if (accelerator.key != 0 && !shortcut.empty())
            return false;  // the key comes last
    }
    return accelerator.key != 0;
}

}  // namespace pelmora::win32

#include "Win32CommandButton.h"

#include "Win32ButtonInput.h"
#include "platform/Utf16_win32.h"

#include <windowsx.h>

namespace pelmora::win32 {

namespace {

constexpr WPARAM kAnyMouseButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

bool AltDown() { return (GetKeyState(VK_MENU) & 0x8000) != 0; }

INPUT KeyInput(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

CommandButton::CommandButton(ButtonAmbient ambient, const std::vector<PropertyEntry>& entries, HWND parent, int id,
                             bool visible, const RECT& place, UINT dpi)
    : m_Canvas(0, 0), m_Host(*this, m_Canvas, std::move(ambient))
{
    m_Canvas.SetDpi(static_cast<int>(dpi));
    RegisterOnce(CS_DBLCLKS);  // the second press of a double-click has a handling of its own
    // Read before the window exists, so the window is made with its caption and drawn at its
    // size once, not first with the defaults and again with what was read.
    m_Host.ReadEntries(entries);
    const std::wstring caption = ToUtf16(m_Host.Caption());
    CreateAs(0, caption.c_str(), WS_CHILD | WS_TABSTOP | (visible ? WS_VISIBLE : 0), place.left, place.top,
             place.right - place.left, place.bottom - place.top, parent,
             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

CommandButton::~CommandButton() { DestroyIfOpen(); }

void CommandButton::SetDpi(UINT dpi)
{
    if (static_cast<int>(dpi) == m_Canvas.Dpi())
        return;
    m_Canvas.SetDpi(static_cast<int>(dpi));
    if (m_Canvas.Width() > 0 && m_Canvas.Height() > 0)
        m_Host.Shown();  // the caption again in its new size
}

bool CommandButton::PressAccessKey(wchar_t typed)
{
    HWND window = Window();
    if (window == nullptr || m_Host.AccessKey().empty() || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return false;
    wchar_t lower[2] = {typed, L'\0'};
    CharLowerW(lower);
    if (FromUtf16(lower) != m_Host.AccessKey())
        return false;
    m_Host.AccessKeyPressed();
    return true;
}

// The window under the pointer, as the system hit-tests it: its region cuts the corners, and a
// window lying on top is another window.
bool CommandButton::IsPointerOver() const
{
    POINT pointer;
    return Window() != nullptr && GetCursorPos(&pointer) && WindowFromPoint(pointer) == Window();
}

// ---- the window's messages

LRESULT CommandButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        m_Canvas.AttachWindow(Window());  // from the first drawing on, the region is the window's
        return 0;
    case WM_SIZE:
        Resized(lParam);
        return 0;
    case WM_SHOWWINDOW:
        if (wParam)
            m_Host.Shown();
        else
            m_Host.PointerMayHaveLeft();
        return Default(message, wParam, lParam);
    case WM_WINDOWPOSCHANGED:  // moved, resized, hidden or put under another window
        m_Host.PointerMayHaveLeft();
        return Default(message, wParam, lParam);
    case WM_MOUSELEAVE:
    case WM_CAPTURECHANGED:
        m_Host.PointerMayHaveLeft();
        return 0;
    case WM_MOUSEHOVER:
        return 0;  // asked for only to set Wine's leave check going (TrackLeave)
    case WM_NCPAINT:
        return 0;  // no frame: the system's painting would only fetch a device context for nothing
    case WM_ERASEBKGND:
        return 1;  // the image covers every pixel
    case WM_PAINT:
        return OnPaint();
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETFOCUS:
        m_Host.FocusChanged(true);
        return 0;
    case WM_KILLFOCUS:
        m_Host.FocusChanged(false);
        return 0;
    case WM_ENABLE:
        return OnEnable(wParam != 0);
    case WM_LBUTTONDOWN:
        MouseDown(kMouseLeft, wParam, lParam);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        MouseDown(kMouseRight, wParam, lParam);
        return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        MouseDown(kMouseMiddle, wParam, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        SetCapture(Window());
        m_Host.DoubleClick();
        return 0;
    case WM_MOUSEMOVE:
        m_Host.MouseMove(MouseButtonsOf(wParam), MouseShiftOf(wParam, AltDown()), GET_X_LPARAM(lParam),
                         GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        MouseUp(kMouseLeft, wParam, lParam);
        return 0;
    case WM_RBUTTONUP:
        MouseUp(kMouseRight, wParam, lParam);
        return 0;
    case WM_MBUTTONUP:
        MouseUp(kMouseMiddle, wParam, lParam);
        return 0;
    case WM_GETDLGCODE:
        return DialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
        m_Host.KeyDown(static_cast<std::int16_t>(wParam), KeyShiftNow(), 0);
        return 0;
    case WM_KEYUP:
        m_Host.KeyUp(static_cast<std::int16_t>(wParam), KeyShiftNow());
        return 0;
    case WM_SYSKEYDOWN:
        m_Host.KeyDown(static_cast<std::int16_t>(wParam), KeyShiftNow(), 0);
        return Default(message, wParam, lParam);  // Alt+F4 and the menu keys stay the system's
    case WM_SYSKEYUP:
        m_Host.KeyUp(static_cast<std::int16_t>(wParam), KeyShiftNow());
        return Default(message, wParam, lParam);
    case WM_CHAR:
        if (const std::int16_t ascii = KeyAsciiOf(static_cast<wchar_t>(wParam)))
            m_Host.KeyTyped(ascii);
        return 0;
    case BM_CLICK:
        return ClickAsPushButton();
    case WM_TIMER:
        if (wParam == kHoverTimerId) {
            m_Host.HoverTimerTicked();
            return 0;
        }
        return Default(message, wParam, lParam);
    case WM_SETTEXT:
        return OnSetText(wParam, lParam);
    case WM_DESTROY:
        SetHoverTimer(false);
        m_Canvas.AttachWindow(nullptr);
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

LRESULT CommandButton::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Window(), &paint);
    Paint(dc);
    EndPaint(Window(), &paint);
    return 0;
}

// EnableWindow from outside sets the property; the property's own call finds it set.
LRESULT CommandButton::OnEnable(bool enabled)
{
    if (enabled != m_Host.Enabled())
        m_Host.SetEnabled(enabled);
    return 0;
}

// Tab stays the window's, to move through its stops; every other key, Enter and the arrows
// included, comes to the button.
LRESULT CommandButton::DialogCode(const MSG* typed)
{
    const bool tab = typed != nullptr && typed->wParam == VK_TAB &&
                     (typed->message == WM_KEYDOWN || typed->message == WM_KEYUP || typed->message == WM_CHAR);
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (typed != nullptr && !tab ? DLGC_WANTMESSAGE : 0);
}

// As a push button takes it: a press and release of the left button on its middle.
LRESULT CommandButton::ClickAsPushButton()
{
    if (IsWindowEnabled(Window())) {
        RECT client;
        GetClientRect(Window(), &client);
        const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
        SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
        SendMessageW(Window(), WM_LBUTTONUP, 0, middle);
    }
    return 0;
}

LRESULT CommandButton::OnSetText(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Default(WM_SETTEXT, wParam, lParam);
    const std::string text = FromUtf16(reinterpret_cast<const wchar_t*>(lParam));
    if (text != m_Host.Caption())
        m_Host.SetCaption(text);
    return result;
}

void CommandButton::Resized(LPARAM size)
{
    const int width = LOWORD(size);
    const int height = HIWORD(size);
    m_Canvas.Resize(width, height);
    m_Host.Resized(width, height);
}

void CommandButton::Paint(HDC dc) const
{
    if (m_Canvas.IsValid())
        BitBlt(dc, 0, 0, m_Canvas.Width(), m_Canvas.Height(), m_Canvas.Dc(), 0, 0, SRCCOPY);
}

// The press takes the focus first and the mouse while a button is held, as a push button does.
void CommandButton::MouseDown(std::int16_t button, WPARAM flags, LPARAM at)
{
    if (GetFocus() != Window())
        SetFocus(Window());
    SetCapture(Window());
    m_Host.MouseDown(button, MouseShiftOf(flags, AltDown()), GET_X_LPARAM(at), GET_Y_LPARAM(at));
}

void CommandButton::MouseUp(std::int16_t button, WPARAM flags, LPARAM at)
{
    m_Host.MouseUp(button, MouseShiftOf(flags, AltDown()), GET_X_LPARAM(at), GET_Y_LPARAM(at),
                   (flags & kAnyMouseButton) == 0);
}

void CommandButton::TextChanged()
{
    HWND window = Window();
    if (window == nullptr)
        return;
    const std::wstring caption = ToUtf16(m_Host.Caption());
    std::wstring shown(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    shown.resize(static_cast<std::size_t>(GetWindowTextW(window, shown.data(), static_cast<int>(shown.size()))));
    if (shown != caption)
        SetWindowTextW(window, caption.c_str());
}

// ---- the surface

void CommandButton::Invalidate()
{
    if (Window() != nullptr)
        InvalidateRect(Window(), nullptr, FALSE);
}

void CommandButton::Refresh()
{
    if (Window() != nullptr)
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// Only a raster canvas's host asks: the GDI canvas gives the window its region itself.
void CommandButton::SetShape(const std::vector<CanvasRect>& shape)
{
    if (Window() == nullptr)
        return;
    HRGN region = nullptr;
    for (const CanvasRect& r : shape) {
        HRGN part = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        if (region == nullptr) {
            region = part;
        } else {
            CombineRgn(region, region, part, RGN_OR);
            DeleteObject(part);
        }
    }
    SetWindowRgn(Window(), region, TRUE);  // the window owns it now; none is the whole rectangle
}

void CommandButton::SetHoverTimer(bool running)
{
    if (Window() == nullptr || running == m_TimerRunning)
        return;
    if (running) {
        m_TimerRunning = SetTimer(Window(), kHoverTimerId, TimerInterval(kHoverTimerIntervalMs), nullptr) != 0;
        return;
    }
    KillTimer(Window(), kHoverTimerId);
    m_TimerRunning = false;
    if (m_TimerResting)
        StopTracking();
    m_TimerResting = false;
}

// While the pointer rests on the button the timer sleeps and the system reports the leave
// instead; only when it has taken that on does the timer stop, so a leave is never missed.
void CommandButton::RestHoverTimer(bool resting)
{
    if (Window() == nullptr || !m_TimerRunning || resting == m_TimerResting)
        return;
    if (resting) {
        if (!TrackLeave())
            return;  // the timer goes on asking
        KillTimer(Window(), kHoverTimerId);
        m_TimerResting = true;
        return;
    }
    StopTracking();  // the timer asks again, and a leave reported now would only wake it twice
    m_TimerResting = false;
    m_TimerRunning = SetTimer(Window(), kHoverTimerId, TimerInterval(kHoverTimerIntervalMs), nullptr) != 0;
}

// WM_MOUSELEAVE when the pointer leaves. The hover time is the timer's interval: Windows sends
// one WM_MOUSEHOVER after it and then only the leave, while Wine, which looks for a leave only
// at that period, reports it as soon as the timer would have seen it.
bool CommandButton::TrackLeave()
{
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_HOVER, Window(), TimerInterval(kHoverTimerIntervalMs)};
    if (!TrackMouseEvent(&track))
        return false;
    TRACKMOUSEEVENT now{sizeof now, TME_QUERY, nullptr, 0};
    return TrackMouseEvent(&now) && now.hwndTrack == Window() && (now.dwFlags & TME_LEAVE) != 0;
}

void CommandButton::StopTracking()
{
    TRACKMOUSEEVENT track{sizeof track, TME_CANCEL | TME_LEAVE | TME_HOVER, Window(), 0};
    TrackMouseEvent(&track);
}

void CommandButton::Raise(const ButtonEventArgs& event)
{
    if (m_OnEvent) {
        const EventHandler handler = m_OnEvent;  // the handler may replace itself
        handler(event);
    }
    HWND window = Window();
    if (event.event == ButtonEvent::Click && window != nullptr)
        SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                     reinterpret_cast<LPARAM>(window));
}

// Typed into the input queue, as a person's Tab: it reaches the active window after the
// handlers of the key that asked for it, and that window's dialog keys move the focus.
void CommandButton::MoveFocus(bool forward)
{
    INPUT keys[4];
    UINT count = 0;
    if (!forward)
        keys[count++] = KeyInput(VK_SHIFT, false);
    keys[count++] = KeyInput(VK_TAB, false);
    keys[count++] = KeyInput(VK_TAB, true);
    if (!forward)
        keys[count++] = KeyInput(VK_SHIFT, true);
    SendInput(count, keys, sizeof(INPUT));
}

void CommandButton::CaptureMouse()
{
    if (Window() != nullptr && IsWindowVisible(Window()))
        SetCapture(Window());
}

void CommandButton::ReleaseMouse()
{
    if (Window() != nullptr && GetCapture() == Window())
        ReleaseCapture();
}

void CommandButton::PropertyChanged(const std::string& name)
{
    if (name == kPropertyCaption)
        TextChanged();
}

void CommandButton::SetEnabled(bool enabled)
{
    if (Window() != nullptr)
        EnableWindow(Window(), enabled);
}

}  // namespace pelmora::win32

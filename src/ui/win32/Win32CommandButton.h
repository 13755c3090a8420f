#pragma once

#include "Win32BaseWindow.h"
#include "controls/ButtonHost.h"
#include "controls/GdiCanvas_win32.h"

#include <functional>
#include <string>
#include <vector>

namespace pelmora::win32 {

// The hover button as a window class: its messages go to the button's host (ButtonHost), which
// keeps every rule, and the window is the host's surface. The host draws with GDI into the
// canvas's memory bitmap, the persistent off-screen image that WM_PAINT copies to the screen,
// and the canvas hands each drawing's corner region to the window (SetWindowRgn). HoverTimer
// is a window timer that sleeps while the pointer rests on the button, woken by WM_MOUSELEAVE
// and by whatever else may put another window under the pointer; a click goes to the parent as
// BN_CLICKED, as a push button's does, so the window's command routing stays what it was.
class CommandButton final : public BaseWindow<CommandButton>, private ButtonSurfacePort {
public:
    static constexpr const wchar_t* kClassName = L"PelmoraCommandButton";
    static constexpr UINT_PTR kHoverTimerId = 1;

    using EventHandler = std::function<void(const ButtonEventArgs& event)>;

    // Creates the button's window as the child `id` of `parent` at `place`, its caption drawn at
    // `dpi` (0: the screen's). `ambient` gives the host window's font and fore colour and the
    // button's name; `entries` are its stored design's, and the caption is the window's text.
    CommandButton(ButtonAmbient ambient, const std::vector<PropertyEntry>& entries, HWND parent, int id, bool visible,
                  const RECT& place = {}, UINT dpi = 0);
    ~CommandButton();

    ButtonHost& Host() { return m_Host; }
    const ButtonHost& Host() const { return m_Host; }

    // Every event the button raises, before a click's BN_CLICKED goes to the parent.
    void OnEvent(EventHandler handler) { m_OnEvent = std::move(handler); }
    // The caption's points at the window's DPI.
    void SetDpi(UINT dpi);
    // Alt with `typed` is the button's access key: clicks when it is shown and enabled.
    bool PressAccessKey(wchar_t typed);

    bool IsPointerOver() const override;
    bool HoverTimerRunning() const { return m_TimerRunning; }  // on, ticking or resting
    bool HoverTimerResting() const { return m_TimerResting; }
    const GdiCanvas& Canvas() const { return m_Canvas; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // The messages' handlers.
    LRESULT OnPaint();
    LRESULT OnEnable(bool enabled);
    static LRESULT DialogCode(const MSG* typed);
    LRESULT ClickAsPushButton();
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    void Resized(LPARAM size);
    void Paint(HDC dc) const;
    void MouseDown(std::int16_t button, WPARAM flags, LPARAM at);
    void MouseUp(std::int16_t button, WPARAM flags, LPARAM at);
    void TextChanged();

    // ButtonSurfacePort
    void Invalidate() override;
    void Refresh() override;
    void SetShape(const std::vector<CanvasRect>& shape) override;
    void SetHoverTimer(bool running) override;
    void RestHoverTimer(bool resting) override;
    bool TrackLeave();
    void StopTracking();
    void Raise(const ButtonEventArgs& event) override;
    void MoveFocus(bool forward) override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    double Scale() const override { return 1.0; }  // the window's units are pixels
    void PropertyChanged(const std::string& name) override;
    void SetEnabled(bool enabled) override;
    void SetFont(const ButtonFont&) override {}  // the canvas draws in the state's font
    void SetAccessKey(const std::string&) override {}  // the host keeps it; PressAccessKey asks

    GdiCanvas m_Canvas;
    ButtonHost m_Host;
    EventHandler m_OnEvent;
    bool m_TimerRunning = false;
    bool m_TimerResting = false;  // on, but waiting for the system to say the pointer may have left
};

}  // namespace pelmora::win32

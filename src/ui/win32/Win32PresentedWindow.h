#pragma once

#include "Win32DesignedWindow.h"
#include "frontend/WindowPresenter.h"
#include "platform/DialogPort.h"

#include <functional>
#include <memory>

namespace pelmora::win32 {

// A designed window with its dialogs and presenter: every button click and menu item of the
// window goes to the presenter under the control's name. The presenter lives as long as the
// window object.
class PresentedWindow {
public:
    using DialogsFactory = std::function<std::unique_ptr<DialogPort>(DesignedWindow& window)>;

    // `owner` keeps the window off the taskbar (null: none).
    PresentedWindow(ProgramWindow window, HWND owner, const DialogsFactory& makeDialogs, AppShell& shell,
                    AppServices& services);
    ~PresentedWindow();
    PresentedWindow(const PresentedWindow&) = delete;
    PresentedWindow& operator=(const PresentedWindow&) = delete;

    DesignedWindow& View() { return m_Window; }
    bool IsOpen() const { return m_Window.IsOpen(); }
    // The window's load runs once, before it is first shown.
    void LoadAndShow();
    void ShowPlaced() { m_Window.ShowPlaced(); }
    // Destroyed without a close message.
    void Discard() { m_Window.Unload(); }

private:
    DesignedWindow m_Window;
    std::unique_ptr<DialogPort> m_Dialogs;
    WindowPresenter m_Presenter;
};

}  // namespace pelmora::win32

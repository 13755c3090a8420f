#pragma once

#include "Win32PresentedWindow.h"
#include "oem/AppServices.h"
#include "app/AppShell.h"

#include <functional>
#include <memory>

namespace pelmora::win32 {

// Opens the program's windows and ends it. The editor, Current Windows and About are modeless, one
// instance each, owned by a hidden window of the shell only to keep them off the taskbar (the
// main window does not own them: closing it leaves them open). The program ends when its last
// window has closed, or at once on Exit.
class Win32AppShell final : public AppShell {
public:
    // `makeDialogs` gives each window its dialogs (the system's by default); `endProgram` ends
    // the message loop (PostQuitMessage by default).
    explicit Win32AppShell(AppServices& services, PresentedWindowBase::DialogsFactory makeDialogs = {},
                           std::function<void()> endProgram = {});
    ~Win32AppShell() override;
    Win32AppShell(const Win32AppShell&) = delete;
    Win32AppShell& operator=(const Win32AppShell&) = delete;

    // Builds Form1, runs its load, shows it.
    DesignedWindow* OpenMainWindow();

    void OpenSupportEditor() override;
    void OpenAbout() override;
    void OpenCurrentWindows() override;
    void ExitProgram() override;

    // Null when the window is not open.
    DesignedWindow* MainWindow() const { return OpenView(m_Main); }
    DesignedWindow* SupportEditor() const { return OpenView(m_Editor); }
    DesignedWindow* About() const { return OpenView(m_About); }
    DesignedWindow* CurrentWindows() const { return OpenView(m_Current); }

private:
    template <typename Presenter>
    void Open(std::unique_ptr<PresentedWindowBase>& slot, const char* designFile, HWND owner,
              typename PresentedWindow<Presenter>::Factory makePresenter);
    static DesignedWindow* OpenView(const std::unique_ptr<PresentedWindowBase>& slot);
    void WindowGone();
    HWND TaskbarOwner();

    AppServices& m_Services;
    PresentedWindowBase::DialogsFactory m_MakeDialogs;
    std::function<void()> m_EndProgram;
    std::unique_ptr<PresentedWindowBase> m_Main;
    std::unique_ptr<PresentedWindowBase> m_Editor;
    std::unique_ptr<PresentedWindowBase> m_About;
    std::unique_ptr<PresentedWindowBase> m_Current;
    HWND m_TaskbarOwner = nullptr;
    bool m_Ending = false;
};

}  // namespace pelmora::win32

#pragma once

#include "Win32PresentedWindow.h"
#include "frontend/WindowShell.h"
#include "frontend/WindowTable.h"
#include "oem/AppServices.h"

#include <functional>

namespace pelmora::win32 {

// Opens the program's windows and ends it. The editor, Current Windows and About are modeless, one
// instance each, owned by a hidden window of the shell only to keep them off the taskbar (the
// main window does not own them: closing it leaves them open). The program ends when its last
// window has closed, or at once on Exit.
class Win32AppShell final : public WindowShell {
public:
    // `makeDialogs` gives each window its dialogs (the system's by default); `endProgram` ends
    // the message loop (PostQuitMessage by default).
    explicit Win32AppShell(AppServices& services, PresentedWindow::DialogsFactory makeDialogs = {},
                           std::function<void()> endProgram = {});
    ~Win32AppShell() override;

    // Builds Form1, runs its load, shows it; null when its window could not be created.
    DesignedWindow* OpenMainWindow();
    void ExitProgram() override;

    // Null when the window is not open.
    DesignedWindow* Shown(ProgramWindow window) const;

private:
    void Open(ProgramWindow window) override;
    void WindowGone();
    HWND TaskbarOwner();

    AppServices& m_Services;
    PresentedWindow::DialogsFactory m_MakeDialogs;
    std::function<void()> m_EndProgram;
    WindowTable<PresentedWindow> m_Windows;
    HWND m_TaskbarOwner = nullptr;
    bool m_Ending = false;
};

}  // namespace pelmora::win32

#pragma once

#include "QtPresentedWindow.h"
#include "app/AppShell.h"
#include "frontend/WindowTable.h"
#include "oem/AppServices.h"

#include <functional>

namespace pelmora::qt {

// Opens the program's windows and ends it. The editor, Current Windows and About are modeless,
// without owner, one instance each.
class QtAppShell final : public AppShell {
public:
    // `endProgram` leaves the event loop; by default the application's exit(0).
    explicit QtAppShell(AppServices& services, std::function<void()> endProgram = {});
    ~QtAppShell() override;
    QtAppShell(const QtAppShell&) = delete;
    QtAppShell& operator=(const QtAppShell&) = delete;

    // Builds Form1, runs its load, shows it.
    DesignedWindow* OpenMainWindow() { return Open(ProgramWindow::Main); }

    void OpenSupportEditor() override { Open(ProgramWindow::SupportEditor); }
    void OpenAbout() override { Open(ProgramWindow::About); }
    void OpenCurrentWindows() override { Open(ProgramWindow::CurrentWindows); }
    void ExitProgram() override;

    // Null when the window is not open.
    DesignedWindow* MainWindow() const { return Shown(ProgramWindow::Main); }
    DesignedWindow* SupportEditor() const { return Shown(ProgramWindow::SupportEditor); }
    DesignedWindow* About() const { return Shown(ProgramWindow::About); }
    DesignedWindow* CurrentWindows() const { return Shown(ProgramWindow::CurrentWindows); }

private:
    DesignedWindow* Open(ProgramWindow window);
    DesignedWindow* Shown(ProgramWindow window) const;

    AppServices& m_Services;
    std::function<void()> m_EndProgram;
    WindowTable<HeldWindow> m_Windows;
};

}  // namespace pelmora::qt

#pragma once

#include "QtPresentedWindow.h"
#include "frontend/WindowShell.h"
#include "frontend/WindowTable.h"
#include "oem/AppServices.h"

#include <functional>

namespace pelmora::qt {

// Opens the program's windows and ends it. The editor, Current Windows and About are modeless,
// without owner, one instance each.
class QtAppShell final : public WindowShell {
public:
    // `endProgram` leaves the event loop; by default the application's exit(0).
    explicit QtAppShell(AppServices& services, std::function<void()> endProgram = {});
    ~QtAppShell() override;

    // Builds Form1, runs its load, shows it.
    DesignedWindow* OpenMainWindow();
    void ExitProgram() override;

    // The window, while it is open; else null.
    DesignedWindow* Shown(ProgramWindow window) const;

private:
    void Open(ProgramWindow window) override;

    AppServices& m_Services;
    std::function<void()> m_EndProgram;
    WindowTable<HeldWindow> m_Windows;
};

}  // namespace pelmora::qt

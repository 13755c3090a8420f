#pragma once

#include "app/AppShell.h"
#include "frontend/ProgramWindow.h"

namespace pelmora {

// A front end's shell: the main window's commands open the other windows through one Open, which
// brings an open window to the front and makes a closed one anew (see WindowTable).
class WindowShell : public AppShell {
public:
    WindowShell() = default;
    WindowShell(const WindowShell&) = delete;
    WindowShell& operator=(const WindowShell&) = delete;

    void OpenSupportEditor() final { Open(ProgramWindow::SupportEditor); }
    void OpenAbout() final { Open(ProgramWindow::About); }
    void OpenCurrentWindows() final { Open(ProgramWindow::CurrentWindows); }

protected:
    virtual void Open(ProgramWindow window) = 0;
};

}  // namespace pelmora

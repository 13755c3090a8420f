#pragma once

#include "frontend/ProgramWindow.h"

#include <memory>
#include <string_view>

namespace pelmora {

class AppShell;
class DialogPort;
class ViewPort;
struct AppServices;

// The presenter of one of the program's windows, whichever it is, as a front end drives it.
class WindowPresenter {
public:
    WindowPresenter(ProgramWindow window, ViewPort& view, DialogPort& dialogs, AppShell& shell, AppServices& services);
    ~WindowPresenter();
    WindowPresenter(const WindowPresenter&) = delete;
    WindowPresenter& operator=(const WindowPresenter&) = delete;

    // The window's load: once, before it is first shown.
    void Load();

    // The command of a button or menu item. A name the presenter has no command for (a design that
    // names a control the program does not know) says so in a box rather than doing nothing unseen;
    // a menu item without a caption has none by design.
    void RunCommand(std::string_view controlName);

    struct Commands;  // the window's own presenter behind one face

private:
    ProgramWindow m_Window;
    std::unique_ptr<Commands> m_Commands;
    DialogPort& m_Dialogs;
};

}  // namespace pelmora

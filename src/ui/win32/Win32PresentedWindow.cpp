#include "Win32PresentedWindow.h"

namespace pelmora::win32 {

PresentedWindow::PresentedWindow(ProgramWindow window, HWND owner, const DialogsFactory& makeDialogs, AppShell& shell,
                                 AppServices& services)
    : m_Window(DesignOf(window), owner),
      m_Dialogs(makeDialogs(m_Window)),
      m_Presenter(window, m_Window, *m_Dialogs, shell, services)
{
    m_Window.OnCommand([this](std::string_view name) { m_Presenter.RunCommand(name); });
}

PresentedWindow::~PresentedWindow()
{
    // The window goes first and quietly: nothing of it may reach the presenter or the shell.
    m_Window.OnCommand({});
    m_Window.OnDestroyed({});
    m_Window.Unload();
}

void PresentedWindow::LoadAndShow()
{
    if (!m_Window.IsOpen())
        return;  // never created: nothing to load into
    m_Presenter.Load();
    m_Window.ShowPlaced();
}

}  // namespace pelmora::win32

#include "Win32AppShell.h"

#include "Win32Dialogs.h"

namespace pelmora::win32 {

Win32AppShell::Win32AppShell(AppServices& services, PresentedWindow::DialogsFactory makeDialogs,
                             std::function<void()> endProgram)
    : m_Services(services), m_MakeDialogs(std::move(makeDialogs)), m_EndProgram(std::move(endProgram))
{
    if (!m_MakeDialogs)
        m_MakeDialogs = [](DesignedWindow& window) {
            return std::make_unique<Win32Dialogs>([&window] { return window.Window(); });
        };
    if (!m_EndProgram)
        m_EndProgram = [] { PostQuitMessage(0); };
}

Win32AppShell::~Win32AppShell()
{
    // The presenters refer to this shell: no window may outlive it.
    m_Ending = true;
    m_Windows.Clear();
    if (m_TaskbarOwner != nullptr)
        DestroyWindow(m_TaskbarOwner);
}

DesignedWindow* Win32AppShell::Shown(ProgramWindow window) const
{
    PresentedWindow* held = m_Windows.Find(window);
    return held != nullptr ? &held->View() : nullptr;
}

void Win32AppShell::Open(ProgramWindow window)
{
    const HWND owner = window == ProgramWindow::Main ? nullptr : TaskbarOwner();
    m_Windows.Open(window, [&] {
        auto made = std::make_unique<PresentedWindow>(window, owner, m_MakeDialogs, *this, m_Services);
        made->View().OnDestroyed([this] { WindowGone(); });
        return made;
    });
}

DesignedWindow* Win32AppShell::OpenMainWindow()
{
    Open(ProgramWindow::Main);
    return Shown(ProgramWindow::Main);
}

void Win32AppShell::ExitProgram()
{
    // At once: the windows are destroyed without a close message, so nothing can ask or save.
    m_Ending = true;
    m_Windows.DiscardAll();
    m_EndProgram();
}

void Win32AppShell::WindowGone()
{
    if (m_Ending || m_Windows.AnyOpen())
        return;
    m_Ending = true;
    m_EndProgram();
}

HWND Win32AppShell::TaskbarOwner()
{
    if (m_TaskbarOwner == nullptr)
        m_TaskbarOwner = CreateWindowExW(0, L"STATIC", L"Pelmora", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
    return m_TaskbarOwner;
}

}  // namespace pelmora::win32

#include "Win32AppShell.h"

#include "Win32Dialogs.h"
#include "about/AboutPresenter.h"
#include "app/MainPresenter.h"
#include "current/CurrentWindowsPresenter.h"
#include "support/SupportEditorPresenter.h"

namespace pelmora::win32 {

Win32AppShell::Win32AppShell(AppServices& services, PresentedWindowBase::DialogsFactory makeDialogs,
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
    m_Main.reset();
    m_Editor.reset();
    m_About.reset();
    m_Current.reset();
    if (m_TaskbarOwner != nullptr)
        DestroyWindow(m_TaskbarOwner);
}

DesignedWindow* Win32AppShell::OpenView(const std::unique_ptr<PresentedWindowBase>& slot)
{
    return slot && slot->View().IsOpen() ? &slot->View() : nullptr;
}

template <typename Presenter>
void Win32AppShell::Open(std::unique_ptr<PresentedWindowBase>& slot, const char* designFile, HWND owner,
                         typename PresentedWindow<Presenter>::Factory makePresenter)
{
    if (OpenView(slot) != nullptr) {
        slot->View().ShowPlaced();
        return;
    }
    // A closed window's object goes only now: no command of it is running any more.
    slot = std::make_unique<PresentedWindow<Presenter>>(designs::EmbeddedDesign(designFile), owner, m_MakeDialogs,
                                                        makePresenter);
    slot->View().OnDestroyed([this] { WindowGone(); });
    slot->LoadAndShow();
}

DesignedWindow* Win32AppShell::OpenMainWindow()
{
    Open<MainPresenter>(m_Main, "Form1.design", nullptr, [this](ViewPort& view, DialogPort& dialogs) {
        return std::make_unique<MainPresenter>(view, dialogs, *this, m_Services);
    });
    return MainWindow();
}

void Win32AppShell::OpenSupportEditor()
{
    Open<SupportEditorPresenter>(m_Editor, "sinf.design", TaskbarOwner(), [this](ViewPort& view, DialogPort& dialogs) {
        return std::make_unique<SupportEditorPresenter>(view, dialogs, m_Services);
    });
}

void Win32AppShell::OpenAbout()
{
    Open<AboutPresenter>(m_About, "Form2z.design", TaskbarOwner(), [this](ViewPort& view, DialogPort&) {
        return std::make_unique<AboutPresenter>(view, m_Services);
    });
}

void Win32AppShell::OpenCurrentWindows()
{
    Open<CurrentWindowsPresenter>(m_Current, "cwin.design", TaskbarOwner(),
                                  [this](ViewPort& view, DialogPort& dialogs) {
                                      return std::make_unique<CurrentWindowsPresenter>(view, dialogs, m_Services);
                                  });
}

void Win32AppShell::ExitProgram()
{
    // At once: the windows are destroyed without a close message, so nothing can ask or save.
    m_Ending = true;
    for (const auto* slot : {&m_Main, &m_Editor, &m_About, &m_Current})
        if (DesignedWindow* window = OpenView(*slot))
            window->Unload();
    m_EndProgram();
}

void Win32AppShell::WindowGone()
{
    if (m_Ending || MainWindow() != nullptr || SupportEditor() != nullptr || About() != nullptr ||
        CurrentWindows() != nullptr)
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

#include "QtAppShell.h"

#include <QCoreApplication>

namespace pelmora::qt {

QtAppShell::QtAppShell(AppServices& services, std::function<void()> endProgram)
    : m_Services(services), m_EndProgram(std::move(endProgram))
{
    if (!m_EndProgram)
        m_EndProgram = [] { QCoreApplication::exit(0); };
}

QtAppShell::~QtAppShell() { m_Windows.Clear(); }

void QtAppShell::Open(ProgramWindow window)
{
    m_Windows.Open(window, [&] { return std::make_unique<HeldWindow>(new PresentedWindow(window, *this, m_Services)); });
}

DesignedWindow* QtAppShell::OpenMainWindow()
{
    Open(ProgramWindow::Main);
    return Shown(ProgramWindow::Main);
}

DesignedWindow* QtAppShell::Shown(ProgramWindow window) const
{
    const HeldWindow* held = m_Windows.Find(window);
    return held != nullptr ? held->Window() : nullptr;
}

void QtAppShell::ExitProgram()
{
    m_Windows.DiscardAll();
    m_EndProgram();
}

}  // namespace pelmora::qt

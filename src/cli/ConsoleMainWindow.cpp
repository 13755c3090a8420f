#include "ConsoleMainWindow.h"

#include <stdexcept>

namespace pelmora::cli {

ConsoleMainWindow::ConsoleMainWindow(AppServices& services, ConsoleDialogs& dialogs)
    : m_Presenter(m_View, dialogs, *this, services)
{
    m_Presenter.LoadStoredFields();
}

void ConsoleMainWindow::OpenSupportEditor()
{
    throw std::logic_error("the console has no support editor window");
}

void ConsoleMainWindow::OpenAbout()
{
    throw std::logic_error("the console has no About window");
}

void ConsoleMainWindow::OpenCurrentWindows()
{
    throw std::logic_error("the console has no Current Windows window; apply-windows is its Apply");
}

void ConsoleMainWindow::ExitProgram()
{
    throw std::logic_error("the console ends its run by returning a status");
}

}  // namespace pelmora::cli

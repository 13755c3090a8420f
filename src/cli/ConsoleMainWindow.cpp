#include "ConsoleMainWindow.h"

#include "registry/RegString.h"
#include "registry/RegistryPaths.h"

#include <stdexcept>

namespace pelmora::cli {

ConsoleMainWindow::ConsoleMainWindow(AppServices& services, ConsoleDialogs& dialogs)
    : m_Presenter(m_View, dialogs, *this, services)
{
    auto read = [&](const char* key, const char* name) {
        return ReadRegString(services.registry, RegRoot::LocalMachine, key, name, "");
    };
    m_View.SetText("Text1", read(kReadKey, ""));
    m_View.SetText("Text2", read(kOemKey, "Manufacture"));
    m_View.SetText("Text3", read(kOemKey, "Model"));
    m_View.SetText("Text9", FindWindowsDir(services.windowsDirectory));
    m_View.SetText("La11", m_View.Text("Text9"));
}

void ConsoleMainWindow::OpenSupportEditor()
{
    throw std::logic_error("the console has no support editor window");
}

void ConsoleMainWindow::OpenAbout()
{
    throw std::logic_error("the console has no About window");
}

void ConsoleMainWindow::ExitProgram()
{
    throw std::logic_error("the console ends its run by returning a status");
}

}  // namespace pelmora::cli

#include "about/AboutPresenter.h"

#include "registry/RegString.h"
#include "registry/RegistryPaths.h"

namespace pelmora {

AboutPresenter::AboutPresenter(ViewPort& view, AppServices& services) : m_View(view), m_Services(services) {}

void AboutPresenter::Load()
{
    m_View.SetText("Text4", ReadRegString(m_Services.registry, RegRoot::LocalMachine, kCurrentVersionKey,
                                          "RegisteredOwner", ""));
    m_View.SetText("L6", m_View.Text("Text4"));
}

void AboutPresenter::Close() { m_View.Unload(); }

bool AboutPresenter::RunCommand(std::string_view controlName)
{
    if (controlName != "CommandButton1")
        return false;
    Close();
    return true;
}

}  // namespace pelmora

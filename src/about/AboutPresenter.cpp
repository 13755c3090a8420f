#include "about/AboutPresenter.h"

#include "about/AboutWindowControls.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"

namespace pelmora {

AboutPresenter::AboutPresenter(ViewPort& view, AppServices& services) : m_View(view), m_Services(services) {}

void AboutPresenter::Load()
{
    m_View.SetText(form2z::kOwnerBox, ReadRegString(m_Services.registry, RegRoot::LocalMachine,
                                                    kCurrentVersionKey, "RegisteredOwner", ""));
    m_View.SetText(form2z::kOwner, m_View.Text(form2z::kOwnerBox));
}

void AboutPresenter::Close() { m_View.Unload(); }

bool AboutPresenter::RunCommand(std::string_view controlName)
{
    if (controlName != form2z::kClose)
        return false;
    Close();
    return true;
}

}  // namespace pelmora

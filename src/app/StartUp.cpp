#include "app/MainPresenter.h"

#include "app/VisitCounter.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "registry/SettingsStore.h"

namespace pelmora {

void MainPresenter::Load()
{
    RegistryApi& registry = m_Services.registry;
    auto read = [&](const char* key, const char* name) {
        return ReadRegString(registry, RegRoot::LocalMachine, key, name, "");
    };

    // Registration facts, then the fields the user last applied.
    m_View.SetText("Text4", read(kCurrentVersionKey, "RegisteredOwner"));
    m_View.SetText("Text5", read(kCurrentVersionKey, "RegisteredOrganization"));
    m_View.SetText("Text6", read(kCurrentVersionKey, "ProductId"));
    m_View.SetText("Text7", read(kCurrentVersionKey, "ProductName"));
    m_View.SetText("Text1", read(kReadKey, ""));
    m_View.SetText("Text2", read(kOemKey, "Manufacture"));
    m_View.SetText("Text3", read(kOemKey, "Model"));

    m_View.SetText("L11", m_View.Text("Text4"));
    m_View.SetText("L12", m_View.Text("Text5"));
    m_View.SetText("L13", m_View.Text("Text6"));
    m_View.SetText("L14", m_View.Text("Text7"));

    SettingsStore settings(registry);
    m_View.SetText("Text8", RegisterVisit(settings, m_Services.executableName));

    m_View.SetText("Text9", FindWindowsDir(m_Services.windowsDirectory));
    m_View.SetText("La11", m_View.Text("Text9"));

    // Without a Windows directory there is no OEM location to show a logo from.
    const std::string windowsDir = m_View.Text("La11");
    if (windowsDir.empty())
        return;
    std::string why;
    if (auto logo = m_Services.pictures.Load(OemFileLocations::From(windowsDir).LogoPath, why))
        m_View.SetPicture("Picture1", std::move(logo));
}

}  // namespace pelmora

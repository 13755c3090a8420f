#include "app/MainPresenter.h"

#include "oem/FailureReport.h"

namespace pelmora {

MainPresenter::MainPresenter(ViewPort& view, DialogPort& dialogs, AppShell& shell, AppServices& services)
    : m_View(view), m_Dialogs(dialogs), m_Shell(shell), m_Services(services)
{
}

bool MainPresenter::LocateOemFiles(OemFileLocations& locations)
{
    const std::string windowsDir = m_View.Text("La11");
    if (windowsDir.empty()) {
        ShowStop(m_Dialogs, "No Windows directory was found, so no OEM file can be written or removed.");
        return false;
    }
    locations = OemFileLocations::From(windowsDir);
    return true;
}

}  // namespace pelmora

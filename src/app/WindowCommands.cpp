#include "app/MainPresenter.h"

namespace pelmora {

void MainPresenter::EditSupportInformation() { m_Shell.OpenSupportEditor(); }

void MainPresenter::About() { m_Shell.OpenAbout(); }

void MainPresenter::View()
{
    // Shown and activated (style 5), not waited for; a failure to start is not reported.
    ProcessPort& processes = m_Services.processes;
    const ProgramCommand command = processes.SystemPropertiesCommand(m_View.Text("La11"));
    processes.StartDetached(command.program, command.arguments, 5);
}

void MainPresenter::Exit() { m_Shell.ExitProgram(); }

void MainPresenter::Close() { m_View.Unload(); }

}  // namespace pelmora

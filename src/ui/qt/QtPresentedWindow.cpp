#include "QtPresentedWindow.h"

namespace pelmora::qt {

PresentedWindow::PresentedWindow(ProgramWindow window, AppShell& shell, AppServices& services)
    : DesignedWindow(DesignOf(window)), m_Dialogs(this), m_Presenter(window, *this, m_Dialogs, shell, services)
{
    connect(this, &DesignedWindow::CommandRequested, this,
            [this](const QString& name) { m_Presenter.RunCommand(name.toStdString()); });
}

void PresentedWindow::LoadAndShow()
{
    m_Presenter.Load();
    ShowPlaced();
}

}  // namespace pelmora::qt

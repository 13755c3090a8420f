#pragma once

#include "QtDesignedWindow.h"
#include "app/AppShell.h"
#include "oem/AppServices.h"

#include <QPointer>

#include <functional>

namespace pelmora::qt {

// Opens the program's windows and ends it. The editor, Current Windows and About are modeless,
// without owner, one instance each.
class QtAppShell final : public AppShell {
public:
    // `endProgram` leaves the event loop; by default the application's exit(0).
    explicit QtAppShell(AppServices& services, std::function<void()> endProgram = {});
    ~QtAppShell() override;
    QtAppShell(const QtAppShell&) = delete;
    QtAppShell& operator=(const QtAppShell&) = delete;

    // Builds Form1, runs its load, shows it.
    DesignedWindow* OpenMainWindow();

    void OpenSupportEditor() override;
    void OpenAbout() override;
    void OpenCurrentWindows() override;
    void ExitProgram() override;

    DesignedWindow* MainWindow() const { return m_Main; }
    DesignedWindow* SupportEditor() const { return m_Editor; }
    DesignedWindow* About() const { return m_About; }
    DesignedWindow* CurrentWindows() const { return m_Current; }

private:
    AppServices& m_Services;
    std::function<void()> m_EndProgram;
    QPointer<DesignedWindow> m_Main;
    QPointer<DesignedWindow> m_Editor;
    QPointer<DesignedWindow> m_About;
    QPointer<DesignedWindow> m_Current;
};

}  // namespace pelmora::qt

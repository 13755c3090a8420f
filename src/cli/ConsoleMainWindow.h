#pragma once

#include "ConsoleDialogs.h"
#include "platform/MemoryView.h"
#include "app/AppShell.h"
#include "app/MainPresenter.h"
#include "oem/AppServices.h"

namespace pelmora::cli {

// The main window's presenter with its controls holding what the window shows after a start:
// the Windows directory, the stored logo path, manufacturer and model (LoadStoredFields). A
// console run is not a start of the program, so the visit counter is not raised.
class ConsoleMainWindow : private AppShell {
public:
    ConsoleMainWindow(AppServices& services, ConsoleDialogs& dialogs);

    MemoryView& View() { return m_View; }
    MainPresenter& Presenter() { return m_Presenter; }

private:
    // No command of the console opens another window or ends the program from inside.
    void OpenSupportEditor() override;
    void OpenAbout() override;
    void OpenCurrentWindows() override;
    void ExitProgram() override;

    MemoryView m_View;
    MainPresenter m_Presenter;
};

}  // namespace pelmora::cli

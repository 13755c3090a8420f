#pragma once

#include "app/AppShell.h"
#include "app/LogoCommands.h"
#include "app/OemCommands.h"
#include "oem/AppServices.h"
#include "platform/DialogPort.h"
#include "platform/ViewPort.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Every handler of the main window Form1 (names in MainWindowControls.h). The view only forwards
// events here.
class MainPresenter {
public:
    MainPresenter(ViewPort& view, DialogPort& dialogs, AppShell& shell, AppServices& services);

    void Load();  // the start-up sequence, before the window is first shown
    // The part of Load that reads what was stored and where the OEM files go, without counting
    // a start: the path box, manufacturer and model, and the Windows directory.
    void LoadStoredFields();

    void SelectLogo() { m_Logo.Select(); }                          // CommandButton3, menu ol
    void ApplySelected() { m_Logo.ApplySelected(); }                // CommandButton1
    void ApplyLogo() { m_Logo.Apply(); }                            // menu al
    void RemoveLogo() { m_Logo.Remove(); }                          // CommandButton2
    void ApplyOemInformation() { m_Oem.Apply(); }                   // CommandButton4
    void RemoveOemInformation() { m_Oem.Remove(); }                 // CommandButton6
    void EditSupportInformation() { m_Shell.OpenSupportEditor(); }  // CommandButton5, menu esi
    void CurrentWindows() { m_Shell.OpenCurrentWindows(); }        // menu cwi
    void View();                                                    // CommandButton7, menu on
    void About() { m_Shell.OpenAbout(); }                           // CommandButton8, menu ab
    void Exit() { m_Shell.ExitProgram(); }                          // CommandButton9
    void Close() { m_View.Unload(); }                               // menu ex

    // Runs the command of a button or menu item by its design name; false for a name without
    // one (the empty item ww is such a name).
    bool RunCommand(std::string_view controlName);

private:
    ViewPort& m_View;
    DialogPort& m_Dialogs;
    AppShell& m_Shell;
    AppServices& m_Services;
    // Why the stored fields could not be read at start-up: their empty boxes then prove nothing.
    std::optional<std::string> m_UnreadAtStart;
    LogoCommands m_Logo;
    OemCommands m_Oem;
};

}  // namespace pelmora

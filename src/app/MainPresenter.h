#pragma once

#include "app/AppServices.h"
#include "app/AppShell.h"
#include "platform/DialogPort.h"
#include "platform/ViewPort.h"

#include <memory>
#include <string>
#include <string_view>

namespace pelmora {

// Every handler of the main window Form1. The view only forwards events here.
class MainPresenter {
public:
    MainPresenter(ViewPort& view, DialogPort& dialogs, AppShell& shell, AppServices& services);

    void Load();  // the start-up sequence, before the window is first shown

    void SelectLogo();            // CommandButton3, menu ol
    void ApplySelected();         // CommandButton1
    void ApplyLogo();             // menu al
    void RemoveLogo();            // CommandButton2
    void ApplyOemInformation();   // CommandButton4
    void RemoveOemInformation();  // CommandButton6
    void EditSupportInformation();// CommandButton5, menu esi
    void View();                  // CommandButton7, menu on
    void About();                 // CommandButton8, menu ab
    void Exit();                  // CommandButton9
    void Close();                 // menu ex

    // Runs the command of a button or menu item by its design name; false for a name without
    // one (the empty item ww is such a name).
    bool RunCommand(std::string_view controlName);

private:
    ViewPort& m_View;
    DialogPort& m_Dialogs;
    AppShell& m_Shell;
    AppServices& m_Services;
    // ... the selection holder Image3, the dialog's remembered file name, and so on.
};

}  // namespace pelmora

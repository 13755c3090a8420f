#pragma once

#include "app/AppShell.h"
#include "oem/AppServices.h"
#include "oem/OemFileLocations.h"
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
    // Paths built from La11 as the command runs; false (after a stop message) when the
    // Windows directory is unknown, since the paths would then start at the drive's root.
    bool LocateOemFiles(OemFileLocations& locations);
    void HoldPicture(std::shared_ptr<const Picture> picture, const std::string& pathBoxText);
    bool InstallLogo();  // true once oemlogo.bmp holds the picture the path box names
    bool EnsurePictureForPathBox(const std::string& pathBox, std::string& why);

    ViewPort& m_View;
    DialogPort& m_Dialogs;
    AppShell& m_Shell;
    AppServices& m_Services;

    std::shared_ptr<const Picture> m_Held;  // the selection holder Image3
    std::string m_HeldFor;                  // the path box text the held picture was loaded for
    std::string m_DialogFileName;           // cdlg's file name: shared by both choose commands
};

}  // namespace pelmora

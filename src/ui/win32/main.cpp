// pelmora.exe: the OEM logo and support information tool, native on Windows.
#include "Win32DesignedWindow.h"
#include "FirstPaintStamp.h"
#include "Win32AppShell.h"
#include "Win32MessageLoop.h"
#include "platform/ProgramName.h"
#include "platform/Utf16_win32.h"
#include "platform/WicPictures_win32.h"
#include "wiring/SystemServices.h"

#include <commctrl.h>

#include <exception>
#include <memory>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        // A renamed copy counts its visits on its own.
        pelmora::SystemServices system(pelmora::RunningExecutableName("pelmora"),
                                       std::make_unique<pelmora::WicPictures>());
        pelmora::win32::Win32AppShell shell(system.Services());
        shell.OpenMainWindow();
        pelmora::win32::FirstPaintStamp stamp;
        return pelmora::win32::RunMessageLoop([&] {
            if (pelmora::win32::DesignedWindow* main = shell.MainWindow())
                stamp.Check(main->Window());
        });
    } catch (const std::exception& error) {
        MessageBoxW(nullptr, pelmora::ToUtf16(error.what()).c_str(), L"Pelmora", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
        return 1;
    }
}

#include "Win32Program.h"

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

namespace pelmora::win32 {

namespace {

void ShowStop(const std::string& text)
{
    MessageBoxW(nullptr, ToUtf16(text).c_str(), L"Pelmora", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

}  // namespace

int RunProgram(const std::function<void(HWND mainWindow)>& afterEachMessage)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        // A renamed copy counts its visits on its own.
        SystemServices system(RunningExecutableName("pelmora"), std::make_unique<WicPictures>());
        Win32AppShell shell(system.Services());
        if (shell.OpenMainWindow() == nullptr) {
            // Without its window the loop would wait for ever on nothing to close.
            ShowStop("Pelmora could not create its main window.");
            return 1;
        }
        return RunMessageLoop([&] {
            if (afterEachMessage) {
                DesignedWindow* main = shell.Shown(ProgramWindow::Main);
                afterEachMessage(main != nullptr ? main->Window() : nullptr);
            }
        });
    } catch (const std::exception& error) {
        ShowStop(error.what());
        return 1;
    }
}

}  // namespace pelmora::win32

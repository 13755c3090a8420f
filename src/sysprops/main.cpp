// pelmora-sysprops: shows the OEM branding of a Windows directory the way System Properties'
// General page would. Started by the main window's View off Windows.
#include "CurrentWindowsPage.h"
#include "SysPropsWindow.h"
#include "platform/SystemWindowsDirectory.h"
#include "platform/WindowsDirectory.h"
#include "platform/qt/DisplayCheck.h"
#include "platform/qt/ProgramOptions.h"
#include "platform/qt/RuntimeFolder.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    pelmora::ProgramOptions options("pelmora-sysprops",
                                    "Shows the OEM logo and information found in DIRECTORY/System, as System Properties\n"
                                    "would; without DIRECTORY, those of the Windows directory pelmora itself uses. A\n"
                                    "second page shows what current Windows shows from the registry.");
    options.AddArgument("DIRECTORY", "A Windows directory.", "[DIRECTORY]");
    if (const auto status = options.AnswerWithoutDisplay(argc, argv))
        return *status;
    if (!pelmora::DisplayAvailable(argc, argv)) {
        std::fputs("pelmora-sysprops: no display available (set DISPLAY or QT_QPA_PLATFORM)\n", stderr);
        return 1;
    }
    pelmora::ProvideRuntimeFolder();  // before Qt looks for one
    QApplication app(argc, argv);
    if (const auto status = options.Answer(QApplication::arguments()))
        return *status;
    std::string windowsDir;
    if (!options.Arguments().isEmpty()) {
        windowsDir = options.Arguments().constFirst().toStdString();
    } else {
#ifdef _WIN32
        auto source = pelmora::MakeSystemWindowsDirectory();
        windowsDir = pelmora::FindWindowsDir(*source);
#else
        windowsDir = pelmora::ChooseWindowsDir().path;  // only looks: creates no folder
#endif
    }
    auto* window = new pelmora::sysprops::SysPropsWindow(windowsDir, pelmora::sysprops::ReadCurrentBranding());
    window->show();
    return app.exec();
}

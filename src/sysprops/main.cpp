// pelmora-sysprops: shows the OEM branding of a Windows directory the way System Properties'
// General page would. Started by the main window's View off Windows.
#include "SysPropsWindow.h"
#include "platform/SystemWindowsDirectory.h"
#include "platform/WindowsDirectory.h"
#include "platform/qt/DisplayCheck.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::puts("usage: pelmora-sysprops [WINDOWS-DIRECTORY]\n"
                  "Shows the OEM logo and information found in WINDOWS-DIRECTORY/System; without\n"
                  "an argument, the Windows directory pelmora itself uses.");
        return 0;
    }
    if (!pelmora::DisplayAvailable(argc, argv)) {
        std::fputs("pelmora-sysprops: no display available (set DISPLAY or QT_QPA_PLATFORM)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();  // Qt's own options removed
    std::string windowsDir;
    if (arguments.size() > 1) {
        windowsDir = arguments.at(1).toStdString();
    } else {
#ifdef _WIN32
        auto source = pelmora::MakeSystemWindowsDirectory();
        windowsDir = pelmora::FindWindowsDir(*source);
#else
        windowsDir = pelmora::ChooseWindowsDir().path;  // only looks: creates no folder
#endif
    }
    auto* window = new pelmora::sysprops::SysPropsWindow(windowsDir);
    window->show();
    return app.exec();
}

// pelmora-sysprops: shows the OEM branding of a Windows directory the way System Properties'
// General page would. Started by the main window's View off Windows.
#include "CurrentWindowsPage.h"
#include "SysPropsWindow.h"
#include "platform/SystemWindowsDirectory.h"
#include "platform/WindowsDirectory.h"
#include "platform/qt/ProgramOptions.h"
#include "platform/qt/RuntimeFolder.h"

#include <QApplication>

#ifndef _WIN32
#include "wiring/WimImage.h"
#endif

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>

namespace {

// The window on `imageDir` when a WIM image was mounted there, else on the folder the command line names.
int RunViewer(int argc, char** argv, pelmora::ProgramOptions& options, const std::string& imageDir)
{
    pelmora::ProvideRuntimeFolder();  // before Qt looks for one
    QApplication app(argc, argv);
    if (const auto status = options.Answer(QApplication::arguments()))
        return *status;
    std::string windowsDir = imageDir;
    const auto option = options.Value("windows-dir");
    const int given = (option ? 1 : 0) + (options.Arguments().isEmpty() ? 0 : 1) + (imageDir.empty() ? 0 : 1);
    if (given > 1) {
        std::fputs("pelmora-sysprops: give the Windows directory once, as DIRECTORY, --windows-dir or --image\n"
                   "(pelmora-sysprops --help shows the options)\n",
                   stderr);
        return 2;
    }
    if (option) {
        windowsDir = option->toStdString();
    } else if (!options.Arguments().isEmpty()) {
        windowsDir = options.Arguments().constFirst().toStdString();
    } else if (imageDir.empty()) {
#ifdef _WIN32
        auto source = pelmora::MakeSystemWindowsDirectory();
        windowsDir = pelmora::FindWindowsDir(*source);
#else
        windowsDir = pelmora::ChooseWindowsDir().path;  // only looks: creates no folder
#endif
    }
    // A folder that is not there would show an empty page as if it were an installation.
    std::error_code error;
    if ((option || !options.Arguments().isEmpty()) && !std::filesystem::is_directory(windowsDir, error)) {
        std::fprintf(stderr, "pelmora-sysprops: %s is not a folder\n", windowsDir.c_str());
        return 1;
    }
    auto* window = new pelmora::sysprops::SysPropsWindow(windowsDir, pelmora::sysprops::ReadCurrentBranding(windowsDir));
    window->show();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv)
{
    pelmora::ProgramOptions options("pelmora-sysprops",
                                    "Shows the OEM logo and information found in DIRECTORY/System, as System Properties\n"
                                    "would; without DIRECTORY, those of the Windows directory pelmora itself uses. A\n"
                                    "second page shows what current Windows shows from the registry: the one of\n"
                                    "the installation when DIRECTORY holds System32/config/SOFTWARE.");
    options.AddArgument("DIRECTORY", "A Windows directory.", "[DIRECTORY]");
    options.AddValueOption("windows-dir", "The same as DIRECTORY.", "DIR");
    options.AddValueOption("image", "An image of a WIM file, shown as it is there (INDEX may be left out when the "
                                     "file holds one image).", "FILE.wim[:INDEX]");
    if (const auto status = options.AnswerBeforeToolkit(argc, argv))
        return *status;
    // The image is mounted by a child process, which is best started while this one has no threads.
    const auto image = pelmora::ProgramOptions::ValueBeforeToolkit(argc, argv, "image");
    if (!image)
        return RunViewer(argc, argv, options, {});
#ifdef _WIN32
    std::fputs("pelmora-sysprops: --image is taken off Windows only\n", stderr);
    return 1;
#else
    // Mounted read-only for as long as the window is open: the viewer never writes.
    return pelmora::RunOnWimImage(*image, pelmora::WimAccess::Read, "pelmora-sysprops", std::cerr,
                                  [&](const std::string& windowsDir, const std::string&, bool&) {
                                      return RunViewer(argc, argv, options, windowsDir);
                                  });
#endif
}

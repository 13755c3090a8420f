// pelmora: the OEM logo and support information tool.
#include "QtAppShell.h"
#include "QtDesignStyle.h"
#include "platform/ProgramName.h"
#include "platform/qt/ProgramOptions.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/RuntimeFolder.h"
#include "wiring/SystemServices.h"

#ifndef _WIN32
#include "wiring/WimImage.h"
#endif

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

// Where the windows work: the Windows directory named and, when it is a mounted WIM image, the
// image's name ("FILE:INDEX"); `changed` tells whether a file of the image was written.
struct Installation {
    std::optional<std::string> windowsDir;
    std::string wimImage;
    bool* changed = nullptr;
};

int RunWindows(int argc, char** argv, pelmora::ProgramOptions& options, Installation where)
{
    pelmora::ProvideRuntimeFolder();  // before Qt looks for one
    QApplication app(argc, argv);
    if (const auto status = options.Answer(QApplication::arguments()))
        return *status;
    if (const auto given = options.Value("windows-dir")) {
        if (!where.wimImage.empty()) {
            std::fputs("pelmora: --windows-dir and --image name two installations; give one of them\n"
                       "(pelmora --help shows the options)\n",
                       stderr);
            return 2;
        }
        where.windowsDir = given->toStdString();
        if (const std::string problem = pelmora::CheckWindowsDirOption(*where.windowsDir); !problem.empty()) {
            std::fprintf(stderr, "pelmora: %s\n(pelmora --help shows the options)\n", problem.c_str());
            return 2;
        }
    }
    // Ties the windows to the installed desktop entry, and so to its name and icon.
    QApplication::setDesktopFileName("io.github.pelmora.Pelmora");
    QApplication::setQuitOnLastWindowClosed(true);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(pelmora::qt::DesignImage("about-emblem"))));

    // A renamed copy counts its visits on its own.
    pelmora::SystemServices system(pelmora::RunningExecutableName("pelmora"),
                                   std::make_unique<pelmora::QtPictures>(), where.windowsDir, where.wimImage);
    int status = 0;
    {
        pelmora::qt::QtAppShell shell(system.Services());
        shell.OpenMainWindow();
        status = QApplication::exec();
    }
    if (where.changed)
        *where.changed = system.ImageFilesChanged();
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    pelmora::ProgramOptions options("pelmora", "Sets the computer maker's logo and support information "
                                               "that Windows shows in System Properties.");
    options.AddValueOption("windows-dir",
                           "The Windows directory to work on (instead of $PELMORA_WINDOWS_DIR), for example a "
                           "mounted Windows installation's; when it holds System32/config/SOFTWARE, that "
                           "installation's registry is the one read and written.",
                           "DIR");
    options.AddValueOption("image",
                           "An image of a WIM file to work on (INDEX may be left out when the file holds one "
                           "image); what the windows change is committed into the file when they close.",
                           "FILE.wim[:INDEX]");
    if (const auto status = options.AnswerBeforeToolkit(argc, argv))
        return *status;
    // The image is mounted by a child process, which is best started while this one has no threads.
    const auto image = pelmora::ProgramOptions::ValueBeforeToolkit(argc, argv, "image");
    if (!image)
        return RunWindows(argc, argv, options, {});
#ifdef _WIN32
    std::fputs("pelmora: --image is taken off Windows only\n", stderr);
    return 1;
#else
    return pelmora::RunOnWimImage(*image, pelmora::WimAccess::Write, "pelmora", std::cerr,
                                  [&](const std::string& windowsDir, const std::string& imageName, bool& changed) {
                                      return RunWindows(argc, argv, options, {windowsDir, imageName, &changed});
                                  });
#endif
}

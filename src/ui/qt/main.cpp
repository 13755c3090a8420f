// pelmora: the OEM logo and support information tool.
#include "QtAppShell.h"
#include "QtDesignStyle.h"
#include "platform/ProgramName.h"
#include "platform/qt/DisplayCheck.h"
#include "platform/qt/ProgramOptions.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/RuntimeFolder.h"
#include "wiring/SystemServices.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    pelmora::ProgramOptions options("pelmora", "Sets the computer maker's logo and support information "
                                               "that Windows shows in System Properties.");
    if (const auto status = options.AnswerWithoutDisplay(argc, argv))
        return *status;
    if (!pelmora::DisplayAvailable(argc, argv)) {
        std::fputs("pelmora: no display available (set DISPLAY or QT_QPA_PLATFORM)\n", stderr);
        return 1;
    }
    pelmora::ProvideRuntimeFolder();  // before Qt looks for one
    QApplication app(argc, argv);
    if (const auto status = options.Answer(QApplication::arguments()))
        return *status;
    // Ties the windows to the installed desktop entry, and so to its name and icon.
    QApplication::setDesktopFileName("io.github.pelmora.Pelmora");
    QApplication::setQuitOnLastWindowClosed(true);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(pelmora::qt::DesignImage("about-emblem"))));

    // A renamed copy counts its visits on its own.
    pelmora::SystemServices system(pelmora::RunningExecutableName("pelmora"),
                                   std::make_unique<pelmora::QtPictures>());
    pelmora::qt::QtAppShell shell(system.Services());
    shell.OpenMainWindow();
    return QApplication::exec();
}

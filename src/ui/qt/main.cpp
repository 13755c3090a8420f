// pelmora: the OEM logo and support information tool.
#include "QtAppShell.h"
#include "QtDesignStyle.h"
#include "app/AppServices.h"
#include "platform/LocalFiles.h"
#include "platform/LocalProcesses.h"
#include "platform/SystemWindowsDirectory.h"
#include "platform/WindowsDirectory.h"
#include "platform/qt/DisplayCheck.h"
#include "platform/qt/QtPictures.h"
#include "registry/SystemRegistry.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    if (!pelmora::DisplayAvailable(argc, argv)) {
        std::fputs("pelmora: no display available (set DISPLAY or QT_QPA_PLATFORM)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(true);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(pelmora::qt::DesignImage("about-emblem"))));

    auto registry = pelmora::MakeSystemRegistry();
    pelmora::LocalFiles files;
    pelmora::QtPictures pictures;
    auto windowsDirectory = pelmora::MakeSystemWindowsDirectory();
    pelmora::LocalProcesses processes;
    pelmora::AppServices services{*registry, files, pictures, *windowsDirectory, processes, "pelmora"};

    pelmora::qt::QtAppShell shell(services);
    shell.OpenMainWindow();
    return QApplication::exec();
}

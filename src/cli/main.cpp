// pelmora-cli: the windows' commands and a registry console, for scripts. It never touches the
// window system: pictures go through QImage, which needs no application object.
#include "RunCli.h"
#include "platform/AnsiText.h"
#include "platform/qt/QtPictures.h"
#include "wiring/SystemServices.h"
#ifdef _WIN32
#include "platform/XmlLiteWriter.h"
#else
#include "platform/qt/QtXmlWriter.h"
#endif

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    using namespace pelmora;
    std::vector<std::string> args(argc > 0 ? argv + 1 : argv, argv + argc);
#ifdef _WIN32
    // There the arguments come in the ANSI code page; text in memory is UTF-8.
    for (std::string& arg : args)
        arg = FromAnsi(arg);
#endif
    const std::string programName = argc > 0 ? std::filesystem::path(argv[0]).stem().string() : "pelmora-cli";
    try {
        std::optional<std::string> windowsDir;
        try {
            windowsDir = cli::TakeWindowsDirOption(args);
        } catch (const cli::UsageError& error) {
            return cli::ReportUsageError(error, std::cerr);
        }
        if (windowsDir) {
            if (const std::string problem = CheckWindowsDirOption(*windowsDir); !problem.empty()) {
                std::cerr << "pelmora-cli: " << problem << '\n';
                return 1;
            }
        }
        SystemServices system(programName, std::make_unique<QtPictures>(), windowsDir);
#ifdef _WIN32
        XmlLiteWriter xml;
#else
        QtXmlWriter xml;
#endif
        return cli::RunCli(args, std::cout, std::cerr, system.Services(), xml);
    } catch (const std::exception& error) {
        std::cerr << "pelmora-cli: " << error.what() << '\n';
        return 1;
    }
}

// pelmora-cli: the windows' commands and a registry console, for scripts. It never touches the
// window system: pictures go through the platform's image library, which needs no window, and
// off Windows that library is loaded only by the commands that read or write a picture.
#include "RunCli.h"
#include "registry/StoreWarning.h"
#include "wiring/SystemPictures.h"
#include "wiring/SystemServices.h"
#include "wiring/SystemXmlWriter.h"

#ifdef _WIN32
#include "AccessGuard_win32.h"
#include "platform/CommandLineArguments_win32.h"
#include "platform/ConsoleStream_win32.h"
#endif

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// The arguments as UTF-8, the program's name first.
std::vector<std::string> Arguments(int argc, char** argv)
{
#ifdef _WIN32
    // Read as UTF-16: the ANSI arguments would lose what the code page cannot hold.
    (void)argc;
    (void)argv;
    return pelmora::CommandLineArguments();
#else
    return std::vector<std::string>(argv, argv + argc);
#endif
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace pelmora;
#ifdef _WIN32
    // Text to a console as UTF-16, whatever its code page; redirected, as UTF-8.
    const StandardConsoleStreams console;
#endif
    const std::vector<std::string> all = Arguments(argc, argv);
    std::vector<std::string> args(all.empty() ? all.end() : all.begin() + 1, all.end());
    const std::string programName = all.empty() ? "pelmora-cli" : std::filesystem::path(all.front()).stem().string();
    try {
        cli::ParsedArgs global;
        try {
            global = cli::TakeGlobalOptions(args);
        } catch (const cli::UsageError& error) {
            return cli::ReportUsageError(error, std::cerr);
        }
        const std::optional<std::string> windowsDir = global.Value("windows-dir");
        if (const std::optional<int> status = cli::RunWithoutServices(args, std::cout, std::cerr))
            return *status;
        if (windowsDir) {
            if (const std::string problem = CheckWindowsDirOption(*windowsDir); !problem.empty()) {
                std::cerr << "pelmora-cli: " << problem << '\n';
                return 1;
            }
        }
        // Each command reports its failures; the stores' own warning would repeat them.
        QuietStoreWarnings();
        SystemServices system(programName, MakeSystemPictures(), windowsDir);
        const std::unique_ptr<XmlWriterPort> xml = MakeSystemXmlWriter();
#ifdef _WIN32
        // Run as invoked: a write refused for want of rights ends the command with one line.
        cli::AccessGuardedServices guarded(system.Services());
        return cli::RunCli(args, std::cout, std::cerr, guarded.Services(), *xml);
#else
        return cli::RunCli(args, std::cout, std::cerr, system.Services(), *xml);
#endif
    } catch (const std::exception& error) {
        std::cerr << "pelmora-cli: " << error.what() << '\n';
        return 1;
    }
}

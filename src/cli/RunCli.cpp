#include "RunCli.h"

#include "CliArgs.h"
#include "Commands.h"
#include "Usage.h"

#include <cstddef>
#include <exception>
#include <string_view>

namespace pelmora::cli {

namespace {

using CommandFunction = int (*)(std::span<const std::string>, CliContext&);

struct Command {
    std::string_view name;
    CommandFunction run;
};

constexpr Command kCommands[] = {
    {"show", ShowCommand},
    {"apply-oem", ApplyOemCommand},
    {"remove-oem", RemoveOemCommand},
    {"apply-support", ApplySupportCommand},
    {"apply-windows", ApplyWindowsCommand},
    {"apply-logo", ApplyLogoCommand},
    {"remove-logo", RemoveLogoCommand},
    {"reg", RegCommand},
    {"export-unattend", ExportUnattendCommand},
    {"export-reg", ExportRegCommand},
    {"restore-factory", RestoreFactoryCommand},
    {"apply-profile", ApplyProfileCommand},
    {"check-profile", CheckProfileCommand},
    {"export-profile", ExportProfileCommand},
    {"keep-after-updates", KeepAfterUpdatesCommand},
};

int Dispatch(const std::vector<std::string>& args, CliContext& context)
{
    if (args.empty())
        throw UsageError("no command given");
    const std::string& name = args.front();
    const std::span<const std::string> rest(args.begin() + 1, args.end());
    if (name == "--help" || name == "-h" || name == "--version") {
        ExpectPositionals(ParseOptions(rest, {}), {});
        name == "--version" ? PrintVersion(context.out) : PrintUsage(context.out);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (command.name == name)
            return command.run(rest, context);
    }
    throw UsageError("unknown command " + name);
}

constexpr std::string_view kWindowsDirOption = "--windows-dir";

}  // namespace

std::optional<std::string> TakeWindowsDirOption(std::vector<std::string>& args)
{
    std::optional<std::string> windowsDir;
    std::size_t taken = 0;
    while (taken < args.size()) {
        const std::string& arg = args[taken];
        std::optional<std::string> value;
        if (arg == kWindowsDirOption) {
            if (taken + 1 >= args.size())
                throw UsageError("--windows-dir needs a value");
            value = args[taken + 1];
            taken += 2;
        } else if (arg.rfind(std::string(kWindowsDirOption) + "=", 0) == 0) {
            value = arg.substr(kWindowsDirOption.size() + 1);
            taken += 1;
        } else {
            break;
        }
        // Two folders would leave it open which installation is branded.
        if (windowsDir)
            throw UsageError("--windows-dir is given twice");
        if (value->empty())
            throw UsageError("--windows-dir needs a folder");
        windowsDir = std::move(value);
    }
    args.erase(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(taken));
    return windowsDir;
}

int ReportUsageError(const UsageError& error, std::ostream& err)
{
    err << "pelmora-cli: " << error.what() << "\n\n";
    PrintUsage(err);
    return 2;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, AppServices& services,
           XmlWriterPort& xml)
{
    CliContext context{services, xml, out, err};
    try {
        return Dispatch(args, context);
    } catch (const UsageError& error) {
        return ReportUsageError(error, err);
    } catch (const std::exception& error) {
        err << "pelmora-cli: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace pelmora::cli

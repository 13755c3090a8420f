#include "RunCli.h"

#include "CliArgs.h"
#include "Commands.h"
#include "NearestName.h"
#include "Usage.h"
#include "oem/LeftCommand.h"

#include <cstddef>
#include <exception>
#include <optional>
#include <string_view>
#include <vector>

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

bool AsksForHelpOrVersion(const std::vector<std::string>& args)
{
    return !args.empty() && (args.front() == "--help" || args.front() == "-h" || args.front() == "--version");
}

int HelpOrVersion(const std::vector<std::string>& args, std::ostream& out)
{
    ExpectPositionals(ParseOptions(std::span<const std::string>(args).subspan(1), {}), {});
    args.front() == "--version" ? PrintVersion(out) : PrintUsage(out);
    return 0;
}

std::string UnknownCommand(const std::string& name)
{
    std::vector<std::string_view> names;
    for (const Command& command : kCommands)
        names.push_back(command.name);
    const std::string nearest = NearestName(name, names);
    return "unknown command " + name + (nearest.empty() ? "" : "; did you mean " + nearest + "?");
}

int Dispatch(const std::vector<std::string>& args, CliContext& context)
{
    if (args.empty())
        throw UsageError("no command given");
    const std::string& name = args.front();
    const std::span<const std::string> rest(args.begin() + 1, args.end());
    if (AsksForHelpOrVersion(args))
        return HelpOrVersion(args, context.out);
    for (const Command& command : kCommands) {
        if (command.name == name)
            return command.run(rest, context);
    }
    throw UsageError(UnknownCommand(name));
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

// The error and where help is, not the whole help: the error would scroll out of sight.
int ReportUsageError(const UsageError& error, std::ostream& err)
{
    err << "pelmora-cli: " << error.what() << "\nRun 'pelmora-cli --help' for the commands and their options.\n";
    return 2;
}

std::optional<int> RunWithoutServices(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (!AsksForHelpOrVersion(args))
        return std::nullopt;
    try {
        return HelpOrVersion(args, out);
    } catch (const UsageError& error) {
        return ReportUsageError(error, err);
    }
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, AppServices& services,
           XmlWriterPort& xml)
{
    CliContext context{services, xml, out, err};
    // A command killed midway is finished or taken back before this one reads anything.
    if (!args.empty() && !AsksForHelpOrVersion(args)) {
        if (const std::optional<LeftCommandOutcome> left = SettleLeftCommandWhenFree(services))
            err << "pelmora-cli: " << left->message << '\n';
    }
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

#include "RunCli.h"

#include "CliArgs.h"
#include "CommandTable.h"
#include "NearestName.h"
#include "Usage.h"
#include "oem/LeftCommand.h"

#include <cstddef>
#include <exception>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace pelmora::cli {

namespace {

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// A command's own help: its name, then --help alone.
const CliCommand* CommandHelpAskedFor(const std::vector<std::string>& args)
{
    return args.size() == 2 && IsHelp(args[1]) ? FindCommand(args[0]) : nullptr;
}

bool AsksForHelpOrVersion(const std::vector<std::string>& args)
{
    return !args.empty() && (IsHelp(args.front()) || args.front() == "--version" || CommandHelpAskedFor(args));
}

int HelpOrVersion(const std::vector<std::string>& args, std::ostream& out)
{
    if (const CliCommand* command = CommandHelpAskedFor(args)) {
        PrintCommandHelp(out, *command);
        return 0;
    }
    ExpectPositionals(ParseOptions(std::span<const std::string>(args).subspan(1), {}), {});
    args.front() == "--version" ? PrintVersion(out) : PrintUsage(out);
    return 0;
}

std::string UnknownCommand(const std::string& name)
{
    std::vector<std::string_view> names;
    for (const CliCommand& command : CliCommands())
        names.push_back(command.name);
    const std::string nearest = NearestName(name, names);
    return "unknown command " + name + (nearest.empty() ? "" : "; did you mean " + nearest + "?");
}

int Dispatch(const std::vector<std::string>& args, CliContext& context)
{
    if (args.empty())
        throw UsageError("no command given");
    if (AsksForHelpOrVersion(args))
        return HelpOrVersion(args, context.out);
    const CliCommand* command = FindCommand(args.front());
    if (command == nullptr)
        throw UsageError(UnknownCommand(args.front()));
    return RunCommand(*command, std::span<const std::string>(args).subspan(1), context);
}

// --NAME VALUE or --NAME=VALUE of a global option at args[at], its value and the words it takes;
// none when args[at] is not one.
std::optional<std::pair<const GlobalOption*, std::string>> GlobalAt(const std::vector<std::string>& args,
                                                                    std::size_t& at)
{
    const std::string& arg = args[at];
    if (arg.rfind("--", 0) != 0)
        return std::nullopt;
    const std::size_t equals = arg.find('=');
    const GlobalOption* option = FindGlobalOption(std::string_view(arg).substr(2, equals - 2));
    if (option == nullptr)
        return std::nullopt;
    const std::string dashed = "--" + std::string(option->name);
    if (equals != std::string::npos) {
        at += 1;
        return std::pair{option, arg.substr(equals + 1)};
    }
    if (at + 1 >= args.size())
        throw UsageError(dashed + " needs a value");
    at += 2;
    return std::pair{option, args[at - 1]};
}

}  // namespace

ParsedArgs TakeGlobalOptions(std::vector<std::string>& args)
{
    ParsedArgs taken;
    std::size_t at = 0;
    while (at < args.size()) {
        const auto option = GlobalAt(args, at);
        if (!option)
            break;
        const auto& [global, value] = *option;
        if (value.empty())
            throw UsageError("--" + std::string(global->name) + " needs a " + std::string(global->valueKind));
        // Twice would leave it open which one counts (which installation is branded): Add refuses it.
        taken.Add(global->name, value);
    }
    args.erase(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(at));
    return taken;
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

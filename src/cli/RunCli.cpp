#include "RunCli.h"

#include "CliArgs.h"
#include "Commands.h"
#include "Usage.h"

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
    {"apply-logo", ApplyLogoCommand},
    {"remove-logo", RemoveLogoCommand},
    {"reg", RegCommand},
    {"export-unattend", ExportUnattendCommand},
    {"export-reg", ExportRegCommand},
    {"restore-factory", RestoreFactoryCommand},
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

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, AppServices& services,
           XmlWriterPort& xml)
{
    CliContext context{services, xml, out, err};
    try {
        return Dispatch(args, context);
    } catch (const UsageError& error) {
        err << "pelmora-cli: " << error.what() << "\n\n";
        PrintUsage(err);
        return 2;
    } catch (const std::exception& error) {
        err << "pelmora-cli: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace pelmora::cli

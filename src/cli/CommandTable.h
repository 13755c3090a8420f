#pragma once

#include "CliArgs.h"
#include "Commands.h"

#include <span>
#include <string>
#include <string_view>

namespace pelmora::cli {

using CommandFunction = int (*)(std::span<const std::string> args, CliContext& context);

// The help's groups of commands, in the order it prints them.
enum class CommandSection { Windows, Deployment, Profiles };

// One command of pelmora-cli: the dispatch, the help, the hints for a mistyped name and the
// options the command parses all come from its row.
struct CliCommand {
    std::string_view name;
    // What follows the name in the help's usage lines, before the options; a line per form.
    std::string_view arguments;
    std::span<const OptionSpec> options;
    CommandSection section;
    // Its text in the help, wrapped: the lines after the first are indented under the first.
    std::string_view summary;
    CommandFunction run;
};

// An option that stands before the command and chooses what the services are built on.
struct GlobalOption {
    std::string_view name;       // without the leading "--"
    std::string_view valueName;  // how the help names its value
    std::string_view valueKind;  // what an empty value lacks: "--NAME needs a <kind>"
    std::string_view text;       // its paragraph in the help
};

std::span<const CliCommand> CliCommands();
std::span<const GlobalOption> GlobalOptions();

// The row of `name`, or null when there is no such command.
const CliCommand* FindCommand(std::string_view name);
const GlobalOption* FindGlobalOption(std::string_view name);

// Runs `command` with the options of its row; the way every command is run, so that it parses
// with what its row declares.
int RunCommand(const CliCommand& command, std::span<const std::string> args, CliContext& context);

}  // namespace pelmora::cli

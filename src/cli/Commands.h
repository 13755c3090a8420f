#pragma once

#include "CliArgs.h"
#include "oem/AppServices.h"
#include "platform/XmlWriterPort.h"

#include <ostream>
#include <span>
#include <string>

namespace pelmora::cli {

struct CliContext {
    AppServices& services;
    XmlWriterPort& xml;  // the platform's XML writer, for the answer file
    std::ostream& out;
    std::ostream& err;
    std::span<const OptionSpec> options = {};  // the running command's, from its row of the command table
};

// One function per command, each a row of the command table (CommandTable.cpp), run through
// RunCommand so that `context.options` are its row's; `args` follow the command's name. Each
// returns the exit status and throws UsageError when the arguments do not fit.
int ShowCommand(std::span<const std::string> args, CliContext& context);
int ApplyOemCommand(std::span<const std::string> args, CliContext& context);
int RemoveOemCommand(std::span<const std::string> args, CliContext& context);
int ApplySupportCommand(std::span<const std::string> args, CliContext& context);
int ApplyWindowsCommand(std::span<const std::string> args, CliContext& context);
int ApplyLogoCommand(std::span<const std::string> args, CliContext& context);
int RemoveLogoCommand(std::span<const std::string> args, CliContext& context);
int RegCommand(std::span<const std::string> args, CliContext& context);
int ExportUnattendCommand(std::span<const std::string> args, CliContext& context);
int ExportRegCommand(std::span<const std::string> args, CliContext& context);
int RestoreFactoryCommand(std::span<const std::string> args, CliContext& context);
int ApplyProfileCommand(std::span<const std::string> args, CliContext& context);
int CheckProfileCommand(std::span<const std::string> args, CliContext& context);
int ExportProfileCommand(std::span<const std::string> args, CliContext& context);
int KeepAfterUpdatesCommand(std::span<const std::string> args, CliContext& context);

// show --json: show's facts as one JSON object.
int ShowJson(CliContext& context);

}  // namespace pelmora::cli

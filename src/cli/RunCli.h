#pragma once

#include "CliArgs.h"
#include "oem/AppServices.h"
#include "platform/XmlWriterPort.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pelmora::cli {

// Runs one command line (without the program's name) on the given store, files and pictures, with
// the platform's XML writer for the answer file. Returns the exit status: 0 done, 1 refused or
// failed, 2 usage error.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, AppServices& services,
           XmlWriterPort& xml);

// The options in front of the command that choose what the services are built on (the table's
// global options, such as --windows-dir DIR or --windows-dir=DIR), taken off `args`. Throws
// UsageError when one is malformed or given twice.
ParsedArgs TakeGlobalOptions(std::vector<std::string>& args);

// Prints a usage error as RunCli does and gives its exit status.
int ReportUsageError(const UsageError& error, std::ostream& err);

// --help and --version, answered before any service is built so they create nothing (building
// them makes the default Windows folder); none for every other command line.
std::optional<int> RunWithoutServices(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pelmora::cli

#pragma once

#include <ostream>

namespace pelmora::cli {

struct CliCommand;

// The help: every command of the table, its forms and what it does.
void PrintUsage(std::ostream& out);
// One command's forms and text, as the help shows them.
void PrintCommandHelp(std::ostream& out, const CliCommand& command);
void PrintVersion(std::ostream& out);

}  // namespace pelmora::cli

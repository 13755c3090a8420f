#include "platform/LocalProcesses.h"

namespace pelmora {

namespace {

std::string QuoteArgument(const std::string& argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos)
        return argument;
    // Backslashes are literal unless they precede a quote: then each is doubled, and the quote
    // escaped. Those before the closing quote are doubled too.
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

}  // namespace

std::string JoinWindowsCommandLine(const std::string& program, const std::vector<std::string>& arguments)
{
    // The program name is split on quotes alone: no escapes there.
    std::string line = program.find_first_of(" \t") == std::string::npos ? program : "\"" + program + "\"";
    for (const std::string& argument : arguments) {
        line += ' ';
        line += QuoteArgument(argument);
    }
    return line;
}

}  // namespace pelmora

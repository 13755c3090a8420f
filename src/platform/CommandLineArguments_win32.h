#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The program's arguments as UTF-8, the program's name first: read as UTF-16
// (GetCommandLineW), so characters outside the ANSI code page arrive whole.
std::vector<std::string> CommandLineArguments();

// A wide command line split by the system's rules (CommandLineToArgvW), as UTF-8.
std::vector<std::string> SplitCommandLine(std::wstring_view commandLine);

}  // namespace pelmora

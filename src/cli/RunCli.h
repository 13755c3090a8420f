#pragma once

#include "oem/AppServices.h"
#include "platform/XmlWriterPort.h"

#include <ostream>
#include <string>
#include <vector>

namespace pelmora::cli {

// Runs one command line (without the program's name) on the given store, files and pictures, with
// the platform's XML writer for the answer file. Returns the exit status: 0 done, 1 refused or
// failed, 2 usage error.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, AppServices& services,
           XmlWriterPort& xml);

}  // namespace pelmora::cli

#pragma once

#include "RegArgs.h"
#include "registry/RegistryApi.h"

#include <ostream>

namespace pelmora::cli {

// Runs `reg query|add|delete` on the store; returns the exit status (0 done, 1 failed).
int RunReg(const RegRequest& request, RegistryApi& api, std::ostream& out, std::ostream& err);

}  // namespace pelmora::cli

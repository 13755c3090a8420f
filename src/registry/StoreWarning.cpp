#include "registry/StoreWarning.h"

#include "platform/ProgramName.h"

#include <atomic>
#include <cstdio>

namespace pelmora {

namespace {

std::atomic<bool> g_Quiet{false};

}  // namespace

void WarnOnce(bool& warned, const std::string& why)
{
    if (warned || g_Quiet)
        return;
    warned = true;
    std::fprintf(stderr, "%s: warning: %s\n", RunningExecutableName("pelmora").c_str(), why.c_str());
}

void QuietStoreWarnings() { g_Quiet = true; }

}  // namespace pelmora

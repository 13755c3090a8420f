#pragma once

#include <string>

namespace pelmora {

// Qt keeps per-session files in $XDG_RUNTIME_DIR; without one (a root shell, a service, a bare
// container) it makes a folder of its own and warns on every start. Called before Qt starts, this
// gives it a private one when none is given: <temp folder>/pelmora-runtime-<uid>, made with mode
// 0700, used only when it is a real folder of this user that nobody else may enter (its mode is
// put right when it is the user's own). Returns the folder it set; empty when the environment
// already names one, on Windows, or when none could be made safely (Qt then does as before).
std::string ProvideRuntimeFolder();

}  // namespace pelmora

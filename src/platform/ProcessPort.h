#pragma once

#include <string>
#include <vector>

namespace pelmora {

class ProcessPort {
public:
    virtual ~ProcessPort() = default;

    // Starts a program without a shell and without waiting. `showStyle` is the platform's
    // show-window style (5: shown and activated). False when it could not be started.
    virtual bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                               int showStyle) = 0;
};

}  // namespace pelmora

#pragma once

#include <string>
#include <vector>

namespace pelmora {

struct ProgramCommand {
    std::string program;
    std::vector<std::string> arguments;
};

class ProcessPort {
public:
    virtual ~ProcessPort() = default;

    // Starts a program without a shell and without waiting. `showStyle` is the platform's
    // show-window style (5: shown and activated). False when it could not be started.
    virtual bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                               int showStyle) = 0;

    // What View starts to show System Properties for the Windows directory `windowsDir`.
    virtual ProgramCommand SystemPropertiesCommand(const std::string& windowsDir) const = 0;
};

}  // namespace pelmora

#pragma once

#include "platform/ProcessPort.h"

#include <string>
#include <vector>

namespace pelmora::testing {

struct StartedProcess {
    std::string program;
    std::vector<std::string> arguments;
    int showStyle = 0;

    bool operator==(const StartedProcess&) const = default;
};

class FakeProcesses : public ProcessPort {
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments, int showStyle) override
    {
        started.push_back({program, arguments, showStyle});
        return startSucceeds;
    }
    ProgramCommand SystemPropertiesCommand(const std::string& windowsDir) const override
    {
        return {"sysprops", {"--windows-dir", windowsDir}};
    }

    bool startSucceeds = true;
    std::vector<StartedProcess> started;
};

}  // namespace pelmora::testing

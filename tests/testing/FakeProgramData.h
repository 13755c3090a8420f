#pragma once

#include "platform/ProgramData.h"

#include <string>

namespace pelmora::testing {

// One ProgramData folder for every installation, so a test never keeps a factory backup in the
// machine's own.
class FakeProgramData : public ProgramDataSource {
public:
    explicit FakeProgramData(std::string folder) : m_Folder(std::move(folder)) {}

    std::string ProgramDataDir(const std::string&) override { return m_Folder; }

private:
    std::string m_Folder;
};

}  // namespace pelmora::testing

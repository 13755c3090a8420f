#pragma once

#include "oem/AppServices.h"
#include "platform/LocalFiles.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/QtXmlWriter.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeProgramData.h"
#include "testing/FakeWindowsDirectory.h"
#include "testing/ScratchRegistry.h"
#include "testing/TempDir.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace pelmora::cli::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The System folder under the temporary Windows directory; Current adds System32, as a Windows
// that reads the OEMInformation key has.
enum class SystemFolder { Present, Current, Missing, IsFile, NoWindowsDirectory };

// A scratch store and a temporary Windows directory, with the real file and picture backends.
class CliTestBed {
public:
    explicit CliTestBed(SystemFolder system = SystemFolder::Present);

    CliRun Run(const std::vector<std::string>& args);
    // `show` as a map; fails the test when show itself fails.
    std::map<std::string, std::string> Show();

    std::string WindowsDir() const;
    std::string LogoPath() const;
    std::string InfoPath() const;
    std::string File(const std::string& name) const { return m_Temp.File(name); }
    std::string MirrorLogoPath() const;  // <WindowsDir>/System32/oemlogo.bmp
    RegistryApi& Registry() { return *m_Registry; }

    static std::string ReadBytes(const std::string& path);

private:
    pelmora::testing::TempDir m_Temp;
    std::unique_ptr<RegistryApi> m_Registry;
    LocalFiles m_Files;
    QtPictures m_Pictures;
    pelmora::testing::FakeWindowsDirectory m_WindowsDirectory;
    pelmora::testing::FakeProcesses m_Processes;
    pelmora::testing::FakeProgramData m_ProgramData;
    AppServices m_Services;
    QtXmlWriter m_Xml;
};

}  // namespace pelmora::cli::testing

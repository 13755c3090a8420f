#pragma once

#include "oem/AppServices.h"
#include "platform/LocalFiles.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/QtXmlWriter.h"
#include "testing/FakeFaultyFiles.h"
#include "testing/FakeFaultyRegistry.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeProgramData.h"
#include "testing/FakeWindowsDirectory.h"
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

// A scratch store and a temporary Windows directory, with the real file and picture backends and
// the real command lock; the store is reached through a FaultyRegistry, so a test can act between
// a command's reads and writes.
class CliTestBed {
public:
    explicit CliTestBed(SystemFolder system = SystemFolder::Present);
    // Another program on the machine of `machine`: its own connection to the same store, the same
    // Windows directory and command lock.
    struct AnotherProgram {};
    CliTestBed(const CliTestBed& machine, AnotherProgram);

    CliRun Run(const std::vector<std::string>& args);
    // `show` as a map; fails the test when show itself fails.
    std::map<std::string, std::string> Show();

    pelmora::testing::FaultyRegistry& Registry() { return m_Faulty; }
    pelmora::testing::FaultyFiles& Files() { return m_FaultyFiles; }

    std::string WindowsDir() const;
    std::string LogoPath() const;
    std::string InfoPath() const;
    std::string File(const std::string& name) const { return m_Temp->File(name); }
    std::string MirrorLogoPath() const;  // <WindowsDir>/System32/oemlogo.bmp
    const std::string& CommandLockName() const { return m_LockName; }

    static std::string ReadBytes(const std::string& path);

private:
    std::shared_ptr<const pelmora::testing::TempDir> m_Temp;  // shared by the programs of one machine
    std::shared_ptr<RegistryApi> m_Machine;                    // the scratch store, gone with the last program
    std::unique_ptr<RegistryApi> m_Connection;                 // another program's own, or none
    pelmora::testing::FaultyRegistry m_Faulty;
    LocalFiles m_Files;
    pelmora::testing::FaultyFiles m_FaultyFiles{m_Files};
    QtPictures m_Pictures;
    std::string m_WindowsDirPath;
    pelmora::testing::FakeWindowsDirectory m_WindowsDirectory;
    pelmora::testing::FakeProcesses m_Processes;
    pelmora::testing::FakeProgramData m_ProgramData;
    std::string m_LockName;
    NamedLock m_CommandLock;
    AppServices m_Services;
    QtXmlWriter m_Xml;
};

}  // namespace pelmora::cli::testing

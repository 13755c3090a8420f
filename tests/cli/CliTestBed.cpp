#include "CliTestBed.h"

#include "RunCli.h"
#include "oem/OemFileLocations.h"
#include "testing/ScratchLock.h"
#include "testing/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pelmora::cli::testing {

namespace {

std::string WindowsDirFor(const pelmora::testing::TempDir& temp, SystemFolder system)
{
    if (system == SystemFolder::NoWindowsDirectory)
        return {};
    const std::filesystem::path windows = temp.Path() / "Windows";
    std::filesystem::create_directory(windows);
    if (system == SystemFolder::Present || system == SystemFolder::Current)
        std::filesystem::create_directory(windows / "System");
    if (system == SystemFolder::Current)
        std::filesystem::create_directory(windows / "System32");
    if (system == SystemFolder::IsFile)
        std::ofstream(windows / "System") << "not a folder";
    return windows.string();
}

}  // namespace

CliTestBed::CliTestBed(SystemFolder system)
    : m_Temp(std::make_shared<pelmora::testing::TempDir>()),
      m_Machine(pelmora::testing::MakeScratchRegistry()),
      m_Faulty(*m_Machine),
      m_WindowsDirPath(WindowsDirFor(*m_Temp, system)),
      m_WindowsDirectory(m_WindowsDirPath),
      m_ProgramData(m_Temp->File("ProgramData")),
      m_LockName(pelmora::testing::ScratchLockName(*m_Temp)),
      m_CommandLock(m_LockName, pelmora::testing::kScratchLockWait),
      m_Services{m_Faulty, m_FaultyFiles, m_Pictures, m_WindowsDirectory, m_Processes, m_ProgramData, "pelmora-cli",
                 m_CommandLock}
{
}

CliTestBed::CliTestBed(const CliTestBed& machine, AnotherProgram)
    : m_Temp(machine.m_Temp),
      m_Machine(machine.m_Machine),
      m_Connection(pelmora::testing::OpenScratchRegistryAgain(*m_Machine)),
      m_Faulty(*m_Connection),
      m_WindowsDirPath(machine.m_WindowsDirPath),
      m_WindowsDirectory(m_WindowsDirPath),
      m_ProgramData(m_Temp->File("ProgramData")),
      m_LockName(machine.m_LockName),
      m_CommandLock(m_LockName, pelmora::testing::kScratchLockWait),
      m_Services{m_Faulty, m_FaultyFiles, m_Pictures, m_WindowsDirectory, m_Processes, m_ProgramData, "pelmora-cli",
                 m_CommandLock}
{
}

CliRun CliTestBed::Run(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = RunCli(args, out, err, m_Services, m_Xml);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::map<std::string, std::string> CliTestBed::Show()
{
    const CliRun run = Run({"show"});
    EXPECT_EQ(run.status, 0) << run.err;
    std::map<std::string, std::string> values;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        const auto equals = line.find('=');
        values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

std::string CliTestBed::WindowsDir() const { return (m_Temp->Path() / "Windows").string(); }

std::string CliTestBed::LogoPath() const { return OemFileLocations::From(WindowsDir()).LogoPath; }

std::string CliTestBed::InfoPath() const { return OemFileLocations::From(WindowsDir()).InfoPath; }

std::string CliTestBed::MirrorLogoPath() const
{
    return (m_Temp->Path() / "Windows" / "System32" / "oemlogo.bmp").string();
}

std::string CliTestBed::ReadBytes(const std::string& path) { return pelmora::testing::ReadBytes(path); }

}  // namespace pelmora::cli::testing

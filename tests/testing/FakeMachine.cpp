#include "testing/FakeMachine.h"

#include "oem/OemFileLocations.h"
#include "platform/FolderEntries.h"
#include "registry/RegString.h"
#include "testing/ScratchLock.h"
#include "testing/ScratchRegistry.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace pelmora::testing {

namespace {

std::string PrepareWindowsDir(const TempDir& temp, FakeMachine::WindowsDir windowsDir)
{
    if (windowsDir == FakeMachine::WindowsDir::Missing)
        return "";
    const std::string path = temp.File("Windows");
    std::filesystem::create_directories(std::filesystem::path(path) / "System");
    if (windowsDir == FakeMachine::WindowsDir::Present)
        std::filesystem::create_directories(std::filesystem::path(path) / "System32");
    return path;
}

}  // namespace

FakeMachine::FakeMachine(WindowsDir windowsDir)
    : realRegistry(MakeScratchRegistry()),
      registry(*realRegistry),
      files(realFiles),
      windowsDirectory(PrepareWindowsDir(temp, windowsDir)),
      programData(temp.File("ProgramData")),
      commandLock(ScratchLockName(temp), kScratchLockWait),
      services{registry, files, pictures, windowsDirectory, processes, programData, "pelmora", commandLock},
      m_WindowsDir(windowsDir == WindowsDir::Missing ? "" : temp.File("Windows"))
{
}

std::string FakeMachine::SystemFile(const char* name) const { return OemPath(m_WindowsDir, name); }

std::string FakeMachine::MirrorLogoPath() const
{
    return JoinPath(JoinPath(temp.File("Windows"), "System32"), "oemlogo.bmp");
}

std::string FakeMachine::FactoryBackupDir() const
{
    return JoinPath(JoinPath(temp.File("ProgramData"), "Pelmora"), "factory-branding");
}

std::string FakeMachine::PictureFile(const std::string& name, int width, int height) const
{
    const std::string path = temp.File(name);
    PutFile(path, FakePictures::FileBytes(width, height));
    return path;
}

void FakeMachine::PutFile(const std::string& path, const std::string& bytes) const
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::optional<std::string> FakeMachine::FileBytes(const std::string& path) const
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string FakeMachine::Reg(const char* key, const char* name)
{
    return ReadRegString(*realRegistry, RegRoot::LocalMachine, key, name, "");
}

void FakeMachine::SetReg(const char* key, const char* name, const std::string& text)
{
    WriteRegString(*realRegistry, RegRoot::LocalMachine, key, name, text);
}

bool FakeMachine::DropsAbandonedValues()
{
    const char* key = "Software\\PelmoraAbandonProbe";
    realRegistry->BeginChanges();
    WriteRegString(*realRegistry, RegRoot::CurrentUser, key, "probe", "written");
    realRegistry->AbandonChanges();
    const bool dropped = ReadRegString(*realRegistry, RegRoot::CurrentUser, key, "probe", "").empty();
    realRegistry->DeleteTree(RegRoot::CurrentUser, key);
    return dropped;
}

std::optional<std::string> FakeMachine::OemInformation(const char* name)
{
    const char* key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation";
    RegKey opened = 0;
    if (realRegistry->OpenKey(RegRoot::LocalMachine, key, opened) != kRegSuccess)
        return std::nullopt;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    const long found = realRegistry->QueryValue(opened, name, &type, nullptr, &size);
    realRegistry->CloseKey(opened);
    if (found != kRegSuccess)
        return std::nullopt;
    return ReadRegString(*realRegistry, RegRoot::LocalMachine, key, name, "");
}

}  // namespace pelmora::testing

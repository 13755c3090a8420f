#include "testing/FakeMachine.h"

#include "oem/OemFileLocations.h"
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
    return path;
}

}  // namespace

FakeMachine::FakeMachine(WindowsDir windowsDir)
    : realRegistry(MakeScratchRegistry()),
      registry(*realRegistry),
      files(realFiles),
      windowsDirectory(PrepareWindowsDir(temp, windowsDir)),
      commandLock(ScratchLockName(temp), kScratchLockWait),
      services{registry, files, pictures, windowsDirectory, processes, "pelmora", commandLock},
      m_WindowsDir(windowsDir == WindowsDir::Present ? temp.File("Windows") : "")
{
}

std::string FakeMachine::SystemFile(const char* name) const { return OemPath(m_WindowsDir, name); }

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

}  // namespace pelmora::testing

#include "wiring/SystemServices.h"

#include "platform/SystemWindowsDirectory.h"
#include "registry/SystemRegistry.h"
#ifndef _WIN32
#include "platform/ContainedFiles.h"
#include "wiring/WindowsImageCheck.h"
#endif

#include <filesystem>
#include <system_error>

namespace pelmora {

namespace {

// Long enough for another command's writes, short enough for a window that waits on it.
constexpr std::chrono::milliseconds kCommandLockWait{5000};

std::unique_ptr<WindowsDirectorySource> ChosenWindowsDirectory(const std::optional<std::string>& windowsDir,
                                                               const std::string& wimImage)
{
    if (windowsDir)
        return std::make_unique<FixedWindowsDirectory>(*windowsDir, wimImage);
    return MakeSystemWindowsDirectory();
}

// A Windows directory given on the command line is an image: its files are kept within it.
std::unique_ptr<FilePort> ImageFiles(FilePort& files, const std::optional<std::string>& windowsDir)
{
#ifdef _WIN32
    static_cast<void>(files);
    static_cast<void>(windowsDir);
    return nullptr;
#else
    if (!windowsDir)
        return nullptr;
    return std::make_unique<ContainedFiles>(files, ImageRootOf(*windowsDir));
#endif
}

}  // namespace

SystemServices::SystemServices(std::string executableName, std::unique_ptr<PicturePort> pictures,
                               const std::optional<std::string>& windowsDir, const std::string& wimImage)
    : m_WindowsDirectory(ChosenWindowsDirectory(windowsDir, wimImage)),
      m_Registry(MakeSystemRegistry(FindWindowsDir(*m_WindowsDirectory),
                                    wimImage.empty() ? HiveWrites::Renamed : HiveWrites::InPlace)),
      m_Pictures(std::move(pictures)),
      m_Files(wimImage.empty() ? LocalFiles::Temporaries::Unnamed : LocalFiles::Temporaries::None),
      m_ImageFiles(ImageFiles(m_Files, windowsDir)),
      m_NotedFiles(m_ImageFiles && !wimImage.empty() ? std::make_unique<NotedFiles>(*m_ImageFiles) : nullptr),
      m_CommandLock(CommandLockName(), kCommandLockWait),
      m_Services{*m_Registry, FilesInUse(), *m_Pictures, *m_WindowsDirectory, m_Processes, m_ProgramData,
                 std::move(executableName), m_CommandLock}
{
}

FilePort& SystemServices::FilesInUse()
{
    if (m_NotedFiles)
        return *m_NotedFiles;
    return m_ImageFiles ? *m_ImageFiles : m_Files;
}

std::string CheckWindowsDirOption(const std::string& windowsDir)
{
#ifdef _WIN32
    static_cast<void>(windowsDir);
    return "--windows-dir is taken off Windows only; here the Windows directory is the system's own";
#else
    if (windowsDir.empty())
        return "--windows-dir needs a folder";
    std::error_code error;
    if (!std::filesystem::is_directory(windowsDir, error))
        return "--windows-dir " + windowsDir + " is not a folder";
    return WindowsImageProblem(windowsDir);
#endif
}

}  // namespace pelmora

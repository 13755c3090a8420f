#pragma once

#include "oem/AppServices.h"
#include "platform/LocalFiles.h"
#include "platform/LocalProcesses.h"
#include "wiring/NotedFiles.h"

#include <memory>
#include <optional>
#include <string>

namespace pelmora {

// The real platform a program runs on: the system registry, local files, the Windows directory
// and processes, with the pictures of the program's toolkit, owned together so each program
// builds them in one line. A Windows directory given on the command line replaces the platform's;
// the registry is the one of the Windows directory used (see MakeSystemRegistry).
class SystemServices {
public:
    // `wimImage` names the WIM image mounted at `windowsDir` ("FILE:INDEX"), if it is one: its
    // commit makes a command whole, so its files and hive are rewritten where they are and keep
    // their security descriptors.
    SystemServices(std::string executableName, std::unique_ptr<PicturePort> pictures,
                   const std::optional<std::string>& windowsDir = std::nullopt, const std::string& wimImage = {});

    AppServices& Services() { return m_Services; }
    // Whether a file of the WIM image was written or deleted.
    bool ImageFilesChanged() const { return m_NotedFiles && m_NotedFiles->Changed(); }

private:
    FilePort& FilesInUse();

    std::unique_ptr<WindowsDirectorySource> m_WindowsDirectory;
    std::unique_ptr<RegistryApi> m_Registry;
    std::unique_ptr<PicturePort> m_Pictures;
    LocalFiles m_Files;
    std::unique_ptr<FilePort> m_ImageFiles;  // m_Files kept within the image given, if one is
    std::unique_ptr<NotedFiles> m_NotedFiles;  // m_ImageFiles, for a WIM image
    LocalProcesses m_Processes;
    SystemProgramData m_ProgramData;
    NamedLock m_CommandLock;
    AppServices m_Services;
};

// What is wrong with a Windows directory given on the command line (--windows-dir), for the
// message; empty when it can be used. It must be an existing folder that is a Windows directory
// (see WindowsImageProblem), and is taken off Windows only: there the system's own Windows folder
// and registry belong together.
std::string CheckWindowsDirOption(const std::string& windowsDir);

}  // namespace pelmora

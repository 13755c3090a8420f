#pragma once

#include "oem/AppServices.h"
#include "platform/LocalFiles.h"
#include "testing/FakeFaultyFiles.h"
#include "testing/FakeFaultyRegistry.h"
#include "testing/FakePictures.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeProgramData.h"
#include "testing/FakeWindowsDirectory.h"
#include "testing/TempDir.h"

#include <memory>
#include <optional>
#include <string>

namespace pelmora::testing {

// The platform as the presenters meet it in tests: a scratch registry and real files in a
// temporary folder (its "Windows" folder holds System, and System32 for a current Windows; its
// "ProgramData" folder beside it takes the factory backup), with fakes only for the pictures and
// processes and the fault injectors in front of the stores. A new presenter on the same machine
// is a restart of the program.
class FakeMachine {
public:
    enum class WindowsDir { Present, LegacyOnly, Missing };
    explicit FakeMachine(WindowsDir windowsDir = WindowsDir::Present);

    const std::string& WindowsDirectory() const { return m_WindowsDir; }
    std::string SystemFile(const char* name) const;  // <WindowsDir>/System/<name>
    std::string LogoPath() const { return SystemFile("oemlogo.bmp"); }
    std::string InfoPath() const { return SystemFile("oeminfo.ini"); }
    std::string MirrorLogoPath() const;    // <WindowsDir>/System32/oemlogo.bmp
    std::string FactoryBackupDir() const;  // <ProgramData>/Pelmora/factory-branding

    // A picture file of the given size outside the Windows folder; returns its path.
    std::string PictureFile(const std::string& name, int width, int height) const;
    void PutFile(const std::string& path, const std::string& bytes) const;
    std::optional<std::string> FileBytes(const std::string& path) const;

    std::string Reg(const char* key, const char* name);  // HKLM
    void SetReg(const char* key, const char* name, const std::string& text);
    // A value of the OEMInformation key: its text, none when it does not exist.
    std::optional<std::string> OemInformation(const char* name);
    // Whether the store drops an abandoned group of changes: every store but the Windows registry
    // without kernel transactions (Wine), where each change is committed on its own.
    bool DropsAbandonedValues();
    // What a value holds after a failed command that had stored `written` over `before`.
    std::string AfterFailure(const std::string& before, const std::string& written)
    {
        return DropsAbandonedValues() ? before : written;
    }

    TempDir temp;
    std::unique_ptr<RegistryApi> realRegistry;
    FaultyRegistry registry;
    LocalFiles realFiles;
    FaultyFiles files;
    FakePictures pictures;
    FakeWindowsDirectory windowsDirectory;
    FakeProcesses processes;
    FakeProgramData programData;
    NamedLock commandLock;
    AppServices services;

private:
    std::string m_WindowsDir;
};

}  // namespace pelmora::testing

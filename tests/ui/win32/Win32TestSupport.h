#pragma once

// The whole Windows program in a test: a scratch registry, a Windows directory in a temporary
// folder, the real files and pictures, the real windows (under Wine on a virtual display), and
// the dialog port replaced where a box would wait for a person.
#include "Win32DesignedWindow.h"
#include "Win32AppShell.h"
#include "Win32MessageLoop.h"
#include "platform/LocalFiles.h"
#include "platform/WicPictures_win32.h"
#include "registry/RegString.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeProgramData.h"
#include "testing/FakeWindowsDirectory.h"
#include "testing/ScratchLock.h"
#include "testing/ScratchRegistry.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace pelmora::win32::testing {

// Runs the thread's messages for a while the way the program's loop does.
void Pump(int milliseconds = 30);

// Sends a key press to `window` through the program's message loop, with Ctrl held when asked
// (the thread's key state says so while the message is handled).
void PressKey(HWND window, WORD key, bool control = false);

// A window's position and size in its parent's client area.
RECT PlaceInParent(HWND window);

// Every window's dialogs go to one recorder.
class ForwardingDialogs final : public DialogPort {
public:
    explicit ForwardingDialogs(DialogPort& target) : m_Target(target) {}
    void ShowMessage(const std::string& text, const std::string& title, MessageStyle style) override
    {
        m_Target.ShowMessage(text, title, style);
    }
    bool AskYesNo(const std::string& text, const std::string& title) override { return m_Target.AskYesNo(text, title); }
    std::string AskOpenFile(const OpenFileRequest& request) override { return m_Target.AskOpenFile(request); }

private:
    DialogPort& m_Target;
};

class Win32ProgramTest : public ::testing::Test {
protected:
    Win32ProgramTest();
    ~Win32ProgramTest() override;

    Win32AppShell& Shell();
    std::string SystemFile(const char* name) const { return (m_Dir.Path() / "System" / name).string(); }
    void Store(const std::string& key, const std::string& name, const std::string& value);
    std::string Stored(const std::string& key, const std::string& name);

    std::unique_ptr<RegistryApi> m_Registry;
    pelmora::testing::TempDir m_Dir;
    std::string m_WindowsDir;
    pelmora::testing::FakeWindowsDirectory m_WindowsDirectory;
    LocalFiles m_Files;
    WicPictures m_Pictures;
    pelmora::testing::FakeProcesses m_Processes;
    pelmora::testing::FakeProgramData m_ProgramData;
    NamedLock m_CommandLock;
    AppServices m_Services;
    pelmora::testing::FakeDialogs m_Dialogs;
    std::unique_ptr<Win32AppShell> m_Shell;
    int m_Ended = 0;
};

}  // namespace pelmora::win32::testing

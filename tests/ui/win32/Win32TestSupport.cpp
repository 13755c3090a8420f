#include "Win32TestSupport.h"

#include <chrono>

namespace pelmora::win32::testing {

void Pump(int milliseconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (PreTranslateDesignedWindowMessage(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(2);
    } while (std::chrono::steady_clock::now() < end);
}

void PressKey(HWND window, WORD key, bool control)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE before = keys[VK_CONTROL];
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageW(window, WM_KEYDOWN, key, 1);
    Pump();
    PostMessageW(window, WM_KEYUP, key, 1u | 0xC0000000u);
    Pump();
    keys[VK_CONTROL] = before;
    SetKeyboardState(keys);
}

RECT PlaceInParent(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

Win32ProgramTest::Win32ProgramTest()
    : m_Registry(pelmora::testing::MakeScratchRegistry()),
      m_WindowsDir(m_Dir.Path().string()),
      m_WindowsDirectory(m_WindowsDir),
      m_ProgramData(m_Dir.File("ProgramData")),
      m_CommandLock(pelmora::testing::ScratchLockName(m_Dir), pelmora::testing::kScratchLockWait),
      m_Services{*m_Registry, m_Files, m_Pictures, m_WindowsDirectory, m_Processes, m_ProgramData, "pelmora",
                 m_CommandLock}
{
    std::filesystem::create_directory(m_Dir.Path() / "System");
}

Win32ProgramTest::~Win32ProgramTest()
{
    m_Shell.reset();
    Pump(0);
}

Win32AppShell& Win32ProgramTest::Shell()
{
    if (!m_Shell)
        m_Shell = std::make_unique<Win32AppShell>(
            m_Services, [this](DesignedWindow&) { return std::make_unique<ForwardingDialogs>(m_Dialogs); },
            [this] { ++m_Ended; });
    return *m_Shell;
}

void Win32ProgramTest::Store(const std::string& key, const std::string& name, const std::string& value)
{
    ASSERT_TRUE(WriteRegString(*m_Registry, RegRoot::LocalMachine, key, name, value));
}

std::string Win32ProgramTest::Stored(const std::string& key, const std::string& name)
{
    return ReadRegString(*m_Registry, RegRoot::LocalMachine, key, name, "");
}

}  // namespace pelmora::win32::testing

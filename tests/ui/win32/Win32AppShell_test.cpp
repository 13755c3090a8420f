// The program's windows driven with real messages: keys through the message loop, button
// clicks, texts set with WM_SETTEXT; what lands in the Windows folder and the registry is read
// back.
#include "Win32PictureBox.h"
#include "Win32TestSupport.h"
#include "platform/BmpWriter.h"
#include "branding/OemInformation.h"
#include "registry/RegistryPaths.h"

#include <filesystem>
#include <fstream>

namespace pelmora::win32::testing {
namespace {

using pelmora::testing::ReadBytes;
using pelmora::testing::ShownMessage;

void Click(DesignedWindow* window, const char* control)
{
    ASSERT_NE(window, nullptr);
    HWND button = window->Control(control);
    ASSERT_NE(button, nullptr) << control;
    SendMessageW(button, BM_CLICK, 0, 0);
    Pump();
}

void Type(DesignedWindow* window, const char* control, const wchar_t* text)
{
    SendMessageW(window->Control(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

TEST_F(Win32ProgramTest, StartUpFillsTheMainWindowAndShowsIt)
{
    Store(kCurrentVersionKey, "RegisteredOwner", "Hollis Brae");
    Store(kOemKey, "Manufacture", "Quillon Works");
    DesignedWindow* main = Shell().OpenMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(IsWindowVisible(main->Window()));
    EXPECT_EQ(main->Text("L11"), "Hollis Brae");
    EXPECT_EQ(main->Text("Text2"), "Quillon Works");
    EXPECT_EQ(main->Text("Text8"), "1");
    EXPECT_EQ(main->Text("La11"), m_WindowsDir);
}

TEST_F(Win32ProgramTest, MenuShortcutsReachTheCommandsFromATextBox)
{
    DesignedWindow* main = Shell().OpenMainWindow();
    HWND box = main->Control("Text2");

    PressKey(box, 'O', true);
    ASSERT_EQ(m_Dialogs.openFileRequests.size(), 1u) << "Ctrl+O opens the file dialog";
    EXPECT_EQ(m_Dialogs.openFileRequests[0].title, "Open Bitmap");
    EXPECT_EQ(m_Dialogs.openFileRequests[0].filter, "Bitmap Only|*.bmp");
    EXPECT_EQ(m_Dialogs.openFileRequests[0].flags, 4);

    PressKey(box, 'A', true);
    ASSERT_EQ(m_Dialogs.messages.size(), 1u) << "Ctrl+A applies the logo";
    EXPECT_EQ(m_Dialogs.messages[0],
              (ShownMessage{"Could not Complete your request.please select an logo to apply", "Pelmora",
                            MessageStyle::Stop}));

    PressKey(box, 'E', true);
    ASSERT_NE(Shell().Shown(ProgramWindow::SupportEditor), nullptr) << "Ctrl+E opens the editor";
    EXPECT_EQ(main->Text("Text2"), "") << "the text box took none of the keys";

    PressKey(box, 'Q', true);
    EXPECT_EQ(Shell().Shown(ProgramWindow::Main), nullptr) << "Ctrl+Q closes the main window";
    EXPECT_NE(Shell().Shown(ProgramWindow::SupportEditor), nullptr) << "and leaves the editor open";
    EXPECT_EQ(m_Ended, 0);
    Shell().Shown(ProgramWindow::SupportEditor)->Unload();
    EXPECT_EQ(m_Ended, 1) << "the program ends with its last window";
}

TEST_F(Win32ProgramTest, ApplyOemInformationThroughTheWindow)
{
    DesignedWindow* main = Shell().OpenMainWindow();
    Type(main, "Text2", L"Quillon Works");
    Type(main, "Text3", L"QW 7");
    Click(main, "CommandButton4");

    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Dialogs.messages[0].style, MessageStyle::Information);
    EXPECT_EQ(ReadBytes(SystemFile("oeminfo.ini")), "[GENERAL]\r\nMANUFACTURER=Quillon Works\r\nMODEL=QW 7\r\n\r\n");
    EXPECT_EQ(Stored(kOemKey, "Manufacture"), "Quillon Works");
    EXPECT_EQ(Stored(kOemKey, "Model"), "QW 7");
}

TEST_F(Win32ProgramTest, SelectAndInstallALogo)
{
    const std::string chosen = (m_Dir.Path() / "chosen logo.bmp").string();
    const std::vector<std::uint32_t> red(40 * 30, 0xFFFF0000);
    std::ofstream(chosen, std::ios::binary) << *WriteBmp(40, 30, red, BmpDepth::Rgb24);
    DesignedWindow* main = Shell().OpenMainWindow();

    m_Dialogs.AnswerOpenFile(chosen);
    Click(main, "CommandButton3");
    std::string upper = chosen;
    for (char& c : upper)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    EXPECT_EQ(main->Text("Text1"), upper);

    Click(main, "CommandButton1");
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Dialogs.messages[0].style, MessageStyle::Information);
    EXPECT_EQ(ReadBytes(SystemFile("oemlogo.bmp")), *WriteBmp(40, 30, red, BmpDepth::Rgb24));
    EXPECT_EQ(main->PictureOf("Picture1")->Picture().width, 40);
    EXPECT_EQ(Stored(kReadKey, ""), main->Text("Text1"));

    // The dialog starts with the name it returned last.
    Click(main, "CommandButton3");
    ASSERT_EQ(m_Dialogs.openFileRequests.size(), 2u);
    EXPECT_EQ(m_Dialogs.openFileRequests[1].fileName, chosen);
}

TEST_F(Win32ProgramTest, EditorAndAboutOpenOnceEachWithoutTheMainWindowAsOwner)
{
    Store(kCurrentVersionKey, "RegisteredOwner", "Hollis Brae");
    DesignedWindow* main = Shell().OpenMainWindow();
    Click(main, "CommandButton8");
    DesignedWindow* about = Shell().Shown(ProgramWindow::About);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(IsWindowVisible(about->Window()));
    EXPECT_EQ(about->Text("L6"), "Hollis Brae");
    EXPECT_NE(GetWindow(about->Window(), GW_OWNER), main->Window());

    Store(kCurrentVersionKey, "RegisteredOwner", "Wren Calloway");
    PressKey(main->Window(), 'E', true);
    PressKey(main->Window(), 'E', true);
    Click(main, "CommandButton8");
    EXPECT_EQ(Shell().Shown(ProgramWindow::About), about) << "brought forward, not made again";
    EXPECT_EQ(about->Text("L6"), "Hollis Brae");

    Click(about, "CommandButton1");  // CLOSE
    EXPECT_EQ(Shell().Shown(ProgramWindow::About), nullptr);
    Click(main, "CommandButton8");
    ASSERT_NE(Shell().Shown(ProgramWindow::About), nullptr);
    EXPECT_EQ(Shell().Shown(ProgramWindow::About)->Text("L6"), "Wren Calloway");

    Click(main, "CommandButton9");  // Exit: every window at once
    EXPECT_EQ(Shell().Shown(ProgramWindow::Main), nullptr);
    EXPECT_EQ(Shell().Shown(ProgramWindow::About), nullptr);
    EXPECT_EQ(Shell().Shown(ProgramWindow::SupportEditor), nullptr);
    EXPECT_EQ(m_Ended, 1);
}

TEST_F(Win32ProgramTest, EditorAppliesTheSupportInformation)
{
    Store(kOemKey, "Manufacture", "Quillon Works");
    Store(kOemKey, "Model", "QW 7");
    Shell().OpenMainWindow();
    Shell().OpenSupportEditor();
    DesignedWindow* editor = Shell().Shown(ProgramWindow::SupportEditor);
    ASSERT_NE(editor, nullptr);
    Type(editor, "Text1", L"www.quillon.example");
    Click(editor, "CommandButton1");
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Dialogs.messages[0].title, "OEM");
    EXPECT_EQ(Stored(kOemKey, "web addres"), "www.quillon.example");
    EXPECT_NE(ReadBytes(SystemFile("oeminfo.ini")).find("[SUPPORT INFORMATION]"), std::string::npos);
}

// The last item of the File menu opens Current Windows; its Apply stores the boxes and sets the
// OEMInformation values where the installation reads them.
TEST_F(Win32ProgramTest, CurrentWindowsFromTheFileMenuAppliesItsValues)
{
    std::filesystem::create_directory(m_Dir.Path() / "System32");
    DesignedWindow* main = Shell().OpenMainWindow();
    SendMessageW(main->Window(), WM_COMMAND, MAKEWPARAM(main->ControlId("cwi"), 0), 0);
    Pump();
    DesignedWindow* window = Shell().Shown(ProgramWindow::CurrentWindows);
    ASSERT_NE(window, nullptr);
    Type(window, "Text1", L"Quillon Care");
    Click(window, "CommandButton1");
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Dialogs.messages[0].text, "Current Windows information saved");
    EXPECT_EQ(Stored(kOemKey, "SupportProvider"), "Quillon Care");
    EXPECT_EQ(Stored(kOemInformationKey, "SupportProvider"), "Quillon Care");
}

}  // namespace
}  // namespace pelmora::win32::testing

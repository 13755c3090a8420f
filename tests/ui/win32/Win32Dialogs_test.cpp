// The system's own dialogs, answered from a timer that runs inside their modal loops.
#include "Win32Dialogs.h"
#include "Win32TestSupport.h"
#include "platform/Utf16_win32.h"

#include <functional>

namespace pelmora::win32::testing {
namespace {

TEST(Win32DialogFilter, BecomesTheDoubleNulList)
{
    EXPECT_EQ(DialogFilter("Bitmap Only|*.bmp"), std::wstring(L"Bitmap Only\0*.bmp\0\0", 19));
    EXPECT_EQ(DialogFilter("Pictures|*.bmp;*.png|All|*.*"), std::wstring(L"Pictures\0*.bmp;*.png\0All\0*.*\0\0", 30));
}

// Runs `step` from a thread timer until it returns true (or about five seconds pass).
class WhileModal {
public:
    explicit WhileModal(std::function<bool()> step) : m_Step(std::move(step))
    {
        s_Current = this;
        m_Timer = SetTimer(nullptr, 0, 50, &WhileModal::Tick);
    }
    ~WhileModal()
    {
        KillTimer(nullptr, m_Timer);
        s_Current = nullptr;
    }
    bool Done() const { return m_Done; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        WhileModal* self = s_Current;
        if (self == nullptr || self->m_Done)
            return;
        self->m_Done = self->m_Step() || ++self->m_Ticks > 100;
    }

    static inline WhileModal* s_Current = nullptr;
    std::function<bool()> m_Step;
    UINT_PTR m_Timer = 0;
    int m_Ticks = 0;
    bool m_Done = false;
};

HWND FindDialog(const wchar_t* title) { return FindWindowW(L"#32770", title); }

std::wstring TextOf(HWND window)
{
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

// With its window as owner the box stays above it; without one (the window is gone) it is
// task-modal. Either way no other window takes input while it is open.
TEST_F(Win32ProgramTest, MessageBoxDisablesEveryOtherWindowOwnedOrNot)
{
    Shell().OpenMainWindow();
    Shell().OpenAbout();
    HWND main = Shell().Shown(ProgramWindow::Main)->Window();
    HWND about = Shell().Shown(ProgramWindow::About)->Window();
    for (HWND owner : {main, static_cast<HWND>(nullptr)}) {
        SCOPED_TRACE(owner != nullptr ? "owned by the main window" : "without owner");
        Win32Dialogs dialogs([owner] { return owner; });
        bool found = false, mainEnabled = true, aboutEnabled = true;
        HWND boxOwner = nullptr;
        std::wstring text;
        WhileModal answer([&] {
            HWND box = FindDialog(L"Pelmora \u2713");
            if (box == nullptr)
                return false;
            found = true;
            mainEnabled = IsWindowEnabled(main);
            aboutEnabled = IsWindowEnabled(about);
            boxOwner = GetWindow(box, GW_OWNER);
            text = TextOf(GetDlgItem(box, 0xFFFF));  // the box's static text
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return true;
        });
        dialogs.ShowMessage("Saved to C:\\Gr\xC3\xBC\xC3\x9F" "e", "Pelmora \xE2\x9C\x93", MessageStyle::Information);

        ASSERT_TRUE(found) << "the box was not found by its title";
        if (owner != nullptr) {
            EXPECT_EQ(boxOwner, main);
        }
        EXPECT_FALSE(mainEnabled);
        EXPECT_FALSE(aboutEnabled) << "no other window of the program takes input while a box is open";
        EXPECT_EQ(text, L"Saved to C:\\Gr\u00FC\u00DFe");
        EXPECT_TRUE(IsWindowEnabled(main));
        EXPECT_TRUE(IsWindowEnabled(about));
    }
}

// The edit control of a dialog that shows `text`; null when there is none.
HWND EditShowing(HWND dialog, const std::wstring& text)
{
    struct Search {
        const std::wstring& text;
        HWND found = nullptr;
    } search{text};
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            if (lstrcmpiW(name, L"Edit") == 0 && TextOf(child) == s->text) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(Win32ProgramTest, OpenFileDialogStartsWithTheLastNameAndReturnsTheChosenOne)
{
    Shell().OpenMainWindow();
    HWND main = Shell().Shown(ProgramWindow::Main)->Window();
    Win32Dialogs dialogs([main] { return main; });
    const std::string start = (m_Dir.Path() / "start.bmp").string();
    const std::string chosen = (m_Dir.Path() / "Gr\xC3\xBC\xC3\x9F" "e.bmp").string();

    bool startShown = false, mainEnabled = true;
    WhileModal answer([&] {
        HWND dialog = FindDialog(L"Open Bitmap");
        if (dialog == nullptr)
            return false;
        mainEnabled = IsWindowEnabled(main);
        HWND edit = EditShowing(dialog, ToUtf16(start));
        if (edit == nullptr)
            edit = EditShowing(dialog, L"start.bmp");
        startShown = edit != nullptr;
        if (edit != nullptr)
            SetWindowTextW(edit, ToUtf16(chosen).c_str());
        PostMessageW(dialog, WM_COMMAND, startShown ? IDOK : IDCANCEL, 0);
        return true;
    });
    const std::string result = dialogs.AskOpenFile({"Bitmap Only|*.bmp", "Open Bitmap", 4, start});

    EXPECT_TRUE(answer.Done());
    EXPECT_TRUE(startShown) << "the dialog starts with the name it is given";
    EXPECT_FALSE(mainEnabled);
    EXPECT_EQ(result, chosen) << "a typed name of a file that does not exist is taken";
}

}  // namespace
}  // namespace pelmora::win32::testing

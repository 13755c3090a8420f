// The hover button's window class under the real window system: what it shows on the screen,
// its window region, and the events that real input raises.
#include "Win32CommandButton.h"
#include "GdiTextRenderer.h"
#include "Win32ButtonInput.h"
#include "Win32Dialogs.h"
#include "Win32TestSupport.h"
#include "controls/ButtonPainter.h"
#include "controls/RasterCanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace pelmora::win32::testing {
namespace {

// A borderless window at a fixed place with a text box and two buttons; the first has the
// access key a.
constexpr const char* kStage = R"(Window Stage
    Caption = "Stage"
    ClientSize = 4500, 1500
    BorderStyle = None
    StartUp = Manual
    Position = 1500, 1500

    TextBox Text1
        Position = 150, 900
        Size = 1500, 300
    End

    CommandButton CommandButton1
        Position = 150, 150
        Size = 1500, 450
        Properties
            caption = "&Apply"
            forecolor = &H00000000&
            forehover = &H00743C00&
        End
    End

    CommandButton CommandButton2
        Position = 1800, 150
        Size = 1200, 420
        Properties
            caption = "Second"
        End
    End
End
)";

class CommandButtonWindow : public ::testing::Test {
protected:
    CommandButtonWindow() : m_Design(*designs::ReadDesign(kStage).design), m_Stage(m_Design, nullptr)
    {
        m_Stage.OnCommand([this](std::string_view name) { m_Events.push_back("BN_CLICKED " + std::string(name)); });
        m_Button = m_Stage.ButtonOf("CommandButton1");
        m_Button->OnEvent([this](const ButtonEventArgs& event) { m_Events.push_back(Describe(event)); });
        PointAt(Away());
        m_Stage.ShowPlaced();
        SetFocus(m_Stage.Control("Text1"));
        Pump(50);
        m_Events.clear();
    }

    HWND Button() const { return m_Button->Window(); }

    // A point of the button in screen coordinates.
    POINT OnButton(int x, int y) const
    {
        POINT point{x, y};
        ClientToScreen(Button(), &point);
        return point;
    }
    POINT Away() const { return POINT{900, 700}; }

    // The pointer moves there, as a person moves it: the system sends the moves it makes.
    void PointAt(POINT point)
    {
        SetCursorPos(point.x, point.y);
        Pump(40);
    }

    // The client area as the screen shows it.
    std::vector<Colour> ScreenPixels() const
    {
        RECT client;
        GetClientRect(Button(), &client);
        UpdateWindow(Button());
        HDC screen = GetDC(Button());
        HDC memory = CreateCompatibleDC(screen);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
        GdiFlush();
        std::vector<Colour> pixels;
        for (int i = 0; i < client.right * client.bottom; ++i)
            pixels.push_back(ColourOfPixel(static_cast<const std::uint32_t*>(bits)[i]));
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(Button(), screen);
        return pixels;
    }

    // The button's fields drawn on the raster canvas, with the platform's text and colours.
    std::vector<Colour> RasterPixels(std::int16_t request) const
    {
        GdiTextRenderer text;
        RasterCanvas canvas(text, [](int index) { return static_cast<Colour>(GetSysColor(index)); });
        const ButtonState& state = m_Button->Host().State();
        canvas.Resize(state.fields.m_Width, state.fields.m_Height);
        ButtonFields fields = state.fields;
        DrawButton(fields, state.surface, canvas, request);
        std::vector<Colour> pixels;
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                pixels.push_back(canvas.ColourAt(x, y));
        return pixels;
    }

    // Pixels that differ as 'X' on a '.' map, the four corners (outside the region) left out;
    // empty when none does.
    std::string Differences(std::int16_t request) const
    {
        const std::vector<Colour> screen = ScreenPixels();
        const std::vector<Colour> raster = RasterPixels(request);
        const int w = m_Button->Host().State().fields.m_Width;
        const int h = m_Button->Host().State().fields.m_Height;
        if (screen.size() != raster.size() || screen.size() != static_cast<std::size_t>(w * h))
            return "sizes differ";
        std::string map;
        bool any = false;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool corner = (x == 0 || x == w - 1) && (y == 0 || y == h - 1);
                const std::size_t i = static_cast<std::size_t>(y * w + x);
                const bool same = corner || screen[i] == raster[i];
                any = any || !same;
                map += same ? '.' : 'X';
            }
            map += '\n';
        }
        return any ? map : std::string();
    }

    designs::WindowDesign m_Design;
    DesignedWindow m_Stage;
    CommandButton* m_Button = nullptr;
    std::vector<std::string> m_Events;
};

TEST_F(CommandButtonWindow, EveryLookOnTheScreenIsTheRasterCanvasRendering)
{
    ASSERT_EQ(m_Button->Host().State().fields.m_Width, 100);
    ASSERT_EQ(m_Button->Host().State().fields.m_Height, 30);
    EXPECT_EQ(Differences(0), "") << "normal";

    SetFocus(Button());
    Pump();
    ASSERT_EQ(m_Button->Host().State().fields.m_Focused, -1);
    EXPECT_EQ(Differences(1), "") << "focused";

    PointAt(OnButton(50, 15));
    ASSERT_EQ(m_Button->Host().State().fields.m_Hover, -1);
    EXPECT_EQ(Differences(0), "") << "hover";

    PostMessageW(Button(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 15));
    Pump();
    EXPECT_EQ(Differences(1), "") << "pressed";
    PostMessageW(Button(), WM_LBUTTONUP, 0, MAKELPARAM(50, 15));
    Pump();

    EnableWindow(Button(), FALSE);
    Pump();
    EXPECT_FALSE(m_Button->Host().Enabled()) << "the window's state is the property's";
    EXPECT_EQ(Differences(0), "") << "disabled";
}

TEST_F(CommandButtonWindow, WindowRegionLacksExactlyTheFourCorners)
{
    for (const SIZE size : {SIZE{100, 30}, SIZE{7, 5}, SIZE{81, 23}}) {
        SetWindowPos(Button(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        PointAt(OnButton(3, 2));  // and a redraw in another look
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(Button(), region), ERROR);
        std::string missing;
        for (int y = -1; y <= size.cy; ++y)
            for (int x = -1; x <= size.cx; ++x) {
                const bool inside = x >= 0 && y >= 0 && x < size.cx && y < size.cy;
                if (inside && !PtInRegion(region, x, y))
                    missing += "(" + std::to_string(x) + ", " + std::to_string(y) + ") ";
                EXPECT_FALSE(!inside && PtInRegion(region, x, y)) << x << ", " << y;
            }
        DeleteObject(region);
        EXPECT_EQ(missing, "(0, 0) (" + std::to_string(size.cx - 1) + ", 0) (0, " + std::to_string(size.cy - 1) +
                               ") (" + std::to_string(size.cx - 1) + ", " + std::to_string(size.cy - 1) + ") ")
            << size.cx << " x " << size.cy;
        PointAt(Away());
        Pump(40);
    }
}

TEST_F(CommandButtonWindow, HoverLeaveAndClickRaiseTheEventsInOrder)
{
    PointAt(OnButton(20, 10));
    EXPECT_TRUE(m_Button->HoverTimerRunning());
    PointAt(OnButton(30, 12));
    PointAt(OnButton(40, 14));  // settled: nothing more
    PointAt(Away());
    Pump(60);  // a tick finds the pointer gone
    EXPECT_FALSE(m_Button->HoverTimerRunning());
    PointAt(OnButton(50, 15));
    PostMessageW(Button(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 15));
    Pump();
    PostMessageW(Button(), WM_LBUTTONUP, 0, MAKELPARAM(50, 15));
    Pump();

    const std::vector<std::string> expected = {
        "MouseOver", "MouseMove(0, 0, 20, 10)", "MouseMove(0, 0, 30, 12)", "MouseOut",
        "MouseOver", "MouseMove(0, 0, 50, 15)", "MouseDown(1, 0, 50, 15)", "MouseUp(1, 0, 50, 15)",
        "Click",     "BN_CLICKED CommandButton1",
    };
    EXPECT_EQ(m_Events, expected);
}

// A resting pointer leaves the timer asleep; each way the hover can end wakes it, and its tick
// ends the hover as it would have.
TEST_F(CommandButtonWindow, TheRestingTimerWakesForEveryWayTheHoverEnds)
{
    HWND cover = nullptr;
    const struct {
        const char* how;
        std::function<void()> end;
    } cases[] = {
        {"the pointer left", [&] { PointAt(Away()); }},
        {"a window came up on top",
         [&] {
             const POINT corner = OnButton(0, 0);
             cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"EDIT", L"", WS_POPUP | WS_VISIBLE, corner.x,
                                     corner.y, 100, 30, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
         }},
        {"disabled", [&] { EnableWindow(Button(), FALSE); }},
        {"hidden", [&] { ShowWindow(Button(), SW_HIDE); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        PointAt(OnButton(20, 10));
        Pump(60);
        ASSERT_TRUE(m_Button->HoverTimerRunning());
        EXPECT_TRUE(m_Button->HoverTimerResting()) << "no tick while nothing changes";
        m_Events.clear();
        c.end();
        Pump(60);
        EXPECT_FALSE(m_Button->HoverTimerRunning());
        EXPECT_EQ(m_Events, std::vector<std::string>{"MouseOut"});
        if (cover != nullptr)
            DestroyWindow(cover);
        cover = nullptr;
        EnableWindow(Button(), TRUE);
        ShowWindow(Button(), SW_SHOW);
        PointAt(Away());
    }
}

TEST_F(CommandButtonWindow, KeysClickThroughTheMessageLoop)
{
    SetFocus(Button());
    Pump();
    m_Events.clear();
    PressKey(Button(), VK_SPACE);
    PostMessageW(Button(), WM_KEYDOWN, VK_RETURN, 1);
    Pump();
    PostMessageW(Button(), WM_KEYUP, VK_RETURN, 1u | 0xC0000000u);
    Pump();
    const std::vector<std::string> expected = {
        "KeyDown(32, 0)", "KeyPress(32)", "Click", "BN_CLICKED CommandButton1", "KeyUp(32, 0)",
        "KeyDown(13, 0)", "KeyPress(13)", "Click", "BN_CLICKED CommandButton1", "KeyUp(13, 0)",
    };
    EXPECT_EQ(m_Events, expected);
}

// Inside the box's own loop: its Enter goes down, on which the box closes, as a person's would.
void CALLBACK PressEnterOnTheBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = FindWindowW(L"#32770", L"OEM");
    if (box != nullptr && IsWindowVisible(box) && GetFocus() != nullptr && IsChild(box, GetFocus()))
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
}

// The box a click opens closes on the key-down of its own Enter; that key's release then comes
// to the button, which has the focus again and must not click (a new box every time).
TEST_F(CommandButtonWindow, TheEnterThatClosesTheBoxItOpenedDoesNotClickAgain)
{
    SetFocus(Button());
    Pump();
    Win32Dialogs dialogs([this] { return m_Stage.Window(); });
    int boxes = 0;
    m_Button->OnEvent([&](const ButtonEventArgs& event) {
        if (event.event == ButtonEvent::Click && ++boxes <= 3)
            dialogs.ShowMessage("Saved", "OEM", MessageStyle::Information);
    });
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &PressEnterOnTheBox);
    PostMessageW(Button(), WM_KEYDOWN, VK_RETURN, 1);
    Pump();
    PostMessageW(Button(), WM_KEYUP, VK_RETURN, 1u | 0xC0000000u);  // the click: the box opens and closes
    Pump();
    ASSERT_EQ(boxes, 1);
    EXPECT_EQ(GetFocus(), Button());
    PostMessageW(Button(), WM_KEYUP, VK_RETURN, 1u | 0xC0000000u);  // the box's Enter comes up
    Pump(200);
    KillTimer(nullptr, timer);
    EXPECT_EQ(boxes, 1);
}

TEST_F(CommandButtonWindow, ArrowsMoveTheFocusThroughTheTabOrder)
{
    HWND second = m_Stage.Control("CommandButton2");
    SetFocus(Button());
    Pump();
    PressKey(Button(), VK_RIGHT);
    EXPECT_EQ(GetFocus(), second) << "Right sends Tab";
    PressKey(second, VK_UP);
    EXPECT_EQ(GetFocus(), Button()) << "Up sends Shift+Tab";
    PressKey(Button(), VK_DOWN);
    EXPECT_EQ(GetFocus(), m_Stage.Control("Text1")) << "Down sends Shift+Tab";
    EXPECT_EQ(m_Events.front(), "KeyDown(39, 0)") << "the arrow is still the button's key";
}

TEST_F(CommandButtonWindow, AltWithTheAccessKeyClicksFromAnywhereInTheWindow)
{
    PostMessageW(m_Stage.Control("Text1"), WM_SYSCHAR, 'A', 1u << 29);
    Pump();
    const std::vector<std::string> expected = {"Click", "BN_CLICKED CommandButton1"};
    EXPECT_EQ(m_Events, expected);
    EXPECT_EQ(m_Stage.Text("Text1"), "") << "the text box took no key";
    m_Events.clear();
    PostMessageW(m_Stage.Control("Text1"), WM_SYSCHAR, 's', 1u << 29);
    Pump();
    EXPECT_TRUE(m_Events.empty()) << "Second has no access key";
}

TEST_F(CommandButtonWindow, CaptionIsTheWindowsTextBothWays)
{
    wchar_t text[32] = {};
    GetWindowTextW(Button(), text, 32);
    EXPECT_EQ(std::wstring(text), L"&Apply");
    SetWindowTextW(Button(), L"E&xit");
    EXPECT_EQ(m_Button->Host().Caption(), "E&xit");
    EXPECT_EQ(m_Button->Host().AccessKey(), "x");
}

TEST(Win32ButtonInput, MessagesInTheButtonsTerms)
{
    EXPECT_EQ(MouseButtonsOf(MK_LBUTTON), 1);
    EXPECT_EQ(MouseButtonsOf(MK_RBUTTON | MK_MBUTTON | MK_SHIFT), 6);
    EXPECT_EQ(MouseShiftOf(MK_SHIFT | MK_CONTROL | MK_LBUTTON, true), 7);
    EXPECT_EQ(MouseShiftOf(MK_RBUTTON, false), 0);
    EXPECT_EQ(KeyAsciiOf(L'a'), 97);
    EXPECT_EQ(KeyAsciiOf(L'\u00E9'), 233) << "in the ANSI code page";
    EXPECT_EQ(KeyAsciiOf(L'\u0416'), '?') << "not in it";
    EXPECT_EQ(KeyAsciiOf(static_cast<wchar_t>(0xD83D)), 0) << "half of a pair";
    EXPECT_EQ(TimerInterval(1), USER_TIMER_MINIMUM) << "below the minimum runs at it";
    EXPECT_EQ(TimerInterval(250), 250u);
}

}  // namespace
}  // namespace pelmora::win32::testing

// The real windows built from the stored designs, checked through the system's own view of them.
#include "Win32CommandButton.h"
#include "Win32Dpi.h"
#include "Win32PictureBox.h"
#include "Win32TestSupport.h"
#include "designs/ControlLook.h"
#include "designs/WindowDesign.h"
#include "platform/RasterPicture.h"
#include "platform/Utf16_win32.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <vector>

namespace pelmora::win32::testing {
namespace {

using designs::ControlDesign;
using designs::ControlKind;

struct Built {
    designs::WindowDesign design;
    DesignedWindow window;

    explicit Built(const char* file, HWND owner = nullptr)
        : design(designs::EmbeddedDesign(file)), window(design, owner)
    {
    }
};

const char* const kDesigns[] = {"Form1.design", "sinf.design", "Form2z.design", "cwin.design"};

TEST(Win32DesignedWindow, WindowsTakeTheirDesignedCaptionSizeAndBorder)
{
    for (const char* file : kDesigns) {
        SCOPED_TRACE(file);
        Built built(file);
        HWND window = built.window.Window();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(DesignedWindow::NameOf(window), built.design.name);
        wchar_t caption[256] = {};
        GetWindowTextW(window, caption, 256);
        EXPECT_EQ(FromUtf16(caption), built.design.caption);

        const UINT dpi = built.window.Dpi();
        RECT client;
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, ScaledPixels(built.design.clientSize.width, dpi));
        EXPECT_EQ(client.bottom, ScaledPixels(built.design.clientSize.height, dpi));

        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        EXPECT_FALSE(style & WS_THICKFRAME) << "fixed border";
        EXPECT_FALSE(style & WS_MAXIMIZEBOX);
        EXPECT_FALSE(style & WS_MINIMIZEBOX);
        EXPECT_TRUE(style & WS_SYSMENU) << "the close box";
        EXPECT_EQ((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) != 0,
                  built.design.borderStyle == designs::BorderStyle::FixedDialog);
        EXPECT_FALSE(IsWindowVisible(window)) << "shown only after its load";
        EXPECT_NE(GetClassLongPtrW(window, GCLP_HICON), 0) << "the program's icon";
        EXPECT_NE(GetClassLongPtrW(window, GCLP_HICONSM), 0);
    }
}

// At the display's scale: 520 x 431 pixels at 96 DPI, 780 x 647 at 144 (run with PELMORA_WINE_DPI).
TEST(Win32DesignedWindow, MainWindowTakesTheDisplaysScale)
{
    const char* wanted = std::getenv("PELMORA_WINE_DPI");
    const UINT dpi = wanted != nullptr ? static_cast<UINT>(std::atoi(wanted)) : kStandardDpi;
    Built built("Form1.design");
    ASSERT_EQ(built.window.Dpi(), dpi);
    RECT client;
    GetClientRect(built.window.Window(), &client);
    EXPECT_EQ(client.right, dpi == 144 ? 780 : 520);
    EXPECT_EQ(client.bottom, dpi == 144 ? 647 : 431);
    EXPECT_NE(GetMenu(built.window.Window()), nullptr);
}

TEST(Win32DesignedWindow, EveryControlIsFoundByNameWherePlacedAndShownAsDesigned)
{
    for (const char* file : kDesigns) {
        SCOPED_TRACE(file);
        Built built(file);
        const UINT dpi = built.window.Dpi();
        for (const ControlDesign& control : built.design.controls) {
            if (control.kind == ControlKind::Menu)
                continue;
            SCOPED_TRACE(control.name);
            HWND child = built.window.Control(control.name);
            if (designs::HeldWithoutWindow(control)) {
                EXPECT_EQ(child, nullptr) << "a hidden control has no window";
                EXPECT_NE(built.window.ControlId(control.name), 0);
                continue;
            }
            ASSERT_NE(child, nullptr);
            EXPECT_EQ(DesignedWindow::NameOf(child), control.name);
            EXPECT_EQ(GetDlgCtrlID(child), built.window.ControlId(control.name));
            EXPECT_EQ(GetDlgItem(built.window.Window(), built.window.ControlId(control.name)), child);
            EXPECT_EQ((GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) != 0, control.visible);
            const RECT place = PlaceInParent(child);
            EXPECT_EQ(place.left, ScaledPixels(control.position->x, dpi));
            EXPECT_EQ(place.top, ScaledPixels(control.position->y, dpi));
            if (!control.autoSize) {
                EXPECT_EQ(place.right - place.left, ScaledPixels(control.size->width, dpi));
                EXPECT_EQ(place.bottom - place.top, ScaledPixels(control.size->height, dpi));
            }
            if (control.kind == ControlKind::CommandButton) {
                wchar_t windowClass[64] = {};
                GetClassNameW(child, windowClass, 64);
                EXPECT_EQ(std::wstring(windowClass), CommandButton::kClassName) << "every button is a hover button";
                ASSERT_NE(built.window.ButtonOf(control.name), nullptr);
                EXPECT_EQ(built.window.ButtonOf(control.name)->Host().State().fields.m_Width,
                          place.right - place.left)
                    << "drawn at its size";
            }
        }
    }
}

// Built at its size with every control at its place: nothing is moved or resized after it is
// made, and each button is given its shape once however often it is drawn.
TEST(Win32DesignedWindow, BuildingMovesNothingAndShapesEachButtonOnce)
{
    static std::vector<std::pair<HWND, UINT>> changes;  // each WM_WINDOWPOSCHANGING's window and flags
    changes.clear();
    HHOOK hook = SetWindowsHookExW(
        WH_CALLWNDPROC,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
            if (code == HC_ACTION && sent->message == WM_WINDOWPOSCHANGING)
                changes.emplace_back(sent->hwnd, reinterpret_cast<const WINDOWPOS*>(sent->lParam)->flags);
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    Built built("Form1.design");
    UnhookWindowsHookEx(hook);

    std::map<HWND, int> shapes;
    for (const auto& [window, flags] : changes) {
        EXPECT_EQ(flags & (SWP_NOMOVE | SWP_NOSIZE), static_cast<UINT>(SWP_NOMOVE | SWP_NOSIZE))
            << DesignedWindow::NameOf(window) << " moved or resized";
        if (flags & SWP_FRAMECHANGED)
            ++shapes[window];
    }
    for (const ControlDesign& control : built.design.controls) {
        if (control.kind != ControlKind::CommandButton)
            continue;
        EXPECT_EQ(shapes[built.window.Control(control.name)], 1) << control.name;
    }
}

TEST(Win32DesignedWindow, ControlsShowTheirDesignedTextsAndFonts)
{
    Built built("Form1.design");
    EXPECT_EQ(built.window.Text("Label7"), " Width = 180              Height = 115");
    EXPECT_EQ(built.window.Text("Label6"), "Logo Should be Following Attributes    ");
    EXPECT_EQ(built.window.Text("Text4"), "Text4");
    built.window.SetText("Text4", "Zoë 🙂");  // hidden: held without a window
    EXPECT_EQ(built.window.Text("Text4"), "Zoë 🙂");
    EXPECT_EQ(built.window.Text("CommandButton1"), "Apply Selected ");

    struct Case {
        const char* control;
        int weight;
        double points;
    };
    for (const Case c : {Case{"Label3", 700, 9.75}, Case{"Label1", 400, 8.25}, Case{"Text2", 400, 8.25}}) {
        SCOPED_TRACE(c.control);
        auto font = reinterpret_cast<HFONT>(SendMessageW(built.window.Control(c.control), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW logFont{};
        GetObjectW(font, sizeof logFont, &logFont);
        EXPECT_EQ(std::wstring(logFont.lfFaceName), L"MS Sans Serif");
        EXPECT_EQ(logFont.lfWeight, c.weight);
        EXPECT_EQ(logFont.lfHeight, -std::lround(c.points * built.window.Dpi() / 72.0));
        // The system has the face itself, not a stand-in.
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, face);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        EXPECT_EQ(std::wstring(face), L"MS Sans Serif");
    }
}

TEST(Win32DesignedWindow, TabGoesThroughTheStopsInDesignOrder)
{
    Built built("sinf.design");
    std::vector<std::string> expected;
    for (const ControlDesign& control : built.design.controls)
        if (control.visible && (control.kind == ControlKind::TextBox || control.kind == ControlKind::CommandButton))
            expected.push_back(control.name);
    ShowWindow(built.window.Window(), SW_SHOW);
    SetFocus(built.window.Control(expected.front()));
    std::vector<std::string> visited{DesignedWindow::NameOf(GetFocus())};
    for (std::size_t i = 1; i <= expected.size(); ++i) {
        PressKey(GetFocus(), VK_TAB);
        visited.push_back(DesignedWindow::NameOf(GetFocus()));
    }
    expected.push_back(expected.front());  // and round again
    EXPECT_EQ(visited, expected);
}

TEST(Win32DesignedWindow, TextBoxesTakeAnyLength)
{
    Built built("Form1.design");
    HWND box = built.window.Control("Text2");
    EXPECT_GE(static_cast<std::size_t>(SendMessageW(box, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
    const std::wstring longText(100000, L'x');
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longText.c_str()));
    EXPECT_EQ(SendMessageW(box, WM_GETTEXTLENGTH, 0, 0), 100000);
    const std::string viaView(70000, 'y');
    built.window.SetText("Text3", viaView);
    EXPECT_EQ(built.window.Text("Text3"), viaView);
}

TEST(Win32DesignedWindow, TextCrossesTheBoundaryAsUtf8)
{
    Built built("Form1.design");
    const std::string text = "Gr\xC3\xBC\xC3\x9F" "e \xD0\x96 \xE2\x9C\x93";
    built.window.SetText("Text2", text);
    built.window.SetText("L11", text);
    EXPECT_EQ(built.window.Text("Text2"), text);
    EXPECT_EQ(built.window.Text("L11"), text);
    wchar_t wide[32] = {};
    GetWindowTextW(built.window.Control("L11"), wide, 32);
    EXPECT_EQ(std::wstring(wide), L"Gr\u00FC\u00DFe \u0416 \u2713");
}

TEST(Win32DesignedWindow, PicturesAreShownAtTheirOwnSizeAndDesignPicturesDrawn)
{
    Built about("Form2z.design");
    PictureBox* emblem = about.window.PictureOf("Image1");
    ASSERT_NE(emblem, nullptr);
    // The program's own decoration follows the display's scale; a loaded picture (below) does not.
    EXPECT_EQ(emblem->Picture().width, MulDiv(53, static_cast<int>(about.window.Dpi()), 96));
    EXPECT_EQ(emblem->Picture().height, MulDiv(43, static_cast<int>(about.window.Dpi()), 96));

    Built main("Form1.design");
    auto logo = std::make_shared<RasterPicture>(400, 300, std::vector<std::uint32_t>(400 * 300, 0xFF336699));
    main.window.SetPicture("Picture1", logo);
    PictureBox* preview = main.window.PictureOf("Picture1");
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->Picture().width, 400) << "never scaled to the box";
    main.window.SetPicture("Picture1", nullptr);
    EXPECT_TRUE(preview->Picture().Empty());
}

TEST(Win32DesignedWindow, HandPointerOverTheLabelsThatAskForIt)
{
    Built about("Form2z.design");
    HWND link = about.window.Control("Label5");
    EXPECT_TRUE(GetWindowLongPtrW(link, GWL_STYLE) & SS_NOTIFY) << "hit by the mouse, so asked for its pointer";
    SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
    SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
    HWND plain = about.window.Control("Label4");
    SendMessageW(plain, WM_SETCURSOR, reinterpret_cast<WPARAM>(plain), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
}

TEST(Win32DesignedWindow, WindowsKeptOffTheTaskbarHaveAnOwnerTheMainWindowNone)
{
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    for (const char* file : kDesigns) {
        SCOPED_TRACE(file);
        const designs::WindowDesign design = designs::EmbeddedDesign(file);
        Built built(file, design.showInTaskbar ? nullptr : owner);
        EXPECT_EQ(GetWindow(built.window.Window(), GW_OWNER) != nullptr, !design.showInTaskbar);
        EXPECT_FALSE(GetWindowLongPtrW(built.window.Window(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    }
    DestroyWindow(owner);
}

}  // namespace
}  // namespace pelmora::win32::testing

// The rules the host adds between a window's input and the button's step, on a fake window.
#include "controls/ButtonHost.h"

#include "controls/FakeButtonSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace pelmora {
namespace {

using testing::FakeButtonSurface;
using testing::HostedButton;

// A 100 x 30 button, shown, with the pointer resting over it.
struct ShownButton : HostedButton {
    ShownButton()
    {
        host.ReadProperties(PropertyBag{});
        host.Resized(100, 30);
        surface.pointerOver = true;
        host.MouseMove(0, 0, 20, 10);
        surface.Take();
    }
};

TEST(ButtonHost, AReleaseClicksWhenItLetsGoOfTheLastButtonOnTheButtonsShape)
{
    struct Row {
        const char* name;
        std::function<void(ButtonHost&)> input;
        int clicks;
    };
    const Row table[] = {
        {"left click", [](ButtonHost& h) { h.MouseDown(1, 0, 30, 12); h.MouseUp(1, 0, 30, 12, true); }, 1},
        {"released off the button",
         [](ButtonHost& h) { h.MouseDown(1, 0, 30, 12); h.MouseUp(1, 0, 150, 12, true); }, 0},
        {"released on a cut corner", [](ButtonHost& h) { h.MouseDown(1, 0, 30, 12); h.MouseUp(1, 0, 0, 0, true); }, 0},
        {"released on the corner's neighbour",
         [](ButtonHost& h) { h.MouseDown(1, 0, 30, 12); h.MouseUp(1, 0, 1, 0, true); }, 1},
        {"rounded to the last column",
         [](ButtonHost& h) { h.MouseDown(1, 0, 30, 12); h.MouseUp(1, 0, 99.4, 12, true); }, 1},
        {"rounded past it", [](ButtonHost& h) { h.MouseDown(1, 0, 30, 12); h.MouseUp(1, 0, 99.5, 12, true); }, 0},
        {"another button still held",
         [](ButtonHost& h) { h.MouseDown(1, 0, 30, 12); h.MouseUp(1, 0, 30, 12, false); }, 0},
        {"right click", [](ButtonHost& h) { h.MouseDown(2, 0, 30, 12); h.MouseUp(2, 0, 30, 12, true); }, 0},
        {"double-click: its second release clicks not",
         [](ButtonHost& h) {
             h.MouseDown(1, 0, 30, 12);
             h.MouseUp(1, 0, 30, 12, true);
             h.DoubleClick();
             h.MouseUp(1, 0, 30, 12, true);
         },
         1},
        {"a press after a double-click clicks again",
         [](ButtonHost& h) {
             h.DoubleClick();
             h.MouseUp(1, 0, 30, 12, true);
             h.MouseDown(1, 0, 30, 12);
             h.MouseUp(1, 0, 30, 12, true);
         },
         1},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        ShownButton b;
        row.input(b.host);
        EXPECT_EQ(b.surface.Clicks(), row.clicks);
    }
}

TEST(ButtonHost, ClickFollowsTheReleaseAsItsOwnStepAndTheCaptureEndsFirst)
{
    ShownButton b;
    b.host.MouseDown(1, 0, 30, 12);
    b.host.MouseUp(1, 0, 30, 12, true);
    b.surface.Take();
    b.host.DoubleClick();
    EXPECT_EQ(b.surface.Take(), "Refresh; Invalidate; Raise MouseDown(1, 0, 0, 0); Capture");
    b.host.MouseUp(1, 0, 30, 12, true);
    EXPECT_EQ(b.surface.Take(), "Release; Invalidate; Refresh; Raise MouseUp(1, 0, 30, 12)");
    b.host.MouseDown(1, 1, 30, 12);
    b.surface.Take();
    b.host.MouseUp(1, 1, 30, 12, true);
    EXPECT_EQ(b.surface.Take(), "Release; Invalidate; Refresh; Raise MouseUp(1, 1, 30, 12); Invalidate; Refresh; "
                                "Raise Click");
}

TEST(ButtonHost, OnAScaledSurfaceEventsCarryCanvasPixelsAndClicksCountUpToTheFrame)
{
    HostedButton b;
    b.surface.scale = 2;
    b.host.Resized(50, 15);
    EXPECT_EQ(b.canvas.Width(), 100);
    EXPECT_EQ(b.canvas.Height(), 30);
    b.surface.Take();
    b.host.MouseDown(1, 0, 10.25, 7);
    EXPECT_EQ(b.surface.Take(), "Refresh; Invalidate; Raise MouseDown(1, 0, 20.5, 14)");
    b.host.MouseUp(1, 0, 0, 0, true);  // a cut corner
    EXPECT_EQ(b.surface.Clicks(), 0);
    b.host.MouseDown(1, 0, 10, 7);
    b.host.MouseUp(1, 0, 10, 0, true);  // the top frame line
    EXPECT_EQ(b.surface.Clicks(), 1);
}

// Whatever the scale, the shape in the surface's units lacks exactly its four corner units: the
// frame's first and last rows and columns stay, as the corner pixels cut from the canvas go.
TEST(ButtonHost, AtEveryScaleTheShapeLacksExactlyTheFourCornerUnits)
{
    for (const double scale : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
        for (const auto& [width, height] : {std::pair{50, 15}, {75, 23}, {100, 30}, {3, 3}}) {
            SCOPED_TRACE(std::to_string(scale) + ": " + std::to_string(width) + " x " + std::to_string(height));
            HostedButton b;
            b.surface.scale = scale;
            b.host.Resized(width, height);
            int missing = 0;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    const bool corner = (x == 0 || x == width - 1) && (y == 0 || y == height - 1);
                    const bool inside = std::any_of(b.surface.shape.begin(), b.surface.shape.end(),
                                                    [&](const CanvasRect& r) {
                                                        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                                                    });
                    missing += !inside;
                    EXPECT_EQ(inside, !corner) << x << ", " << y;
                }
            EXPECT_EQ(missing, 4);
        }
    }
}

// A scale below 1 makes a canvas pixel span several units: a cut corner pixel takes them all.
TEST(ButtonHost, ARegionScaledToUnitsRoundsMissingPixelsOutward)
{
    PixelRegion pixels;
    pixels.SetRect({0, 0, 10, 6});
    pixels.Subtract(CanvasRect{0, 0, 1, 1});
    pixels.Subtract(CanvasRect{4, 5, 6, 6});
    PixelRegion units;
    ScaleRegionToUnits(pixels, {0, 0, 10, 6}, 0.5, {0, 0, 20, 12}, units);
    EXPECT_EQ(testing::AsciiArt(units, 20, 12).substr(0, 2 * 21), "..##################\n..##################\n");
    EXPECT_EQ(testing::AsciiArt(units, 20, 12).substr(10 * 21), "########....########\n########....########\n");
    ScaleRegionToUnits(pixels, {0, 0, 10, 6}, 1.1, {0, 0, 9, 5}, units);
    EXPECT_EQ(testing::AsciiArt(units, 9, 5), ".########\n#########\n#########\n#########\n###...###\n");
}

TEST(ButtonHost, EachDrawingKeepsItsRegionAndHandsOnlyANewShapeToTheWindow)
{
    HostedButton b;
    b.host.Resized(100, 30);
    EXPECT_EQ(b.surface.Take(), "Shape 3; Invalidate");
    EXPECT_NE(b.host.State().fields.m_Region, 0u);
    EXPECT_EQ(b.host.State().fields.m_ScratchRegion, 0u);
    EXPECT_EQ(b.host.RedrawCount(), 1);
    const PixelRegion* kept = b.canvas.WindowRegion();
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(testing::AsciiArt(*kept, 4, 2), ".###\n####\n");

    b.host.Shown();
    EXPECT_EQ(b.surface.Take(), "Invalidate");
    b.host.Resized(60, 30);
    EXPECT_EQ(b.surface.Take(), "Shape 3; Invalidate");
    EXPECT_EQ(b.canvas.Width(), 60);
    EXPECT_EQ(b.host.RedrawCount(), 3);
}

// A handler of an event may change the button before the step that raised it is done: the
// drawings left in that step then show the button as it is now, not as the step saw it.
TEST(ButtonHost, ADrawingAfterAHandlerChangedTheButtonShowsItAsItIsNow)
{
    HostedButton b;
    b.host.ReadProperties(PropertyBag{});
    b.host.Resized(100, 30);
    b.host.FocusChanged(true);
    ASSERT_NE(b.canvas.ColourAt(2, 10), b.canvas.ColourAt(50, 10)) << "the focus edge";
    b.host.SetEnabled(false);
    b.surface.onChanged = [&](const std::string& property) {
        if (property == "Enabled") b.host.FocusChanged(false);  // as the toolkit moves the focus
    };
    b.host.SetEnabled(true);
    EXPECT_EQ(b.host.State().fields.m_Focused, 0);
    EXPECT_EQ(b.canvas.ColourAt(2, 10), b.canvas.ColourAt(50, 10)) << "no focus edge";

    // Without a handler in between, the step's own fields are drawn: the pressed-in drawing keeps
    // the hover look it was made with although the step ends with m_Hover 0.
    HostedButton idle;
    idle.host.Resized(100, 30);
    idle.surface.pointerOver = true;
    idle.host.MouseMove(kMouseLeft, 0, 20, 10);
    EXPECT_EQ(HoverStateOf(idle.host.State()), HoverState::PressedIn);
    EXPECT_EQ(idle.canvas.ColourAt(1, 2), Rgb(254, 223, 154));
}

TEST(ButtonHost, AHandlerThatDeletesTheButtonEndsTheStep)
{
    FakeButtonSurface surface;
    testing::FixedCellTextRenderer text;
    RasterCanvas canvas(text, testing::ClassicSystemColour);
    auto host = std::make_unique<ButtonHost>(surface, canvas, ButtonAmbient{});
    host->Resized(100, 30);
    ButtonEvent deletingOn = ButtonEvent::Click;
    surface.onRaise = [&](const ButtonEventArgs& event) {
        if (event.event == deletingOn) host.reset();
    };
    host->FocusChanged(true);
    surface.Take();
    host->KeyDown(kKeySpace, 0, 32);
    host->KeyUp(kKeySpace, 0);
    EXPECT_FALSE(host);
    EXPECT_EQ(surface.Take(), "Invalidate; Raise KeyDown(32, 0); Raise KeyPress(32); Invalidate; Refresh; Raise Click");

    host = std::make_unique<ButtonHost>(surface, canvas, ButtonAmbient{});
    host->Resized(100, 30);
    deletingOn = ButtonEvent::MouseUp;
    const int clicks = surface.Clicks();
    host->MouseDown(1, 0, 30, 12);
    host->MouseUp(1, 0, 30, 12, true);
    EXPECT_FALSE(host);
    EXPECT_EQ(surface.Clicks(), clicks) << "no click after the release that deleted it";
}

// A key the platform has no code for is a key all the same: it is raised, and between Space
// down and Space up it is the last key that went down, so the release does not click.
TEST(ButtonHost, KeysWithoutACodeAreKeysToo)
{
    ShownButton b;
    b.host.FocusChanged(true);
    b.surface.Take();
    b.host.KeyDown(0, 0, 233);
    b.host.KeyUp(0, 0);
    EXPECT_EQ(b.surface.Take(), "Raise KeyDown(0, 0); Raise KeyPress(233); Raise KeyUp(0, 0)");
    b.host.KeyDown(kKeySpace, 0, 32);
    b.host.KeyDown(0, 0, 0);
    b.host.KeyUp(kKeySpace, 0);
    EXPECT_EQ(b.surface.Clicks(), 0);
    b.host.KeyDown(kKeyRight, 0, 0);
    EXPECT_EQ(b.surface.Take(), "Invalidate; Raise KeyDown(32, 0); Raise KeyPress(32); Raise KeyDown(0, 0); "
                                "Raise KeyUp(32, 0); Focus next; Raise KeyDown(39, 0)");
}

// Where the typed character comes apart from its key-down, it is a KeyPress and no key of its
// own: Space and Enter still click.
TEST(ButtonHost, ACharacterTypedApartFromItsKeyIsAKeyPressOnly)
{
    ShownButton b;
    b.host.FocusChanged(true);
    b.surface.Take();
    b.host.KeyDown(kKeySpace, 0, 0);
    b.host.KeyTyped(32);
    b.host.KeyUp(kKeySpace, 0);
    EXPECT_EQ(b.surface.Clicks(), 1);
    EXPECT_EQ(b.surface.Take(), "Invalidate; Raise KeyDown(32, 0); Raise KeyPress(32); Invalidate; Refresh; "
                                "Raise Click; Raise KeyUp(32, 0)");
    b.host.KeyDown(13, 0, 0);
    b.host.KeyTyped(13);
    b.host.KeyUp(13, 0);
    EXPECT_EQ(b.surface.Clicks(), 2);
}

// The platform's window-under-point lookup passes over a disabled window, so a hovered button
// that is disabled ends its hover at the next tick though the pointer rests on it, and enabled
// again under the resting pointer it shows no hover look until the pointer moves.
TEST(ButtonHost, ADisabledButtonIsNotUnderThePointer)
{
    ShownButton b;
    constexpr Colour kHoverOuter = Rgb(254, 223, 154);
    ASSERT_EQ(b.canvas.ColourAt(1, 2), kHoverOuter);
    b.host.SetEnabled(false);
    b.surface.Take();
    b.host.HoverTimerTicked();
    EXPECT_EQ(b.surface.Take(), "TimerOff; Invalidate; Raise MouseOut");
    EXPECT_EQ(HoverStateOf(b.host.State()), HoverState::Idle);

    b.host.SetEnabled(true);
    EXPECT_NE(b.canvas.ColourAt(1, 2), kHoverOuter);
    b.host.MouseMove(0, 0, 21, 10);
    EXPECT_EQ(b.canvas.ColourAt(1, 2), kHoverOuter);
    EXPECT_EQ(b.surface.Take(), "Changed Enabled; Enabled 1; Invalidate; TimerOn; Invalidate; Raise MouseOver; "
                                "Raise MouseMove(0, 0, 21, 10)");

    // Disabled and enabled again before a tick: the button is under the pointer all along.
    b.host.SetEnabled(false);
    b.host.SetEnabled(true);
    b.surface.Take();
    b.host.HoverTimerTicked();
    EXPECT_EQ(b.surface.Take(), "");
}

// A tick that finds the pointer resting over the button rests the timer: only a notification
// (leaving, disabling) or a held mouse button, which holds the notifications back, wakes it.
TEST(ButtonHost, TheHoverTimerRestsWhileOnlyANotificationCanEndTheHover)
{
    struct Row {
        const char* name;
        std::function<void(ButtonHost&, FakeButtonSurface&)> then;
        bool resting;
    };
    const Row table[] = {
        {"nothing", [](ButtonHost&, FakeButtonSurface&) {}, true},
        {"the platform says it may have left", [](ButtonHost& h, FakeButtonSurface&) { h.PointerMayHaveLeft(); }, false},
        {"disabled", [](ButtonHost& h, FakeButtonSurface&) { h.SetEnabled(false); }, false},
        {"a press, then a tick", [](ButtonHost& h, FakeButtonSurface&) { h.MouseDown(kMouseRight, 0, 30, 12); h.HoverTimerTicked(); }, false},
        {"pressed and released, then a tick",
         [](ButtonHost& h, FakeButtonSurface&) {
             h.MouseDown(kMouseRight, 0, 30, 12);
             h.MouseUp(kMouseRight, 0, 30, 12, true);
             h.HoverTimerTicked();
         },
         true},
        {"a release lost to another window, a move, a tick",
         [](ButtonHost& h, FakeButtonSurface&) {
             h.MouseDown(kMouseRight, 0, 30, 12);
             h.MouseMove(0, 0, 31, 12);
             h.HoverTimerTicked();
         },
         true},
    };
    for (const Row& row : table) {
        ShownButton b;
        b.host.HoverTimerTicked();
        ASSERT_TRUE(b.surface.timerResting) << row.name;
        row.then(b.host, b.surface);
        EXPECT_EQ(b.surface.timerResting, row.resting) << row.name;
    }

    // Woken after the pointer left, the next tick ends the hover as before.
    ShownButton b;
    b.host.HoverTimerTicked();
    b.surface.pointerOver = false;
    b.host.PointerMayHaveLeft();
    b.host.HoverTimerTicked();
    EXPECT_EQ(b.surface.Take(), "TimerOff; Invalidate; Raise MouseOut");
    EXPECT_FALSE(b.surface.timerResting);
}

TEST(ButtonHost, ThePointerIsAskedOnlyWhereTheStepNeedsIt)
{
    ShownButton b;
    b.surface.pointerQueries = 0;
    b.host.MouseMove(kMouseRight, 0, 30, 12);
    b.host.MouseMove(kMouseLeft + kMouseRight, 0, 30, 12);
    EXPECT_EQ(b.surface.pointerQueries, 0);
    b.host.MouseMove(kMouseLeft, 0, 30, 12);
    b.surface.pointerOver = false;
    b.host.HoverTimerTicked();
    EXPECT_EQ(b.surface.pointerQueries, 2);
    EXPECT_EQ(b.surface.Take(), "Raise MouseMove(2, 0, 30, 12); Raise MouseMove(3, 0, 30, 12); Invalidate; "
                                "Raise MouseMove(1, 0, 30, 12); TimerOff; Invalidate; Raise MouseOut");
}

TEST(ButtonHost, PropertiesReachTheWindow)
{
    HostedButton b({ButtonFont{"Tahoma", 8, 400, 0, false, false, false}, SystemColour(18), "CommandButton4"});
    b.host.InitProperties();
    EXPECT_EQ(b.host.Caption(), "Command4");
    EXPECT_EQ(b.surface.Take(), "Font Tahoma");
    b.host.Resized(80, 24);
    b.surface.Take();
    b.host.SetCaption("E&xit");
    EXPECT_EQ(b.surface.Take(), "Invalidate; AccessKey x; Changed Caption");
    b.host.SetEnabled(false);
    EXPECT_EQ(b.surface.Take(), "Changed Enabled; Enabled 0; Invalidate");
    b.host.SetForeHover(Rgb(1, 2, 3));
    EXPECT_EQ(b.surface.Take(), "Changed ForeHover");
    b.host.AccessKeyPressed();
    EXPECT_EQ(b.surface.Take(), "") << "a disabled window takes no access key";
}

TEST(ButtonHost, DesignEntriesComeBackAsTheyWereStoredBesideTheHostsOwn)
{
    const std::vector<PropertyEntry> stored = {{"_extentx", "&H00000A5A&"},
                                               {"caption", "\"Save && E&xit\""},
                                               {"font", "{\"MS Sans Serif\", 8.25, 400, 0, 0, 0, 0}"},
                                               {"forecolor", "&H000000FF&"},
                                               {"forehover", "&H00743C00&"},
                                               {"enabled", "0"},
                                               {"_extenty", "&H000002FA&"}};
    HostedButton b({ButtonFont{}, SystemColour(18), "CommandButton2"});
    b.host.ReadEntries(stored);
    EXPECT_EQ(b.host.Caption(), "Save && E&xit");
    EXPECT_EQ(b.host.AccessKey(), "x");
    EXPECT_FALSE(b.host.Enabled());
    EXPECT_EQ(b.host.ForeColor(), Rgb(255, 0, 0));
    EXPECT_EQ(b.host.ForeHover(), Rgb(0, 60, 116));
    EXPECT_EQ(b.host.WriteEntries(stored), stored);

    b.host.SetCaption("Go");
    std::vector<PropertyEntry> changed = stored;
    changed[1].value = "\"Go\"";
    EXPECT_EQ(b.host.WriteEntries(stored), changed);

    // An entry whose value does not read is left out, so the property takes its default.
    HostedButton odd({ButtonFont{}, SystemColour(18), "CommandButton3"});
    odd.host.ReadEntries({{"caption", "unquoted"}, {"enabled", "maybe"}});
    EXPECT_EQ(odd.host.Caption(), "CommandButton3");
    EXPECT_TRUE(odd.host.Enabled());
}

TEST(ButtonHost, ThroughTheCanvasPortItDrawsTheSamePixelsAndLeavesTheShapeToTheCanvas)
{
    FakeButtonSurface surface;
    testing::FixedCellTextRenderer text;
    RasterCanvas canvas(text, testing::ClassicSystemColour);
    canvas.Resize(100, 30);
    ButtonHost host(surface, static_cast<CanvasPort&>(canvas), ButtonAmbient{});
    host.ReadProperties(PropertyBag{});
    host.Resized(100, 30);
    host.SetCaption("&Apply");
    EXPECT_EQ(surface.Take(), "Font MS Sans Serif; Enabled 1; AccessKey (none); Invalidate; Invalidate; "
                              "AccessKey a; Changed Caption");

    HostedButton raster;
    raster.host.ReadProperties(PropertyBag{});
    raster.host.Resized(100, 30);
    raster.host.SetCaption("&Apply");
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_EQ(canvas.ColourAt(x, y), raster.canvas.ColourAt(x, y)) << x << ", " << y;
}

}  // namespace
}  // namespace pelmora

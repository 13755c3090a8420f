#include "controls/ButtonInteraction.h"

#include "controls/ButtonInteractionTestSupport.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::ButtonIn;
using testing::DrawnFields;
namespace N = notifications;
using H = HoverState;

const N::MouseMove kInside(0, 0, 5, 6, true);
const N::MouseMove kInsideLeft(kMouseLeft, 0, 5, 6, true);
const N::MouseMove kOutside(0, 0, 5, 6, false);
const N::MouseMove kOutsideLeft(kMouseLeft, 0, 5, 6, false);
const N::MouseMove kInsideRight(kMouseRight, 0, 5, 6, true);
const N::MouseMove kOutsideLeftRight(kMouseLeft + kMouseRight, 0, 5, 6, false);

struct Transition {
    H from;
    N::MouseMove move;
    H to;
    const char* effects;
};

TEST(ButtonInteraction, MouseMoveTransitions)
{
    const char* noEffects = "";
    const Transition table[] = {
        {H::Idle, kInside, H::Entered, "TimerOn; DrawButton(0) hover; Raise MouseOver; Raise MouseMove(0, 0, 5, 6)"},
        {H::Idle, kInsideLeft, H::PressedIn, "DrawButton(1) hover; Raise MouseMove(1, 0, 5, 6)"},
        {H::Idle, kOutside, H::Idle, noEffects},
        {H::Idle, kOutsideLeft, H::Idle, noEffects},
        {H::Entered, kInside, H::Settled, "Raise MouseMove(0, 0, 5, 6)"},
        {H::Entered, kInsideLeft, H::PressedInPolled, "DrawButton(1) hover; Raise MouseMove(1, 0, 5, 6)"},
        {H::Entered, kOutside, H::Entered, noEffects},
        {H::Entered, kOutsideLeft, H::Entered, noEffects},
        {H::Settled, kInside, H::Settled, noEffects},
        {H::Settled, kInsideLeft, H::Settled, noEffects},
        {H::Settled, kOutside, H::Settled, "DrawButton(0) hover; Raise MouseMove(0, 0, 5, 6)"},
        {H::Settled, kOutsideLeft, H::Settled, "DrawButton(0) hover; Raise MouseMove(1, 0, 5, 6)"},
        {H::PressedInPolled, kInside, H::PressedInPolled, noEffects},
        {H::PressedInPolled, kInsideLeft, H::PressedInPolled, noEffects},
        {H::PressedInPolled, kOutside, H::PressedInPolled, "DrawButton(0); Raise MouseMove(0, 0, 5, 6)"},
        {H::PressedInPolled, kOutsideLeft, H::PressedInPolled, "DrawButton(0); Raise MouseMove(1, 0, 5, 6)"},
        {H::PressedIn, kInside, H::PressedIn, noEffects},
        {H::PressedIn, kInsideLeft, H::PressedIn, noEffects},
        {H::PressedIn, kOutside, H::PressedIn, "DrawButton(0); Raise MouseMove(0, 0, 5, 6)"},
        {H::PressedIn, kOutsideLeft, H::PressedIn, "DrawButton(0); Raise MouseMove(1, 0, 5, 6)"},
    };
    for (const Transition& t : table) {
        SCOPED_TRACE(std::string(HoverStateName(t.from)) + (t.move.pointerOver ? ", inside" : ", outside") +
                     ", button " + std::to_string(t.move.button));
        const ButtonStepResult r = Step(ButtonIn(t.from), t.move);
        EXPECT_STREQ(HoverStateName(HoverStateOf(r.state)), HoverStateName(t.to));
        EXPECT_EQ(Describe(r.effects), t.effects);
    }
}

TEST(ButtonInteraction, MovesWithAnotherButtonHeldOnlyRaiseMouseMove)
{
    for (H from : {H::Idle, H::Entered, H::Settled, H::PressedInPolled, H::PressedIn}) {
        for (const N::MouseMove& move : {kInsideRight, kOutsideLeftRight}) {
            SCOPED_TRACE(HoverStateName(from));
            const ButtonState before = ButtonIn(from);
            const ButtonStepResult r = Step(before, move);
            EXPECT_EQ(HoverStateOf(r.state), from);
            EXPECT_EQ(Describe(r.effects), "Raise MouseMove(" + std::to_string(move.button) + ", 0, 5, 6)");
        }
    }
}

TEST(ButtonInteraction, TimerTicks)
{
    struct Tick {
        H from;
        bool pointerOver;
        H to;
        const char* effects;
    };
    const char* leave = "TimerOff; DrawButton(0); Raise MouseOut";
    const Tick table[] = {
        {H::Entered, true, H::Entered, ""},
        {H::Entered, false, H::Idle, leave},
        {H::Settled, true, H::Settled, ""},
        {H::Settled, false, H::Idle, leave},
        {H::PressedInPolled, true, H::PressedInPolled, ""},
        {H::PressedInPolled, false, H::Idle, leave},
        // The timer is off here: a stale tick is not delivered by the platform and changes nothing.
        {H::Idle, false, H::Idle, ""},
        {H::PressedIn, false, H::PressedIn, ""},
    };
    for (const Tick& t : table) {
        SCOPED_TRACE(std::string(HoverStateName(t.from)) + (t.pointerOver ? " over" : " away"));
        const ButtonStepResult r = Step(ButtonIn(t.from), N::TimerTick(t.pointerOver));
        EXPECT_EQ(HoverStateOf(r.state), t.to);
        EXPECT_EQ(Describe(r.effects), t.effects);
    }
}

TEST(ButtonInteraction, Notifications)
{
    struct Row {
        const char* name;
        std::int16_t lastButton;
        std::int16_t lastKey;
        std::int16_t enabled;
        bool surfaceEnabled;
        ButtonNotification notification;
        const char* effects;
    };
    const Row table[] = {
        {"show", 0, 0, -1, true, N::Show(), "DrawButton(0)"},
        {"got focus", 0, 0, -1, true, N::GotFocus(), "DrawButton(1)"},
        {"lost focus", 0, 0, -1, true, N::LostFocus(), "DrawButton(0)"},
        {"left down", 0, 0, -1, true, N::MouseDown(1, 0, 5, 6), "Refresh; DrawButton(1); Raise MouseDown(1, 0, 5, 6)"},
        {"right down", 0, 0, -1, true, N::MouseDown(2, 1, 5, 6), "Refresh; Raise MouseDown(2, 1, 5, 6)"},
        {"middle down", 0, 0, -1, true, N::MouseDown(4, 0, 5, 6), "Refresh; DrawButton(1); Raise MouseDown(4, 0, 5, 6)"},
        {"down, m_Enabled 0", 0, 0, 0, true, N::MouseDown(1, 0, 5, 6), ""},
        {"up", 1, 0, -1, true, N::MouseUp(1, 0, 5, 6), "DrawButton(0); Refresh; Raise MouseUp(1, 0, 5, 6)"},
        {"click after left", 1, 0, -1, true, N::Click(), "DrawButton(0); Refresh; Raise Click"},
        {"click after right", 2, 0, -1, true, N::Click(), ""},
        {"double-click", 1, 0, -1, true, N::DblClick(), "Refresh; DrawButton(1); Raise MouseDown(1, 0, 0, 0); CaptureMouse"},
        {"double-click, m_Enabled 0", 1, 0, 0, true, N::DblClick(), "CaptureMouse"},
        {"double-click after right", 2, 0, -1, true, N::DblClick(), ""},
        {"Space down", 0, 0, -1, true, N::KeyDown(32, 0), "DrawButton(1); Raise KeyDown(32, 0)"},
        {"Enter down", 0, 0, -1, true, N::KeyDown(13, 0), "DrawButton(1); Raise KeyDown(13, 0)"},
        {"Left", 0, 0, -1, true, N::KeyDown(37, 0), "SendTab; Raise KeyDown(37, 0)"},
        {"Right", 0, 0, -1, true, N::KeyDown(39, 0), "SendTab; Raise KeyDown(39, 0)"},
        {"Up", 0, 0, -1, true, N::KeyDown(38, 0), "SendShiftTab; Raise KeyDown(38, 0)"},
        {"Down", 0, 0, -1, true, N::KeyDown(40, 1), "SendShiftTab; Raise KeyDown(40, 1)"},
        {"A down", 0, 0, -1, true, N::KeyDown(65, 0), "Raise KeyDown(65, 0)"},
        {"key press", 0, 0, -1, true, N::KeyPress(97), "Raise KeyPress(97)"},
        {"Space up", 0, 32, -1, true, N::KeyUp(32, 0), "DrawButton(0); Refresh; Raise Click; Raise KeyUp(32, 0)"},
        {"Enter up", 0, 13, -1, true, N::KeyUp(13, 0), "DrawButton(0); Refresh; Raise Click; Raise KeyUp(13, 0)"},
        {"Space up after Enter", 0, 13, -1, true, N::KeyUp(32, 0), "Raise KeyUp(32, 0)"},
        {"Enter up after Space", 0, 32, -1, true, N::KeyUp(13, 0), "Raise KeyUp(13, 0)"},
        {"Space up after Shift", 0, 16, -1, true, N::KeyUp(32, 0), "Raise KeyUp(32, 0)"},
        {"access key after right", 2, 0, -1, true, N::AccessKeyPress(), "DrawButton(0); Refresh; Raise Click"},
        // A disabled window receives no input.
        {"disabled down", 0, 0, 0, false, N::MouseDown(1, 0, 5, 6), ""},
        {"disabled move", 0, 0, 0, false, kInside, ""},
        {"disabled key", 0, 32, 0, false, N::KeyUp(32, 0), ""},
        {"disabled access key", 0, 0, 0, false, N::AccessKeyPress(), ""},
        {"disabled focus", 0, 0, 0, false, N::GotFocus(), ""},
        {"disabled lost focus", 0, 0, 0, false, N::LostFocus(), "DrawButton(0)"},
        {"disabled show", 0, 0, 0, false, N::Show(), "DrawButton(0)"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        ButtonState state = ButtonIn(H::Idle);
        state.fields.m_Button = row.lastButton;
        state.fields.m_LastKey = row.lastKey;
        state.fields.m_Enabled = row.enabled;
        state.surface.enabled = row.surfaceEnabled;
        EXPECT_EQ(Describe(Step(state, row.notification).effects), row.effects);
    }
}

TEST(ButtonInteraction, FieldsSetByHandlers)
{
    ButtonState state = ButtonIn(H::Idle);
    ButtonStepResult r = Step(state, N::Resize(120, 23));
    const ButtonFields& f = r.state.fields;
    EXPECT_EQ(f.m_ClientRect.right, 120);
    EXPECT_EQ(f.m_ClientRect.bottom, 23);
    EXPECT_EQ(f.m_Width, 120);
    EXPECT_EQ(f.m_Height, 23);
    EXPECT_EQ(f.m_Right, 119);
    EXPECT_EQ(f.m_Bottom, 23);
    EXPECT_EQ(f.m_Left, 0);
    EXPECT_EQ(f.m_Top, 0);
    ASSERT_EQ(Describe(r.effects), "DrawButton(0)");
    EXPECT_EQ(DrawnFields(r.effects[0]).m_Right, 119);  // drawn at the new size

    EXPECT_EQ(Step(state, N::GotFocus()).state.fields.m_Focused, -1);
    state.fields.m_Focused = -1;
    EXPECT_EQ(Step(state, N::LostFocus()).state.fields.m_Focused, 0);
    EXPECT_EQ(Step(state, N::MouseDown(2, 0, 1, 1)).state.fields.m_Button, 2);
    EXPECT_EQ(Step(state, N::KeyDown(65, 0)).state.fields.m_LastKey, 65);

    // The keyboard click draws before it records the left button.
    state.fields.m_Button = 2;
    state.fields.m_LastKey = kKeySpace;
    r = Step(state, N::KeyUp(kKeySpace, 0));
    EXPECT_EQ(r.state.fields.m_Button, 1);
    EXPECT_EQ(DrawnFields(r.effects[0]).m_Button, 2);
}

TEST(ButtonInteraction, NamesTheHoverStates)
{
    EXPECT_STREQ(HoverStateName(HoverStateOf(ButtonIn(H::PressedInPolled))), "Pressed-in, polled");
    ButtonState odd = ButtonIn(H::Idle);
    odd.fields.m_Hover = -1;  // hover look without its timer
    EXPECT_EQ(HoverStateOf(odd), H::Other);
}

}  // namespace
}  // namespace pelmora

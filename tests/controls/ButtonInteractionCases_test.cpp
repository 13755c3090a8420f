#include "controls/ButtonInteraction.h"

#include "controls/ButtonInteractionTestSupport.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::ButtonIn;
using testing::DrawnFields;
using testing::StepRun;
namespace N = notifications;
using H = HoverState;

const effects::Draw* LastDraw(const std::vector<ButtonEffect>& effects)
{
    for (auto it = effects.rbegin(); it != effects.rend(); ++it)
        if (const auto* draw = std::get_if<effects::Draw>(&*it)) return draw;
    return nullptr;
}

TEST(ButtonInteractionCases, MovingInAndAcrossRaisesMouseOverOnceAndTwoMoves)
{
    StepRun run{ButtonIn(H::Idle)};
    for (int x = 1; x <= 6; ++x) run << N::MouseMove(0, 0, static_cast<float>(x), 6, true);
    EXPECT_EQ(run.Count(ButtonEvent::MouseOver), 1);
    EXPECT_EQ(run.Count(ButtonEvent::MouseMove), 2);
    EXPECT_EQ(HoverStateOf(run.state), H::Settled);
    EXPECT_EQ(run.Described(), "TimerOn; DrawButton(0) hover; Raise MouseOver; Raise MouseMove(0, 0, 1, 6); "
                               "Raise MouseMove(0, 0, 2, 6)");

    run.effects.clear();
    run << N::TimerTick(true) << N::TimerTick(false);
    EXPECT_EQ(run.Described(), "TimerOff; DrawButton(0); Raise MouseOut");
    EXPECT_EQ(HoverStateOf(run.state), H::Idle);
}

TEST(ButtonInteractionCases, RightButtonMovesRaiseEveryMoveAndChangeNothing)
{
    StepRun run{ButtonIn(H::Idle)};
    for (int x = 0; x < 4; ++x) run << N::MouseMove(kMouseRight, 0, static_cast<float>(x), 6, x % 2 == 0);
    EXPECT_EQ(run.Count(ButtonEvent::MouseMove), 4);
    EXPECT_EQ(run.effects.size(), 4u);
    EXPECT_EQ(HoverStateOf(run.state), H::Idle);
}

TEST(ButtonInteractionCases, RightClickRedrawsWithoutClickOrPressedLook)
{
    StepRun run{ButtonIn(H::Settled)};
    run << N::MouseDown(kMouseRight, 0, 5, 6) << N::MouseUp(kMouseRight, 0, 5, 6) << N::Click();
    EXPECT_EQ(run.Described(), "Refresh; Raise MouseDown(2, 0, 5, 6); DrawButton(0) hover; Refresh; "
                               "Raise MouseUp(2, 0, 5, 6)");
}

TEST(ButtonInteractionCases, LeftClickFromSettled)
{
    StepRun run{ButtonIn(H::Settled)};
    run << N::MouseDown(kMouseLeft, 0, 5, 6) << N::MouseUp(kMouseLeft, 0, 5, 6) << N::Click();
    EXPECT_EQ(run.Described(), "Refresh; DrawButton(1) hover; Raise MouseDown(1, 0, 5, 6); DrawButton(0) hover; "
                               "Refresh; Raise MouseUp(1, 0, 5, 6); DrawButton(0) hover; Refresh; Raise Click");
}

TEST(ButtonInteractionCases, DoubleClickRaisesOneClickAndTwoPresses)
{
    StepRun run{ButtonIn(H::Settled)};
    run << N::MouseDown(1, 0, 5, 6) << N::MouseUp(1, 0, 5, 6) << N::Click() << N::DblClick() << N::MouseUp(1, 0, 5, 6);
    EXPECT_EQ(run.Count(ButtonEvent::Click), 1);
    EXPECT_EQ(run.Count(ButtonEvent::MouseDown), 2);
    EXPECT_TRUE(std::holds_alternative<effects::Raise>(run.effects.back()));
    EXPECT_NE(run.Described().find("Raise MouseDown(1, 0, 0, 0); CaptureMouse"), std::string::npos);
}

TEST(ButtonInteractionCases, DragOutAndBackShowsThePressedLookAgain)
{
    StepRun run{ButtonIn(H::Settled)};
    run << N::MouseDown(kMouseLeft, 0, 5, 6);
    run.effects.clear();

    // Out before the next tick: the hover look, not the pressed one.
    run << N::MouseMove(kMouseLeft, 0, 120, 6, false);
    EXPECT_EQ(run.Described(), "DrawButton(0) hover; Raise MouseMove(1, 0, 120, 6)");
    run << N::TimerTick(false);
    EXPECT_EQ(HoverStateOf(run.state), H::Idle);
    EXPECT_EQ(run.Count(ButtonEvent::MouseOut), 1);

    // Back in with the button held: pressed look with the caption in the hover colour.
    run.effects.clear();
    run << N::MouseMove(kMouseLeft, 0, 50, 6, true);
    EXPECT_EQ(HoverStateOf(run.state), H::PressedIn);
    ASSERT_EQ(run.Described(), "DrawButton(1) hover; Raise MouseMove(1, 0, 50, 6)");
    EXPECT_EQ(DrawnFields(run.effects[0]).m_Button, kMouseLeft);
    EXPECT_EQ(run.state.fields.m_Hover, 0);  // the hover state stays off
}

TEST(ButtonInteractionCases, ReleaseInPressedInReturnsToHoverTracking)
{
    StepRun run{ButtonIn(H::Idle)};
    run << N::MouseMove(kMouseLeft, 0, 5, 6, true);
    ASSERT_EQ(HoverStateOf(run.state), H::PressedIn);
    run.effects.clear();

    run << N::MouseUp(kMouseLeft, 0, 5, 6);
    EXPECT_EQ(run.Described(), "DrawButton(0); Refresh; Raise MouseUp(1, 0, 5, 6)");
    EXPECT_EQ(HoverStateOf(run.state), H::Idle);

    run << N::MouseMove(0, 0, 6, 6, true);
    EXPECT_EQ(HoverStateOf(run.state), H::Entered);
    EXPECT_EQ(run.Count(ButtonEvent::MouseOver), 1);
}

TEST(ButtonInteractionCases, ReleaseInOtherStatesKeepsTheHoverState)
{
    for (H from : {H::Idle, H::Entered, H::Settled, H::PressedInPolled}) {
        SCOPED_TRACE(HoverStateName(from));
        EXPECT_EQ(HoverStateOf(Step(ButtonIn(from), N::MouseUp(1, 0, 5, 6)).state), from);
    }
}

TEST(ButtonInteractionCases, KeyboardClicks)
{
    struct Row {
        const char* name;
        std::vector<ButtonNotification> keys;
        int clicks;
    };
    const Row table[] = {
        {"Space", {N::KeyDown(32, 0), N::KeyUp(32, 0)}, 1},
        {"Enter", {N::KeyDown(13, 0), N::KeyUp(13, 0)}, 1},
        {"Space, Shift, Space up", {N::KeyDown(32, 0), N::KeyDown(16, 1), N::KeyUp(32, 1)}, 0},
        {"Enter down, Space up", {N::KeyDown(13, 0), N::KeyUp(32, 0)}, 0},
        {"Space down, Enter up", {N::KeyDown(32, 0), N::KeyUp(13, 0)}, 0},
        {"auto-repeat", {N::KeyDown(32, 0), N::KeyDown(32, 0), N::KeyDown(32, 0), N::KeyUp(32, 0)}, 1},
        // A box that closes on its key-down hands the focus back before the key-up arrives.
        {"Enter down, focus lost to a box, Enter up", {N::KeyDown(13, 0), N::LostFocus(), N::KeyUp(13, 0)}, 0},
        {"Enter down, box closes, focus back, Enter up",
         {N::KeyDown(13, 0), N::LostFocus(), N::GotFocus(), N::KeyUp(13, 0)}, 0},
        {"Space down, a popup takes the keys, Space up", {N::KeyDown(32, 0), N::InputTaken(), N::KeyUp(32, 0)}, 0},
        {"focus back, then Enter", {N::LostFocus(), N::GotFocus(), N::KeyDown(13, 0), N::KeyUp(13, 0)}, 1},
        {"Enter without the focus", {N::LostFocus(), N::KeyDown(13, 0), N::KeyUp(13, 0)}, 0},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        StepRun run{ButtonIn(H::Idle)};
        run << N::GotFocus();
        for (const ButtonNotification& key : row.keys) run << key;
        EXPECT_EQ(run.Count(ButtonEvent::Click), row.clicks);
        EXPECT_EQ(run.Count(ButtonEvent::KeyUp), 1);
        if (row.clicks == 1) {
            EXPECT_EQ(run.state.fields.m_Button, kMouseLeft);
        }
    }
}

TEST(ButtonInteractionCases, AccessKeyClicksEvenAfterARightPress)
{
    StepRun run{ButtonIn(H::Idle)};
    run << N::MouseDown(kMouseRight, 0, 5, 6) << N::MouseUp(kMouseRight, 0, 5, 6) << N::Click();
    EXPECT_EQ(run.Count(ButtonEvent::Click), 0);
    run << N::AccessKeyPress();
    EXPECT_EQ(run.Count(ButtonEvent::Click), 1);
    EXPECT_EQ(run.state.fields.m_Button, kMouseLeft);
}

TEST(ButtonInteractionCases, DisabledButtonStillEndsHoverOnItsPendingTick)
{
    ButtonState state = ButtonIn(H::Settled);
    state.fields.m_Enabled = 0;
    state.surface.enabled = false;
    StepRun run{state};
    run << N::MouseMove(0, 0, 5, 6, false);  // not delivered to a disabled window
    run << N::TimerTick(false);
    EXPECT_EQ(run.Described(), "TimerOff; DrawButton(0); Raise MouseOut");
    EXPECT_EQ(LastDraw(run.effects)->fields.m_Enabled, 0);  // drawn in the disabled look
    EXPECT_EQ(HoverStateOf(run.state), H::Idle);
}

TEST(ButtonInteractionCases, FocusWithALeftPressShowsThePressedLook)
{
    ButtonState state = ButtonIn(H::Idle);
    state.fields.m_Button = kMouseLeft;
    const ButtonStepResult r = Step(state, N::GotFocus());
    ASSERT_EQ(Describe(r.effects), "DrawButton(1)");
    EXPECT_EQ(DrawnFields(r.effects[0]).m_Focused, -1);
    EXPECT_EQ(DrawnFields(r.effects[0]).m_Button, kMouseLeft);
}

}  // namespace
}  // namespace pelmora

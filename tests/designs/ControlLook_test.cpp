#include "designs/ControlLook.h"

#include <gtest/gtest.h>

namespace pelmora::designs {
namespace {

ControlDesign Control(ControlKind kind, std::optional<BorderStyle> border, bool backColour)
{
    ControlDesign control;
    control.kind = kind;
    control.borderStyle = border;
    if (backColour)
        control.backColor = Colour{0x00FFFFFF};
    return control;
}

TEST(ControlLook, FramesAndFills)
{
    struct Case {
        ControlKind kind;
        std::optional<BorderStyle> border;
        bool backColour;
        bool framed, sunken, opaque;
    };
    const Case cases[] = {
        {ControlKind::PictureBox, std::nullopt, false, true, true, true},
        {ControlKind::PictureBox, BorderStyle::None, false, false, false, true},
        {ControlKind::Image, std::nullopt, false, true, false, false},
        {ControlKind::Image, std::nullopt, true, true, false, true},
        {ControlKind::TextBox, BorderStyle::None, false, false, false, false},
        {ControlKind::TextBox, BorderStyle::FixedSingle, false, true, false, false},
    };
    for (const Case& c : cases) {
        const ControlDesign control = Control(c.kind, c.border, c.backColour);
        EXPECT_EQ(Framed(control), c.framed) << static_cast<int>(c.kind);
        EXPECT_EQ(Sunken(control), c.sunken) << static_cast<int>(c.kind);
        EXPECT_EQ(Opaque(control), c.opaque) << static_cast<int>(c.kind);
    }
}

TEST(ControlLook, OnlyHiddenLabelsBoxesAndPicturesGoWithoutAWindow)
{
    // A hidden button keeps its window: it holds the button's state.
    const std::pair<ControlKind, bool> held[] = {
        {ControlKind::Label, true},          {ControlKind::TextBox, true}, {ControlKind::PictureBox, true},
        {ControlKind::Image, true},          {ControlKind::CommandButton, false}, {ControlKind::MenuItem, false},
    };
    for (const auto& [kind, hidden] : held) {
        ControlDesign control = Control(kind, std::nullopt, false);
        EXPECT_FALSE(HeldWithoutWindow(control)) << "shown: " << static_cast<int>(kind);
        control.visible = false;
        EXPECT_EQ(HeldWithoutWindow(control), hidden) << static_cast<int>(kind);
    }
}

TEST(ControlLook, FontsAlignmentAndTheNarrowedStandIn)
{
    WindowDesign window;
    ControlDesign control;
    EXPECT_EQ(FontOf(control, window), ButtonFont{});
    window.font = ButtonFont{"Arial", 10};
    EXPECT_EQ(FontOf(control, window).name, "Arial");
    control.font = ButtonFont{"Tahoma", 8};
    EXPECT_EQ(FontOf(control, window).name, "Tahoma");

    EXPECT_EQ(SubstituteStretch(ButtonFont{"ms sans SERIF", 8}), 88);
    EXPECT_EQ(SubstituteStretch(ButtonFont{"MS Sans Serif Bold", 8}), 100);
    EXPECT_EQ(SubstituteStretch(ButtonFont{"Tahoma", 8}), 100);

    EXPECT_EQ(AlignmentOf(control, 'L', 'C', 'R'), 'L');
    control.alignment = Alignment::Right;
    EXPECT_EQ(AlignmentOf(control, 'L', 'C', 'R'), 'R');
    control.alignment = Alignment::Center;
    EXPECT_EQ(AlignmentOf(control, 'L', 'C', 'R'), 'C');
}

}  // namespace
}  // namespace pelmora::designs

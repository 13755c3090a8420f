#include "designs/ButtonDesign.h"

#include "controls/FakeButtonSurface.h"

#include <gtest/gtest.h>

namespace pelmora::designs {
namespace {

TEST(ButtonDesign, AButtonTakesItsWindowsFontOrTheDesignDefault)
{
    WindowDesign window;
    ControlDesign button;
    button.name = "CommandButton7";
    EXPECT_EQ(AmbientOf(button, window).font, ButtonFont{});
    window.font = ButtonFont{"Arial", 12, 700, 0, false, false, false};
    const ButtonAmbient ambient = AmbientOf(button, window);
    EXPECT_EQ(ambient.font, *window.font);
    EXPECT_EQ(ambient.foreColor, SystemColour(18));
    EXPECT_EQ(ambient.displayName, "CommandButton7");
}

TEST(ButtonDesign, EveryButtonOfTheProgramsDesignsWritesBackItsOwnEntries)
{
    for (const char* file : {"Form1.design", "sinf.design", "Form2z.design"}) {
        const WindowDesign window = EmbeddedDesign(file);
        for (const ControlDesign& design : window.controls) {
            if (design.kind != ControlKind::CommandButton)
                continue;
            pelmora::testing::HostedButton button(AmbientOf(design, window));
            button.host.ReadEntries(design.properties);
            EXPECT_EQ(button.host.WriteEntries(design.properties), design.properties) << file << " " << design.name;
            EXPECT_TRUE(button.host.Enabled());
        }
    }
}

}  // namespace
}  // namespace pelmora::designs

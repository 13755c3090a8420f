#include "controls/ButtonProperties.h"

#include "controls/ButtonInteractionTestSupport.h"
#include "controls/PropertyBagText.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::DrawnFields;

const Colour kHostFore = SystemColour(18);

ButtonAmbient Host(std::string displayName = "CommandButton1")
{
    return ButtonAmbient{ButtonFont{"Tahoma", 9.75, 400, 0, false, false, false}, kHostFore, std::move(displayName)};
}

TEST(ButtonProperties, SettersInTheirStepOrder)
{
    ButtonState state;
    state.fields.m_Caption = "Old";
    const ButtonFont arial{"Arial", 12, 700, 0, false, false, false};
    struct Row {
        const char* name;
        ButtonStepResult result;
        const char* effects;
    };
    const Row table[] = {
        {"Enabled", SetEnabled(state, false), "Notify Enabled; SurfaceEnabled 0; DrawButton(0)"},
        {"Font", SetFont(state, arial), "SurfaceFont Arial; DrawButton(0); Notify Font"},
        {"Caption", SetCaption(state, "E&xit"), "DrawButton(0); AccessKeys x; Notify Caption"},
        {"ForeColor", SetForeColor(state, Rgb(0, 0, 160)), "SurfaceForeColor &H00A00000&; DrawButton(0); Notify ForeColor"},
        {"ForeHover", SetForeHover(state, Rgb(255, 0, 0)), "Notify ForeHover"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Describe(row.result.effects), row.effects);
    }
    // Each redraw sees the new value.
    EXPECT_EQ(DrawnFields(table[0].result.effects[2]).m_Enabled, 0);
    EXPECT_EQ(DrawnFields(table[2].result.effects[0]).m_Caption, "E&xit");
    EXPECT_EQ(table[0].result.state.surface.enabled, false);
    EXPECT_EQ(table[1].result.state.surface.font, arial);
    EXPECT_EQ(table[2].result.state.surface.accessKeys, "x");
    EXPECT_EQ(table[3].result.state.surface.foreColor, Rgb(0, 0, 160));
    EXPECT_EQ(table[4].result.state.fields.m_ForeHover, Rgb(255, 0, 0));
    EXPECT_EQ(SetEnabled(table[0].result.state, true).state.fields.m_Enabled, -1);
}

TEST(ButtonProperties, InitProperties)
{
    struct Row {
        const char* displayName;
        const char* caption;
    };
    const Row table[] = {
        {"CommandButton12", "Command12"},
        {"CommandButton1", "Command1"},
        {"CommandButto", "Command"},
        {"Command_Button", "Commandn"},  // 14 characters: the last one stays
        {"", "Command"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.displayName);
        ButtonState state;
        state.fields.m_Enabled = 0;
        const ButtonStepResult r = InitProperties(state, Host(row.displayName));
        EXPECT_EQ(r.state.fields.m_Caption, row.caption);
        EXPECT_EQ(r.state.fields.m_Enabled, -1);
        EXPECT_EQ(r.state.fields.m_ForeHover, 0u);
        EXPECT_EQ(r.state.surface.foreColor, kColourWindowFrame);  // the design's own fore colour
        EXPECT_EQ(r.state.surface.accessKeys, "");
        EXPECT_EQ(r.state.surface.font.name, "Tahoma");
        EXPECT_EQ(Describe(r.effects), "SurfaceFont Tahoma");
    }
}

TEST(ButtonProperties, ReadPropertiesDefaults)
{
    const ButtonStepResult r = ReadProperties(ButtonState{}, PropertyBag{}, Host());
    EXPECT_EQ(r.state.fields.m_Enabled, -1);
    EXPECT_EQ(r.state.surface.font, Host().font);
    EXPECT_EQ(r.state.fields.m_Caption, "CommandButton1");
    EXPECT_EQ(r.state.surface.foreColor, kHostFore);
    EXPECT_EQ(r.state.fields.m_ForeHover, kHostFore);
    EXPECT_EQ(Describe(r.effects), "SurfaceFont Tahoma; SurfaceForeColor &H80000012&; SurfaceEnabled 1; AccessKeys (none)");
}

TEST(ButtonProperties, ReadPropertiesFromStoredEntries)
{
    const PropertyBagResult stored = ReadPropertyLines({
        "caption = \"&Apply\"",
        "forecolor = &H00000000&",
        "enabled = 0",
    });
    ASSERT_EQ(stored.error, "");
    const ButtonStepResult r = ReadProperties(ButtonState{}, stored.bag, Host());
    EXPECT_EQ(r.state.fields.m_Enabled, 0);
    EXPECT_EQ(r.state.fields.m_Caption, "&Apply");
    EXPECT_EQ(r.state.surface.foreColor, 0u);
    EXPECT_EQ(r.state.fields.m_ForeHover, 0u);  // no forehover entry: its own ForeColor
    EXPECT_FALSE(r.state.surface.enabled);
    EXPECT_EQ(r.state.surface.accessKeys, "a");
    for (const ButtonEffect& e : r.effects) EXPECT_FALSE(std::holds_alternative<effects::Draw>(e));
}

TEST(ButtonProperties, WritePropertiesOrderAndDefaults)
{
    ButtonState state;
    state.fields.m_Enabled = 0;
    state.fields.m_Caption = "Remove Logo";
    state.surface.foreColor = Rgb(0, 0, 0);
    state.fields.m_ForeHover = Rgb(0, 0, 160);
    state.surface.font = Host().font;

    PropertyBag bag;
    bag.WriteProperty("_extentx", std::int32_t{2752});
    WriteProperties(state, bag, Host());
    const std::vector<std::string> expected = {
        "_extentx = &H00000AC0&",
        "enabled = 0",
        "font = {\"Tahoma\", 9.75, 400, 0, 0, 0, 0}",
        "caption = \"Remove Logo\"",
        "forecolor = &H00000000&",
        "forehover = &H00A00000&",
    };
    EXPECT_EQ(WritePropertyLines(bag).lines, expected);

    // Everything at its default: only the font, an object of the button's own that is never the
    // host's, and ForeColor are stored (a ForeHover equal to the host's colour is not, and reads
    // back as the button's own ForeColor: see above).
    ButtonState plain;
    plain.fields.m_Enabled = -1;
    plain.fields.m_Caption = "CommandButton1";
    plain.fields.m_ForeHover = kHostFore;
    plain.surface.font = Host().font;
    PropertyBag plainBag;
    WriteProperties(plain, plainBag, Host());
    EXPECT_EQ(WritePropertyLines(plainBag).lines,
              (std::vector<std::string>{"font = {\"Tahoma\", 9.75, 400, 0, 0, 0, 0}", "forecolor = &H80000006&"}));
}

TEST(ButtonProperties, WriteThenReadKeepsEveryProperty)
{
    ButtonState state;
    state.fields.m_Enabled = 0;
    state.fields.m_Caption = "Save && E&xit";
    state.surface.font = ButtonFont{"Arial", 20.25, 700, 2, true, true, false};
    state.surface.foreColor = SystemColour(8);
    state.fields.m_ForeHover = Rgb(1, 2, 3);
    PropertyBag bag;
    WriteProperties(state, bag, Host());
    const PropertyBagResult text = ReadPropertyLines(WritePropertyLines(bag).lines);
    ASSERT_EQ(text.error, "");
    const ButtonState back = ReadProperties(ButtonState{}, text.bag, Host()).state;
    EXPECT_EQ(back.fields.m_Enabled, 0);
    EXPECT_EQ(back.fields.m_Caption, state.fields.m_Caption);
    EXPECT_EQ(back.surface.font, state.surface.font);
    EXPECT_EQ(back.surface.foreColor, state.surface.foreColor);
    EXPECT_EQ(back.fields.m_ForeHover, state.fields.m_ForeHover);
    EXPECT_EQ(back.surface.accessKeys, "x");
}

}  // namespace
}  // namespace pelmora

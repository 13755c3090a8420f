#include "controls/PropertyBagText.h"
#include "designs/ButtonDesign.h"
#include "designs/DesignPictures.h"
#include "designs/DesignValues.h"
#include "designs/Twips.h"
#include "designs/WindowDesign.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

namespace pelmora::designs {
namespace {

const ControlDesign& Get(const WindowDesign& design, const std::string& name)
{
    const ControlDesign* control = design.Find(name);
    if (control == nullptr)
        throw std::runtime_error(design.name + " has no " + name);
    return *control;
}

std::string StoredEntry(const ControlDesign& control, const std::string& name)
{
    for (const PropertyEntry& entry : control.properties)
        if (entry.name == name)
            return entry.value;
    return {};
}

// A 32-bit integer as a button's property entries hold it.
std::string StoredInteger(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "&H%08X&", static_cast<unsigned>(value));
    return text;
}

void ForEachControl(const std::vector<ControlDesign>& controls, const std::function<void(const ControlDesign&)>& visit)
{
    for (const ControlDesign& control : controls) {
        visit(control);
        ForEachControl(control.children, visit);
    }
}

struct Expected {
    const char* name;
    ControlKind kind;
    bool visible;
    const char* text;
};

TEST(WindowDesigns, MainWindowHoldsEveryControlWithItsCaption)
{
    WindowDesign form = EmbeddedDesign("Form1.design");
    EXPECT_EQ(form.caption, "OEM Logo & Support Information");
    EXPECT_EQ(form.borderStyle, BorderStyle::FixedSingle);
    EXPECT_EQ(form.clientSize, (TwipSize{7800, 6465}));
    EXPECT_EQ(form.Find("cdlg"), nullptr);  // the dialog is the window's, not a control

    const Expected controls[] = {
        {"Text1", ControlKind::TextBox, true, ""},
        {"Text2", ControlKind::TextBox, true, ""},
        {"Text3", ControlKind::TextBox, true, ""},
        {"Text4", ControlKind::TextBox, false, "Text4"},
        {"Text5", ControlKind::TextBox, false, "Text5"},
        {"Text6", ControlKind::TextBox, false, "Text6"},
        {"Text7", ControlKind::TextBox, false, "Text7"},
        {"Text8", ControlKind::TextBox, true, ""},
        {"Text9", ControlKind::TextBox, false, ""},
        {"La11", ControlKind::Label, false, ""},
        {"Image3", ControlKind::Image, false, ""},
        {"Picture1", ControlKind::PictureBox, true, ""},
        {"L11", ControlKind::Label, true, "Unknown"},
        {"L12", ControlKind::Label, true, "Unknown"},
        {"L13", ControlKind::Label, true, "Unknown"},
        {"L14", ControlKind::Label, true, "Unknown"},
        {"Label1", ControlKind::Label, true, "Manufacturer:"},
        {"Label2", ControlKind::Label, true, "Model:"},
        {"Label3", ControlKind::Label, true, "OEM logo Management"},
        {"Label4", ControlKind::Label, true, "Logo path =>"},
        {"Label5", ControlKind::Label, true, "OEM Informations"},
        {"Label6", ControlKind::Label, true, "Logo Should be Following Attributes    "},
        {"Label7", ControlKind::Label, true, " Width = 180              Height = 115"},
        {"Label8", ControlKind::Label, true, "Times visited"},
        {"Label9", ControlKind::Label, true, "Current Logo "},
        {"f", ControlKind::Menu, true, "  File"},
        {"ol", ControlKind::MenuItem, true, "Open Logo"},
        {"al", ControlKind::MenuItem, true, "Apply Logo"},
        {"esi", ControlKind::MenuItem, true, "Edit sup Info.."},
        {"ww", ControlKind::MenuItem, true, ""},
        {"ex", ControlKind::MenuItem, true, "Close"},
        {"h", ControlKind::Menu, true, " Help."},
        {"ab", ControlKind::MenuItem, true, "About.."},
        {"on", ControlKind::MenuItem, true, "System properties"},
    };
    for (const Expected& e : controls) {
        SCOPED_TRACE(e.name);
        const ControlDesign& control = Get(form, e.name);
        EXPECT_EQ(control.kind, e.kind);
        EXPECT_EQ(control.visible, e.visible);
        EXPECT_EQ(control.text, e.text);
    }
    EXPECT_EQ(Get(form, "Label7").foreColor, Rgb(192, 0, 0));
    EXPECT_EQ(Get(form, "Text8").foreColor, Rgb(192, 0, 0));
    for (const char* blue : {"Label9", "L11", "L12", "L13", "L14"})
        EXPECT_EQ(Get(form, blue).foreColor, Rgb(0, 0, 255)) << blue;

    const std::pair<const char*, const char*> shortcuts[] = {
        {"ol", "Ctrl+O"}, {"al", "Ctrl+A"}, {"esi", "Ctrl+E"}, {"ww", ""}, {"ex", "Ctrl+Q"}, {"ab", ""}, {"on", ""}};
    for (const auto& [item, shortcut] : shortcuts)
        EXPECT_EQ(Get(form, item).shortcut, shortcut) << item;

    const std::pair<const char*, const char*> buttons[] = {
        {"CommandButton1", "\"Apply Selected \""},      {"CommandButton2", "\"Remove Logo\""},
        {"CommandButton3", "\"Select Logo\""},          {"CommandButton4", "\"Apply OEM Information\""},
        {"CommandButton5", "\"Edit Support Information\""}, {"CommandButton6", "\"Remove OEM Information\""},
        {"CommandButton7", "\"View\""},                 {"CommandButton8", "\"About\""},
        {"CommandButton9", "\"Exit\""}};
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(StoredEntry(Get(form, name), "caption"), caption) << name;
}

TEST(WindowDesigns, EditorRowsStandWhereTheyBelongInFocusOrder)
{
    WindowDesign editor = EmbeddedDesign("sinf.design");
    EXPECT_EQ(editor.caption, "Support Information Manager");
    EXPECT_EQ(editor.clientSize, (TwipSize{6090, 5715}));
    EXPECT_EQ(editor.borderStyle, BorderStyle::FixedDialog);
    EXPECT_FALSE(editor.showInTaskbar);
    EXPECT_EQ(editor.startUp, StartUpPosition::Centred);
    EXPECT_EQ(editor.backColor, Rgb(128, 128, 128));
    EXPECT_FALSE(editor.picture.empty());

    const ControlDesign& heading = Get(editor, "Label1");
    EXPECT_EQ(heading.text, "OEM Support information");
    ASSERT_TRUE(heading.font);
    EXPECT_EQ(heading.font->size, 14.25);
    EXPECT_EQ(heading.font->weight, 700);

    const std::pair<const char*, const char*> rows[] = {
        {"Web Address", "Text1"}, {"E- Mail", "Text4"}, {"Postal Address", "Text5"},
        {"Address2", "Text6"},    {"TelePhone", "Text7"}, {"Fax", "Text8"},
        {"Owner", "Text9"},       {"Company", "Text11"}, {"Date", "Text12"}};
    int top = 840;
    for (const auto& [caption, boxName] : rows) {
        SCOPED_TRACE(caption);
        const ControlDesign& box = Get(editor, boxName);
        EXPECT_EQ(box.position, (TwipPoint{1680, top}));
        EXPECT_EQ(box.size, (TwipSize{4215, 285}));
        const ControlDesign* label = nullptr;
        ForEachControl(editor.controls, [&](const ControlDesign& c) {
            if (c.kind == ControlKind::Label && c.text == caption)
                label = &c;
        });
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->position->x, 240);
        EXPECT_GE(label->position->y, top);
        EXPECT_LT(label->position->y, top + 285);
        ASSERT_TRUE(label->font);
        EXPECT_EQ(label->font->size, 8.25);
        EXPECT_EQ(label->font->weight, 700);
        top += 480;
    }
    EXPECT_FALSE(Get(editor, "Text2").visible);
    EXPECT_FALSE(Get(editor, "Text3").visible);

    const ControlDesign& apply = Get(editor, "CommandButton1");
    EXPECT_EQ(apply.position, (TwipPoint{1680, 5160}));
    EXPECT_EQ(apply.size, (TwipSize{2055, 375}));
    EXPECT_EQ(StoredEntry(apply, "caption"), "\"Apply Support Information\"");
    const ControlDesign& close = Get(editor, "CommandButton2");
    EXPECT_EQ(close.position, (TwipPoint{3960, 5160}));
    EXPECT_EQ(close.size, (TwipSize{855, 375}));
    EXPECT_EQ(StoredEntry(close, "caption"), "\"Close\"");

    std::vector<std::string> focusOrder;
    for (const ControlDesign& c : editor.controls)
        if ((c.kind == ControlKind::TextBox || c.kind == ControlKind::CommandButton) && c.visible)
            focusOrder.push_back(c.name);
    EXPECT_EQ(focusOrder, (std::vector<std::string>{"Text9", "Text8", "Text7", "Text6", "Text5", "Text4", "Text1",
                                                    "Text11", "Text12", "CommandButton1", "CommandButton2"}));
}

TEST(WindowDesigns, AboutWindowPlacesEveryElement)
{
    WindowDesign about = EmbeddedDesign("Form2z.design");
    EXPECT_EQ(about.caption, "About");
    EXPECT_EQ(about.clientSize, (TwipSize{5175, 3540}));
    EXPECT_FALSE(about.showInTaskbar);
    EXPECT_EQ(about.startUp, StartUpPosition::Manual);
    EXPECT_EQ(about.backColor, Rgb(255, 255, 255));

    struct Placed {
        const char* name;
        TwipPoint position;
    };
    const Placed placed[] = {{"Image1", {120, 120}}, {"Label1", {1080, 120}}, {"Label2", {360, 720}},
                             {"Label3", {1920, 1080}}, {"Label4", {480, 1800}}, {"Label5", {360, 2160}},
                             {"Label6", {120, 2640}}, {"L6", {2040, 2640}}, {"Image2", {4320, 2760}},
                             {"CommandButton1", {1920, 3000}}};
    for (const Placed& p : placed)
        EXPECT_EQ(Get(about, p.name).position, p.position) << p.name;

    EXPECT_EQ(Get(about, "Label1").text, "Pelmora");
    EXPECT_EQ(Get(about, "Label1").font->name, "Arial");
    EXPECT_EQ(Get(about, "Label2").text.rfind("         Author : ", 0), 0u);
    EXPECT_EQ(Get(about, "Label4").text.rfind("Send your comments to ", 0), 0u);
    EXPECT_EQ(Get(about, "Label5").mousePointer, "Hand");
    EXPECT_EQ(Get(about, "Label6").text, "Thanks to");
    EXPECT_EQ(Get(about, "Label6").foreColor, Rgb(0, 128, 0));
    EXPECT_TRUE(Get(about, "L6").autoSize);
    EXPECT_FALSE(Get(about, "Text4").visible);
    EXPECT_EQ(StoredEntry(Get(about, "CommandButton1"), "caption"), "\"CLOSE\"");
}

TEST(WindowDesigns, PicturesHaveTheirSizesAndFitTheirControls)
{
    const std::tuple<const char*, int, int> sizes[] = {
        {"about-texture", 128, 128}, {"about-emblem", 53, 43}, {"about-flourish", 50, 46}};
    for (const auto& [name, width, height] : sizes) {
        PixelPicture picture = DrawDesignPicture(name);
        EXPECT_EQ(picture.width, width) << name;
        EXPECT_EQ(picture.height, height) << name;
        EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(width * height));
    }
    EXPECT_TRUE(DrawDesignPicture("no such picture").Empty());

    for (const char* file : {"Form1.design", "sinf.design", "Form2z.design"}) {
        WindowDesign design = EmbeddedDesign(file);
        if (!design.picture.empty()) {
            EXPECT_FALSE(DrawDesignPicture(design.picture).Empty()) << file;
        }
        ForEachControl(design.controls, [&](const ControlDesign& c) {
            if (c.picture.empty())
                return;
            PixelPicture picture = DrawDesignPicture(c.picture);
            EXPECT_EQ(TwipsToPixels(c.size->width), picture.width) << c.name;
            EXPECT_EQ(TwipsToPixels(c.size->height), picture.height) << c.name;
        });
    }
}

// Each button's entries agree with its place in the window and come back through its property
// bag: the host stores the size a second time, in hundredths of a millimetre, and every entry is
// in the bag's own form, nothing left to defaults by a typo.
TEST(WindowDesigns, ButtonEntriesMatchTheirSizeAndReadBackThroughTheirPropertyBags)
{
    for (const char* file : {"Form1.design", "sinf.design", "Form2z.design"}) {
        WindowDesign design = EmbeddedDesign(file);
        ForEachControl(design.controls, [&](const ControlDesign& c) {
            if (c.kind != ControlKind::CommandButton)
                return;
            SCOPED_TRACE(std::string(file) + " " + c.name);
            ASSERT_TRUE(c.size);
            EXPECT_EQ(StoredEntry(c, "_extentx"), StoredInteger(TwipsToHimetric(c.size->width)));
            EXPECT_EQ(StoredEntry(c, "_extenty"), StoredInteger(TwipsToHimetric(c.size->height)));

            std::vector<std::string> lines;
            for (const PropertyEntry& entry : c.properties)
                lines.push_back(entry.name + " = " + entry.value);
            PropertyBagResult read = ReadPropertyLines(lines);
            ASSERT_EQ(read.error, "");
            ASSERT_EQ(read.bag.Entries().size(), lines.size());

            std::vector<std::string> names;
            for (const PropertyEntry& entry : c.properties)
                names.push_back(entry.name);
            EXPECT_EQ(names, (std::vector<std::string>{"caption", "font", "forecolor", "forehover", "_extentx",
                                                       "_extenty"}));

            // The button keeps its own font when its window's changes.
            ButtonAmbient host = AmbientOf(c, design);
            host.font = ButtonFont{"Arial", 12, 700, 0, false, false, false};
            ButtonState state = ReadProperties(ButtonState{}, read.bag, host).state;
            auto caption = values::UnquoteText(StoredEntry(c, "caption"));
            ASSERT_TRUE(caption);
            EXPECT_EQ(state.fields.m_Caption, *caption);
            EXPECT_EQ(state.fields.m_Enabled, -1);
            EXPECT_EQ(state.surface.foreColor, Rgb(0, 0, 0));
            EXPECT_EQ(state.fields.m_ForeHover, Rgb(0, 60, 116));
            EXPECT_EQ(state.surface.font, design.font.value_or(ButtonFont{}));
        });
    }
}

}  // namespace
}  // namespace pelmora::designs

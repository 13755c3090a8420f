#include "designs/DesignValues.h"
#include "designs/WindowDesign.h"

#include <gtest/gtest.h>

#include <string>

namespace pelmora::designs {
namespace {

TEST(DesignFormat, EveryWindowDesignIsReproducedByteForByte)
{
    for (const char* file : {"Form1.design", "sinf.design", "Form2z.design"}) {
        SCOPED_TRACE(file);
        std::string_view text = DesignText(file);
        ASSERT_FALSE(text.empty());
        DesignReadResult read = ReadDesign(text);
        ASSERT_TRUE(read.design) << read.error;
        EXPECT_EQ(WriteDesign(*read.design), text);
    }
}

TEST(DesignFormat, ModelSurvivesWriteAndRead)
{
    WindowDesign design;
    design.name = "W";
    design.caption = "say \"hi\" & go";
    design.clientSize = {300, 150};
    design.borderStyle = BorderStyle::FixedDialog;
    design.showInTaskbar = false;
    design.startUp = StartUpPosition::Manual;
    design.position = {-45, 90};
    design.backColor = Rgb(1, 2, 3);
    design.picture = "p";
    design.pictureTiled = true;
    ButtonFont font{"Odd \"Face\"", 7.5, 600, 2, true, true, true};
    design.font = font;

    ControlDesign box;
    box.kind = ControlKind::TextBox;
    box.name = "T";
    box.text = "  blanks  ";
    box.position = TwipPoint{15, 30};
    box.size = TwipSize{0, 0};
    box.foreColor = SystemColour(18);
    box.alignment = Alignment::Right;
    box.borderStyle = BorderStyle::None;
    box.visible = false;
    ControlDesign button;
    button.kind = ControlKind::CommandButton;
    button.name = "B";
    button.properties = {{"caption", "\"A = B\""}, {"_extentx", "2355"}};
    ControlDesign menu;
    menu.kind = ControlKind::Menu;
    menu.name = "m";
    menu.text = " M";
    ControlDesign item;
    item.kind = ControlKind::MenuItem;
    item.name = "i";
    item.shortcut = "Ctrl+Q";
    menu.children.push_back(item);
    item.name = "empty";
    item.shortcut.clear();
    menu.children.push_back(item);
    design.controls = {box, button, menu};

    std::string text = WriteDesign(design);
    DesignReadResult read = ReadDesign(text);
    ASSERT_TRUE(read.design) << read.error << "\n" << text;
    EXPECT_EQ(*read.design, design);
    EXPECT_EQ(WriteDesign(*read.design), text);
    ASSERT_NE(read.design->Find("empty"), nullptr);
    EXPECT_EQ(read.design->Find("nothing"), nullptr);
}

TEST(DesignFormat, RefusesMalformedTextNamingTheLine)
{
    struct Case {
        const char* text;
        const char* errorStart;
    };
    const Case cases[] = {
        {"", "line 0: a design starts"},
        {"Form W\nEnd\n", "line 1: a design starts"},
        {"Window W\n    Caption = \"x\"\nEnd\n", "line 3: the window has no ClientSize"},
        {"Window W\n    ClientSize = 1, 2\n", "line 2: missing End"},
        {"Window W\n    ClientSize = 1\nEnd\n", "line 2: cannot take"},
        {"Window W\n    ClientSize = 1, 2\n    Colour = rgb(1, 2, 3)\nEnd\n", "line 3: cannot take"},
        {"Window W\n    ClientSize = 1, 2\n    BackColor = rgb(1, 2, 300)\nEnd\n", "line 3: cannot take"},
        {"Window W\n    ClientSize = 1, 2\n    Caption = \"a\"b\"\nEnd\n", "line 3: cannot take"},
        {"Window W\n    ClientSize = 1, 2\n    Font = \"A\", big\nEnd\n", "line 3: cannot take"},
        {"Window W\n    ClientSize = 1, 2\n    Label L\n        Text = \"t\"\n    End\nEnd\n", "line 4: cannot take"},
        {"Window W\n    ClientSize = 1, 2\n    Button B\n    End\nEnd\n", "line 3: unexpected"},
        {"Window W\n    ClientSize = 1, 2\n    MenuItem i\n    End\nEnd\n", "line 3: a MenuItem belongs"},
        {"Window W\n    ClientSize = 1, 2\n    Menu m\n        Label l\n        End\n    End\nEnd\n",
         "line 4: a menu holds only"},
        {"Window W\n    ClientSize = 1, 2\n    Label L\n        Properties\n        End\n    End\nEnd\n",
         "line 4: unexpected"},
        {"Window W\n    ClientSize = 1, 2\n    Label L\n    End\n    Label L\n    End\nEnd\n",
         "line 7: the name L is used twice"},
        {"Window W\n    ClientSize = 1, 2\nEnd\nLabel L\n", "line 4: text after"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        DesignReadResult read = ReadDesign(c.text);
        EXPECT_FALSE(read.design);
        EXPECT_EQ(read.error.rfind(c.errorStart, 0), 0u) << read.error;
    }
}

TEST(DesignValues, ReadsAndWritesEachForm)
{
    using namespace values;
    EXPECT_EQ(QuoteText("a\"b"), "\"a\"\"b\"");
    EXPECT_EQ(UnquoteText("\"\""), "");
    EXPECT_EQ(UnquoteText("\"x\"\"\""), "x\"");
    EXPECT_FALSE(UnquoteText("x"));
    EXPECT_FALSE(UnquoteText("\""));

    EXPECT_EQ(ColourText(Rgb(255, 0, 128)), "rgb(255, 0, 128)");
    EXPECT_EQ(ColourText(SystemColour(6)), "system(6)");
    EXPECT_EQ(ReadColour("rgb(255, 0, 128)"), Rgb(255, 0, 128));
    EXPECT_EQ(ReadColour("system(15)"), SystemColour(15));
    EXPECT_FALSE(ReadColour("rgb(1, 2)"));
    EXPECT_FALSE(ReadColour("system(256)"));
    EXPECT_FALSE(ReadColour("#ff0000"));

    EXPECT_EQ(FontText({"MS Sans Serif", 8.25, 400}), "\"MS Sans Serif\", 8.25");
    EXPECT_EQ(FontText({"Arial", 20, 700}), "\"Arial\", 20, bold");
    auto font = ReadFont("\"A, B\", 14.25, bold, italic, charset 2");
    ASSERT_TRUE(font);
    EXPECT_EQ(font->name, "A, B");
    EXPECT_EQ(font->size, 14.25);
    EXPECT_EQ(font->weight, 700);
    EXPECT_TRUE(font->italic);
    EXPECT_EQ(font->charset, 2);
    EXPECT_FALSE(ReadFont("\"A\", 0"));
    EXPECT_FALSE(ReadFont("\"A\""));

    EXPECT_EQ(ReadPair("-15, 30"), (std::pair{-15, 30}));
    EXPECT_FALSE(ReadPair("1, 2, 3"));
    EXPECT_FALSE(ReadInt("12x"));
    EXPECT_FALSE(ReadBool("true"));
}

}  // namespace
}  // namespace pelmora::designs

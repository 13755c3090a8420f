#include "controls/PropertyBagText.h"

#include <gtest/gtest.h>

#include <limits>

namespace pelmora {
namespace {

ButtonFont Font(std::string name, double size, int weight, int charset, bool italic, bool underline, bool strike)
{
    return ButtonFont{std::move(name), size, weight, charset, italic, underline, strike};
}

TEST(PropertyBagText, ValueForms)
{
    struct Row {
        PropertyValue value;
        const char* text;
    };
    const Row table[] = {
        {std::string("Apply"), "\"Apply\""},
        {std::string(""), "\"\""},
        {std::string("Say \"hi\""), "\"Say \"\"hi\"\"\""},
        {std::string("a = \"b\", c"), "\"a = \"\"b\"\", c\""},
        {std::string("Caf\xC3\xA9 & Co"), "\"Caf\xC3\xA9 & Co\""},
        {std::int32_t{0}, "&H00000000&"},
        {std::int32_t{2752}, "&H00000AC0&"},
        {std::int32_t{-1}, "&HFFFFFFFF&"},
        {static_cast<std::int32_t>(0x80000012u), "&H80000012&"},
        {true, "-1"},
        {false, "0"},
        {ButtonFont{}, "{\"MS Sans Serif\", 8.25, 400, 0, 0, 0, 0}"},
        {Font("Arial", 20.25, 700, 2, true, false, true), "{\"Arial\", 20.25, 700, 2, -1, 0, -1}"},
        {Font("A, \"B\"", 10, 400, 0, false, true, false), "{\"A, \"\"B\"\"\", 10, 400, 0, 0, -1, 0}"},
        {Font("Tahoma", 0.1, 0, 255, false, false, false), "{\"Tahoma\", 0.1, 0, 255, 0, 0, 0}"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(FormatPropertyValue(row.value), row.text);
        EXPECT_EQ(ParsePropertyValue(row.text), row.value);
    }
}

TEST(PropertyBagText, RefusesOtherForms)
{
    const char* texts[] = {
        "", "Apply", "\"Apply", "\"a\"b\"", "\"a\" ", "1", "True", "-0", "00",
        "&H0&", "&h00000000&", "&H0000000a&", "&H000000000&", "&H00000000", "2752",
        "{\"Arial\", 8.250, 400, 0, 0, 0, 0}", "{\"Arial\", 8.25, 400, 0, 0, 0}",
        "{\"Arial\", 8.25, 400, 0, 0, 0, 1}", "{\"Arial\",8.25,400,0,0,0,0}", "{Arial, 8.25, 400, 0, 0, 0, 0}",
        "{\"Arial\", 8.25, 0400, 0, 0, 0, 0}", "{\"Arial\", nan, 400, 0, 0, 0, 0}",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParsePropertyValue(text).has_value());
    }
}

TEST(PropertyBagText, RefusesValuesThatWouldBreakTheLine)
{
    EXPECT_FALSE(FormatPropertyValue(std::string("two\r\nlines")).has_value());
    EXPECT_FALSE(FormatPropertyValue(std::string("a\0b", 3)).has_value());
    EXPECT_FALSE(FormatPropertyValue(Font("Arial", std::numeric_limits<double>::infinity(), 400, 0, 0, 0, 0)));

    PropertyBag bag;
    bag.WriteProperty("caption", std::string("ok"));
    bag.WriteProperty("tooltip", std::string("bad\n"));
    const PropertyLinesResult r = WritePropertyLines(bag);
    EXPECT_TRUE(r.lines.empty());
    EXPECT_NE(r.error.find("tooltip"), std::string::npos);

    PropertyBag spaced;
    spaced.WriteProperty("fore color", std::int32_t{1});
    EXPECT_FALSE(WritePropertyLines(spaced).error.empty());
}

TEST(PropertyBagText, LinesRoundTripInTheirOrder)
{
    const std::vector<std::string> lines = {
        "_extentx = &H00000AC0&",
        "_extenty = &H000002CA&",
        "caption = \"&Apply\"",
        "font = {\"Tahoma\", 9.75, 700, 0, 0, 0, 0}",
        "forecolor = &H00000000&",
        "forehover = &H00A00000&",
        "enabled = 0",
    };
    const PropertyBagResult read = ReadPropertyLines(lines);
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.bag.Entries().size(), lines.size());
    EXPECT_EQ(read.bag.Entries()[0].name, "_extentx");
    EXPECT_FALSE(ReadBoolean(read.bag, "Enabled", true));
    EXPECT_EQ(ReadInt32(read.bag, "ForeHover", 0), 0xA00000);

    const PropertyLinesResult written = WritePropertyLines(read.bag);
    ASSERT_EQ(written.error, "");
    EXPECT_EQ(written.lines, lines);
    EXPECT_EQ(ReadPropertyLines(written.lines).bag, read.bag);
}

TEST(PropertyBagText, ReportsTheBadLine)
{
    struct Row {
        std::vector<std::string> lines;
        const char* error;
    };
    const Row table[] = {
        {{"caption = \"a\"", "forecolor=&H00000000&"}, "line 2: expected \"name = value\""},
        {{"Caption = \"a\""}, "line 1: the name must be lower-case letters, digits or _"},
        {{" caption = \"a\""}, "line 1: the name must be lower-case letters, digits or _"},
        {{"caption = \"a\"", "caption = \"b\""}, "line 2: \"caption\" is given twice"},
        {{"forecolor = 0x10"}, "line 1: the value of \"forecolor\" is not in a stored form"},
    };
    for (const Row& row : table) {
        const PropertyBagResult r = ReadPropertyLines(row.lines);
        EXPECT_EQ(r.error, row.error);
        EXPECT_TRUE(r.bag.Entries().empty());
    }
}

}  // namespace
}  // namespace pelmora

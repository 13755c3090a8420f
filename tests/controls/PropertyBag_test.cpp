#include "controls/PropertyBag.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(PropertyBag, StoresOnlyValuesThatDifferFromTheDefault)
{
    PropertyBag bag;
    bag.WriteProperty("Enabled", true, true);
    bag.WriteProperty("Caption", std::string("Apply"), std::string("CommandButton1"));
    bag.WriteProperty("ForeColor", std::int32_t{0});
    EXPECT_EQ(bag.Find("enabled"), nullptr);
    ASSERT_EQ(bag.Entries().size(), 2u);
    EXPECT_EQ(bag.Entries()[0].name, "caption");
    EXPECT_EQ(bag.Entries()[1].name, "forecolor");

    // Rewriting keeps the entry's place; writing the default removes it.
    bag.WriteProperty("CAPTION", std::string("Close"), std::string("CommandButton1"));
    EXPECT_EQ(bag.Entries()[0].value, PropertyValue{std::string("Close")});
    bag.WriteProperty("caption", std::string("CommandButton1"), std::string("CommandButton1"));
    ASSERT_EQ(bag.Entries().size(), 1u);
    EXPECT_EQ(bag.Entries()[0].name, "forecolor");

    // A font is an object: one equal to the default is still another object, so it is stored.
    bag.WriteProperty("Font", ButtonFont{}, ButtonFont{});
    ASSERT_EQ(bag.Entries().size(), 2u);
    EXPECT_EQ(bag.Entries()[1].value, PropertyValue{ButtonFont{}});
}

TEST(PropertyBag, ReadsWithoutRegardToCaseAndFallsBackToTheDefault)
{
    PropertyBag bag;
    bag.WriteProperty("forehover", std::int32_t{160});
    EXPECT_EQ(bag.ReadProperty("ForeHover", std::int32_t{0}), PropertyValue{std::int32_t{160}});
    EXPECT_EQ(bag.ReadProperty("ForeColor", std::int32_t{7}), PropertyValue{std::int32_t{7}});
    EXPECT_EQ(ReadInt32(bag, "FOREHOVER", 0), 160);
    EXPECT_EQ(ReadInt32(bag, "forecolor", -5), -5);
}

TEST(PropertyBag, TypedReadsConvert)
{
    PropertyBag bag;
    bag.WriteProperty("b", false);
    bag.WriteProperty("i", std::int32_t{3});
    bag.WriteProperty("s", std::string("-1"));
    bag.WriteProperty("t", std::string("True"));
    bag.WriteProperty("x", std::string("maybe"));
    bag.WriteProperty("f", ButtonFont{});

    EXPECT_FALSE(ReadBoolean(bag, "b", true));
    EXPECT_TRUE(ReadBoolean(bag, "i", false));
    EXPECT_TRUE(ReadBoolean(bag, "s", false));
    EXPECT_TRUE(ReadBoolean(bag, "t", false));
    EXPECT_FALSE(ReadBoolean(bag, "x", false));  // not convertible: the default
    EXPECT_EQ(ReadInt32(bag, "b", 9), 0);
    EXPECT_EQ(ReadInt32(bag, "s", 9), -1);
    EXPECT_EQ(ReadInt32(bag, "f", 9), 9);
    EXPECT_EQ(ReadString(bag, "i", ""), "3");
    EXPECT_EQ(ReadString(bag, "b", ""), "False");
    EXPECT_EQ(ReadFont(bag, "i", ButtonFont{"Arial"}).name, "Arial");
    EXPECT_EQ(ReadFont(bag, "f", ButtonFont{"Arial"}).name, "MS Sans Serif");
}

}  // namespace
}  // namespace pelmora

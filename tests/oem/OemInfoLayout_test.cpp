#include "oem/OemInfoLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelmora {
namespace {

const std::string kFullAB =
    "[GENERAL]\r\n"
    "MANUFACTURER=A\r\n"
    "MODEL=B\r\n"
    "\r\n"
    "\r\n"
    "[SUPPORT INFORMATION]\r\n"
    "line1=                          ------------------ WEL COME   ------------------\r\n"
    "line2=\r\n"
    "line3=>>       web site:                 \r\n"
    "line4=>>       E-mail:                     \r\n"
    "line5=>>       PostalAddress:       \r\n"
    "line6=>>       Address2:               \r\n"
    "line7=>>       Telephone:             \r\n"
    "line8=>>       Fax:                        \r\n"
    "line9=\r\n"
    "line10=\r\n"
    "line11=>>      \r\n"
    "line12=>>      \r\n"
    "line13= >>      \r\n"
    "line14=\r\n"
    "line15= >>                         -----THANK YOU-----\r\n";

std::vector<std::string> SplitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "the last line must end with CR LF";
    return lines;
}

TEST(OemInfoLayout, FullLayoutOfOneLetterManufacturerAndModelIs539Bytes)
{
    SupportInfo info;
    info.Manufacturer = "A";
    info.Model = "B";
    const std::string bytes = FullLayoutBytes(info, 1252);
    EXPECT_EQ(bytes, kFullAB);
    EXPECT_EQ(bytes.size(), 539u);
    EXPECT_EQ(SplitLines(bytes).size(), 21u);
}

TEST(OemInfoLayout, EachFieldFollowsItsLabelDirectly)
{
    struct Case {
        std::string SupportInfo::*field;
        std::size_t line;  // 1-based, as the file is read
        std::string expected;
    };
    const Case cases[] = {
        {&SupportInfo::Manufacturer, 2, "MANUFACTURER=Maker"},
        {&SupportInfo::Model, 3, "MODEL=Maker"},
        {&SupportInfo::WebAddress, 9, "line3=>>       web site:                 Maker"},
        {&SupportInfo::EMail, 10, "line4=>>       E-mail:                     Maker"},
        {&SupportInfo::PostalAddress, 11, "line5=>>       PostalAddress:       Maker"},
        {&SupportInfo::Address2, 12, "line6=>>       Address2:               Maker"},
        {&SupportInfo::Telephone, 13, "line7=>>       Telephone:             Maker"},
        {&SupportInfo::Fax, 14, "line8=>>       Fax:                        Maker"},
        {&SupportInfo::Owner, 17, "line11=>>      Maker"},
        {&SupportInfo::Company, 18, "line12=>>      Maker"},
        {&SupportInfo::Date, 19, "line13= >>      Maker"},
    };
    for (const Case& c : cases) {
        SupportInfo info;
        info.*c.field = "Maker";
        const std::vector<std::string> lines = SplitLines(FullLayoutBytes(info, 1252));
        ASSERT_EQ(lines.size(), 21u);
        EXPECT_EQ(lines[c.line - 1], c.expected);
    }
}

TEST(OemInfoLayout, ShortLayoutBytes)
{
    struct Case {
        std::string manufacturer;
        std::string model;
        std::string expected;
    };
    const Case cases[] = {
        {"A", "B", "[GENERAL]\r\nMANUFACTURER=A\r\nMODEL=B\r\n\r\n"},
        {"", "", "[GENERAL]\r\nMANUFACTURER=\r\nMODEL=\r\n\r\n"},
        {" ", " ", "[GENERAL]\r\nMANUFACTURER= \r\nMODEL= \r\n\r\n"},
        {"Contoso", "X1", "[GENERAL]\r\nMANUFACTURER=Contoso\r\nMODEL=X1\r\n\r\n"},
        {"a=b", "[x]", "[GENERAL]\r\nMANUFACTURER=a=b\r\nMODEL=[x]\r\n\r\n"},
        // UTF-8 in memory, Windows-1252 in the file when every character fits (else UTF-16LE: OemInfoEncoding).
        {"Soci\xC3\xA9t\xC3\xA9", "M\xC3\xBCnchen", "[GENERAL]\r\nMANUFACTURER=Soci\xE9t\xE9\r\nMODEL=M\xFCnchen\r\n\r\n"},
        {"\xE2\x82\xAC", "", "[GENERAL]\r\nMANUFACTURER=\x80\r\nMODEL=\r\n\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortLayoutBytes(c.manufacturer, c.model, 1252), c.expected) << c.manufacturer << " / " << c.model;
    EXPECT_EQ(ShortLayoutBytes("A", "B", 1252).size(), 38u);
}

TEST(OemInfoLayout, NamesTheFirstFieldWithALineBreak)
{
    struct Case {
        std::string SupportInfo::*field;
        std::string value;
        std::optional<std::string> named;
    };
    const Case cases[] = {
        {&SupportInfo::Manufacturer, "A\r\nMODEL=Z", "Manufacturer"},
        {&SupportInfo::Model, "B\n", "Model"},
        {&SupportInfo::PostalAddress, "x\r[GENERAL]", "Postal Address"},
        {&SupportInfo::Date, "\n", "Date"},
        {&SupportInfo::Date, "tab\there=[x]", std::nullopt},
    };
    for (const Case& c : cases) {
        SupportInfo info;
        info.Manufacturer = "A";
        info.Model = "B";
        info.*c.field = c.value;
        EXPECT_EQ(FieldWithLineBreak(info), c.named) << c.value;
    }
    EXPECT_EQ(FieldWithLineBreak("A", "B\r"), std::optional<std::string>("Model"));
    EXPECT_EQ(FieldWithLineBreak("A", "B"), std::nullopt);
}

}  // namespace
}  // namespace pelmora

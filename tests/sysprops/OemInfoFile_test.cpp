#include "OemInfoFile.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pelmora::sysprops {
namespace {

// What the program's two writers produce (CR LF lines), with manufacturer A and model B.
const char kShortLayout[] = "[GENERAL]\r\nMANUFACTURER=A\r\nMODEL=B\r\n\r\n";
const char kFullLayout[] =
    "[GENERAL]\r\nMANUFACTURER=A\r\nMODEL=B\r\n\r\n\r\n[SUPPORT INFORMATION]\r\n"
    "line1=                          ------------------ WEL COME   ------------------\r\n"
    "line2=\r\n"
    "line3=>>       web site:                 w\r\n"
    "line4=>>       E-mail:                     e\r\n"
    "line5=>>       PostalAddress:       p\r\n"
    "line6=>>       Address2:               a\r\n"
    "line7=>>       Telephone:             t\r\n"
    "line8=>>       Fax:                        f\r\n"
    "line9=\r\nline10=\r\n"
    "line11=>>      o\r\nline12=>>      c\r\nline13= >>      d\r\nline14=\r\n"
    "line15= >>                         -----THANK YOU-----\r\n";

TEST(OemInfoFile, ReadsBothLayoutsAndForgivingVariants)
{
    struct Case {
        const char* name;
        std::string text;
        std::optional<OemInfo> expected;
    };
    const OemInfo plain{"A", "B", {}};
    const Case cases[] = {
        {"short layout", kShortLayout, plain},
        {"LF line ends", "[GENERAL]\nMANUFACTURER=A\nMODEL=B\n", plain},
        {"any letter case, blanks around names", "[ general ]\r\n  Manufacturer = A \r\nmodel=B", plain},
        {"comments and lines without '='", "; made by hand\n[General]\nnoise\nManufacturer=A\nModel=B\n", plain},
        {"first of a repeated key", "[GENERAL]\nMANUFACTURER=A\nMANUFACTURER=Z\nMODEL=B\n", plain},
        {"a value holding '=' and brackets", "[GENERAL]\nMANUFACTURER=A=[x]\nMODEL=B\n", OemInfo{"A=[x]", "B", {}}},
        {"no general section", "[SUPPORT INFORMATION]\nline1=x\n", std::nullopt},
        {"empty file", "", std::nullopt},
        {"binary noise", std::string("\x00\xff[\x01]\x00", 6), std::nullopt},
        {"general section without values", "[GENERAL]\n", OemInfo{}},
        {"lines stop at the first gap", "[general]\n[Support Information]\nLINE1=one\nline3=three\n",
         OemInfo{"", "", {"one"}}},
        {"lines in any order", "[GENERAL]\n[SUPPORT INFORMATION]\nline2=two\nline1=one\n",
         OemInfo{"", "", {"one", "two"}}},
        {"ANSI text", "[GENERAL]\nMANUFACTURER=Caf\xe9\nMODEL=B\n", OemInfo{"Caf\xc3\xa9", "B", {}}},
        {"UTF-8 marked text", "\xef\xbb\xbf[GENERAL]\nMANUFACTURER=Caf\xc3\xa9\nMODEL=B\n",
         OemInfo{"Caf\xc3\xa9", "B", {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseOemInfo(c.text), c.expected);
    }

    std::optional<OemInfo> full = ParseOemInfo(kFullLayout);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->manufacturer, "A");
    ASSERT_EQ(full->supportLines.size(), 15u);
    EXPECT_EQ(full->supportLines[0], "                          ------------------ WEL COME   ------------------");
    EXPECT_EQ(full->supportLines[1], "");
    EXPECT_EQ(full->supportLines[2], ">>       web site:                 w");
    EXPECT_EQ(full->supportLines[12], " >>      d");
    EXPECT_EQ(full->supportLines[14], " >>                         -----THANK YOU-----");
}

TEST(OemInfoFile, MissingOrUnreadableFileGivesNoBlock)
{
    testing::TempDir dir;
    EXPECT_FALSE(ReadOemInfo(dir.Path() / "oeminfo.ini"));
    EXPECT_FALSE(ReadOemInfo(dir.Path()));  // a folder of that name

    std::ofstream(dir.Path() / "oeminfo.ini", std::ios::binary) << kShortLayout;
    EXPECT_EQ(ReadOemInfo(dir.Path() / "oeminfo.ini"), (OemInfo{"A", "B", {}}));
}

std::string Utf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(OemInfoFile, AUtf16FileWithItsMarkIsReadInEitherByteOrder)
{
    const std::u16string text = u"[GENERAL]\r\nMANUFACTURER=Caf\u00e9 \u20ac\r\nMODEL=B\r\n\r\n"
                                u"[SUPPORT INFORMATION]\r\nline1=\U0001F600\r\n";
    const OemInfo expected{"Caf\xc3\xa9 \xe2\x82\xac", "B", {"\xf0\x9f\x98\x80"}};
    EXPECT_EQ(ParseOemInfo(Utf16(text, false)), expected);
    EXPECT_EQ(ParseOemInfo(Utf16(text, true)), expected);
    // An odd last byte is no character.
    EXPECT_EQ(ParseOemInfo(Utf16(u"[GENERAL]\nMODEL=B\n", false) + "x"), (OemInfo{"", "B", {}}));
    // Without a mark, the bytes are the system's code page: an image's own when it names another.
    EXPECT_EQ(ParseOemInfo("[GENERAL]\nMANUFACTURER=\xa3\xf3" "d\x9f\n", 1250),
              (OemInfo{"\xc5\x81\xc3\xb3" "d\xc5\xba", "", {}}));
}

// However large the file, only its first 64 KiB are read, as the platform's profile functions do.
TEST(OemInfoFile, OnlyTheFirst64KiBOfTheFileCount)
{
    testing::TempDir dir;
    const auto path = dir.Path() / "oeminfo.ini";
    const std::string start = "[GENERAL]\r\nMODEL=B\r\nMANUFACTURER=";
    std::ofstream(path, std::ios::binary) << start << std::string(70000, 'M') << "\r\n";
    std::filesystem::resize_file(path, 200u << 20);  // the rest a hole of zeros
    const auto info = ReadOemInfo(path);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->model, "B");
    EXPECT_EQ(info->manufacturer, std::string(65536 - start.size(), 'M'));

    std::ofstream(path, std::ios::binary) << std::string(65536, ';') << "\n[GENERAL]\nMODEL=B\n";
    EXPECT_FALSE(ReadOemInfo(path));
}

}  // namespace
}  // namespace pelmora::sysprops

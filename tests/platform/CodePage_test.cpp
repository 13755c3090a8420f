// Stored text meets a code page only where a file needs one: whole, or not at all (never '?').
#include "platform/AnsiText.h"

#include <gtest/gtest.h>

#include <optional>

namespace pelmora {
namespace {

struct CodePageCase {
    const char* text;
    unsigned codePage;
    std::optional<std::string> bytes;  // none: a character has no form there
};

TEST(CodePage, TextIsEncodedWholeOrNotAtAll)
{
    const CodePageCase cases[] = {
        {"Quillon Works", 1252, "Quillon Works"},
        {"Caf\xc3\xa9 \xe2\x82\xac", 1252, "Caf\xe9 \x80"},
        {"\xc2\x81", 1252, "\x81"},  // a byte 1252 leaves undefined comes back as itself
        {"\xc5\x81\xc3\xb3" "d\xc5\xba", 1252, std::nullopt},
        {"\xc5\x81\xc3\xb3" "d\xc5\xba", 1250, "\xa3\xf3" "d\x9f"},
        {"\xce\xa9mega", 1253, "\xd9mega"},
        {"\xe6\x97\xa5\xe6\x9c\xac", 932, "\x93\xfa\x96\x7b"},
        {"\xf0\x9f\x98\x80", 932, std::nullopt},
        {"\xf0\x9f\x98\x80", 65001, "\xf0\x9f\x98\x80"},
        {"caf\xe9", 1252, std::nullopt},  // not UTF-8 at all
    };
    for (const CodePageCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in " + std::to_string(c.codePage));
        EXPECT_EQ(EncodeCodePage(c.text, c.codePage), c.bytes);
        if (c.bytes) {
            EXPECT_EQ(DecodeCodePage(*c.bytes, c.codePage), c.text);
        }
    }
}

TEST(CodePage, TheFirstCharacterOutsideIsNamedWhole)
{
    EXPECT_EQ(FirstCharacterOutside("Caf\xc3\xa9", 1252), "");
    EXPECT_EQ(FirstCharacterOutside("R\xc3\xa9" "d \xc5\x81\xc3\xb3" "d\xc5\xba", 1252), "\xc5\x81");
    EXPECT_EQ(FirstCharacterOutside("a \xf0\x9f\x98\x80", 1250), "\xf0\x9f\x98\x80");
    EXPECT_EQ(FirstCharacterOutside("a\xff", 1252), "\xff");
}

}  // namespace
}  // namespace pelmora

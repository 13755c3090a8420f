// oeminfo.ini keeps its ANSI bytes when the code page holds every character, and is UTF-16LE
// with a byte-order mark when it does not; either reads back as the text.
#include "oem/OemInfoEncoding.h"
#include "testing/TextTable.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

std::string Utf16Le(std::u16string_view text)
{
    std::string bytes;
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST(OemInfoEncoding, AnsiWhereEveryCharacterFitsElseUtf16WithAMark)
{
    const struct {
        const char* text;
        unsigned codePage;
        std::string bytes;
    } cases[] = {
        {"MODEL=Caf\xc3\xa9\r\n", 1252, "MODEL=Caf\xe9\r\n"},
        {"MODEL=\xc5\x81\xc3\xb3" "d\xc5\xba\r\n", 1250, "MODEL=\xa3\xf3" "d\x9f\r\n"},
        {"MODEL=\xc5\x81\xc3\xb3" "d\xc5\xba\r\n", 1252, "\xff\xfe" + Utf16Le(u"MODEL=\u0141\u00f3d\u017a\r\n")},
        {"MODEL=\xf0\x9f\x98\x80", 932, "\xff\xfe" + Utf16Le(u"MODEL=\U0001F600")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(OemInfoFileBytes(c.text, c.codePage), c.bytes);
        EXPECT_EQ(OemInfoFileText(c.bytes, c.codePage), c.text);
    }
    for (const auto& row : testing::TextTable()) {
        const std::string bytes = OemInfoFileBytes(row.text, 1252);
        EXPECT_EQ(bytes.starts_with("\xff\xfe"), !row.western) << row.what;
        EXPECT_EQ(OemInfoFileText(bytes, 1252), row.text) << row.what;
    }
}

}  // namespace
}  // namespace pelmora

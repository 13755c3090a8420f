#include "ShowEscaping.h"

#include <gtest/gtest.h>

namespace pelmora::cli {
namespace {

TEST(ShowEscaping, ControlsAndStrayBytesBecomeHexEscapes)
{
    const struct {
        std::string value;
        std::string shown;
    } cases[] = {
        {"Acme Computers", "Acme Computers"},
        {"", ""},
        {"line\nLogoInstalled=no", "line\\x0ALogoInstalled=no"},
        {"a\r\nb", "a\\x0D\\x0Ab"},
        {std::string("nul\0tab\tesc\x1b[2Jdel\x7f", 19), "nul\\x00tab\\x09esc\\x1B[2Jdel\\x7F"},
        {"C:\\WINDOWS\\System\\oemlogo.bmp", "C:\\WINDOWS\\System\\oemlogo.bmp"},  // paths stay readable
        {"C:\\x64\\a", "C:\\x5Cx64\\a"},                                          // would read as an escape
        {"\\xg1 \\x1", "\\xg1 \\x1"},                                               // would not
        {"Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"},
        {"csi\xc2\x9b" "2J nbsp\xc2\xa0", "csi\\xC2\\x9B2J nbsp\xc2\xa0"},  // U+009B is a control
        {"ansi caf\xe9", "ansi caf\\xE9"},
        {"overlong \xc0\xaf surrogate \xed\xa0\x80 cut \xe2\x82", "overlong \\xC0\\xAF surrogate \\xED\\xA0\\x80 cut \\xE2\\x82"},
        {"beyond \xf4\x90\x80\x80", "beyond \\xF4\\x90\\x80\\x80"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EscapeForShow(c.value), c.shown) << c.value;
}

}  // namespace
}  // namespace pelmora::cli

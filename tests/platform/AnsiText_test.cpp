#include "platform/AnsiText.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/WindowsApi.h"
#endif

namespace pelmora {
namespace {

// The expected bytes are Windows-1252's, the code page off Windows and of a western Windows.
bool CodePageIs1252()
{
#ifdef _WIN32
    return GetACP() == 1252;
#else
    return true;
#endif
}

TEST(AnsiText, Utf8BecomesTheCodePageAndUnknownCharactersBecomeQuestionMarks)
{
    if (!CodePageIs1252())
        GTEST_SKIP() << "the system's code page is not Windows-1252";
    const struct {
        const char* what;
        std::string utf8;
        std::string ansi;
    } cases[] = {
        {"plain", "Acme 12", "Acme 12"},
        {"empty", "", ""},
        {"accents", "Caf\xc3\xa9 \xc3\x9f\xc3\xbf", "Caf\xe9 \xdf\xff"},
        {"euro and quotes", "\xe2\x82\xac\xe2\x80\x9cx\xe2\x80\x9d", "\x80\x93x\x94"},
        {"outside the page", "a\xe6\x97\xa5z", "a?z"},
        {"four-byte character", "a\xf0\x9f\x98\x80z", "a?z"},
        {"no look-alikes", "\xc5\x82\xc3\xb3" "d\xc5\xba", "?\xf3" "d?"},
        {"stray continuation byte", "a\x80z", "a?z"},
        {"cut-off sequence at the end", "a\xc3", "a?"},
        {"invalid lead byte", "\xff\xfe", "??"},
        {"NUL kept", std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToAnsi(c.utf8), c.ansi) << c.what;
}

TEST(AnsiText, EveryCodePageByteComesBackUnchanged)
{
    if (!CodePageIs1252())
        GTEST_SKIP() << "the system's code page is not Windows-1252";
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const std::string utf8 = FromAnsi(all);
    EXPECT_EQ(FromAnsi("\x80\xe9"), "\xe2\x82\xac\xc3\xa9");
    EXPECT_EQ(FromAnsi("\x81"), "\xc2\x81");  // undefined in the page: its control character
    EXPECT_EQ(ToAnsi(utf8), all);
}

}  // namespace
}  // namespace pelmora

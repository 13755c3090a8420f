#include "platform/FileNameCase.h"

#ifdef _WIN32
#include "platform/WindowsApi.h"
#endif

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(FileNameCase, UpperCaseOnlyWhereFileNamesIgnoreCase)
{
    struct Case {
        const char* chosen;
        const char* shownOnWindows;
    };
    const Case cases[] = {
        {"c:\\pics\\Logo.bmp", "C:\\PICS\\LOGO.BMP"},
        {"c:\\bilder\\\xc3\xa9t\xc3\xa9 gr\xc3\xb6\xc3\x9f" "e.bmp",  // été größe: ß has no capital here
         "C:\\BILDER\\\xc3\x89T\xc3\x89 GR\xc3\x96\xc3\x9f" "E.BMP"},
        {"c:\\\xc5\x93uvre \xc3\xbf.bmp", "C:\\\xc5\x92UVRE \xc5\xb8.BMP"},  // œ ÿ: the code page's own capitals
        {"c:\\\xd0\xb4\xd0\xbe\xd0\xbc.bmp", "C:\\\xd0\xb4\xd0\xbe\xd0\xbc.BMP"},  // дом: not in the code page, kept
        {"", ""},
    };
    for (const Case& c : cases) {
#ifdef _WIN32
        if (GetACP() != 1252)
            GTEST_SKIP() << "the expected names are Windows-1252's";
        EXPECT_EQ(ShownFileName(c.chosen), c.shownOnWindows) << c.chosen;
#else
        EXPECT_EQ(ShownFileName(c.chosen), c.chosen);
#endif
    }
}

}  // namespace
}  // namespace pelmora

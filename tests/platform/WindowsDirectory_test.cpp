#include "platform/SystemWindowsDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace pelmora {
namespace {

TEST(WindowsDirectory, TheFixedSourceKeepsTheSizeRules)
{
    FixedWindowsDirectory source("C:\\WIN");
    char buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    EXPECT_EQ(source.GetWindowsDirectory(nullptr, 0), 7u);     // size needed, NUL included
    EXPECT_EQ(source.GetWindowsDirectory(buffer, 6), 7u);      // one short: still the size needed
    EXPECT_EQ(buffer[0], 'x');                                 // and nothing copied
    EXPECT_EQ(source.GetWindowsDirectory(buffer, 7), 6u);      // room for the NUL: the length
    EXPECT_STREQ(buffer, "C:\\WIN");
    EXPECT_EQ(FixedWindowsDirectory("").GetWindowsDirectory(buffer, 8), 0u);
}

// Answers like the platform, but its directory grows once after the first call.
class GrowingDirectory : public WindowsDirectorySource {
public:
    unsigned GetWindowsDirectory(char* buffer, unsigned size) override
    {
        ++calls;
        FixedWindowsDirectory current(calls == 1 ? "C:\\WIN" : "D:\\A LONGER WINDOWS");
        return current.GetWindowsDirectory(buffer, size);
    }
    int calls = 0;
};

TEST(WindowsDirectory, FindWindowsDirTakesWhateverLengthThePlatformHas)
{
    const std::string longPath = "C:\\" + std::string(4997, 'w');
    const struct {
        const char* what;
        std::string path;
    } cases[] = {
        {"usual", "C:\\WINDOWS"},
        {"longer than any fixed buffer", longPath},
        {"one character", "C"},
        {"none", ""},
    };
    for (const auto& c : cases) {
        FixedWindowsDirectory source(c.path);
        EXPECT_EQ(FindWindowsDir(source), c.path) << c.what;
    }

    GrowingDirectory growing;
    EXPECT_EQ(FindWindowsDir(growing), "D:\\A LONGER WINDOWS");
}

#ifdef _WIN32
TEST(WindowsDirectory, ThePlatformNamesItsWindowsFolder)
{
    std::string found = FindWindowsDir(*MakeSystemWindowsDirectory());
    std::transform(found.begin(), found.end(), found.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_EQ(found.substr(1), ":\\windows");
}
#endif

}  // namespace
}  // namespace pelmora

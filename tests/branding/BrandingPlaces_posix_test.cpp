#include "branding/BrandingPlaces.h"

#include "platform/ProgramData.h"
#include "testing/FakeProgramData.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace pelmora {
namespace {

namespace fs = std::filesystem;

class SystemRootVariable {
public:
    explicit SystemRootVariable(const char* value)
    {
        if (const char* old = std::getenv("PELMORA_SYSTEM_ROOT"))
            m_Old = old;
        value ? setenv("PELMORA_SYSTEM_ROOT", value, 1) : unsetenv("PELMORA_SYSTEM_ROOT");
    }
    ~SystemRootVariable() { m_Old ? setenv("PELMORA_SYSTEM_ROOT", m_Old->c_str(), 1) : unsetenv("PELMORA_SYSTEM_ROOT"); }

private:
    std::optional<std::string> m_Old;
};

TEST(BrandingPlacesPosix, TheLogoValueNamesTheFileAsTheInstallationWillSeeIt)
{
    testing::TempDir temp;
    fs::create_directories(temp.Path() / "Windows" / "System32");
    const struct {
        const char* variable;
        const char* expected;
    } cases[] = {
        {nullptr, "C:\\Windows\\System32\\oemlogo.bmp"},
        {"", "C:\\Windows\\System32\\oemlogo.bmp"},
        {"D:\\WIN", "D:\\WIN\\System32\\oemlogo.bmp"},
        {"D:\\WIN\\", "D:\\WIN\\System32\\oemlogo.bmp"},
    };
    testing::FakeProgramData noProgramData("");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variable ? c.variable : "unset");
        SystemRootVariable variable(c.variable);
        EXPECT_EQ(LocateBranding(noProgramData, temp.File("Windows"), "a", "b").logoValue, c.expected);
        EXPECT_EQ(LogoFileFromValue(c.expected, temp.File("Windows")),
                  (temp.Path() / "Windows" / "System32" / "oemlogo.bmp").string());
    }
}

TEST(BrandingPlacesPosix, ProgramDataIsBesideTheWindowsFolderInAnyCase)
{
    testing::TempDir temp;
    fs::create_directories(temp.Path() / "mnt" / "WINDOWS");
    EXPECT_EQ(FindProgramDataDir(temp.File("mnt/WINDOWS")), temp.File("mnt/ProgramData"));
    EXPECT_EQ(FindProgramDataDir(temp.File("mnt/WINDOWS/")), temp.File("mnt/ProgramData"));
    fs::create_directories(temp.Path() / "mnt" / "programdata");
    EXPECT_EQ(FindProgramDataDir(temp.File("mnt/WINDOWS")), temp.File("mnt/programdata"));
    EXPECT_EQ(FindProgramDataDir("/"), "");
    EXPECT_EQ(FindProgramDataDir(""), "");
}

}  // namespace
}  // namespace pelmora

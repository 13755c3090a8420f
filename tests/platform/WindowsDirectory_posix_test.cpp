#include "platform/SystemWindowsDirectory.h"

#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>

namespace pelmora {
namespace {

namespace fs = std::filesystem;

// Sets the variables that choose the directory for one test and puts the old values back.
class Environment {
public:
    ~Environment()
    {
        for (const auto& [name, value] : m_Saved)
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }
    void Set(const std::string& name, const std::optional<std::string>& value)
    {
        if (!m_Saved.count(name)) {
            const char* old = std::getenv(name.c_str());
            m_Saved[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }

private:
    std::map<std::string, std::optional<std::string>> m_Saved;
};

TEST(WindowsDirectoryPosix, TheEnvironmentChoosesTheFolder)
{
    testing::TempDir home;
    const std::string h = home.Path().string();
    const struct {
        const char* what;
        std::optional<std::string> windowsDir, dataHome;
        std::string expected;
        bool isDefault;
    } cases[] = {
        {"a mounted installation", "/mnt/win/WINDOWS", h + "/data", "/mnt/win/WINDOWS", false},
        {"the data folder", std::nullopt, h + "/data", h + "/data/pelmora/Windows", true},
        {"empty variables", "", "", h + "/.local/share/pelmora/Windows", true},
        {"a relative data folder", std::nullopt, "data", h + "/.local/share/pelmora/Windows", true},
        {"nothing set", std::nullopt, std::nullopt, h + "/.local/share/pelmora/Windows", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Environment env;
        env.Set("HOME", h);
        env.Set("PELMORA_WINDOWS_DIR", c.windowsDir);
        env.Set("XDG_DATA_HOME", c.dataHome);
        const WindowsDirChoice choice = ChooseWindowsDir();
        EXPECT_EQ(choice.path, c.expected);
        EXPECT_EQ(choice.isDefault, c.isDefault);
        EXPECT_EQ(FindWindowsDir(*MakeSystemWindowsDirectory()), c.expected);
    }
}

TEST(WindowsDirectoryPosix, OnlyTheDefaultLocationGetsItsSystemFolders)
{
    testing::TempDir home;
    Environment env;
    env.Set("HOME", home.Path().string());
    env.Set("XDG_DATA_HOME", std::nullopt);
    env.Set("PELMORA_WINDOWS_DIR", std::nullopt);
    MakeSystemWindowsDirectory();
    EXPECT_TRUE(fs::is_directory(home.Path() / ".local/share/pelmora/Windows/System"));
    EXPECT_TRUE(fs::is_directory(home.Path() / ".local/share/pelmora/Windows/System32"));

    env.Set("PELMORA_WINDOWS_DIR", home.File("mounted"));
    MakeSystemWindowsDirectory();
    EXPECT_FALSE(fs::exists(home.Path() / "mounted"));
}

}  // namespace
}  // namespace pelmora

// Finding an image's SOFTWARE hive, and which keys go to it.
#include "registry/HiveImage.h"
#include "registry/ImageRegistry.h"
#include "registry/RegReadCheck.h"
#include "registry/RegString.h"
#include "registry/SettingsStore.h"
#include "testing/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using testing::Utf16;
using testing::WindowsImage;

TEST(ImageRegistry, TheHiveIsFoundInAnyLetterCase)
{
    const std::vector<std::string> spellings[] = {
        {"System32", "config", "SOFTWARE"},
        {"system32", "CONFIG", "software"},
        {"SYSTEM32", "Config", "Software"},
    };
    for (const auto& names : spellings) {
        const WindowsImage image({}, names);
        EXPECT_EQ(FindSoftwareHive(image.WindowsDir()), image.HivePath()) << names[0] << names[1] << names[2];
    }
}

TEST(ImageRegistry, OnlyAFileNamedSoftwareInTheConfigFolderIsTheHive)
{
    testing::TempDir temp;
    const fs::path windows = temp.File("Windows");
    const fs::path config = windows / "system32" / "config";
    fs::create_directories(config / "SOFTWARE");  // a folder, not the hive
    for (const char* name : {"SOFTWARE.LOG1", "SOFTWARE.sav", "SYSTEM"})
        std::ofstream(config / name) << "x";
    EXPECT_EQ(FindSoftwareHive(windows.string()), std::nullopt);
    EXPECT_EQ(FindSoftwareHive(temp.File("missing")), std::nullopt);
    EXPECT_EQ(FindSoftwareHive(""), std::nullopt);

    // Two spellings side by side: the one spelt as Windows spells it wins.
    fs::create_directories(windows / "System32" / "config");
    std::ofstream(windows / "System32" / "config" / "SOFTWARE") << "x";
    std::ofstream(windows / "System32" / "config" / "software") << "x";
    EXPECT_EQ(FindSoftwareHive(windows.string()), (windows / "System32" / "config" / "SOFTWARE").string());
}

TEST(ImageRegistry, WithoutAHiveTheLocalStoreIsTheRegistry)
{
    testing::TempDir temp;
    auto local = testing::MakeScratchRegistry();
    RegistryApi* const raw = local.get();
    EXPECT_EQ(MakeImageRegistry(temp.Path().string(), std::move(local)).get(), raw);
}

TEST(ImageRegistry, OnlyHklmSoftwareGoesToTheImage)
{
    const WindowsImage image;
    auto local = testing::MakeScratchRegistry();
    ASSERT_TRUE(WriteRegString(*local, RegRoot::LocalMachine, "Software\\Local", "Model", "local"));
    const auto registry = MakeImageRegistry(image.WindowsDir(), std::move(local));
    EXPECT_EQ(ReadRegString(*registry, RegRoot::LocalMachine, "Software\\Local", "Model", "none"), "none");
    const struct {
        RegRoot root;
        const char* path;
        const char* inHive;  // null: kept in the local store
    } cases[] = {
        {RegRoot::LocalMachine, "SOFTWARE\\Pelmora\\Corvexa", "Pelmora\\Corvexa"},
        {RegRoot::LocalMachine, "software\\Pelmora\\Corvexa\\read", "Pelmora\\Corvexa\\read"},
        {RegRoot::LocalMachine, "Software", ""},
        {RegRoot::LocalMachine, "SYSTEM\\Setup", nullptr},
        {RegRoot::LocalMachine, "SOFTWAREX\\Pelmora", nullptr},
        {RegRoot::CurrentUser, "Software\\Pelmora\\pelmora\\Run", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ASSERT_TRUE(WriteRegString(*registry, c.root, c.path, "Model", c.path));
        EXPECT_EQ(ReadRegString(*registry, c.root, c.path, "Model", ""), c.path);
        const auto stored = testing::ReadFromHive(image.HivePath(), c.inHive ? c.inHive : c.path, "Model");
        EXPECT_EQ(stored.has_value(), c.inHive != nullptr);
        if (stored) {
            EXPECT_EQ(stored->data, testing::StoredText(std::u16string(c.path, c.path + std::strlen(c.path))));
        }
    }

    // The visit counter is the program's own, never the image's.
    SettingsStore settings(*registry);
    ASSERT_TRUE(settings.SaveSetting("pelmora", "Run", "Run", "42"));
    EXPECT_EQ(settings.GetSetting("pelmora", "Run", "Run", ""), "42");
    EXPECT_FALSE(testing::ReadFromHive(image.HivePath(), "Pelmora\\pelmora\\Run", "Run"));

    // HKLM lists the hive's top once, in place of the local store's own.
    RegKey machine = 0;
    ASSERT_EQ(registry->OpenKey(RegRoot::LocalMachine, "", machine), kRegSuccess);
    std::vector<std::string> names;
    EXPECT_EQ(registry->EnumSubKeys(machine, names), kRegSuccess);
    EXPECT_EQ(names, (std::vector<std::string>{"SOFTWARE", "SOFTWAREX", "SYSTEM"}));
    registry->CloseKey(machine);
}

TEST(ImageRegistry, AHiveThatCannotBeReadFailsTheReadsRoutedToIt)
{
    const WindowsImage image;
    std::ofstream(image.HivePath(), std::ios::binary | std::ios::trunc) << std::string(8192, 'x');
    const auto registry = MakeImageRegistry(image.WindowsDir(), testing::MakeScratchRegistry());
    ::testing::internal::CaptureStderr();
    const RegReadCheck fromStore(*registry);
    EXPECT_EQ(ReadRegString(*registry, RegRoot::CurrentUser, "Software\\Pelmora\\pelmora\\Run", "Run", "none"), "none");
    EXPECT_FALSE(fromStore.Failure());
    const RegReadCheck fromHive(*registry);
    EXPECT_EQ(ReadRegString(*registry, RegRoot::LocalMachine, "SOFTWARE\\Pelmora\\Corvexa\\OEM", "Model", "none"), "none");
    EXPECT_EQ(fromHive.Failure(), "the file " + image.HivePath() + " is not a registry hive");
    ::testing::internal::GetCapturedStderr();
}

}  // namespace
}  // namespace pelmora

#include "branding/BrandingPlaces.h"

#include "platform/FolderEntries.h"
#include "platform/ProgramData.h"
#include "testing/FakeProgramData.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pelmora {
namespace {

namespace fs = std::filesystem;

// Where no ProgramData folder is known.
BrandingPlaces Locate(const std::string& windowsDir)
{
    testing::FakeProgramData none("");
    return LocateBranding(none, windowsDir, "legacy-logo", "legacy-info");
}

TEST(BrandingPlaces, OnlyAFolderNamedSystem32InAnyCaseMakesAMirror)
{
    const struct {
        const char* what;
        const char* folder;  // created under Windows; null for none
        bool asFile;
        bool mirrored;
    } cases[] = {
        {"none", nullptr, false, false},
        {"System32", "System32", false, true},
        {"lower case", "system32", false, true},
        {"upper case", "SYSTEM32", false, true},
        {"a file of that name", "System32", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::TempDir temp;
        const std::string windows = temp.File("Windows");
        fs::create_directories(temp.Path() / "Windows" / "System");
        if (c.folder && c.asFile)
            std::ofstream(temp.Path() / "Windows" / c.folder) << "x";
        else if (c.folder)
            fs::create_directory(temp.Path() / "Windows" / c.folder);

        const BrandingPlaces places = Locate(windows);
        EXPECT_EQ(places.Mirrored(), c.mirrored);
        EXPECT_EQ(places.legacyLogo, "legacy-logo");
        EXPECT_EQ(places.legacyInfo, "legacy-info");
        if (!c.mirrored) {
            EXPECT_EQ(places.logoFile, "");
            continue;
        }
        EXPECT_TRUE(fs::equivalent(PathFromUtf8(places.system32), temp.Path() / "Windows" / c.folder));
        EXPECT_EQ(PathFromUtf8(places.logoFile).filename(), "oemlogo.bmp");
        EXPECT_TRUE(fs::equivalent(PathFromUtf8(places.logoFile).parent_path(), temp.Path() / "Windows" / c.folder));
        EXPECT_EQ(places.logoValue, WindowsSystemRoot(windows) + "\\System32\\oemlogo.bmp");
    }
}

TEST(BrandingPlaces, AnExistingLogoIsFoundInAnyCase)
{
    testing::TempDir temp;
    fs::create_directories(temp.Path() / "Windows" / "system32");
    std::ofstream(temp.Path() / "Windows" / "system32" / "OemLogo.BMP") << "BM";
    const BrandingPlaces places = Locate(temp.File("Windows"));
    EXPECT_TRUE(fs::equivalent(PathFromUtf8(places.logoFile), temp.Path() / "Windows" / "system32" / "OemLogo.BMP"));
}

TEST(BrandingPlaces, NoWindowsDirectoryHasNoPlaces)
{
    const BrandingPlaces places = Locate("");
    EXPECT_FALSE(places.Mirrored());
    EXPECT_EQ(places.factoryBackup, "");
}

TEST(BrandingPlaces, ALogoValueUnderTheSystemRootMapsBackOntoTheWindowsFolder)
{
    testing::TempDir temp;
    const fs::path windows = temp.Path() / "Windows";
    fs::create_directories(windows / "system32" / "OEM");
    std::ofstream(windows / "system32" / "OEMLOGO.BMP") << "BM";
    const std::string dir = windows.string();
    const std::string root = WindowsSystemRoot(dir);
    const struct {
        const char* what;
        std::string value;
        std::optional<fs::path> expected;
    } cases[] = {
        {"the value the mirror writes", root + "\\System32\\oemlogo.bmp", windows / "system32" / "OEMLOGO.BMP"},
        {"%SystemRoot%", "%SystemRoot%\\System32\\oemlogo.bmp", windows / "system32" / "OEMLOGO.BMP"},
        {"%windir% in another case", "%WINDIR%\\system32\\OEM\\logo.bmp", windows / "system32" / "OEM" / "logo.bmp"},
        {"slashes and dots", "%windir%/System32/./oemlogo.bmp", windows / "system32" / "OEMLOGO.BMP"},
        {"climbing out", "%windir%\\System32\\..\\..\\secret.bmp", std::nullopt},
        {"the root alone", "%windir%\\", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto file = LogoFileFromValue(c.value, dir);
        ASSERT_EQ(file.has_value(), c.expected.has_value());
        if (!file)
            continue;
        // Found in any case where it exists, else the name as the value gives it.
        if (fs::exists(*c.expected)) {
            EXPECT_TRUE(fs::equivalent(PathFromUtf8(*file), *c.expected));
        } else {
            EXPECT_EQ(PathFromUtf8(*file).filename(), c.expected->filename());
            EXPECT_TRUE(fs::equivalent(PathFromUtf8(*file).parent_path(), c.expected->parent_path()));
        }
    }
}

TEST(BrandingPlaces, ALogoOutsideTheSystemRootIsTakenAsItStandsOnlyOnWindows)
{
    testing::TempDir temp;
    for (const std::string value : {"D:\\Logos\\acme.bmp", "%windir%x\\oemlogo.bmp"}) {
        SCOPED_TRACE(value);
#ifdef _WIN32
        EXPECT_EQ(LogoFileFromValue(value, temp.File("Windows")), value);
#else
        EXPECT_EQ(LogoFileFromValue(value, temp.File("Windows")), std::nullopt);
#endif
    }
}

TEST(BrandingPlaces, TheFactoryBackupLivesInProgramData)
{
    testing::TempDir temp;
    fs::create_directories(temp.Path() / "Windows" / "System32");
    SystemProgramData system;
    const BrandingPlaces places = LocateBranding(system, temp.File("Windows"), "a", "b");
    const std::string programData = FindProgramDataDir(temp.File("Windows"));
    ASSERT_FALSE(programData.empty());
    EXPECT_EQ(places.factoryBackup, JoinPath(JoinPath(programData, "Pelmora"), "factory-branding"));
}

}  // namespace
}  // namespace pelmora

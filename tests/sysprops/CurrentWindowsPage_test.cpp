#include "CurrentWindowsPage.h"
#include "SysPropsWindow.h"
#include "branding/BrandingPlaces.h"
#include "registry/HiveImage.h"
#include "registry/RegString.h"
#include "registry/SqliteRegistry.h"
#include "testing/TempDir.h"

#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace pelmora::sysprops {
namespace {

class CurrentWindowsPageTest : public ::testing::Test {
protected:
    CurrentWindowsPageTest() { std::filesystem::create_directories(m_Dir.Path() / "System32"); }

    std::string WindowsDir() const { return m_Dir.Path().string(); }

    // A logo in System32 and the Logo value naming it as the installation would.
    OemValues WithLogo(int width, int height, OemValues values)
    {
        QImage logo(width, height, QImage::Format_RGB32);
        logo.fill(Qt::darkCyan);
        EXPECT_TRUE(logo.save(QString::fromStdString((m_Dir.Path() / "System32" / "oemlogo.bmp").string()), "BMP"));
        values.push_back({OemValue::Logo, WindowsSystemRoot(WindowsDir()) + "\\System32\\oemlogo.bmp"});
        return values;
    }

    QLabel* Label(QWidget& window, const char* name) { return window.findChild<QLabel*>(name); }

    testing::TempDir m_Dir;
};

TEST_F(CurrentWindowsPageTest, ShowsTheFittedLogoAndEachValueSet)
{
    const OemValues values = WithLogo(400, 300,
                                      {{OemValue::Manufacturer, "Quillon & Söhne"},
                                       {OemValue::Model, "QW 7"},
                                       {OemValue::SupportPhone, "+1 555 0100"},
                                       {OemValue::SupportHours, "Mo-Fr 8-18"},
                                       {OemValue::SupportProvider, "Quillon Care"},
                                       {OemValue::SupportAppURL, "quillon-care"},
                                       {OemValue::SupportURL, "https://example.com/help"}});
    SysPropsWindow window(WindowsDir(), values);
    QLabel* logo = Label(window, "CurrentLogo");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->size(), QSize(120, 120));
    EXPECT_EQ(logo->pixmap().size(), QSize(120, 90));
    const std::pair<const char*, const char*> shown[] = {
        {"CurrentManufacturer", "Quillon & Söhne"},
        {"CurrentModel", "QW 7"},
        {"CurrentSupportPhone", "+1 555 0100"},
        {"CurrentSupportURL", "https://example.com/help"},
        {"CurrentSupportHours", "Mo-Fr 8-18"},
        {"GetHelpContact", "Quillon Care"},
        {"GetHelpOpens", "quillon-care"},
    };
    for (const auto& [name, text] : shown) {
        ASSERT_NE(Label(window, name), nullptr) << name;
        EXPECT_EQ(Label(window, name)->text(), QString::fromUtf8(text)) << name;
    }
    EXPECT_EQ(Label(window, "NoOemInformation"), nullptr);
}

TEST_F(CurrentWindowsPageTest, ASmallLogoKeepsItsSizeAndUnsetValuesAreLeftOut)
{
    SysPropsWindow window(WindowsDir(), WithLogo(100, 50, {{OemValue::Model, "QW 7"}}));
    ASSERT_NE(Label(window, "CurrentLogo"), nullptr);
    EXPECT_EQ(Label(window, "CurrentLogo")->pixmap().size(), QSize(100, 50));
    EXPECT_NE(Label(window, "CurrentModel"), nullptr);
    EXPECT_EQ(Label(window, "CurrentManufacturer"), nullptr);
}

TEST_F(CurrentWindowsPageTest, WithoutValuesItSaysSo)
{
    const std::pair<const char*, OemValues> cases[] = {
        {"no key", {}},
        {"a Logo naming no file", {{OemValue::Logo, "C:\\Windows\\System32\\missing.bmp"}}},
    };
    for (const auto& [what, values] : cases) {
        SCOPED_TRACE(what);
        SysPropsWindow window(WindowsDir(), values);
        EXPECT_EQ(Label(window, "CurrentLogo"), nullptr);
        ASSERT_NE(Label(window, "NoOemInformation"), nullptr);
        EXPECT_EQ(Label(window, "NoOemInformation")->text(), "No maker's information is set for current Windows.");
    }
}

// Get Help names the manufacturer without a provider and opens the website without an app; a
// text of Windows' full length is cut, so the window stays on a screen.
TEST_F(CurrentWindowsPageTest, GetHelpFallsBackAndLongTextsAreElided)
{
    const std::string maker(256, 'M');
    SysPropsWindow window(WindowsDir(), OemValues{{OemValue::Manufacturer, maker}, {OemValue::SupportURL, "https://q.example"}});
    ASSERT_NE(Label(window, "GetHelpContact"), nullptr);
    EXPECT_TRUE(Label(window, "GetHelpContact")->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(Label(window, "GetHelpContact")->toolTip(), QString::fromStdString(maker));
    EXPECT_EQ(Label(window, "GetHelpOpens")->text(), "https://q.example");
    EXPECT_LT(window.sizeHint().width(), 1000);
}

TEST_F(CurrentWindowsPageTest, AFailedReadIsNamedNotShownAsBlanks)
{
    SysPropsWindow window(WindowsDir(), CurrentBranding({}, "the store is locked"));
    ASSERT_NE(Label(window, "UnreadOemInformation"), nullptr);
    EXPECT_EQ(Label(window, "UnreadOemInformation")->text(),
              "The OEMInformation values could not be read: the store is locked");
    EXPECT_EQ(Label(window, "NoOemInformation"), nullptr);
}

// The registry store is only read: a missing one is not created.
TEST_F(CurrentWindowsPageTest, ReadsTheStoreOnlyWhereItExists)
{
    const std::string store = m_Dir.File("registry.sqlite3");
    const char* previous = std::getenv("PELMORA_REGISTRY");
    const std::string kept = previous ? previous : "";
    setenv("PELMORA_REGISTRY", store.c_str(), 1);
    EXPECT_EQ(ReadCurrentBranding(WindowsDir()).values, OemValues{});
    EXPECT_FALSE(std::filesystem::exists(store));

    {
        SqliteRegistryOptions options;
        options.path = store;
        SqliteRegistry registry(options);
        WriteRegString(registry, RegRoot::LocalMachine, kOemInformationKey, "Model", "QW 7");
    }
    EXPECT_EQ(TextOf(ReadCurrentBranding(WindowsDir()).values, OemValue::Model), "QW 7");
    EXPECT_EQ(TextOf(ReadCurrentBranding(WindowsDir()).values, OemValue::Manufacturer), "");
    if (previous)
        setenv("PELMORA_REGISTRY", kept.c_str(), 1);
    else
        unsetenv("PELMORA_REGISTRY");
}

// An installation with a SOFTWARE hive shows its own values, whatever the program's store holds,
// and the store is still never created.
TEST(CurrentWindowsPage, AnImageShowsTheValuesOfItsOwnRegistry)
{
    const testing::WindowsImage image({{"Microsoft\\Windows\\CurrentVersion\\OEMInformation", "Model", kRegSz,
                                        testing::StoredText(u"Image model")}});
    const std::string store = image.temp.File("registry.sqlite3");
    const char* previous = std::getenv("PELMORA_REGISTRY");
    const std::string kept = previous ? previous : "";
    setenv("PELMORA_REGISTRY", store.c_str(), 1);
    const OemValues shown = ReadCurrentBranding(image.WindowsDir()).values;
    EXPECT_EQ(TextOf(shown, OemValue::Model), "Image model");
    EXPECT_EQ(TextOf(shown, OemValue::Manufacturer), "");
    EXPECT_FALSE(std::filesystem::exists(store));
    if (previous)
        setenv("PELMORA_REGISTRY", kept.c_str(), 1);
    else
        unsetenv("PELMORA_REGISTRY");
}

}  // namespace
}  // namespace pelmora::sysprops

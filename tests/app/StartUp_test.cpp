#include "app/MainWindowStart.h"
#include "registry/RegistryPaths.h"
#include "registry/SettingsStore.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::FakeMachine;
using testing::FakePicture;
using testing::FakeView;

using Start = testing::MainWindowStart;

TEST(StartUp, EmptyStore)
{
    FakeMachine machine;
    Start start(machine);
    const FakeView& view = start.view;
    for (const char* control : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "L11", "L12", "L13", "L14"})
        EXPECT_EQ(view.Text(control), "") << control;
    EXPECT_EQ(view.Text("Text8"), "1");
    EXPECT_EQ(view.Text("Text9"), machine.WindowsDirectory());
    EXPECT_EQ(view.Text("La11"), machine.WindowsDirectory());
    EXPECT_EQ(view.PictureOf("Picture1"), nullptr);
    EXPECT_TRUE(start.dialogs.messages.empty());
}

TEST(StartUp, SeededStore)
{
    FakeMachine machine;
    machine.SetReg(kCurrentVersionKey, "RegisteredOwner", "Ada Owner");
    machine.SetReg(kCurrentVersionKey, "RegisteredOrganization", "Org & Co");
    machine.SetReg(kCurrentVersionKey, "ProductId", "00330-80000");
    machine.SetReg(kCurrentVersionKey, "ProductName", "Some OS 11");
    machine.SetReg(kReadKey, "", "/pics/Logo.bmp");
    machine.SetReg(kOemKey, "Manufacture", "Contoso");
    machine.SetReg(kOemKey, "Model", "X1");
    machine.PutFile(machine.LogoPath(), testing::FakePictures::FileBytes(180, 115));

    Start start(machine);
    const FakeView& view = start.view;
    EXPECT_EQ(view.Text("Text1"), "/pics/Logo.bmp");
    EXPECT_EQ(view.Text("Text2"), "Contoso");
    EXPECT_EQ(view.Text("Text3"), "X1");
    EXPECT_EQ(view.Text("L11"), "Ada Owner");
    EXPECT_EQ(view.Text("L12"), "Org & Co");
    EXPECT_EQ(view.Text("L13"), "00330-80000");
    EXPECT_EQ(view.Text("L14"), "Some OS 11");
    EXPECT_EQ(view.Text("Text4"), "Ada Owner");
    EXPECT_EQ(view.Text("Text7"), "Some OS 11");
    const auto logo = std::dynamic_pointer_cast<const FakePicture>(view.PictureOf("Picture1"));
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->Source(), machine.LogoPath());
    EXPECT_EQ(logo->Width(), 180);
    EXPECT_TRUE(start.dialogs.messages.empty());
}

TEST(StartUp, EachStartCountsAndSavesUnderTheExecutableName)
{
    FakeMachine machine;
    SettingsStore settings(*machine.realRegistry);
    EXPECT_EQ(Start(machine).view.Text("Text8"), "1");
    EXPECT_EQ(settings.GetSetting("pelmora", "Run", "Run", "none"), "1");
    EXPECT_EQ(Start(machine).view.Text("Text8"), "2");

    settings.SaveSetting("pelmora", "Run", "Run", "41");
    EXPECT_EQ(Start(machine).view.Text("Text8"), "42");
    EXPECT_EQ(settings.GetSetting("pelmora", "Run", "Run", "none"), "42");

    settings.SaveSetting("pelmora", "Run", "Run", "lots");
    EXPECT_EQ(Start(machine).view.Text("Text8"), "lots");
    EXPECT_EQ(settings.GetSetting("pelmora", "Run", "Run", "none"), "lots");

    // Another executable name counts on its own.
    machine.services.executableName = "other";
    EXPECT_EQ(Start(machine).view.Text("Text8"), "1");
}

TEST(StartUp, WithoutWindowsDirectory)
{
    FakeMachine machine(FakeMachine::WindowsDir::Missing);
    Start start(machine);
    EXPECT_EQ(start.view.Text("Text9"), "");
    EXPECT_EQ(start.view.Text("La11"), "");
    EXPECT_EQ(start.view.PictureOf("Picture1"), nullptr);
    EXPECT_EQ(machine.pictures.loads, 0) << "no logo is looked for at the drive's root";
    EXPECT_TRUE(start.dialogs.messages.empty());
}

}  // namespace
}  // namespace pelmora

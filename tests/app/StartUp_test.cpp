#include "app/MainWindowControls.h"
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
    for (const char* control : {form1::kPathBox, form1::kManufacturer, form1::kModel, form1::kOwnerBox,
                                form1::kOrganizationBox, form1::kProductIdBox, form1::kProductNameBox, form1::kOwner,
                                form1::kOrganization, form1::kProductId, form1::kProductName})
        EXPECT_EQ(view.Text(control), "") << control;
    EXPECT_EQ(view.Text(form1::kVisits), "1");
    EXPECT_EQ(view.Text(form1::kWindowsDirBox), machine.WindowsDirectory());
    EXPECT_EQ(view.Text(form1::kWindowsDir), machine.WindowsDirectory());
    EXPECT_EQ(view.PictureOf(form1::kCurrentLogo), nullptr);
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
    EXPECT_EQ(view.Text(form1::kPathBox), "/pics/Logo.bmp");
    EXPECT_EQ(view.Text(form1::kManufacturer), "Contoso");
    EXPECT_EQ(view.Text(form1::kModel), "X1");
    EXPECT_EQ(view.Text(form1::kOwner), "Ada Owner");
    EXPECT_EQ(view.Text(form1::kOrganization), "Org & Co");
    EXPECT_EQ(view.Text(form1::kProductId), "00330-80000");
    EXPECT_EQ(view.Text(form1::kProductName), "Some OS 11");
    EXPECT_EQ(view.Text(form1::kOwnerBox), "Ada Owner");
    EXPECT_EQ(view.Text(form1::kProductNameBox), "Some OS 11");
    const auto logo = std::dynamic_pointer_cast<const FakePicture>(view.PictureOf(form1::kCurrentLogo));
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->Source(), machine.LogoPath());
    EXPECT_EQ(logo->Width(), 180);
    EXPECT_TRUE(start.dialogs.messages.empty());
}

TEST(StartUp, EachStartCountsAndSavesUnderTheExecutableName)
{
    FakeMachine machine;
    SettingsStore settings(*machine.realRegistry);
    EXPECT_EQ(Start(machine).view.Text(form1::kVisits), "1");
    EXPECT_EQ(settings.GetSetting("pelmora", "Run", "Run", "none"), "1");
    EXPECT_EQ(Start(machine).view.Text(form1::kVisits), "2");

    settings.SaveSetting("pelmora", "Run", "Run", "41");
    EXPECT_EQ(Start(machine).view.Text(form1::kVisits), "42");
    EXPECT_EQ(settings.GetSetting("pelmora", "Run", "Run", "none"), "42");

    settings.SaveSetting("pelmora", "Run", "Run", "lots");
    EXPECT_EQ(Start(machine).view.Text(form1::kVisits), "lots");
    EXPECT_EQ(settings.GetSetting("pelmora", "Run", "Run", "none"), "lots");

    // Another executable name counts on its own.
    machine.services.executableName = "other";
    EXPECT_EQ(Start(machine).view.Text(form1::kVisits), "1");
}

TEST(StartUp, WithoutWindowsDirectory)
{
    FakeMachine machine(FakeMachine::WindowsDir::Missing);
    Start start(machine);
    EXPECT_EQ(start.view.Text(form1::kWindowsDirBox), "");
    EXPECT_EQ(start.view.Text(form1::kWindowsDir), "");
    EXPECT_EQ(start.view.PictureOf(form1::kCurrentLogo), nullptr);
    EXPECT_EQ(machine.pictures.loads, 0) << "no logo is looked for at the drive's root";
    EXPECT_TRUE(start.dialogs.messages.empty());
}

// What the console loads: the stored fields and the Windows directory, without counting a start
// or looking at the logo.
TEST(StartUp, StoredFieldsAloneCountNoStart)
{
    FakeMachine machine;
    machine.SetReg(kReadKey, "", "/pics/Logo.bmp");
    machine.SetReg(kOemKey, "Manufacture", "Contoso");
    machine.SetReg(kOemKey, "Model", "X1");
    machine.PutFile(machine.LogoPath(), testing::FakePictures::FileBytes(180, 115));
    FakeView view;
    testing::FakeDialogs dialogs;
    testing::FakeShell shell;
    MainPresenter presenter(view, dialogs, shell, machine.services);
    presenter.LoadStoredFields();
    EXPECT_EQ(view.Text(form1::kPathBox), "/pics/Logo.bmp");
    EXPECT_EQ(view.Text(form1::kManufacturer), "Contoso");
    EXPECT_EQ(view.Text(form1::kModel), "X1");
    EXPECT_EQ(view.Text(form1::kWindowsDir), machine.WindowsDirectory());
    EXPECT_EQ(view.Text(form1::kVisits), "");
    EXPECT_EQ(SettingsStore(*machine.realRegistry).GetSetting("pelmora", "Run", "Run", "none"), "none");
    EXPECT_EQ(machine.pictures.loads, 0);
}

}  // namespace
}  // namespace pelmora

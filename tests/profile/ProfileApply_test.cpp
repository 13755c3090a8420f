// Profiles against a machine the presenters' commands brand: what the commands leave is what
// the comparison expects, every difference is put under the key it concerns, and the plan runs
// only the commands that mend them.
#include "app/MainWindowControls.h"
#include "app/MainWindowStart.h"
#include "branding/OemInformation.h"
#include "oem/OemInfoLayout.h"
#include "profile/ProfileFields.h"
#include "profile/ProfileRun.h"
#include "registry/RegistryPaths.h"
#include "current/CurrentWindowsPresenter.h"
#include "support/SupportEditorPresenter.h"
#include "support/SupportFields.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace pelmora {
namespace {

using testing::FakeDialogs;
using testing::FakeMachine;
using testing::FakeView;
using Start = testing::MainWindowStart;
using Steps = std::vector<ProfileStep>;
using Keys = std::set<std::string>;

SupportInfo GeneralOnly(const std::string& manufacturer, const std::string& model)
{
    SupportInfo info;
    info.Manufacturer = manufacturer;
    info.Model = model;
    return info;
}

bool NoStopMessage(const FakeDialogs& dialogs)
{
    for (const auto& message : dialogs.messages) {
        if (message.style == MessageStyle::Stop)
            return false;
    }
    return true;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

class ProfileApply : public ::testing::Test {
protected:
    ProfileApply(FakeMachine::WindowsDir windowsDir = FakeMachine::WindowsDir::Present) : machine(windowsDir) {}

    BrandingProfile Full()
    {
        return {{"Quillon Works", "QW 7", "https://quillon.example", "help@quillon.example", "1 Mill Lane", "Leeds",
                 "+44 113 496 0000", "+44 113 496 0001", "Ops", "Quillon Ltd", "2026-12-07", "", "", ""},
                machine.PictureFile("brand-logo.bmp", 180, 115)};
    }

    ProfileApplied Apply(const BrandingProfile& profile, bool dryRun = false)
    {
        const auto logo = Logo(profile);
        return ApplyProfile(machine.services, profile, logo.get(),
                            [&](ProfileStep step) { return Run(step, profile); }, dryRun);
    }

    Keys DifferenceKeys(const BrandingProfile& profile)
    {
        const auto logo = Logo(profile);
        const ProfileComparison comparison = CompareWithMachine(machine.services, profile, logo.get());
        EXPECT_TRUE(comparison.differences) << comparison.error;
        Keys keys;
        for (const ProfileDifference& difference : comparison.differences.value_or(std::vector<ProfileDifference>{}))
            keys.insert(difference.key);
        return keys;
    }

    std::shared_ptr<const Picture> Logo(const BrandingProfile& profile)
    {
        std::string why;
        return profile.logo ? machine.pictures.Load(*profile.logo, why) : nullptr;
    }

    // Each step as a user would do it in the windows.
    bool Run(ProfileStep step, const BrandingProfile& profile)
    {
        ran.push_back(step);
        if (step == ProfileStep::ApplySupport)
            return RunEditor(profile);
        if (step == ProfileStep::ApplyWindows)
            return RunCurrentWindows(profile);
        Start start(machine);
        switch (step) {
        case ProfileStep::InstallLogo:
            start.dialogs.AnswerOpenFile(*profile.logo);
            start.presenter.SelectLogo();
            start.presenter.ApplySelected();
            break;
        case ProfileStep::RemoveLogo:
            if (start.view.Text(form1::kPathBox).empty())
                start.view.SetText(form1::kPathBox, machine.LogoPath());
            start.presenter.RemoveLogo();
            break;
        default:
            start.view.SetText(form1::kManufacturer, profile.info.Manufacturer);
            start.view.SetText(form1::kModel, profile.info.Model);
            start.presenter.ApplyOemInformation();
        }
        return NoStopMessage(start.dialogs);
    }

    bool RunEditor(const BrandingProfile& profile)
    {
        FakeView view;
        FakeDialogs dialogs;
        SupportEditorPresenter editor(view, dialogs, machine.services);
        editor.Load();
        for (const SupportField& field : kSupportFields) {
            if (field.member != &SupportInfo::Manufacturer && field.member != &SupportInfo::Model)
                view.SetText(field.control, profile.info.*field.member);
        }
        editor.Apply();
        return NoStopMessage(dialogs);
    }

    bool RunCurrentWindows(const BrandingProfile& profile)
    {
        FakeView view;
        FakeDialogs dialogs;
        CurrentWindowsPresenter window(view, dialogs, machine.services);
        window.Load();
        for (const BrandingField& field : kTextFields) {
            if (field.window == FieldWindow::CurrentWindows)
                view.SetText(field.control, profile.info.*field.member);
        }
        window.Apply();
        return NoStopMessage(dialogs);
    }

    void ExpectApplied(const BrandingProfile& profile, const Steps& steps, const std::string& row = "")
    {
        ran.clear();
        const ProfileApplied applied = Apply(profile);
        EXPECT_EQ(applied.steps, steps) << row;
        EXPECT_EQ(ran, steps) << row;
        EXPECT_TRUE(applied.Matches()) << row;
        EXPECT_EQ(DifferenceKeys(profile), Keys{}) << row;
    }

    FakeMachine machine;
    Steps ran;
};

TEST_F(ProfileApply, AFreshMachineGetsEachCommandOnceAndASecondRunWritesNothing)
{
    const BrandingProfile profile = Full();
    ExpectApplied(profile, {ProfileStep::InstallLogo, ProfileStep::ApplyOem, ProfileStep::ApplySupport});
    EXPECT_EQ(machine.FileBytes(machine.InfoPath()), FullLayoutBytes(profile.info, 1252));
    EXPECT_EQ(machine.OemInformation("SupportURL"), "https://quillon.example");
    EXPECT_TRUE(machine.FileBytes(machine.MirrorLogoPath()));

    const int writes = machine.files.writes;
    const int deletes = machine.files.deletes;
    ExpectApplied(profile, {});
    EXPECT_EQ(machine.files.writes, writes);
    EXPECT_EQ(machine.files.deletes, deletes);
}

// A profile that differs from the branded machine in one field.
struct FieldChange {
    const char* key;
    std::function<void(BrandingProfile&, FakeMachine&)> change;
    Steps steps;  // what mends it
};

TEST_F(ProfileApply, AProfileChangedInOneFieldDiffersInThatFieldAlone)
{
    const Steps oem{ProfileStep::ApplyOem, ProfileStep::ApplySupport};
    const Steps editor{ProfileStep::ApplySupport};
    const Steps currentWindows{ProfileStep::ApplyWindows};
    std::vector<FieldChange> changes;
    for (const ProfileField& field : kProfileFields) {
        changes.push_back({field.profileKey, [&field](BrandingProfile& p, FakeMachine&) { p.info.*field.member += " 2"; },
                           IsMainWindowField(field)                      ? oem
                           : field.window == FieldWindow::CurrentWindows ? currentWindows
                                                                         : editor});
    }
    changes.push_back({"logo",
                       [](BrandingProfile& p, FakeMachine& m) { p.logo = m.PictureFile("other.bmp", 100, 100); },
                       {ProfileStep::InstallLogo}});

    const BrandingProfile base = Full();
    ExpectApplied(base, {ProfileStep::InstallLogo, ProfileStep::ApplyOem, ProfileStep::ApplySupport});
    for (const FieldChange& row : changes) {
        BrandingProfile changed = base;
        row.change(changed, machine);
        EXPECT_EQ(DifferenceKeys(changed), Keys{row.key}) << row.key;
        ExpectApplied(changed, row.steps, row.key);
        ExpectApplied(base, row.steps, std::string("back from ") + row.key);
    }
}

// A change someone made on the branded machine by hand.
struct HandEdit {
    const char* name;
    std::function<void(FakeMachine&)> edit;
    Keys keys;
    Steps steps;
};

TEST_F(ProfileApply, AHandEditOnTheMachineIsFoundAndMended)
{
    const char* oemInformation = kOemInformationKey;
    const HandEdit edits[] = {
        {"stored fax", [](FakeMachine& m) { m.SetReg(kOemKey, "FAX", "0"); }, {"fax"}, {ProfileStep::ApplySupport}},
        {"another maker's hours", [&](FakeMachine& m) { m.SetReg(oemInformation, "SupportHours", "24/7"); },
         {"hours"}, {ProfileStep::ApplyWindows}},
        {"stored model", [](FakeMachine& m) { m.SetReg(kOemKey, "Model", "QW 8"); }, {"model"},
         {ProfileStep::ApplyOem, ProfileStep::ApplySupport}},
        {"mirrored web address", [&](FakeMachine& m) { m.SetReg(oemInformation, "SupportURL", "https://x.example"); },
         {"web"}, {ProfileStep::ApplySupport}},
        {"model line of the file",
         [](FakeMachine& m) { m.PutFile(m.InfoPath(), Replaced(*m.FileBytes(m.InfoPath()), "MODEL=QW 7", "MODEL=QW 8")); },
         {"model"}, {ProfileStep::ApplySupport}},
        {"banner line of the file",
         [](FakeMachine& m) { m.PutFile(m.InfoPath(), Replaced(*m.FileBytes(m.InfoPath()), "WEL COME", "WELCOME")); },
         {"oeminfo.ini"}, {ProfileStep::ApplySupport}},
        {"file with LF line ends",
         [](FakeMachine& m) {
             std::string bytes = *m.FileBytes(m.InfoPath());
             while (bytes.find('\r') != std::string::npos)
                 bytes.erase(bytes.find('\r'), 1);
             m.PutFile(m.InfoPath(), bytes);
         },
         {"oeminfo.ini"}, {ProfileStep::ApplySupport}},
        {"file deleted", [](FakeMachine& m) { std::filesystem::remove(m.InfoPath()); }, {"oeminfo.ini"},
         {ProfileStep::ApplySupport}},
        {"short layout",
         [](FakeMachine& m) { m.PutFile(m.InfoPath(), ShortLayoutBytes("Quillon Works", "QW 7", 1252)); },
         {"oeminfo.ini"}, {ProfileStep::ApplySupport}},
        {"other logo", [](FakeMachine& m) { m.PutFile(m.LogoPath(), "BM" + testing::FakePictures::FileBytes(10, 10)); }, {"logo"},
         {ProfileStep::InstallLogo}},
        {"System32 logo deleted", [](FakeMachine& m) { std::filesystem::remove(m.MirrorLogoPath()); }, {"logo"},
         {ProfileStep::InstallLogo}},
        {"Logo value", [&](FakeMachine& m) { m.SetReg(oemInformation, "Logo", "C:\\other.bmp"); }, {"logo"},
         {ProfileStep::InstallLogo}},
    };
    const BrandingProfile profile = Full();
    ExpectApplied(profile, {ProfileStep::InstallLogo, ProfileStep::ApplyOem, ProfileStep::ApplySupport});
    for (const HandEdit& row : edits) {
        row.edit(machine);
        EXPECT_EQ(DifferenceKeys(profile), row.keys) << row.name;
        ExpectApplied(profile, row.steps, row.name);
    }
}

TEST_F(ProfileApply, AProfileWithoutSupportTextGetsTheGeneralSectionOnlyAndNoSupportValues)
{
    ExpectApplied(Full(), {ProfileStep::InstallLogo, ProfileStep::ApplyOem, ProfileStep::ApplySupport});
    BrandingProfile plain = Full();
    plain.info = GeneralOnly("Quillon Works", "QW 7");
    ExpectApplied(plain, {ProfileStep::ApplySupport, ProfileStep::ApplyOem});
    EXPECT_EQ(machine.FileBytes(machine.InfoPath()), ShortLayoutBytes("Quillon Works", "QW 7", 1252));
    EXPECT_EQ(machine.OemInformation("SupportURL"), std::nullopt);
    EXPECT_EQ(machine.Reg(kOemKey, "TELEPHONE"), "");

    plain.info.Model = "QW 8";
    ExpectApplied(plain, {ProfileStep::ApplyOem});
    plain.info.Fax = "+44 113 496 0001";
    ExpectApplied(plain, {ProfileStep::ApplySupport});
}

TEST_F(ProfileApply, AProfileWithoutLogoRemovesOneInstalledWithoutItsPathStored)
{
    BrandingProfile profile = Full();
    ExpectApplied(profile, {ProfileStep::InstallLogo, ProfileStep::ApplyOem, ProfileStep::ApplySupport});
    machine.SetReg(kReadKey, "", "");  // as Apply Logo leaves it, which stores no path
    profile.logo.reset();
    ExpectApplied(profile, {ProfileStep::RemoveLogo});
    EXPECT_FALSE(machine.FileBytes(machine.LogoPath()));
    EXPECT_FALSE(machine.FileBytes(machine.MirrorLogoPath()));
    EXPECT_EQ(machine.OemInformation("Logo"), std::nullopt);
}

TEST_F(ProfileApply, TextOutsideTheCodePageIsKeptAndComparedWhole)
{
    BrandingProfile profile = Full();
    profile.info.Owner = "Ops \xE6\xA0\xAA";  // a character outside the code page
    ExpectApplied(profile, {ProfileStep::InstallLogo, ProfileStep::ApplyOem, ProfileStep::ApplySupport});
    ExpectApplied(profile, {});
}

TEST_F(ProfileApply, ARefusedCommandEndsTheRunAsNotApplied)
{
    machine.registry.FailWritesOf("TELEPHONE");
    ran.clear();
    const ProfileApplied applied = Apply(Full());
    EXPECT_TRUE(applied.refused);
    EXPECT_FALSE(applied.Matches());
    EXPECT_EQ(ran, (Steps{ProfileStep::InstallLogo, ProfileStep::ApplyOem, ProfileStep::ApplySupport}));
}

TEST_F(ProfileApply, ADryRunPlansWithoutRunning)
{
    ran.clear();
    const ProfileApplied applied = Apply(Full(), true);
    EXPECT_EQ(applied.steps, (Steps{ProfileStep::InstallLogo, ProfileStep::ApplyOem, ProfileStep::ApplySupport}));
    EXPECT_EQ(ran, Steps{});
    EXPECT_FALSE(applied.Matches());
    EXPECT_EQ(machine.files.writes, 0);
}

class LegacyProfileApply : public ProfileApply {
protected:
    LegacyProfileApply() : ProfileApply(FakeMachine::WindowsDir::LegacyOnly) {}
};

TEST_F(LegacyProfileApply, AWindowsWithoutSystem32IsNotComparedOnTheValuesItNeverReads)
{
    const BrandingProfile profile = Full();
    ExpectApplied(profile, {ProfileStep::InstallLogo, ProfileStep::ApplyOem, ProfileStep::ApplySupport});
    machine.SetReg(kOemInformationKey, "Manufacturer", "Someone Else");
    EXPECT_EQ(DifferenceKeys(profile), Keys{});
}

TEST(ProfileWithoutWindows, NoWindowsDirectoryCannotBeComparedAndRunsNothing)
{
    FakeMachine machine(FakeMachine::WindowsDir::Missing);
    int runs = 0;
    const ProfileApplied applied = ApplyProfile(machine.services, {GeneralOnly("Quillon Works", "QW 7"), std::nullopt}, nullptr,
                                                [&](ProfileStep) { return ++runs > 0; }, false);
    EXPECT_FALSE(applied.before.differences);
    EXPECT_NE(applied.before.error, "");
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(applied.Matches());
}

}  // namespace
}  // namespace pelmora

// The commands of the main window also write what current Windows reads: the OEMInformation
// key's values and a 32-bit logo in System32, after keeping the factory branding once.
#include "app/MainWindowControls.h"
#include "app/MainWindowStart.h"
#include "oem/CommandScope.h"
#include "branding/BrandingPlaces.h"
#include "branding/OemInformation.h"
#include "registry/RegistryPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pelmora {
namespace {

using testing::FakeMachine;
using testing::FakePictures;
using testing::ShownMessage;
using testing::Stop;
using Start = testing::MainWindowStart;

const ShownMessage kApplied{"Succesfully Aplyed OEM Information. click view button to test it", "Pelmora",
                            MessageStyle::Information};
const ShownMessage kWarning{"this will remove all Oem informations", "Pelmora", MessageStyle::Stop};
const ShownMessage kLogoSaved{
    "you selected logo has Succesfully saved. to display this logo you must type model & manufacture's name",
    "Pelmora", MessageStyle::Information};
const ShownMessage kLogoRemoved{"This will removing oemlogo", "Pelmora", MessageStyle::Exclamation};

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

class BrandingMirror : public ::testing::Test {
protected:
    void ApplyOem(Start& start, const std::string& manufacturer, const std::string& model)
    {
        start.view.SetText(form1::kManufacturer, manufacturer);
        start.view.SetText(form1::kModel, model);
        start.presenter.ApplyOemInformation();
    }

    void Choose(Start& start, int width, int height)
    {
        start.dialogs.AnswerOpenFile(machine.PictureFile("Logo.bmp", width, height));
        start.presenter.SelectLogo();
    }

    // What the fake pictures give for the 32-bit logo fitted to this size.
    static std::string Fitted(int width, int height) { return "BM" + FakePictures::FileBytes(width, height) + " 32"; }

    std::string LogoValue() const { return WindowsSystemRoot(machine.WindowsDirectory()) + "\\System32\\oemlogo.bmp"; }

    FakeMachine machine;
};

TEST_F(BrandingMirror, ApplyOemSetsManufacturerAndModelAndRemoveDeletesEveryText)
{
    Start start(machine);
    ApplyOem(start, "Quillon Works", "QW 7");
    EXPECT_EQ(start.dialogs.messages, std::vector<ShownMessage>{kApplied});
    EXPECT_EQ(machine.OemInformation("Manufacturer"), "Quillon Works");
    EXPECT_EQ(machine.OemInformation("Model"), "QW 7");

    machine.SetReg(kOemInformationKey, "SupportURL", "https://q.example");
    machine.SetReg(kOemInformationKey, "SupportHours", "9 to 5");
    machine.SetReg(kOemInformationKey, "OemNote", "kept");
    start.dialogs.messages.clear();
    start.presenter.RemoveOemInformation();
    EXPECT_EQ(start.dialogs.messages, std::vector<ShownMessage>{kWarning});
    for (const char* name : {"Manufacturer", "Model", "SupportURL", "SupportPhone", "SupportHours"})
        EXPECT_EQ(machine.OemInformation(name), std::nullopt) << name;
    EXPECT_EQ(machine.OemInformation("OemNote"), "kept") << "a value the program does not own stays";
}

// Where the limit lies is OemInformation's rule (tests/branding); here the refusal comes first.
TEST_F(BrandingMirror, AValueLongerThanWindowsTakesIsRefusedBeforeAnythingIsWritten)
{
    Start start(machine);
    ApplyOem(start, std::string(257, 'M'), "QW 7");
    EXPECT_EQ(start.dialogs.messages,
              std::vector<ShownMessage>{Stop("Manufacturer is longer than the 256 characters Windows takes for "
                                             "Manufacturer. Nothing was saved.")});
    EXPECT_EQ(machine.Reg(kOemKey, "Manufacture"), "");
    EXPECT_FALSE(machine.FileBytes(machine.InfoPath()));
    EXPECT_EQ(machine.OemInformation("Model"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(machine.FactoryBackupDir())) << "nothing to change, nothing kept";
}

TEST_F(BrandingMirror, AMirrorValueNotStoredReplacesTheSuccessMessage)
{
    Start start(machine);
    machine.registry.FailWritesOf("Manufacturer");
    ApplyOem(start, "Quillon Works", "QW 7");
    ASSERT_EQ(start.dialogs.messages.size(), 1u);
    const ShownMessage& message = start.dialogs.messages[0];
    EXPECT_EQ(message.style, MessageStyle::Stop);
    EXPECT_TRUE(StartsWith(message.text, "The OEM information was not fully saved.\n"
                                         "The value Manufacturer under OEMInformation was not stored: "))
        << message.text;
    EXPECT_FALSE(machine.FileBytes(machine.InfoPath())) << "the command changed nothing";
    EXPECT_EQ(machine.OemInformation("Model"), machine.DropsAbandonedValues() ? std::nullopt
                                                                              : std::optional<std::string>("QW 7"));
    EXPECT_EQ(machine.Reg(kOemKey, "Manufacture"), machine.AfterFailure("", "Quillon Works"));
}

TEST_F(BrandingMirror, LogoCommandsWriteAndDeleteTheFittedLogoAndItsValue)
{
    Start start(machine);
    Choose(start, 400, 300);
    start.presenter.ApplySelected();
    EXPECT_EQ(start.dialogs.messages, std::vector<ShownMessage>{kLogoSaved});
    EXPECT_EQ(machine.FileBytes(machine.MirrorLogoPath()), Fitted(120, 90));
    EXPECT_EQ(machine.OemInformation("Logo"), LogoValue());

    Choose(start, 100, 50);
    start.presenter.ApplyLogo();
    EXPECT_EQ(machine.FileBytes(machine.MirrorLogoPath()), Fitted(100, 50)) << "never scaled up";

    start.dialogs.messages.clear();
    start.presenter.RemoveLogo();
    EXPECT_EQ(start.dialogs.messages, std::vector<ShownMessage>{kLogoRemoved});
    EXPECT_FALSE(machine.FileBytes(machine.MirrorLogoPath()));
    EXPECT_EQ(machine.OemInformation("Logo"), std::nullopt);
}

TEST_F(BrandingMirror, ALogoMirrorNotWrittenReplacesTheSuccessMessage)
{
    Start start(machine);
    Choose(start, 180, 115);
    machine.files.FailWrites(machine.MirrorLogoPath(), "Access is denied.");
    start.presenter.ApplySelected();
    EXPECT_EQ(start.dialogs.messages,
              std::vector<ShownMessage>{Stop("The logo was not fully saved.\n" + machine.MirrorLogoPath() +
                                             " was not written: Access is denied.\n" + kNothingChanged)});
    EXPECT_FALSE(machine.FileBytes(machine.LogoPath())) << "the System folder's logo is taken back";
    EXPECT_EQ(machine.OemInformation("Logo"), std::nullopt) << "no value names a file that was not written";

    machine.files.Heal();
    start.presenter.ApplyLogo();
    machine.files.FailDeletes(machine.MirrorLogoPath(), "The process cannot access the file");
    start.dialogs.messages.clear();
    start.presenter.RemoveLogo();
    EXPECT_EQ(start.dialogs.messages,
              std::vector<ShownMessage>{Stop("The logo was not fully removed.\n" + machine.MirrorLogoPath() +
                                             " was not deleted: The process cannot access the file.\n" +
                                             kNothingChanged)});
    if (machine.DropsAbandonedValues()) {
        EXPECT_EQ(machine.OemInformation("Logo"), LogoValue()) << "the mirror was not removed, so neither is its value";
    }
    EXPECT_TRUE(machine.FileBytes(machine.LogoPath())) << "the System folder's logo is put back";
}

TEST_F(BrandingMirror, WithoutSystem32NothingIsMirrored)
{
    FakeMachine legacy(FakeMachine::WindowsDir::LegacyOnly);
    Start start(legacy);
    start.view.SetText(form1::kManufacturer, std::string(300, 'M'));
    start.view.SetText(form1::kModel, "QW 7");
    start.presenter.ApplyOemInformation();
    start.dialogs.AnswerOpenFile(legacy.PictureFile("Logo.bmp", 400, 300));
    start.presenter.SelectLogo();
    start.presenter.ApplySelected();
    EXPECT_EQ(start.dialogs.messages, (std::vector<ShownMessage>{kApplied, kLogoSaved}))
        << "the limit is the key's, and that key is not written here";
    for (const char* name : {"Manufacturer", "Model", "Logo"})
        EXPECT_EQ(legacy.OemInformation(name), std::nullopt) << name;
    EXPECT_FALSE(legacy.FileBytes(legacy.MirrorLogoPath()));
}

TEST_F(BrandingMirror, TheFactoryBrandingIsKeptBeforeTheFirstChange)
{
    const std::string factoryLogo = FakePictures::FileBytes(64, 64);
    machine.PutFile(machine.LogoPath(), factoryLogo);
    machine.SetReg(kOemInformationKey, "Manufacturer", "Factory");
    Start start(machine);
    ApplyOem(start, "Quillon Works", "QW 7");
    const std::string backup = machine.FactoryBackupDir();
    const std::string record = machine.FileBytes(backup + "/record.txt").value_or("");
    EXPECT_TRUE(StartsWith(record, "Pelmora factory branding 2\n")) << record;
    EXPECT_EQ(machine.FileBytes(backup + "/System-oemlogo.bmp"), factoryLogo);

    Choose(start, 10, 10);
    start.presenter.ApplySelected();
    EXPECT_EQ(machine.FileBytes(backup + "/System-oemlogo.bmp"), factoryLogo) << "never overwritten";
}

TEST_F(BrandingMirror, ABackupThatCannotBeTakenStopsEveryCommandBeforeItChangesAnything)
{
    machine.PutFile(machine.LogoPath(), FakePictures::FileBytes(64, 64));
    machine.PutFile(machine.InfoPath(), "factory");
    machine.SetReg(kOemKey, "Manufacture", "Stored");
    machine.SetReg(kReadKey, "", "/pics/old.bmp");
    // A file where the ProgramData folder should be.
    std::ofstream(machine.temp.File("ProgramData")) << "in the way";
    Start start(machine);
    ApplyOem(start, "Quillon Works", "QW 7");
    start.presenter.RemoveOemInformation();
    start.view.SetText(form1::kPathBox, machine.PictureFile("New.bmp", 10, 10));
    start.presenter.ApplySelected();
    start.presenter.RemoveLogo();
    ASSERT_EQ(start.dialogs.messages.size(), 4u);
    for (const ShownMessage& message : start.dialogs.messages) {
        EXPECT_EQ(message.style, MessageStyle::Stop);
        EXPECT_TRUE(StartsWith(message.text, "Nothing was changed: the factory branding could not be saved first: "))
            << message.text;
    }
    EXPECT_EQ(machine.FileBytes(machine.InfoPath()), "factory");
    EXPECT_EQ(machine.FileBytes(machine.LogoPath()), FakePictures::FileBytes(64, 64));
    EXPECT_EQ(machine.Reg(kOemKey, "Manufacture"), "Stored");
    EXPECT_EQ(machine.Reg(kReadKey, ""), "/pics/old.bmp");
    EXPECT_EQ(machine.OemInformation("Manufacturer"), std::nullopt);
    EXPECT_FALSE(machine.FileBytes(machine.MirrorLogoPath()));
}

}  // namespace
}  // namespace pelmora

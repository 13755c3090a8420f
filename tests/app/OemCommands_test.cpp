#include "app/MainWindowControls.h"
#include "app/MainWindowStart.h"
#include "oem/CommandScope.h"
#include "registry/RegistryPaths.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::FakeMachine;
using testing::ShownMessage;
using testing::Stop;
using Start = testing::MainWindowStart;

const ShownMessage kApplied{"Succesfully Aplyed OEM Information. click view button to test it", "Pelmora",
                            MessageStyle::Information};
const ShownMessage kWarning{"this will remove all Oem informations", "Pelmora", MessageStyle::Stop};
const ShownMessage kAlreadyRemoved{"All Ready removed OEM information", "Pelmora\"", MessageStyle::Information};

const char* const kOemValues[] = {"Manufacture", "Model", "web addres", "E-MAIL", "ADDRES", "TELEPHONE",
                                  "FAX",         "OWNER", "ADD2",       "company", "date"};

std::string ShortLayout(const std::string& manufacturer, const std::string& model)
{
    return "[GENERAL]\r\nMANUFACTURER=" + manufacturer + "\r\nMODEL=" + model + "\r\n\r\n";
}

class OemCommands : public ::testing::Test {
protected:
    void Type(Start& start, const std::string& manufacturer, const std::string& model)
    {
        start.view.SetText(form1::kManufacturer, manufacturer);
        start.view.SetText(form1::kModel, model);
    }

    void StoreEveryValue()
    {
        for (const char* name : kOemValues)
            machine.SetReg(kOemKey, name, std::string("old ") + name);
    }

    FakeMachine machine;
};

TEST_F(OemCommands, ApplyRefusesAndStoresNothing)
{
    struct Case {
        std::string manufacturer;
        std::string model;
        ShownMessage message;
    };
    const Case cases[] = {
        {"", "", Stop("please type computer manufacture's name")},
        {"", "X1", Stop("please type computer manufacture's name")},
        {"Contoso", "", Stop("please type computers modelname")},
        {"Con\r\ntoso", "", Stop("please type computers modelname")},
        {"Con\r\ntoso", "X1",
         Stop("Manufacturer contains a line break, which the OEM information file cannot hold. Nothing was saved.")},
        {"Contoso", "X1\n[SUPPORT INFORMATION]",
         Stop("Model contains a line break, which the OEM information file cannot hold. Nothing was saved.")},
    };
    machine.PutFile(machine.InfoPath(), "old file");
    for (const Case& c : cases) {
        Start start(machine);
        Type(start, c.manufacturer, c.model);
        start.presenter.ApplyOemInformation();
        EXPECT_EQ(start.dialogs.messages, std::vector<ShownMessage>{c.message});
        EXPECT_EQ(machine.Reg(kOemKey, "Manufacture"), "");
        EXPECT_EQ(machine.Reg(kOemKey, "Model"), "");
        EXPECT_EQ(machine.FileBytes(machine.InfoPath()), "old file");
    }
}

TEST_F(OemCommands, ApplyStoresBothAndWritesTheShortLayout)
{
    const std::pair<std::string, std::string> cases[] = {{"Contoso", "X1"}, {" ", " "}, {"A=[B]", "  x  "}};
    // Written over a longer file in the full layout: nothing of it survives.
    machine.PutFile(machine.InfoPath(), std::string(2000, 'x') + "\r\n[SUPPORT INFORMATION]\r\nline1=old\r\n");
    for (const auto& [manufacturer, model] : cases) {
        Start start(machine);
        Type(start, manufacturer, model);
        start.presenter.ApplyOemInformation();
        start.presenter.ApplyOemInformation();
        EXPECT_EQ(start.dialogs.messages, (std::vector<ShownMessage>{kApplied, kApplied}));
        EXPECT_EQ(machine.FileBytes(machine.InfoPath()), ShortLayout(manufacturer, model));
        EXPECT_EQ(machine.Reg(kOemKey, "Manufacture"), manufacturer);
        EXPECT_EQ(machine.Reg(kOemKey, "Model"), model);
        Start restarted(machine);
        EXPECT_EQ(restarted.view.Text(form1::kManufacturer), manufacturer);
        EXPECT_EQ(restarted.view.Text(form1::kModel), model);
    }
}

TEST_F(OemCommands, ApplyReportsWhatWasNotSaved)
{
    machine.PutFile(machine.InfoPath(), "old file");
    {
        Start start(machine);
        Type(start, "Contoso", "X1");
        machine.files.FailWrites(machine.InfoPath(), "Read-only file system");
        start.presenter.ApplyOemInformation();
        EXPECT_EQ(start.dialogs.messages,
                  std::vector<ShownMessage>{Stop("The OEM information was not fully saved.\n" + machine.InfoPath() +
                                                 " was not written: Read-only file system.\n" + kNothingChanged)});
        EXPECT_EQ(machine.FileBytes(machine.InfoPath()), "old file");
        EXPECT_EQ(machine.Reg(kOemKey, "Manufacture"), machine.AfterFailure("", "Contoso"))
            << "no values beside a file that was not written";
        machine.files.Heal();
    }
    {
        Start start(machine);
        Type(start, "Fabrikam", "Y2");
        machine.registry.FailWritesOf("Model");
        start.presenter.ApplyOemInformation();
        ASSERT_EQ(start.dialogs.messages.size(), 1u);
        const ShownMessage& message = start.dialogs.messages[0];
        EXPECT_EQ(message.style, MessageStyle::Stop);
        EXPECT_EQ(message.text.rfind("The OEM information was not fully saved.\nThe value Model was not stored: ", 0), 0u)
            << message.text;
        EXPECT_NE(message.text.find("\n" + std::string(kNothingChanged)), std::string::npos) << message.text;
        EXPECT_EQ(machine.FileBytes(machine.InfoPath()), "old file") << "the file written is put back";
        EXPECT_EQ(machine.Reg(kOemKey, "Manufacture"), machine.AfterFailure("", "Fabrikam"));
    }
}

TEST_F(OemCommands, RemoveDeletesTheFileAndClearsNineValues)
{
    StoreEveryValue();
    machine.PutFile(machine.InfoPath(), ShortLayout("M", "N"));
    machine.PutFile(machine.LogoPath(), "logo");
    Start start(machine);
    bool fileThereDuringWarning = false;
    start.dialogs.whileShown = [&](const ShownMessage&) { fileThereDuringWarning = bool(machine.FileBytes(machine.InfoPath())); };
    start.presenter.RemoveOemInformation();

    EXPECT_EQ(start.dialogs.messages, std::vector<ShownMessage>{kWarning});
    EXPECT_TRUE(fileThereDuringWarning);
    EXPECT_FALSE(machine.FileBytes(machine.InfoPath()));
    for (const char* name : kOemValues) {
        const bool kept = std::string(name) == "company" || std::string(name) == "date";
        EXPECT_EQ(machine.Reg(kOemKey, name), kept ? std::string("old ") + name : "") << name;
    }
    EXPECT_EQ(start.view.Text(form1::kManufacturer), "");
    EXPECT_EQ(start.view.Text(form1::kModel), "");
    EXPECT_EQ(machine.FileBytes(machine.LogoPath()), "logo");

    // Without a file: the same, and no error.
    start.view.SetText(form1::kManufacturer, "again");
    start.presenter.RemoveOemInformation();
    EXPECT_EQ(start.dialogs.messages, (std::vector<ShownMessage>{kWarning, kWarning}));
    EXPECT_EQ(start.view.Text(form1::kManufacturer), "");

    start.presenter.RemoveOemInformation();
    EXPECT_EQ(start.dialogs.messages.back(), kAlreadyRemoved);
}

TEST_F(OemCommands, AFileThatCannotBeDeletedClearsNothing)
{
    StoreEveryValue();
    machine.PutFile(machine.InfoPath(), "file");
    Start start(machine);
    machine.files.FailDeletes(machine.InfoPath(), "Permission denied");
    start.presenter.RemoveOemInformation();
    EXPECT_EQ(start.dialogs.messages,
              (std::vector<ShownMessage>{kWarning, Stop("The OEM information was not removed: " + machine.InfoPath() +
                                                        " could not be deleted: Permission denied.")}));
    EXPECT_EQ(machine.FileBytes(machine.InfoPath()), "file");
    for (const char* name : kOemValues)
        EXPECT_EQ(machine.Reg(kOemKey, name), std::string("old ") + name);
    EXPECT_EQ(start.view.Text(form1::kManufacturer), "old Manufacture");
}

TEST_F(OemCommands, ValuesThatCannotBeClearedAreReportedAndShownAgain)
{
    StoreEveryValue();
    machine.PutFile(machine.InfoPath(), "file");
    Start start(machine);
    machine.registry.FailWritesOf("Manufacture");
    machine.registry.FailWritesOf("FAX");
    start.presenter.RemoveOemInformation();
    ASSERT_EQ(start.dialogs.messages.size(), 2u);
    const ShownMessage& message = start.dialogs.messages[1];
    EXPECT_EQ(message.style, MessageStyle::Stop);
    EXPECT_EQ(message.text.rfind("The OEM information was not removed.\n"
                                 "The value Manufacture was not cleared: ", 0), 0u) << message.text;
    EXPECT_NE(message.text.find("\nThe value FAX was not cleared: "), std::string::npos) << message.text;
    EXPECT_EQ(start.view.Text(form1::kManufacturer), "old Manufacture");
    EXPECT_EQ(start.view.Text(form1::kModel), machine.AfterFailure("old Model", "")) << "nothing was cleared";
    EXPECT_EQ(machine.FileBytes(machine.InfoPath()), "file") << "the deleted file is put back";
}

TEST(OemCommandsWithoutWindowsDirectory, ApplyAndRemoveRefuse)
{
    FakeMachine machine(FakeMachine::WindowsDir::Missing);
    Start start(machine);
    start.view.SetText(form1::kManufacturer, "Contoso");
    start.view.SetText(form1::kModel, "X1");
    start.presenter.ApplyOemInformation();
    start.presenter.RemoveOemInformation();
    const ShownMessage refusal = Stop("No Windows directory was found, so no OEM file can be written or removed.");
    EXPECT_EQ(start.dialogs.messages, (std::vector<ShownMessage>{refusal, refusal}));
    EXPECT_EQ(machine.Reg(kOemKey, "Manufacture"), "");
    EXPECT_EQ(machine.files.writes + machine.files.deletes, 0);
}

}  // namespace
}  // namespace pelmora

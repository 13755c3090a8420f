#include "support/SupportEditorPresenter.h"

#include "oem/CommandScope.h"
#include "oem/OemInfoLayout.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "support/SupportEditorControls.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeMachine.h"
#include "testing/FakeView.h"
#include "testing/LockHolder.h"
#include "testing/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <ranges>

namespace pelmora {
namespace {

using testing::FakeDialogs;
using testing::FakeMachine;
using testing::FakeView;
using testing::ShownMessage;
using testing::Stop;

const ShownMessage kSaved{"Support informations Saved", "OEM", MessageStyle::Information};

// Each box of the editor and the value it is stored as, in the order they are read.
const std::pair<const char*, const char*> kBoxes[] = {
    {sinf::kManufacturer, "Manufacture"}, {sinf::kModel, "Model"},         {sinf::kWebAddress, "web addres"},
    {sinf::kEMail, "E-MAIL"},             {sinf::kPostalAddress, "ADDRES"}, {sinf::kTelephone, "TELEPHONE"},
    {sinf::kFax, "FAX"},                  {sinf::kOwner, "OWNER"},          {sinf::kAddress2, "ADD2"},
    {sinf::kCompany, "company"},          {sinf::kDate, "date"},
};

// An opening of the editor: a fresh window, loaded.
struct Editor {
    explicit Editor(FakeMachine& machine) : presenter(view, dialogs, machine.services) { presenter.Load(); }

    FakeView view;
    FakeDialogs dialogs;
    SupportEditorPresenter presenter;
};

class SupportEditor : public ::testing::Test {
protected:
    FakeMachine machine;
};

TEST_F(SupportEditor, LoadShowsEveryStoredValueInItsBox)
{
    {
        Editor empty(machine);
        for (const auto& [box, name] : kBoxes)
            EXPECT_EQ(empty.view.Text(box), "") << box;
    }
    for (const auto& [box, name] : kBoxes)
        machine.SetReg(kOemKey, name, std::string("stored ") + name);
    Editor editor(machine);
    for (const auto& [box, name] : kBoxes)
        EXPECT_EQ(editor.view.Text(box), std::string("stored ") + name) << box;
    EXPECT_TRUE(editor.dialogs.messages.empty());
}

TEST_F(SupportEditor, ApplyRefusesWithoutManufacturerOrModel)
{
    struct Case {
        std::string manufacturer;
        std::string model;
        ShownMessage message;
    };
    const Case cases[] = {
        {"", "", Stop("please type computer's manufacture name")},
        {"", "B", Stop("please type computer's manufacture name")},
        {"A", "", Stop("please type computer's model Name")},
    };
    for (const Case& c : cases) {
        machine.SetReg(kOemKey, "Manufacture", c.manufacturer);
        machine.SetReg(kOemKey, "Model", c.model);
        Editor editor(machine);
        for (const auto& [box, name] : kBoxes | std::views::drop(2))
            editor.view.SetText(box, "typed");
        editor.presenter.Apply();
        EXPECT_EQ(editor.dialogs.messages, std::vector<ShownMessage>{c.message});
        EXPECT_EQ(machine.Reg(kOemKey, "OWNER"), "");
        EXPECT_FALSE(machine.FileBytes(machine.InfoPath()));
    }
}

TEST_F(SupportEditor, ALineBreakInAnyFieldIsRefusedBeforeAnythingIsStored)
{
    machine.SetReg(kOemKey, "Manufacture", "A");
    machine.SetReg(kOemKey, "Model", "B");
    Editor editor(machine);
    editor.view.SetText(sinf::kWebAddress, "www.example.com");
    editor.view.SetText(sinf::kDate, "today\r\nline14=injected");
    editor.presenter.Apply();
    EXPECT_EQ(editor.dialogs.messages,
              std::vector<ShownMessage>{Stop("Date contains a line break, which the OEM information file cannot hold. "
                                             "Nothing was saved.")});
    EXPECT_EQ(machine.Reg(kOemKey, "web addres"), "");
    EXPECT_FALSE(machine.FileBytes(machine.InfoPath()));
}

// The file is written before the message says the information was saved, so it is never
// reported saved without it.
TEST_F(SupportEditor, ApplyStoresNineValuesAndWritesTheFullLayoutBeforeTheBox)
{
    SupportInfo ab;
    ab.Manufacturer = "A";
    ab.Model = "B";
    machine.SetReg(kOemKey, "Manufacture", "A");
    machine.SetReg(kOemKey, "Model", "B");
    machine.PutFile(machine.InfoPath(), "[GENERAL]\r\nMANUFACTURER=old\r\n");
    for (const auto& [box, name] : kBoxes | std::views::drop(2))
        machine.SetReg(kOemKey, name, "stale");
    Editor editor(machine);
    // Boxes emptied by the user delete what they showed.
    for (const auto& [box, name] : kBoxes | std::views::drop(2))
        editor.view.SetText(box, "");

    std::optional<std::string> fileWhileShown;
    std::string ownerWhileShown;
    editor.dialogs.whileShown = [&](const ShownMessage&) {
        fileWhileShown = machine.FileBytes(machine.InfoPath());
        ownerWhileShown = machine.Reg(kOemKey, "OWNER");
    };
    editor.presenter.Apply();
    EXPECT_EQ(editor.dialogs.messages, std::vector<ShownMessage>{kSaved});
    EXPECT_EQ(fileWhileShown, FullLayoutBytes(ab, 1252));
    EXPECT_EQ(ownerWhileShown, "");
    const std::optional<std::string> written = machine.FileBytes(machine.InfoPath());
    EXPECT_EQ(written, FullLayoutBytes(ab, 1252));
    EXPECT_EQ(written->size(), 539u);
    EXPECT_EQ(machine.Reg(kOemKey, "Manufacture"), "A");
    EXPECT_EQ(machine.Reg(kOemKey, "Model"), "B");
    for (const auto& [box, name] : kBoxes | std::views::drop(2))
        EXPECT_EQ(machine.Reg(kOemKey, name), "") << name;

    editor.presenter.Apply();
    EXPECT_EQ(machine.FileBytes(machine.InfoPath()), written);
}

// The manufacturer is not the editor's to change: one another program stored while the window
// was open goes into the file, instead of the one it replaced.
TEST_F(SupportEditor, TakesTheManufacturerAnotherProgramStoredWhileOpen)
{
    machine.SetReg(kOemKey, "Manufacture", "Old Maker");
    machine.SetReg(kOemKey, "Model", "Old Model");
    Editor editor(machine);
    machine.SetReg(kOemKey, "Manufacture", "New Maker");
    editor.view.SetText(sinf::kWebAddress, "  www.example.com=[x]");
    editor.presenter.Apply();
    EXPECT_TRUE(editor.dialogs.questions.empty());
    const std::string file = *machine.FileBytes(machine.InfoPath());
    EXPECT_EQ(file.rfind("[GENERAL]\r\nMANUFACTURER=New Maker\r\nMODEL=Old Model\r\n", 0), 0u);
    EXPECT_NE(file.find("\r\nline3=>>       web site:                   www.example.com=[x]\r\n"), std::string::npos);
    EXPECT_EQ(machine.Reg(kOemKey, "Manufacture"), "New Maker") << "the editor never stores the manufacturer";

    Editor reopened(machine);
    EXPECT_EQ(reopened.view.Text(sinf::kWebAddress), "  www.example.com=[x]");
    reopened.presenter.Apply();
    EXPECT_EQ(machine.FileBytes(machine.InfoPath())->rfind("[GENERAL]\r\nMANUFACTURER=New Maker\r\n", 0), 0u);
}

// Another program changes values while the editor is open (under the lock, at Apply, what is
// stored is compared with what the editor loaded): nothing is lost without the user's word.
TEST_F(SupportEditor, ApplyKeepsChangesAnotherProgramMadeWhileOpen)
{
    struct Case {
        const char* name;
        const char* otherFax;    // what the other program stores meanwhile; null: nothing
        const char* otherOwner;
        const char* typedOwner;  // the user's Owner box
        bool answerYes;          // to the question, if one is asked
        bool asked;
        const char* fax;         // stored afterwards
        const char* owner;
    };
    const Case cases[] = {
        {"no change meanwhile", nullptr, nullptr, "mine", false, false, "fax 1", "mine"},
        {"other field changed", "fax 2", nullptr, "mine", false, false, "fax 2", "mine"},
        {"same change on both sides", nullptr, "mine", "mine", false, false, "fax 1", "mine"},
        {"other change to a field left alone", nullptr, "theirs", "owner 1", false, false, "fax 1", "theirs"},
        {"both changed it, Yes keeps mine", nullptr, "theirs", "mine", true, true, "fax 1", "mine"},
        {"both changed it, No keeps theirs", "fax 2", "theirs", "mine", false, true, "fax 2", "theirs"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        machine.SetReg(kOemKey, "Manufacture", "A");
        machine.SetReg(kOemKey, "Model", "B");
        machine.SetReg(kOemKey, "FAX", "fax 1");
        machine.SetReg(kOemKey, "OWNER", "owner 1");
        Editor editor(machine);
        editor.view.SetText(sinf::kOwner, c.typedOwner);
        if (c.otherFax)
            machine.SetReg(kOemKey, "FAX", c.otherFax);
        if (c.otherOwner)
            machine.SetReg(kOemKey, "OWNER", c.otherOwner);
        editor.dialogs.AnswerYesNo(c.answerYes);
        editor.presenter.Apply();

        ASSERT_EQ(editor.dialogs.questions.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(editor.dialogs.questions[0],
                      "Owner was changed by another program while this window was open.\n\nStored now: \"theirs\"\n"
                      "Typed here: \"mine\"\n\nKeep what you typed here? No keeps the other program's change.");
        }
        EXPECT_EQ(editor.dialogs.messages, std::vector<ShownMessage>{kSaved});
        EXPECT_EQ(machine.Reg(kOemKey, "FAX"), c.fax);
        EXPECT_EQ(machine.Reg(kOemKey, "OWNER"), c.owner);
        EXPECT_EQ(editor.view.Text(sinf::kOwner), c.owner) << "the box shows what was stored";
        const std::string file = *machine.FileBytes(machine.InfoPath());
        EXPECT_NE(file.find(std::string(c.fax) + "\r\n"), std::string::npos) << file;

        // Stored is now loaded: applying again asks nothing and changes nothing.
        editor.presenter.Apply();
        EXPECT_EQ(editor.dialogs.questions.size(), c.asked ? 1u : 0u);
        EXPECT_EQ(machine.Reg(kOemKey, "OWNER"), c.owner);
    }
}

// Whatever failed, the stop message takes the success message's place and nothing of the
// command stays: the values are not stored, the file is left or put back as it was.
TEST_F(SupportEditor, WhatWasNotSavedIsReportedInsteadOfTheSavedBoxAndNothingStays)
{
    const std::string heading = "The support information was not fully saved.\n";
    const std::string valueFailed = "The value FAX was not stored: ";
    const std::string fileFailed = machine.InfoPath() + " was not written: No space left on device.\n";
    struct Case {
        const char* name;
        bool failValue;
        bool failFile;
        std::vector<std::string> expected;  // the lines the one stop message holds, in order
    };
    const Case cases[] = {
        {"a value", true, false, {heading, valueFailed, kNothingChanged}},
        {"the file", false, true, {heading, fileFailed, kNothingChanged}},
        {"both", true, true, {heading, valueFailed, fileFailed, kNothingChanged}},
    };
    machine.SetReg(kOemKey, "Manufacture", "A");
    machine.SetReg(kOemKey, "Model", "B");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        machine.PutFile(machine.InfoPath(), "old bytes");
        machine.SetReg(kOemKey, "FAX", "");
        Editor editor(machine);
        if (c.failValue)
            machine.registry.FailWritesOf("FAX");
        if (c.failFile)
            machine.files.FailWrites(machine.InfoPath(), "No space left on device");
        editor.view.SetText(sinf::kFax, "typed");
        editor.presenter.Apply();
        ASSERT_EQ(editor.dialogs.messages.size(), 1u);
        const ShownMessage& shown = editor.dialogs.messages[0];
        EXPECT_EQ(shown.style, MessageStyle::Stop);
        EXPECT_EQ(shown.title, "Pelmora");
        std::size_t at = 0;
        for (const std::string& line : c.expected) {
            at = shown.text.find(line, at);
            ASSERT_NE(at, std::string::npos) << line << " in " << shown.text;
        }
        EXPECT_EQ(machine.FileBytes(machine.InfoPath()), "old bytes");
        EXPECT_EQ(machine.Reg(kOemKey, "FAX"), machine.AfterFailure("", c.failValue ? "" : "typed"));
        machine.registry.Heal();
        machine.files.Heal();
    }
}

TEST_F(SupportEditor, StoredValuesThatCouldNotBeReadAreNeverWrittenBackEmpty)
{
    const std::string locked = "the registry store is locked by another program";
    for (const auto& [box, name] : kBoxes)
        machine.SetReg(kOemKey, name, std::string("stored ") + name);
    machine.PutFile(machine.InfoPath(), "old file");
    // Each value is one open and two queries: the manufacturer, the model, the web address.
    for (const int firstFailing : {0, 3, 7}) {
        SCOPED_TRACE(firstFailing);
        machine.registry.FailReadsFrom(firstFailing, locked);
        Editor editor(machine);
        machine.registry.Heal();
        editor.view.SetText(sinf::kOwner, "typed");
        editor.presenter.Apply();
        EXPECT_EQ(editor.dialogs.messages,
                  std::vector<ShownMessage>{Stop("The support information was not saved: the stored values could not "
                                                 "be read when this window opened (" + locked + "), and saving would "
                                                 "overwrite them with the empty boxes. Close the window and open it "
                                                 "again.")});
        for (const auto& [box, name] : kBoxes)
            EXPECT_EQ(machine.Reg(kOemKey, name), std::string("stored ") + name);
        EXPECT_EQ(machine.FileBytes(machine.InfoPath()), "old file");
    }
}

TEST_F(SupportEditor, ApplyHoldsTheCommandLockFromItsValuesToItsFileAndCommitsBeforeTheBox)
{
    machine.SetReg(kOemKey, "Manufacture", "A");
    machine.SetReg(kOemKey, "Model", "B");
    {
        const testing::LockHolder other(machine.commandLock.Name(), "pelmora-cli");
        Editor editor(machine);
        editor.view.SetText(sinf::kFax, "555");
        editor.presenter.Apply();
        ASSERT_EQ(editor.dialogs.messages.size(), 1u);
        EXPECT_EQ(editor.dialogs.messages[0].text.rfind("Nothing was changed: another command is changing the OEM "
                                                        "information (", 0), 0u) << editor.dialogs.messages[0].text;
        EXPECT_EQ(machine.Reg(kOemKey, "FAX"), "");
        EXPECT_FALSE(machine.FileBytes(machine.InfoPath()));
    }
    Editor editor(machine);
    editor.view.SetText(sinf::kFax, "555");
    const auto another = testing::OpenScratchRegistryAgain(*machine.realRegistry);
    std::string faxSeenByAnother;
    bool lockFreeWhileShown = true;
    editor.dialogs.whileShown = [&](const ShownMessage&) {
        faxSeenByAnother = ReadRegString(*another, RegRoot::LocalMachine, kOemKey, "FAX", "");
        lockFreeWhileShown = testing::LockHolder(machine.commandLock.Name(), "pelmora-cli").Held();
    };
    editor.presenter.Apply();
    EXPECT_EQ(editor.dialogs.messages, std::vector<ShownMessage>{kSaved});
    EXPECT_EQ(faxSeenByAnother, "555");
    EXPECT_FALSE(lockFreeWhileShown);
    EXPECT_TRUE(testing::LockHolder(machine.commandLock.Name(), "pelmora-cli").Held());
}

TEST_F(SupportEditor, CloseUnloads)
{
    Editor editor(machine);
    EXPECT_TRUE(editor.presenter.RunCommand(sinf::kClose));
    EXPECT_EQ(editor.view.Unloads(), 1);
    EXPECT_FALSE(editor.presenter.RunCommand("CommandButton3"));
    EXPECT_TRUE(editor.presenter.RunCommand(sinf::kApply));
    EXPECT_EQ(editor.dialogs.messages, std::vector<ShownMessage>{Stop("please type computer's manufacture name")});
}

TEST(SupportEditorWithoutWindowsDirectory, StoresTheValuesButSaysTheFileWasNotWritten)
{
    FakeMachine machine(FakeMachine::WindowsDir::Missing);
    machine.SetReg(kOemKey, "Manufacture", "A");
    machine.SetReg(kOemKey, "Model", "B");
    Editor editor(machine);
    editor.view.SetText(sinf::kFax, "555");
    editor.presenter.Apply();
    EXPECT_EQ(editor.dialogs.messages,
              (std::vector<ShownMessage>{Stop("The support information was not fully saved.\n"
                                              "oeminfo.ini was not written: no Windows directory was found.")}));
    EXPECT_EQ(machine.Reg(kOemKey, "FAX"), "555");
    EXPECT_EQ(machine.files.writes, 0);
}

// Current Windows shows the web address and telephone from the OEMInformation key.
TEST_F(SupportEditor, ApplySetsSupportUrlAndPhoneAndAnEmptyBoxDeletesItsValue)
{
    machine.SetReg(kOemKey, "Manufacture", "A");
    machine.SetReg(kOemKey, "Model", "B");
    {
        Editor editor(machine);
        editor.view.SetText(sinf::kWebAddress, "https://example.com/help?a=1&b=<2>");
        editor.view.SetText(sinf::kTelephone, "+1 555 0100");
        editor.presenter.Apply();
        EXPECT_EQ(editor.dialogs.messages, std::vector<ShownMessage>{kSaved});
    }
    EXPECT_EQ(machine.OemInformation("SupportURL"), "https://example.com/help?a=1&b=<2>");
    EXPECT_EQ(machine.OemInformation("SupportPhone"), "+1 555 0100");
    EXPECT_EQ(machine.OemInformation("Manufacturer"), std::nullopt) << "the editor leaves those to the main window";

    Editor editor(machine);
    editor.view.SetText(sinf::kWebAddress, "");
    editor.presenter.Apply();
    EXPECT_EQ(editor.dialogs.messages, std::vector<ShownMessage>{kSaved});
    EXPECT_EQ(machine.OemInformation("SupportURL"), std::nullopt);
    EXPECT_EQ(machine.OemInformation("SupportPhone"), "+1 555 0100");
}

// Where the limits lie is OemInformation's rule (tests/branding); here the refusal comes first.
TEST_F(SupportEditor, ALinkLongerThanWindowsTakesIsRefusedBeforeAnythingIsStored)
{
    machine.SetReg(kOemKey, "Manufacture", "A");
    machine.SetReg(kOemKey, "Model", "B");
    Editor editor(machine);
    editor.view.SetText(sinf::kWebAddress, std::string(2084, 'u'));
    editor.view.SetText(sinf::kOwner, "typed");
    editor.presenter.Apply();
    EXPECT_EQ(editor.dialogs.messages,
              std::vector<ShownMessage>{Stop("Web Address is longer than the 2083 characters Windows takes for "
                                             "SupportURL. Nothing was saved.")});
    EXPECT_EQ(machine.Reg(kOemKey, "OWNER"), "");
    EXPECT_FALSE(machine.FileBytes(machine.InfoPath()));
}

TEST_F(SupportEditor, AMirrorValueNotStoredIsReportedInsteadOfTheSavedBox)
{
    machine.SetReg(kOemKey, "Manufacture", "A");
    machine.SetReg(kOemKey, "Model", "B");
    Editor editor(machine);
    editor.view.SetText(sinf::kTelephone, "+1 555 0100");
    machine.registry.FailWritesOf("SupportPhone");
    editor.presenter.Apply();
    ASSERT_EQ(editor.dialogs.messages.size(), 1u);
    EXPECT_EQ(editor.dialogs.messages[0].text.rfind("The support information was not fully saved.\n"
                                                    "The value SupportPhone under OEMInformation was not stored: ",
                                                    0),
              0u)
        << editor.dialogs.messages[0].text;
    EXPECT_EQ(machine.Reg(kOemKey, "TELEPHONE"), machine.AfterFailure("", "+1 555 0100"))
        << "nothing of the command stays";
    EXPECT_FALSE(machine.FileBytes(machine.InfoPath()));
}

}  // namespace
}  // namespace pelmora

// The main window's commands when the store cannot be read, when another command holds the
// command lock, and when one dies between its writes.
#include "app/MainWindowControls.h"
#include "app/MainWindowStart.h"
#include "app/VisitCounter.h"
#include "registry/RegistryPaths.h"
#include "registry/SettingsStore.h"
#include "testing/LockHolder.h"
#include "testing/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace pelmora {
namespace {

using testing::FakeMachine;
using testing::ShownMessage;
using testing::Stop;
using Start = testing::MainWindowStart;

const std::string kLocked = "the registry store is locked by another program";

class StoreConflicts : public ::testing::Test {
protected:
    StoreConflicts()
    {
        machine.SetReg(kReadKey, "", "/pics/logo.bmp");
        machine.SetReg(kOemKey, "Manufacture", "Contoso");
        machine.SetReg(kOemKey, "Model", "X1");
        machine.SetReg(kOemKey, "FAX", "555");
        machine.PutFile(machine.InfoPath(), "info");
        machine.PutFile(machine.LogoPath(), testing::FakePictures::FileBytes(180, 115));
    }

    void ExpectUnchanged()
    {
        EXPECT_EQ(machine.Reg(kReadKey, ""), "/pics/logo.bmp");
        EXPECT_EQ(machine.Reg(kOemKey, "Manufacture"), "Contoso");
        EXPECT_EQ(machine.Reg(kOemKey, "Model"), "X1");
        EXPECT_EQ(machine.Reg(kOemKey, "FAX"), "555");
        EXPECT_EQ(machine.FileBytes(machine.InfoPath()), "info");
        EXPECT_EQ(machine.FileBytes(machine.LogoPath()), testing::FakePictures::FileBytes(180, 115));
    }

    FakeMachine machine;
};

TEST_F(StoreConflicts, AnEmptyBoxThatStartUpCouldNotReadIsNamedNotTakenForNothingStored)
{
    const struct {
        const char* what;
        void (MainPresenter::*command)();
        const char* refusal;
    } cases[] = {
        {"remove OEM", &MainPresenter::RemoveOemInformation,
         "The OEM information was not removed: the stored values could not be read when the program started (",
         },
        {"remove logo", &MainPresenter::RemoveLogo,
         "The logo was not removed: the stored values could not be read when the program started ("},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        machine.registry.FailReadsFrom(0, kLocked);
        Start start(machine);
        machine.registry.Heal();
        EXPECT_EQ(start.view.Text(form1::kManufacturer), "");
        (start.presenter.*c.command)();
        ASSERT_EQ(start.dialogs.messages.size(), 1u);
        EXPECT_EQ(start.dialogs.messages[0].style, MessageStyle::Stop);
        EXPECT_EQ(start.dialogs.messages[0].text.rfind(c.refusal + kLocked + ")", 0), 0u)
            << start.dialogs.messages[0].text;
        ExpectUnchanged();
    }
}

TEST_F(StoreConflicts, AVisitCounterThatCannotBeReadIsNotReset)
{
    SettingsStore settings(machine.registry);
    ASSERT_TRUE(settings.SaveSetting("pelmora", "Run", "Run", "41"));
    machine.registry.FailReadsFrom(0, kLocked);
    EXPECT_EQ(RegisterVisit(settings, "pelmora"), "");
    machine.registry.Heal();
    EXPECT_EQ(settings.GetSetting("pelmora", "Run", "Run", ""), "41");
    EXPECT_EQ(RegisterVisit(settings, "pelmora"), "42");
}

TEST_F(StoreConflicts, AFailedReadBackLeavesTheBoxesAsTheyWere)
{
    Start start(machine);
    // Locked once the changes are committed, as each removal reads back what it stored.
    const auto lockedOnReadBack = [&](const std::string& name) {
        if (name == "Manufacture" || name.empty())
            machine.registry.FailReadsFrom(0, kLocked);
    };
    const auto unlock = [&] {
        machine.registry.beforeQuery = nullptr;
        machine.registry.Heal();
    };
    machine.registry.beforeQuery = lockedOnReadBack;
    start.presenter.RemoveOemInformation();
    unlock();
    EXPECT_EQ(start.view.Text(form1::kManufacturer), "Contoso");
    EXPECT_EQ(start.dialogs.messages.back(),
              Stop("The OEM information was removed, but the stored manufacturer and model could not be read back: " +
                   kLocked + "."));
    EXPECT_EQ(machine.Reg(kOemKey, "Manufacture"), "");
    EXPECT_FALSE(machine.FileBytes(machine.InfoPath()));

    machine.registry.beforeQuery = lockedOnReadBack;
    start.presenter.RemoveLogo();
    unlock();
    EXPECT_EQ(start.view.Text(form1::kPathBox), "/pics/logo.bmp");
    EXPECT_EQ(start.dialogs.messages.back(),
              Stop("The logo was removed, but its stored path could not be read back: " + kLocked + "."));
    EXPECT_EQ(machine.Reg(kReadKey, ""), "");
}

TEST_F(StoreConflicts, WhileAnotherCommandHoldsTheLockNoCommandChangesAnything)
{
    const std::function<void(Start&)> commands[] = {
        [](Start& start) { start.presenter.ApplyOemInformation(); },
        [](Start& start) { start.presenter.RemoveOemInformation(); },
        [](Start& start) { start.presenter.ApplySelected(); },
        [](Start& start) { start.presenter.ApplyLogo(); },
        [](Start& start) { start.presenter.RemoveLogo(); },
    };
    const std::string picture = machine.PictureFile("new.bmp", 10, 10);
    const testing::LockHolder other(machine.commandLock.Name(), "pelmora-cli");
    ASSERT_TRUE(other.Held());
    for (const auto& command : commands) {
        Start start(machine);
        start.view.SetText(form1::kManufacturer, "Fabrikam");
        start.view.SetText(form1::kPathBox, picture);
        command(start);
        ASSERT_FALSE(start.dialogs.messages.empty());
        const ShownMessage& refusal = start.dialogs.messages.back();
        EXPECT_EQ(refusal.style, MessageStyle::Stop);
        EXPECT_EQ(refusal.text.rfind("Nothing was changed: another command is changing the OEM information (", 0), 0u)
            << refusal.text;
        EXPECT_NE(refusal.text.find(machine.commandLock.Name() + " is held by pelmora-cli (process "),
                  std::string::npos) << refusal.text;
        ExpectUnchanged();
    }
}

TEST_F(StoreConflicts, ACommandThatDiesBetweenItsWritesStoresNeither)
{
    if (!testing::ScratchRegistryKeepsGroupsWhole())
        GTEST_SKIP() << "this system's registry has no transactions";
    Start start(machine);
    start.view.SetText(form1::kManufacturer, "Fabrikam");
    start.view.SetText(form1::kModel, "Y2");
    machine.registry.beforeSet = [](const std::string& name) {
        if (name == "Model")
            throw std::runtime_error("the program ends here");
    };
    EXPECT_THROW(start.presenter.ApplyOemInformation(), std::runtime_error);
    machine.registry.beforeSet = nullptr;
    ExpectUnchanged();
}

}  // namespace
}  // namespace pelmora

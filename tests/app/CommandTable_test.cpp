#include "app/MainWindowControls.h"
#include "app/MainWindowStart.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::FakeMachine;
using testing::ShownMessage;
using testing::StartedProcess;
using testing::Stop;
using Start = testing::MainWindowStart;

// What each command leaves behind, in one line, so a table can compare them.
struct Outcome {
    int editorOpened = 0;
    int aboutOpened = 0;
    int exited = 0;
    int unloaded = 0;
    std::size_t processesStarted = 0;
    std::size_t fileDialogs = 0;
    std::vector<ShownMessage> messages = {};

    bool operator==(const Outcome&) const = default;
};

Outcome RunOnce(FakeMachine& machine, const char* control, bool expectCommand = true)
{
    Start start(machine);
    EXPECT_EQ(start.presenter.RunCommand(control), expectCommand) << control;
    return {start.shell.supportEditorOpened, start.shell.aboutOpened, start.shell.exited, start.view.Unloads(),
            machine.processes.started.size(), start.dialogs.openFileRequests.size(), start.dialogs.messages};
}

TEST(CommandTable, EveryButtonAndMenuItemRunsItsCommand)
{
    const ShownMessage selectFirst = Stop("Could not Complete your request.please select an logo to apply");
    struct Case {
        const char* control;
        Outcome expected;
    };
    const Case cases[] = {
        {form1::kApplySelected, {.messages = {selectFirst}}},
        {form1::kMenuApplyLogo, {.messages = {selectFirst}}},
        {form1::kRemoveLogo, {.messages = {{"no logo to remove", "Corvexa", MessageStyle::Stop}}}},
        {form1::kSelectLogo, {.fileDialogs = 1}},
        {form1::kMenuSelectLogo, {.fileDialogs = 1}},
        {form1::kApplyOem, {.messages = {Stop("please type computer manufacture's name")}}},
        {form1::kRemoveOem, {.messages = {{"All Ready removed OEM information", "Pelmora\"", MessageStyle::Information}}}},
        {form1::kEditSupport, {.editorOpened = 1}},
        {form1::kMenuEditSupport, {.editorOpened = 1}},
        {form1::kAbout, {.aboutOpened = 1}},
        {form1::kMenuAbout, {.aboutOpened = 1}},
        {form1::kExit, {.exited = 1}},
        {form1::kMenuClose, {.unloaded = 1}},
        {form1::kView, {.processesStarted = 1}},
        {form1::kMenuView, {.processesStarted = 1}},
    };
    for (const Case& c : cases) {
        FakeMachine machine;
        EXPECT_EQ(RunOnce(machine, c.control), c.expected) << c.control;
    }
}

TEST(CommandTable, NamesWithoutACommandDoNothing)
{
    for (const char* control : {form1::kMenuEmpty, "f", "h", form1::kPathBox, "CommandButton10", ""}) {
        FakeMachine machine;
        EXPECT_EQ(RunOnce(machine, control, false), Outcome{}) << control;
    }
}

TEST(CommandTable, ViewStartsSystemPropertiesOnTheWindowsDirectoryEachTime)
{
    FakeMachine machine;
    Start start(machine);
    machine.processes.startSucceeds = false;
    start.presenter.View();
    start.presenter.RunCommand(form1::kMenuView);
    const ProgramCommand expected = machine.processes.SystemPropertiesCommand(machine.WindowsDirectory());
    const StartedProcess process{expected.program, expected.arguments, 5};
    EXPECT_EQ(machine.processes.started, (std::vector<StartedProcess>{process, process}));
    EXPECT_TRUE(start.dialogs.messages.empty()) << "a failure to start is not reported";
}

}  // namespace
}  // namespace pelmora

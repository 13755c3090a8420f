#include "frontend/WindowPresenter.h"

#include "about/AboutWindowControls.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeMachine.h"
#include "testing/FakeShell.h"
#include "testing/FakeView.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::ShownMessage;

// A design that names a control the presenter has no command for is told in a box, not ignored;
// a known command shows none.
TEST(WindowPresenter, AControlWithoutACommandIsReported)
{
    testing::FakeMachine machine;
    testing::FakeView view;
    testing::FakeDialogs dialogs;
    testing::FakeShell shell;
    WindowPresenter about(ProgramWindow::About, view, dialogs, shell, machine.services);
    about.Load();

    about.RunCommand("Command9");
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{
                                 {"Command9 does nothing: this window has no command of that name.", "Pelmora",
                                  MessageStyle::Exclamation}}));
    about.RunCommand(form2z::kClose);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(view.Unloads(), 1);
}

// Every window's design is the one compiled in under its own name.
TEST(WindowPresenter, EachWindowHasItsDesign)
{
    const std::pair<ProgramWindow, const char*> cases[] = {{ProgramWindow::Main, "Form1"},
                                                           {ProgramWindow::SupportEditor, "sinf"},
                                                           {ProgramWindow::About, "Form2z"},
                                                           {ProgramWindow::CurrentWindows, "cwin"}};
    for (const auto& [window, name] : cases)
        EXPECT_EQ(DesignOf(window).name, name);
}

}  // namespace
}  // namespace pelmora

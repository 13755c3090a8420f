#include "frontend/WindowPresenter.h"

#include "about/AboutWindowControls.h"
#include "app/MainWindowControls.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeMachine.h"
#include "testing/FakeShell.h"
#include "testing/FakeView.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::ShownMessage;

// A design that names a control the presenter has no command for is told in a box, not ignored;
// a known command shows none, nor does the main window's menu item without a caption.
TEST(WindowPresenter, AControlWithoutACommandIsReported)
{
    const ShownMessage unknown{"Command9 does nothing: this window has no command of that name.", "Pelmora",
                               MessageStyle::Exclamation};
    const struct {
        ProgramWindow window;
        const char* control;
        std::vector<ShownMessage> shown;
        int unloads;
    } cases[] = {
        {ProgramWindow::About, "Command9", {unknown}, 0},
        {ProgramWindow::About, form2z::kClose, {}, 1},
        {ProgramWindow::Main, "Command9", {unknown}, 0},
        {ProgramWindow::Main, form1::kMenuEmpty, {}, 0},
    };
    for (const auto& c : cases) {
        testing::FakeMachine machine;
        testing::FakeView view;
        testing::FakeDialogs dialogs;
        testing::FakeShell shell;
        WindowPresenter presenter(c.window, view, dialogs, shell, machine.services);
        presenter.RunCommand(c.control);
        EXPECT_EQ(dialogs.messages, c.shown) << c.control;
        EXPECT_EQ(view.Unloads(), c.unloads) << c.control;
    }
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

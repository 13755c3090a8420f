#include "about/AboutPresenter.h"

#include "about/AboutWindowControls.h"
#include "registry/RegistryPaths.h"
#include "testing/FakeMachine.h"
#include "testing/FakeView.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::FakeMachine;
using testing::FakeView;

std::string ThanksLineAtOpening(FakeMachine& machine)
{
    FakeView view;
    AboutPresenter about(view, machine.services);
    about.Load();
    EXPECT_EQ(view.Text(form2z::kOwnerBox), view.Text(form2z::kOwner));
    return view.Text(form2z::kOwner);
}

TEST(About, ShowsTheOwnerReadAtEachOpening)
{
    FakeMachine machine;
    EXPECT_EQ(ThanksLineAtOpening(machine), "");
    machine.SetReg(kCurrentVersionKey, "RegisteredOwner", "Ada Owner");
    EXPECT_EQ(ThanksLineAtOpening(machine), "Ada Owner");
    machine.SetReg(kCurrentVersionKey, "RegisteredOwner", "B\xC3\xA9" "a");
    EXPECT_EQ(ThanksLineAtOpening(machine), "B\xC3\xA9" "a");
}

TEST(About, CloseButtonUnloads)
{
    FakeMachine machine;
    FakeView view;
    AboutPresenter about(view, machine.services);
    EXPECT_FALSE(about.RunCommand("CommandButton2"));
    EXPECT_EQ(view.Unloads(), 0);
    EXPECT_TRUE(about.RunCommand(form2z::kClose));
    EXPECT_EQ(view.Unloads(), 1);
}

}  // namespace
}  // namespace pelmora

#include "current/CurrentWindowsPresenter.h"

#include "branding/BrandingFields.h"
#include "current/CurrentWindowsControls.h"
#include "registry/RegistryPaths.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeMachine.h"
#include "testing/FakeView.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::FakeDialogs;
using testing::FakeMachine;
using testing::FakeView;

// Another program changes values while the window is open: at Apply, what is stored is compared
// with what the window loaded, and nothing is lost without the user's word.
TEST(CurrentWindows, ApplyKeepsChangesAnotherProgramMadeWhileOpen)
{
    const char* const hoursBox = FieldOf(OemValue::SupportHours).control;
    struct Case {
        const char* name;
        const char* otherProvider;  // what the other program stores meanwhile; null: nothing
        const char* otherHours;
        const char* typedHours;
        bool answerYes;
        bool asked;
        const char* provider;  // stored afterwards
        const char* hours;
    };
    const Case cases[] = {
        {"other field changed", "prov 2", nullptr, "mine", false, false, "prov 2", "mine"},
        {"other change to a field left alone", nullptr, "theirs", "hours 1", false, false, "prov 1", "theirs"},
        {"both changed it, Yes keeps mine", nullptr, "theirs", "mine", true, true, "prov 1", "mine"},
        {"both changed it, No keeps theirs", nullptr, "theirs", "mine", false, true, "prov 1", "theirs"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeMachine machine;
        machine.SetReg(kOemKey, "SupportProvider", "prov 1");
        machine.SetReg(kOemKey, "SupportHours", "hours 1");
        FakeView view;
        FakeDialogs dialogs;
        CurrentWindowsPresenter window(view, dialogs, machine.services);
        window.Load();
        view.SetText(hoursBox, c.typedHours);
        if (c.otherProvider)
            machine.SetReg(kOemKey, "SupportProvider", c.otherProvider);
        if (c.otherHours)
            machine.SetReg(kOemKey, "SupportHours", c.otherHours);
        dialogs.AnswerYesNo(c.answerYes);
        window.Apply();

        ASSERT_EQ(dialogs.questions.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(dialogs.questions[0].rfind("Support Hours was changed by another program", 0), 0u);
        }
        EXPECT_EQ(machine.Reg(kOemKey, "SupportProvider"), c.provider);
        EXPECT_EQ(machine.Reg(kOemKey, "SupportHours"), c.hours);
        EXPECT_EQ(machine.OemInformation("SupportHours"), c.hours);
        EXPECT_EQ(view.Text(hoursBox), c.hours) << "the box shows what was stored";
    }
}

}  // namespace
}  // namespace pelmora

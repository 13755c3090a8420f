#pragma once

#include "app/MainPresenter.h"
#include "app/MainWindowControls.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeMachine.h"
#include "testing/FakeShell.h"
#include "testing/FakeView.h"

namespace pelmora::testing {

// One start of the program on `machine`: a fresh main window, loaded; hidden boxes as designed.
struct MainWindowStart {
    explicit MainWindowStart(FakeMachine& machine) : presenter(view, dialogs, shell, machine.services)
    {
        presenter.Load();
    }

    FakeView view{{{form1::kOwnerBox, "Text4"},
                   {form1::kOrganizationBox, "Text5"},
                   {form1::kProductIdBox, "Text6"},
                   {form1::kProductNameBox, "Text7"},
                   {form1::kOwner, "Unknown"},
                   {form1::kOrganization, "Unknown"},
                   {form1::kProductId, "Unknown"},
                   {form1::kProductName, "Unknown"}}};
    FakeDialogs dialogs;
    FakeShell shell;
    MainPresenter presenter;
};

}  // namespace pelmora::testing

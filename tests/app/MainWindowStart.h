#pragma once

#include "app/MainPresenter.h"
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

    FakeView view{{{"Text4", "Text4"}, {"Text5", "Text5"}, {"Text6", "Text6"}, {"Text7", "Text7"},
                   {"L11", "Unknown"}, {"L12", "Unknown"}, {"L13", "Unknown"}, {"L14", "Unknown"}}};
    FakeDialogs dialogs;
    FakeShell shell;
    MainPresenter presenter;
};

}  // namespace pelmora::testing

#pragma once

#include "app/AppShell.h"

namespace pelmora::testing {

class FakeShell : public AppShell {
public:
    void OpenSupportEditor() override { ++supportEditorOpened; }
    void OpenAbout() override { ++aboutOpened; }
    void OpenCurrentWindows() override { ++currentWindowsOpened; }
    void ExitProgram() override { ++exited; }

    int supportEditorOpened = 0;
    int aboutOpened = 0;
    int currentWindowsOpened = 0;
    int exited = 0;
};

}  // namespace pelmora::testing

#pragma once

namespace pelmora {

// The windows around the main window, as its commands need them.
class AppShell {
public:
    virtual ~AppShell() = default;

    // Modeless, without owner, one instance: an open window is brought to the front, not reloaded.
    virtual void OpenSupportEditor() = 0;
    virtual void OpenAbout() = 0;
    virtual void OpenCurrentWindows() = 0;

    // Ends the program at once with every window; nothing is saved or asked.
    virtual void ExitProgram() = 0;
};

}  // namespace pelmora

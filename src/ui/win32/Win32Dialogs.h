#pragma once

#include "platform/DialogPort.h"
#include "platform/WindowsApi.h"

#include <functional>
#include <string>
#include <vector>

namespace pelmora::win32 {

// The message boxes and the open-file dialog of one window, application-modal: the window owns
// the box and every other window of the program is disabled while it is open, so no command can
// run in the middle of another (Exit during a save). Texts go through the wide entry points,
// converted from UTF-8, so a path or value outside the ANSI code page shows and comes back whole.
class Win32Dialogs final : public DialogPort {
public:
    // `owner` gives the window's handle when a dialog opens (null once it is gone).
    explicit Win32Dialogs(std::function<HWND()> owner) : m_Owner(std::move(owner)) {}

    void ShowMessage(const std::string& text, const std::string& title, MessageStyle style) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    std::string AskOpenFile(const OpenFileRequest& request) override;

private:
    std::function<HWND()> m_Owner;
};

// "Bitmap Only|*.bmp" as the common dialog takes a filter: each part ended by a NUL and the
// whole by one more.
std::wstring DialogFilter(const std::string& filter);

// Disables every shown and enabled top-level window of this thread except `keep` while it lives.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND keep);
    ~OtherWindowsDisabled();
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    HWND m_Keep;
    std::vector<HWND> m_Disabled;
};

}  // namespace pelmora::win32

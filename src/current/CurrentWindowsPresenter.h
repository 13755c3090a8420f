#pragma once

#include "oem/AppServices.h"
#include "oem/SupportInfo.h"
#include "platform/DialogPort.h"
#include "platform/ViewPort.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Every handler of the Current Windows window cwin: the values only current Windows shows
// (Settings' support section, Get Help), one text box per field of that window in the table.
class CurrentWindowsPresenter {
public:
    CurrentWindowsPresenter(ViewPort& view, DialogPort& dialogs, AppServices& services);

    void Load();   // reads the Windows directory and the stored values
    void Apply();  // CommandButton1: stores the boxes and sets their OEMInformation values
    void Close();  // CommandButton2

    bool RunCommand(std::string_view controlName);

private:
    SupportInfo InfoFromBoxes() const;
    std::optional<SupportInfo> MergedWithStore(const SupportInfo& typed);
    bool Refused(const SupportInfo& typed);

    ViewPort& m_View;
    DialogPort& m_Dialogs;
    AppServices& m_Services;
    std::string m_WindowsDir;
    std::optional<std::string> m_UnreadAtLoad;
    SupportInfo m_Loaded;  // the values as Load read them (as the last Apply stored them)
};

}  // namespace pelmora

#pragma once

#include "oem/AppServices.h"
#include "oem/SupportInfo.h"
#include "platform/DialogPort.h"
#include "platform/ViewPort.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Every handler of the support-information editor sinf (names in SupportEditorControls.h).
class SupportEditorPresenter {
public:
    SupportEditorPresenter(ViewPort& view, DialogPort& dialogs, AppServices& services);

    void Load();   // reads the Windows directory and the eleven stored values
    void Apply();  // CommandButton1
    void Close();  // CommandButton2

    bool RunCommand(std::string_view controlName);

private:
    SupportInfo InfoFromBoxes() const;
    bool Refused(const SupportInfo& typed);  // a stop message when Apply must not store anything
    // The boxes merged with what is stored now (StoredChanges.h), the boxes updated; none (after
    // a stop message) when the store could not be read.
    std::optional<SupportInfo> MergedWithStore(const SupportInfo& typed);

    ViewPort& m_View;
    DialogPort& m_Dialogs;
    AppServices& m_Services;
    std::string m_WindowsDir;  // looked up at Load
    // Why Load could not read the stored values: Apply would write its empty boxes over them.
    std::optional<std::string> m_UnreadAtLoad;
    SupportInfo m_Loaded;  // the values as Load read them (as the last Apply stored them)
};

}  // namespace pelmora

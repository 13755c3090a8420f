#pragma once

#include "oem/AppServices.h"
#include "platform/DialogPort.h"
#include "platform/ViewPort.h"

#include <optional>
#include <string>

namespace pelmora {

// The main window's OEM information commands: the short layout of oeminfo.ini and the stored
// manufacturer and model.
class OemCommands {
public:
    // `unreadAtStart`: why start-up could not read the stored fields, if it could not.
    OemCommands(ViewPort& view, DialogPort& dialogs, AppServices& services,
                const std::optional<std::string>& unreadAtStart);

    void Apply();
    void Remove();

private:
    ViewPort& m_View;
    DialogPort& m_Dialogs;
    AppServices& m_Services;
    const std::optional<std::string>& m_UnreadAtStart;
};

}  // namespace pelmora

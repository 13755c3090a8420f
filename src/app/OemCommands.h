#pragma once

#include "oem/AppServices.h"
#include "platform/DialogPort.h"
#include "platform/ViewPort.h"

namespace pelmora {

// The main window's OEM information commands: the short layout of oeminfo.ini and the stored
// manufacturer and model.
class OemCommands {
public:
    OemCommands(ViewPort& view, DialogPort& dialogs, AppServices& services);

    void Apply();
    void Remove();

private:
    ViewPort& m_View;
    DialogPort& m_Dialogs;
    AppServices& m_Services;
};

}  // namespace pelmora

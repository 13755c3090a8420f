#pragma once

#include "oem/AppServices.h"
#include "platform/ViewPort.h"

#include <string_view>

namespace pelmora {

// Every handler of the About window Form2z (names in AboutWindowControls.h).
class AboutPresenter {
public:
    AboutPresenter(ViewPort& view, AppServices& services);

    void Load();   // the registered owner into Text4 and L6
    void Close();  // CommandButton1 "CLOSE"

    bool RunCommand(std::string_view controlName);

private:
    ViewPort& m_View;
    AppServices& m_Services;
};

}  // namespace pelmora

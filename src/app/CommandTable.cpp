#include "app/MainPresenter.h"

namespace pelmora {

namespace {

struct Command {
    std::string_view control;
    void (MainPresenter::*handler)();
};

// Every button and menu item of the main window; the empty menu item ww has no command.
constexpr Command kCommands[] = {
    {"CommandButton1", &MainPresenter::ApplySelected},
    {"CommandButton2", &MainPresenter::RemoveLogo},
    {"CommandButton3", &MainPresenter::SelectLogo},
    {"CommandButton4", &MainPresenter::ApplyOemInformation},
    {"CommandButton5", &MainPresenter::EditSupportInformation},
    {"CommandButton6", &MainPresenter::RemoveOemInformation},
    {"CommandButton7", &MainPresenter::View},
    {"CommandButton8", &MainPresenter::About},
    {"CommandButton9", &MainPresenter::Exit},
    {"ol", &MainPresenter::SelectLogo},
    {"al", &MainPresenter::ApplyLogo},
    {"esi", &MainPresenter::EditSupportInformation},
    {"ex", &MainPresenter::Close},
    {"ab", &MainPresenter::About},
    {"on", &MainPresenter::View},
};

}  // namespace

bool MainPresenter::RunCommand(std::string_view controlName)
{
    for (const Command& command : kCommands) {
        if (command.control == controlName) {
            (this->*command.handler)();
            return true;
        }
    }
    return false;
}

}  // namespace pelmora

#include "frontend/WindowPresenter.h"

#include "about/AboutPresenter.h"
#include "app/MainPresenter.h"
#include "current/CurrentWindowsPresenter.h"
#include "platform/DialogPort.h"
#include "support/SupportEditorPresenter.h"

#include <string>

namespace pelmora {

struct WindowPresenter::Commands {
    virtual ~Commands() = default;
    virtual void Load() = 0;
    virtual bool Run(std::string_view controlName) = 0;
};

namespace {

template <typename Presenter>
struct CommandsOf final : WindowPresenter::Commands {
    template <typename... Args>
    explicit CommandsOf(Args&... args) : presenter(args...)
    {
    }
    void Load() override { presenter.Load(); }
    bool Run(std::string_view controlName) override { return presenter.RunCommand(controlName); }

    Presenter presenter;
};

// A menu item without a caption offers nothing to choose: the design gives it no command.
bool OffersNoCommand(ProgramWindow window, std::string_view controlName)
{
    const designs::WindowDesign design = DesignOf(window);
    const designs::ControlDesign* control = design.Find(controlName);
    return control != nullptr && control->kind == designs::ControlKind::MenuItem && control->text.empty();
}

std::unique_ptr<WindowPresenter::Commands> MakeCommands(ProgramWindow window, ViewPort& view, DialogPort& dialogs,
                                                        AppShell& shell, AppServices& services)
{
    switch (window) {
    case ProgramWindow::Main: return std::make_unique<CommandsOf<MainPresenter>>(view, dialogs, shell, services);
    case ProgramWindow::SupportEditor:
        return std::make_unique<CommandsOf<SupportEditorPresenter>>(view, dialogs, services);
    case ProgramWindow::About: return std::make_unique<CommandsOf<AboutPresenter>>(view, services);
    case ProgramWindow::CurrentWindows:
        return std::make_unique<CommandsOf<CurrentWindowsPresenter>>(view, dialogs, services);
    }
    return nullptr;
}

}  // namespace

WindowPresenter::WindowPresenter(ProgramWindow window, ViewPort& view, DialogPort& dialogs, AppShell& shell,
                                 AppServices& services)
    : m_Window(window), m_Commands(MakeCommands(window, view, dialogs, shell, services)), m_Dialogs(dialogs)
{
}

WindowPresenter::~WindowPresenter() = default;

void WindowPresenter::Load() { m_Commands->Load(); }

void WindowPresenter::RunCommand(std::string_view controlName)
{
    if (!m_Commands->Run(controlName) && !OffersNoCommand(m_Window, controlName))
        m_Dialogs.ShowMessage(std::string(controlName) + " does nothing: this window has no command of that name.",
                              "Pelmora", MessageStyle::Exclamation);
}

}  // namespace pelmora

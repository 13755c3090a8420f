#pragma once

#include "Win32DesignedWindow.h"
#include "platform/DialogPort.h"

#include <functional>
#include <memory>

namespace pelmora::win32 {

// A designed window with its dialogs and presenter, seen from the shell.
class PresentedWindowBase {
public:
    using DialogsFactory = std::function<std::unique_ptr<DialogPort>(DesignedWindow& window)>;

    virtual ~PresentedWindowBase() = default;
    virtual DesignedWindow& View() = 0;
    // The window's load runs once, before it is first shown.
    virtual void LoadAndShow() = 0;
};

// Every button click and menu item of the window goes to the presenter's RunCommand under the
// control's name. The presenter lives as long as the window object.
template <typename Presenter>
class PresentedWindow final : public PresentedWindowBase {
public:
    using Factory = std::function<std::unique_ptr<Presenter>(ViewPort& view, DialogPort& dialogs)>;

    PresentedWindow(const designs::WindowDesign& design, HWND owner, const DialogsFactory& makeDialogs,
                    const Factory& makePresenter)
        : m_Window(design, owner), m_Dialogs(makeDialogs(m_Window)), m_Presenter(makePresenter(m_Window, *m_Dialogs))
    {
        m_Window.OnCommand([this](std::string_view name) { m_Presenter->RunCommand(name); });
    }

    ~PresentedWindow() override
    {
        // The window goes first and quietly: nothing of it may reach the presenter or the shell.
        m_Window.OnCommand({});
        m_Window.OnDestroyed({});
        m_Window.Unload();
    }

    DesignedWindow& View() override { return m_Window; }
    Presenter& GetPresenter() { return *m_Presenter; }

    void LoadAndShow() override
    {
        m_Presenter->Load();
        m_Window.ShowPlaced();
    }

private:
    DesignedWindow m_Window;
    std::unique_ptr<DialogPort> m_Dialogs;
    std::unique_ptr<Presenter> m_Presenter;
};

}  // namespace pelmora::win32

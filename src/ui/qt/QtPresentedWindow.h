#pragma once

#include "QtDesignedWindow.h"
#include "QtDialogs.h"
#include "frontend/WindowPresenter.h"

#include <QPointer>

namespace pelmora::qt {

// A designed window with its dialogs and presenter: every button click and menu item goes to
// the presenter under the control's name. The presenter lives as long as the window.
class PresentedWindow final : public DesignedWindow {
public:
    PresentedWindow(ProgramWindow window, AppShell& shell, AppServices& services);

    // The window's load runs once, before it is first shown.
    void LoadAndShow();

private:
    QtDialogs m_Dialogs;
    WindowPresenter m_Presenter;
};

// The window table's hold on a window that Qt deletes soon after it has closed.
class HeldWindow {
public:
    explicit HeldWindow(PresentedWindow* window) : m_Window(window) {}
    // The presenters refer to the shell: no window may outlive the table.
    ~HeldWindow() { delete m_Window.data(); }
    HeldWindow(const HeldWindow&) = delete;
    HeldWindow& operator=(const HeldWindow&) = delete;

    PresentedWindow* Window() const { return m_Window.data(); }
    bool IsOpen() const { return m_Window && m_Window->IsOpen(); }
    void LoadAndShow() { m_Window->LoadAndShow(); }
    void ShowPlaced() { m_Window->ShowPlaced(); }
    void Discard() { m_Window->Discard(); }

private:
    QPointer<PresentedWindow> m_Window;
};

}  // namespace pelmora::qt

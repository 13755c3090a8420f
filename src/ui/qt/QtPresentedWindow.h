#pragma once

#include "QtDesignedWindow.h"
#include "QtDialogs.h"

#include <functional>
#include <memory>

namespace pelmora::qt {

// A designed window with its presenter and dialogs: every button click and menu item goes to
// the presenter's RunCommand under the control's name. The presenter lives as long as the
// window.
template <typename Presenter>
class PresentedWindow final : public DesignedWindow {
public:
    using Factory = std::function<std::unique_ptr<Presenter>(ViewPort& view, DialogPort& dialogs)>;

    PresentedWindow(const designs::WindowDesign& design, const Factory& makePresenter)
        : DesignedWindow(design), m_Dialogs(this), m_Presenter(makePresenter(*this, m_Dialogs))
    {
        connect(this, &DesignedWindow::CommandRequested, this,
                [this](const QString& name) { m_Presenter->RunCommand(name.toStdString()); });
    }

    ~PresentedWindow() override { m_Presenter.reset(); }

    Presenter& GetPresenter() { return *m_Presenter; }

    // The window's load runs once, before it is first shown.
    void LoadAndShow()
    {
        m_Presenter->Load();
        ShowPlaced();
    }

private:
    QtDialogs m_Dialogs;
    std::unique_ptr<Presenter> m_Presenter;
};

}  // namespace pelmora::qt

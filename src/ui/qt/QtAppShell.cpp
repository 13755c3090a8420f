#include "QtAppShell.h"

#include "QtPresentedWindow.h"
#include "about/AboutPresenter.h"
#include "app/MainPresenter.h"
#include "current/CurrentWindowsPresenter.h"
#include "support/SupportEditorPresenter.h"

#include <QCoreApplication>

namespace pelmora::qt {

namespace {

template <typename Presenter>
PresentedWindow<Presenter>* Build(const char* designFile, typename PresentedWindow<Presenter>::Factory make)
{
    return new PresentedWindow<Presenter>(designs::EmbeddedDesign(designFile), make);
}

}  // namespace

QtAppShell::QtAppShell(AppServices& services, std::function<void()> endProgram)
    : m_Services(services), m_EndProgram(std::move(endProgram))
{
    if (!m_EndProgram)
        m_EndProgram = [] { QCoreApplication::exit(0); };
}

QtAppShell::~QtAppShell()
{
    // The presenters refer to this shell: no window may outlive it.
    delete m_Main.data();
    delete m_Editor.data();
    delete m_About.data();
    delete m_Current.data();
}

DesignedWindow* QtAppShell::OpenMainWindow()
{
    auto* window = Build<MainPresenter>("Form1.design", [this](ViewPort& view, DialogPort& dialogs) {
        return std::make_unique<MainPresenter>(view, dialogs, *this, m_Services);
    });
    m_Main = window;
    window->LoadAndShow();
    return window;
}

void QtAppShell::OpenSupportEditor()
{
    if (m_Editor && m_Editor->IsOpen()) {
        m_Editor->ShowPlaced();
        return;
    }
    auto* window = Build<SupportEditorPresenter>("sinf.design", [this](ViewPort& view, DialogPort& dialogs) {
        return std::make_unique<SupportEditorPresenter>(view, dialogs, m_Services);
    });
    m_Editor = window;
    window->LoadAndShow();
}

void QtAppShell::OpenAbout()
{
    if (m_About && m_About->IsOpen()) {
        m_About->ShowPlaced();
        return;
    }
    auto* window = Build<AboutPresenter>("Form2z.design", [this](ViewPort& view, DialogPort&) {
        return std::make_unique<AboutPresenter>(view, m_Services);
    });
    m_About = window;
    window->LoadAndShow();
}

void QtAppShell::OpenCurrentWindows()
{
    if (m_Current && m_Current->IsOpen()) {
        m_Current->ShowPlaced();
        return;
    }
    auto* window = Build<CurrentWindowsPresenter>("cwin.design", [this](ViewPort& view, DialogPort& dialogs) {
        return std::make_unique<CurrentWindowsPresenter>(view, dialogs, m_Services);
    });
    m_Current = window;
    window->LoadAndShow();
}

void QtAppShell::ExitProgram()
{
    // At once: no window gets a close event, so nothing can ask or save.
    for (DesignedWindow* window : {m_Main.data(), m_Editor.data(), m_About.data(), m_Current.data()}) {
        if (window != nullptr)
            window->Discard();
    }
    m_EndProgram();
}

}  // namespace pelmora::qt

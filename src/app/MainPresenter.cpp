#include "app/MainPresenter.h"

#include "app/MainWindowControls.h"
#include "app/VisitCounter.h"
#include "oem/FailureReport.h"
#include "oem/LeftCommand.h"
#include "oem/OemFileLocations.h"
#include "registry/RegReadCheck.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "registry/SettingsStore.h"

namespace pelmora {

namespace {

struct Command {
    std::string_view control;
    void (MainPresenter::*handler)();
};

// Every button and menu item of the main window; the empty menu item ww has no command.
constexpr Command kCommands[] = {
    {form1::kApplySelected, &MainPresenter::ApplySelected},
    {form1::kRemoveLogo, &MainPresenter::RemoveLogo},
    {form1::kSelectLogo, &MainPresenter::SelectLogo},
    {form1::kApplyOem, &MainPresenter::ApplyOemInformation},
    {form1::kEditSupport, &MainPresenter::EditSupportInformation},
    {form1::kRemoveOem, &MainPresenter::RemoveOemInformation},
    {form1::kView, &MainPresenter::View},
    {form1::kAbout, &MainPresenter::About},
    {form1::kExit, &MainPresenter::Exit},
    {form1::kMenuSelectLogo, &MainPresenter::SelectLogo},
    {form1::kMenuApplyLogo, &MainPresenter::ApplyLogo},
    {form1::kMenuEditSupport, &MainPresenter::EditSupportInformation},
    {form1::kMenuClose, &MainPresenter::Close},
    {form1::kMenuAbout, &MainPresenter::About},
    {form1::kMenuView, &MainPresenter::View},
    {form1::kMenuCurrentWindows, &MainPresenter::CurrentWindows},
};

}  // namespace

MainPresenter::MainPresenter(ViewPort& view, DialogPort& dialogs, AppShell& shell, AppServices& services)
    : m_View(view),
      m_Dialogs(dialogs),
      m_Shell(shell),
      m_Services(services),
      m_Logo(view, dialogs, services, m_UnreadAtStart),
      m_Oem(view, dialogs, services, m_UnreadAtStart)
{
}

void MainPresenter::Load()
{
    // A command another program left half done is finished or taken back before anything is shown.
    if (const std::optional<LeftCommandOutcome> left = SettleLeftCommandWhenFree(m_Services))
        m_Dialogs.ShowMessage(left->message, kStopTitle,
                              left->settled ? MessageStyle::Information : MessageStyle::Exclamation);
    auto fact = [&](const char* name) {
        return ReadRegString(m_Services.registry, RegRoot::LocalMachine, kCurrentVersionKey, name, "");
    };
    m_View.SetText(form1::kOwnerBox, fact("RegisteredOwner"));
    m_View.SetText(form1::kOrganizationBox, fact("RegisteredOrganization"));
    m_View.SetText(form1::kProductIdBox, fact("ProductId"));
    m_View.SetText(form1::kProductNameBox, fact("ProductName"));
    LoadStoredFields();

    m_View.SetText(form1::kOwner, m_View.Text(form1::kOwnerBox));
    m_View.SetText(form1::kOrganization, m_View.Text(form1::kOrganizationBox));
    m_View.SetText(form1::kProductId, m_View.Text(form1::kProductIdBox));
    m_View.SetText(form1::kProductName, m_View.Text(form1::kProductNameBox));

    SettingsStore settings(m_Services.registry);
    m_View.SetText(form1::kVisits, RegisterVisit(settings, m_Services.executableName));

    // Without a Windows directory there is no OEM location to show a logo from.
    const std::string windowsDir = m_View.Text(form1::kWindowsDir);
    if (windowsDir.empty())
        return;
    std::string why;
    if (auto logo = m_Services.pictures.Load(OemFileLocations::From(windowsDir).LogoPath, why))
        m_View.SetPicture(form1::kCurrentLogo, std::move(logo));
}

void MainPresenter::LoadStoredFields()
{
    auto stored = [&](const char* key, const char* name) {
        return ReadRegString(m_Services.registry, RegRoot::LocalMachine, key, name, "");
    };
    const RegReadCheck reads(m_Services.registry);
    m_View.SetText(form1::kPathBox, stored(kReadKey, ""));
    m_View.SetText(form1::kManufacturer, stored(kOemKey, "Manufacture"));
    m_View.SetText(form1::kModel, stored(kOemKey, "Model"));
    m_UnreadAtStart = reads.Failure();
    m_View.SetText(form1::kWindowsDirBox, FindWindowsDir(m_Services.windowsDirectory));
    m_View.SetText(form1::kWindowsDir, m_View.Text(form1::kWindowsDirBox));
}

void MainPresenter::View()
{
    // Shown and activated (style 5), not waited for; a failure to start is not reported.
    ProcessPort& processes = m_Services.processes;
    const ProgramCommand command = processes.SystemPropertiesCommand(m_View.Text(form1::kWindowsDir));
    processes.StartDetached(command.program, command.arguments, 5);
}

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

#include "current/CurrentWindowsPresenter.h"

#include "branding/BrandingTarget.h"
#include "branding/BrandingFields.h"
#include "branding/OemInformation.h"
#include "branding/StoredChanges.h"
#include "current/CurrentWindowsControls.h"
#include "oem/CommandScope.h"
#include "oem/FailureReport.h"
#include "oem/OemInfoLayout.h"
#include "registry/RegReadCheck.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"

namespace pelmora {

namespace {

constexpr const char* kNotFullySaved = "The Current Windows information was not fully saved.";

bool OnThisWindow(const BrandingField& field) { return field.window == FieldWindow::CurrentWindows; }

}  // namespace

CurrentWindowsPresenter::CurrentWindowsPresenter(ViewPort& view, DialogPort& dialogs, AppServices& services)
    : m_View(view), m_Dialogs(dialogs), m_Services(services)
{
}

void CurrentWindowsPresenter::Load()
{
    m_WindowsDir = FindWindowsDir(m_Services.windowsDirectory);
    const RegReadCheck reads(m_Services.registry);
    for (const BrandingField& field : kTextFields) {
        if (OnThisWindow(field))
            m_View.SetText(field.control, ReadRegString(m_Services.registry, RegRoot::LocalMachine, kOemKey,
                                                        field.storedName, ""));
    }
    m_UnreadAtLoad = reads.Failure();
    m_Loaded = InfoFromBoxes();
}

SupportInfo CurrentWindowsPresenter::InfoFromBoxes() const
{
    SupportInfo info;
    for (const BrandingField& field : kTextFields) {
        if (OnThisWindow(field))
            info.*field.member = m_View.Text(field.control);
    }
    return info;
}

std::optional<SupportInfo> CurrentWindowsPresenter::MergedWithStore(const SupportInfo& typed)
{
    const std::optional<SupportInfo> merged = MergeWithStore(m_Services.registry, m_Dialogs, OnThisWindow, m_Loaded,
                                                             typed, "The Current Windows information");
    if (!merged)
        return std::nullopt;
    // The boxes show what is stored from here on.
    for (const BrandingField& field : kTextFields) {
        if (OnThisWindow(field) && (*merged).*field.member != typed.*field.member)
            m_View.SetText(field.control, (*merged).*field.member);
    }
    return merged;
}

bool CurrentWindowsPresenter::Refused(const SupportInfo& typed)
{
    if (m_UnreadAtLoad) {
        ShowStop(m_Dialogs, "The Current Windows information was not saved: the stored values could not be read when "
                            "this window opened (" + Why(*m_UnreadAtLoad) + "), and saving would overwrite them with "
                            "the empty boxes. Close the window and open it again.");
        return true;
    }
    for (const BrandingField& field : kTextFields) {
        if (OnThisWindow(field) && HasLineBreak(typed.*field.member)) {
            ShowStop(m_Dialogs, std::string(field.label) + " contains a line break, which Windows shows on one line. "
                                                           "Nothing was saved.");
            return true;
        }
    }
    return false;
}

void CurrentWindowsPresenter::Apply()
{
    if (Refused(InfoFromBoxes()))
        return;
    CommandScope scope(m_Services, m_Dialogs);
    if (!scope)
        return;
    // Another program may have changed the values since this window read them.
    const std::optional<SupportInfo> merged = MergedWithStore(InfoFromBoxes());
    if (!merged)
        return;
    const SupportInfo& typed = *merged;
    const OemValues mirrored = MirroredFrom(typed, FieldWindow::CurrentWindows);
    const BrandingTarget target = TargetOfChange(m_Services, m_Dialogs, m_WindowsDir, mirrored);
    if (target.refused)
        return;
    const std::optional<BrandingPlaces>& places = target.places;
    if (!places) {
        if (const auto refusal = RefuseTooLong(mirrored)) {
            ShowStop(m_Dialogs, *refusal);
            return;
        }
    }
    FailureReport failures;
    for (const BrandingField& field : kTextFields) {
        if (OnThisWindow(field))
            failures.Check(WriteRegString(m_Services.registry, RegRoot::LocalMachine, kOemKey, field.storedName,
                                          typed.*field.member),
                           std::string("The value ") + field.storedName + " was not stored");
    }
    if (places)
        CheckAll(failures, MirrorOemValues(m_Services.registry, *places, mirrored));
    // Whole or not at all; without a Windows directory the program's own values are still kept.
    scope.Finish(failures);
    if (failures.Empty())
        m_Loaded = typed;  // what is stored now: the next Apply compares with this
    if (!places)
        failures.Check(Status::Failed("no Windows directory was found"), "The OEMInformation values were not set");
    if (!failures.Empty())
        ShowStop(m_Dialogs, failures.Text(kNotFullySaved));
    else
        m_Dialogs.ShowMessage("Current Windows information saved", "Pelmora", MessageStyle::Information);
}

void CurrentWindowsPresenter::Close() { m_View.Unload(); }

bool CurrentWindowsPresenter::RunCommand(std::string_view controlName)
{
    if (controlName == cwin::kApply)
        Apply();
    else if (controlName == cwin::kClose)
        Close();
    else
        return false;
    return true;
}

}  // namespace pelmora

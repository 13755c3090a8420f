#include "support/SupportEditorPresenter.h"

#include "branding/BrandingTarget.h"
#include "branding/OemInformation.h"
#include "branding/StoredChanges.h"
#include "oem/CommandScope.h"
#include "oem/FailureReport.h"
#include "oem/OemInfoLayout.h"
#include "oem/OemInfoWriter.h"
#include "oem/TextRefusal.h"
#include "registry/RegReadCheck.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "registry/TargetCodePage.h"
#include "support/SupportEditorControls.h"
#include "support/SupportFields.h"

#include <iterator>
#include <optional>

namespace pelmora {

namespace {

constexpr const char* kNotFullySaved = "The support information was not fully saved.";

}  // namespace

SupportEditorPresenter::SupportEditorPresenter(ViewPort& view, DialogPort& dialogs, AppServices& services)
    : m_View(view), m_Dialogs(dialogs), m_Services(services)
{
}

void SupportEditorPresenter::Load()
{
    m_WindowsDir = FindWindowsDir(m_Services.windowsDirectory);
    const RegReadCheck reads(m_Services.registry);
    for (const SupportField& field : kSupportFields)
        m_View.SetText(field.control, ReadRegString(m_Services.registry, RegRoot::LocalMachine, kOemKey,
                                                    field.valueName, ""));
    m_UnreadAtLoad = reads.Failure();
    m_Loaded = InfoFromBoxes();
}

std::optional<SupportInfo> SupportEditorPresenter::MergedWithStore(const SupportInfo& typed)
{
    const std::optional<SupportInfo> merged =
        MergeWithStore(m_Services.registry, m_Dialogs, InSupportEditor, m_Loaded, typed, "The support information");
    if (!merged)
        return std::nullopt;
    // The boxes show what is stored from here on; the file is written from them.
    for (const SupportField& field : kSupportFields)
        if ((*merged).*field.member != typed.*field.member)
            m_View.SetText(field.control, (*merged).*field.member);
    return merged;
}

SupportInfo SupportEditorPresenter::InfoFromBoxes() const
{
    // Manufacturer and model come from the hidden boxes, so they stay as loaded while the window is open.
    SupportInfo info;
    for (const SupportField& field : kSupportFields)
        info.*field.member = m_View.Text(field.control);
    return info;
}

bool SupportEditorPresenter::Refused(const SupportInfo& typed)
{
    // Before the empty-box checks: a box that could not be loaded is not one the user left empty.
    if (m_UnreadAtLoad) {
        ShowStop(m_Dialogs, "The support information was not saved: the stored values could not be read when this "
                            "window opened (" + Why(*m_UnreadAtLoad) + "), and saving would overwrite them with the "
                            "empty boxes. Close the window and open it again.");
        return true;
    }
    if (typed.Manufacturer.empty()) {
        m_Dialogs.ShowMessage("please type computer's manufacture name", "Pelmora", MessageStyle::Stop);
        return true;
    }
    if (typed.Model.empty()) {
        m_Dialogs.ShowMessage("please type computer's model Name", "Pelmora", MessageStyle::Stop);
        return true;
    }
    if (const auto field = FieldWithLineBreak(typed)) {
        ShowStop(m_Dialogs, *field + " contains a line break, which the OEM information file cannot hold. "
                                     "Nothing was saved.");
        return true;
    }
    if (const auto refusal = RefuseBrokenText(typed)) {
        ShowStop(m_Dialogs, *refusal);
        return true;
    }
    return false;
}

void SupportEditorPresenter::Apply()
{
    if (Refused(InfoFromBoxes()))
        return;
    // The lock spans the boxes below: no other command writes between these values and the file.
    CommandScope scope(m_Services, m_Dialogs);
    if (!scope)
        return;
    // Another program may have changed the values since this window read them.
    const std::optional<SupportInfo> merged = MergedWithStore(InfoFromBoxes());
    if (!merged || Refused(*merged))
        return;
    const SupportInfo& typed = *merged;
    // Without a Windows directory the values are still stored, but no file is written.
    const OemValues mirrored = MirroredFrom(typed, FieldWindow::SupportEditor);
    const BrandingTarget target = TargetOfChange(m_Services, m_Dialogs, m_WindowsDir, mirrored);
    if (target.refused)
        return;
    const std::optional<BrandingPlaces>& places = target.places;

    FailureReport failures;
    for (auto field = std::begin(kSupportFields) + kFirstStoredField; field != std::end(kSupportFields); ++field) {
        failures.Check(WriteRegString(m_Services.registry, RegRoot::LocalMachine, kOemKey, field->valueName,
                                      typed.*field->member),
                       std::string("The value ") + field->valueName + " was not stored");
    }
    if (places) {
        CheckAll(failures, MirrorOemValues(m_Services.registry, *places, mirrored));
        failures.Check(WriteFullLayout(scope.Files(), places->legacyInfo, typed, TargetCodePage(places->windowsDir)),
                       places->legacyInfo + " was not written");
    }
    // Committed (or everything put back) before the message, so the store is not held while it
    // is open and a file that failed leaves no values without it.
    scope.Finish(failures);
    if (failures.Empty())
        m_Loaded = typed;  // what is stored now: the next Apply compares with this
    if (!places)
        failures.Check(Status::Failed("no Windows directory was found"), "oeminfo.ini was not written");
    if (!failures.Empty())
        ShowStop(m_Dialogs, failures.Text(kNotFullySaved));
    else
        m_Dialogs.ShowMessage("Support informations Saved", "OEM", MessageStyle::Information);
}

void SupportEditorPresenter::Close() { m_View.Unload(); }

bool SupportEditorPresenter::RunCommand(std::string_view controlName)
{
    if (controlName == sinf::kApply)
        Apply();
    else if (controlName == sinf::kClose)
        Close();
    else
        return false;
    return true;
}

}  // namespace pelmora

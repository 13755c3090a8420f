#include "support/SupportEditorPresenter.h"

#include "oem/CommandScope.h"
#include "oem/FailureReport.h"
#include "oem/OemFileLocations.h"
#include "oem/OemInfoLayout.h"
#include "oem/OemInfoWriter.h"
#include "registry/RegReadCheck.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "support/SupportEditorControls.h"
#include "support/SupportFields.h"

#include <iterator>

namespace pelmora {

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
}

SupportInfo SupportEditorPresenter::InfoFromBoxes() const
{
    // Manufacturer and model come from the hidden boxes, so they stay as loaded while the window is open.
    SupportInfo info;
    for (const SupportField& field : kSupportFields)
        info.*field.member = m_View.Text(field.control);
    return info;
}

void SupportEditorPresenter::Apply()
{
    if (m_UnreadAtLoad) {
        ShowStop(m_Dialogs, "The support information was not saved: the stored values could not be read when this "
                            "window opened (" + Why(*m_UnreadAtLoad) + "), and saving would overwrite them with the "
                            "empty boxes. Close the window and open it again.");
        return;
    }
    if (m_View.Text(sinf::kManufacturer).empty()) {
        m_Dialogs.ShowMessage("please type computer's manufacture name", "Pelmora", MessageStyle::Stop);
        return;
    }
    if (m_View.Text(sinf::kModel).empty()) {
        m_Dialogs.ShowMessage("please type computer's model Name", "Pelmora", MessageStyle::Stop);
        return;
    }
    if (const auto field = FieldWithLineBreak(InfoFromBoxes())) {
        ShowStop(m_Dialogs, *field + " contains a line break, which the OEM information file cannot hold. "
                                     "Nothing was saved.");
        return;
    }

    // The lock spans the box below: no other command writes between these values and the file.
    CommandScope scope(m_Services, m_Dialogs);
    if (!scope)
        return;
    FailureReport failures;
    const SupportInfo typed = InfoFromBoxes();
    for (auto field = std::begin(kSupportFields) + kFirstStoredField; field != std::end(kSupportFields); ++field) {
        failures.Check(WriteRegString(m_Services.registry, RegRoot::LocalMachine, kOemKey, field->valueName,
                                      typed.*field->member),
                       std::string("The value ") + field->valueName + " was not stored");
    }
    // Committed before the box says they are saved, so the store is not held while it is open.
    failures.Check(scope.CommitValues(), "The values were not stored");
    m_Dialogs.ShowMessage("Support informations Saved", "OEM", MessageStyle::Information);

    // The file takes the boxes as they stand once the box above is closed.
    const std::string infoPath = OemFileLocations::From(m_WindowsDir).InfoPath;
    if (m_WindowsDir.empty())
        failures.Check(Status::Failed("no Windows directory was found"), "oeminfo.ini was not written");
    else
        failures.Check(WriteFullLayout(m_Services.files, infoPath, InfoFromBoxes()), infoPath + " was not written");
    if (!failures.Empty())
        ShowStop(m_Dialogs, failures.Text("The support information was not fully saved."));
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

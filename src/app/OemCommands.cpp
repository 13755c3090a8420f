#include "app/OemCommands.h"

#include "app/LocateOemFiles.h"
#include "app/MainWindowControls.h"
#include "branding/BrandingChange.h"
#include "branding/OemInformation.h"
#include "oem/CommandScope.h"
#include "oem/FailureReport.h"
#include "oem/OemInfoLayout.h"
#include "oem/OemInfoWriter.h"
#include "oem/TextRefusal.h"
#include "registry/RegReadCheck.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "registry/TargetCodePage.h"

namespace pelmora {

namespace {

// Removal empties these, in this order; "company" and "date" stay.
constexpr const char* kClearedByRemoval[] = {"Manufacture", "Model", "web addres", "E-MAIL", "ADDRES",
                                             "TELEPHONE",   "FAX",   "OWNER",      "ADD2"};

}  // namespace

OemCommands::OemCommands(ViewPort& view, DialogPort& dialogs, AppServices& services,
                         const std::optional<std::string>& unreadAtStart)
    : m_View(view), m_Dialogs(dialogs), m_Services(services), m_UnreadAtStart(unreadAtStart)
{
}

void OemCommands::Apply()
{
    const std::string manufacturer = m_View.Text(form1::kManufacturer);
    const std::string model = m_View.Text(form1::kModel);
    if (manufacturer.empty()) {
        m_Dialogs.ShowMessage("please type computer manufacture's name", "Pelmora", MessageStyle::Stop);
        return;
    }
    if (model.empty()) {
        m_Dialogs.ShowMessage("please type computers modelname", "Pelmora", MessageStyle::Stop);
        return;
    }
    if (const auto field = FieldWithLineBreak(manufacturer, model)) {
        ShowStop(m_Dialogs, *field + " contains a line break, which the OEM information file cannot hold. "
                                     "Nothing was saved.");
        return;
    }
    SupportInfo typed;
    typed.Manufacturer = manufacturer;
    typed.Model = model;
    if (const auto refusal = RefuseBrokenText(typed)) {
        ShowStop(m_Dialogs, *refusal);
        return;
    }
    const std::optional<OemFileLocations> locations = LocateOemFiles(m_View, m_Dialogs);
    if (!locations)
        return;
    CommandScope scope(m_Services, m_Dialogs);
    if (!scope)
        return;
    const BrandingPlaces places = BrandingPlacesOf(*locations, m_Services);
    const OemValues mirrored = ManufacturerAndModel(manufacturer, model);
    if (const auto refusal = RefuseBrandingChange(m_Services.files, m_Services.registry, places, mirrored)) {
        ShowStop(m_Dialogs, *refusal);
        return;
    }

    RegistryApi& registry = m_Services.registry;
    FailureReport failures;
    failures.Check(WriteRegString(registry, RegRoot::LocalMachine, kOemKey, "Manufacture", manufacturer),
                   "The value Manufacture was not stored");
    failures.Check(WriteRegString(registry, RegRoot::LocalMachine, kOemKey, "Model", model),
                   "The value Model was not stored");
    CheckAll(failures, MirrorOemValues(registry, places, mirrored));
    failures.Check(WriteShortLayout(scope.Files(), locations->InfoPath, manufacturer, model,
                                    TargetCodePage(locations->WindowsDir)),
                   locations->InfoPath + " was not written");
    scope.Finish(failures);
    if (!failures.Empty()) {
        ShowStop(m_Dialogs, failures.Text("The OEM information was not fully saved."));
        return;
    }
    m_Dialogs.ShowMessage("Succesfully Aplyed OEM Information. click view button to test it", "Pelmora",
                          MessageStyle::Information);
}

void OemCommands::Remove()
{
    if (m_View.Text(form1::kManufacturer).empty()) {
        if (m_UnreadAtStart) {
            ShowStop(m_Dialogs, "The OEM information was not removed: the stored values could not be read when the "
                                "program started (" + Why(*m_UnreadAtStart) + "), so the empty manufacturer box does "
                                "not show what is stored. Start the program again.");
            return;
        }
        m_Dialogs.ShowMessage("All Ready removed OEM information", "Pelmora\"", MessageStyle::Information);
        return;
    }
    const std::optional<OemFileLocations> locations = LocateOemFiles(m_View, m_Dialogs);
    if (!locations)
        return;
    // Held from the factory backup on; the notice below holds only this lock, not the store.
    CommandScope scope(m_Services, m_Dialogs);
    if (!scope)
        return;
    const BrandingPlaces places = BrandingPlacesOf(*locations, m_Services);
    if (const auto refusal = RefuseBrandingChange(m_Services.files, m_Services.registry, places, {})) {
        ShowStop(m_Dialogs, *refusal);
        return;
    }
    // A notice, not a question: the removal goes on once it is closed.
    m_Dialogs.ShowMessage("this will remove all Oem informations", "Pelmora", MessageStyle::Stop);

    const Status deleted = scope.Files().DeleteFile(locations->InfoPath);
    if (!deleted) {
        ShowStop(m_Dialogs, "The OEM information was not removed: " + locations->InfoPath +
                                " could not be deleted: " + Why(deleted) + ".");
        return;
    }
    RegistryApi& registry = m_Services.registry;
    FailureReport failures;
    for (const char* name : kClearedByRemoval) {
        failures.Check(WriteRegString(registry, RegRoot::LocalMachine, kOemKey, name, ""),
                       std::string("The value ") + name + " was not cleared");
    }
    // What only current Windows shows goes with the OEMInformation values it mirrors to.
    for (const BrandingField& field : kTextFields) {
        if (field.window == FieldWindow::CurrentWindows)
            failures.Check(WriteRegString(registry, RegRoot::LocalMachine, kOemKey, field.storedName, ""),
                           std::string("The value ") + field.storedName + " was not cleared");
    }
    CheckAll(failures, MirrorOemValues(registry, places, ClearedByRemoval()));
    scope.Finish(failures);

    // Read back: a read that fails leaves the boxes as they are rather than showing them empty.
    const RegReadCheck readBack(registry);
    const std::string manufacturer = ReadRegString(registry, RegRoot::LocalMachine, kOemKey, "Manufacture", "");
    const std::string model = ReadRegString(registry, RegRoot::LocalMachine, kOemKey, "Model", "");
    const std::optional<std::string> unread = readBack.Failure();
    if (!unread) {
        m_View.SetText(form1::kManufacturer, manufacturer);
        m_View.SetText(form1::kModel, model);
    }
    if (!failures.Empty())
        ShowStop(m_Dialogs, failures.Text("The OEM information was not removed."));
    else if (unread)
        ShowStop(m_Dialogs, "The OEM information was removed, but the stored manufacturer and model could not be read "
                            "back: " + Why(*unread) + ".");
}

}  // namespace pelmora

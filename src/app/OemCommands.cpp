#include "app/OemCommands.h"

#include "app/LocateOemFiles.h"
#include "app/MainWindowControls.h"
#include "branding/BrandingChange.h"
#include "branding/OemInformation.h"
#include "oem/FailureReport.h"
#include "oem/OemInfoLayout.h"
#include "oem/OemInfoWriter.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"

namespace pelmora {

namespace {

// Removal empties these, in this order; "company" and "date" stay.
constexpr const char* kClearedByRemoval[] = {"Manufacture", "Model", "web addres", "E-MAIL", "ADDRES",
                                             "TELEPHONE",   "FAX",   "OWNER",      "ADD2"};

}  // namespace

OemCommands::OemCommands(ViewPort& view, DialogPort& dialogs, AppServices& services)
    : m_View(view), m_Dialogs(dialogs), m_Services(services)
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
    const std::optional<OemFileLocations> locations = LocateOemFiles(m_View, m_Dialogs);
    if (!locations)
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
    failures.Check(WriteShortLayout(m_Services.files, locations->InfoPath, manufacturer, model),
                   locations->InfoPath + " was not written");
    CheckAll(failures, MirrorOemValues(registry, places, mirrored));
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
        m_Dialogs.ShowMessage("All Ready removed OEM information", "Pelmora\"", MessageStyle::Information);
        return;
    }
    const std::optional<OemFileLocations> locations = LocateOemFiles(m_View, m_Dialogs);
    if (!locations)
        return;
    const BrandingPlaces places = BrandingPlacesOf(*locations, m_Services);
    if (const auto refusal = RefuseBrandingChange(m_Services.files, m_Services.registry, places, {})) {
        ShowStop(m_Dialogs, *refusal);
        return;
    }
    // A notice, not a question: the removal goes on once it is closed.
    m_Dialogs.ShowMessage("this will remove all Oem informations", "Pelmora", MessageStyle::Stop);

    const Status deleted = m_Services.files.DeleteFile(locations->InfoPath);
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
    CheckAll(failures, MirrorOemValues(registry, places, ClearedByRemoval()));
    m_View.SetText(form1::kManufacturer, ReadRegString(registry, RegRoot::LocalMachine, kOemKey, "Manufacture", ""));
    m_View.SetText(form1::kModel, ReadRegString(registry, RegRoot::LocalMachine, kOemKey, "Model", ""));
    if (!failures.Empty())
        ShowStop(m_Dialogs, failures.Text("The OEM information file was removed, but not every stored value was cleared."));
}

}  // namespace pelmora

#include "ShowFacts.h"

#include "UpdateAction.h"
#include "branding/BrandingFields.h"
#include "oem/FailureReport.h"
#include "oem/OemFileLocations.h"
#include "registry/RegReadCheck.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"

namespace pelmora::cli {

ShowFacts GatherShowFacts(AppServices& services)
{
    const RegReadCheck reads(services.registry);
    // Without a Windows directory no command uses an OEM path, so none is shown or looked at.
    const std::string windowsDir = FindWindowsDir(services.windowsDirectory);
    OemFileLocations locations;
    if (!windowsDir.empty())
        locations = OemFileLocations::From(windowsDir);
    auto stored = [&](const char* key, const char* name) {
        return ReadRegString(services.registry, RegRoot::LocalMachine, key, name, "");
    };
    auto installed = [&](const std::string& path) { return !path.empty() && services.files.Exists(path); };

    ShowFacts shown;
    auto text = [&](std::string name, std::string value) { shown.facts.push_back({std::move(name), std::move(value), {}}); };
    auto flag = [&](std::string name, bool value) {
        shown.facts.push_back({std::move(name), value ? "yes" : "no", value});
    };
    // A WIM image is mounted for the command only: its file and index say which one was read.
    if (const std::string image = services.windowsDirectory.ImageName(); !image.empty())
        text("Image", image);
    text("WindowsDir", locations.WindowsDir);
    text("LogoPath", locations.LogoPath);
    text("InfoPath", locations.InfoPath);
    for (const BrandingField& field : kTextFields)
        text(field.storedName, stored(kOemKey, field.storedName));
    text("StoredLogoPath", stored(kReadKey, ""));
    flag("LogoInstalled", installed(locations.LogoPath));
    flag("InfoInstalled", installed(locations.InfoPath));
    // An installation's own hive, or the program's store: which one the values above came from.
    text("Registry", services.registry.Location());
    // Whether Windows Setup puts a kept profile back after feature updates (keep-after-updates).
    const UpdateActionPlaces kept = LocateUpdateAction(services);
    flag("KeptAfterUpdates", installed(kept.script) && installed(kept.profile));
    shown.unread = reads.Failure();
    return shown;
}

bool ReportUnread(const ShowFacts& shown, std::ostream& err)
{
    if (!shown.unread)
        return false;
    err << "pelmora-cli: the stored values could not be read: " << Why(*shown.unread) << ".\n";
    return true;
}

}  // namespace pelmora::cli

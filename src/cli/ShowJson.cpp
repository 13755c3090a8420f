#include "Commands.h"
#include "oem/OemFileLocations.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "support/SupportFields.h"

#include <nlohmann/json.hpp>

namespace pelmora::cli {

int ShowJson(CliContext& context)
{
    AppServices& services = context.services;
    const std::string windowsDir = FindWindowsDir(services.windowsDirectory);
    OemFileLocations locations;
    if (!windowsDir.empty())
        locations = OemFileLocations::From(windowsDir);
    auto installed = [&](const std::string& path) { return !path.empty() && services.files.Exists(path); };
    auto stored = [&](const char* key, const char* name) {
        return ReadRegString(services.registry, RegRoot::LocalMachine, key, name, "");
    };

    // show's facts under show's names, in show's order; the yes/no ones as true and false.
    nlohmann::ordered_json facts;
    facts["WindowsDir"] = locations.WindowsDir;
    facts["LogoPath"] = locations.LogoPath;
    facts["InfoPath"] = locations.InfoPath;
    for (const SupportField& field : kSupportFields)
        facts[field.valueName] = stored(kOemKey, field.valueName);
    facts["StoredLogoPath"] = stored(kReadKey, "");
    facts["LogoInstalled"] = installed(locations.LogoPath);
    facts["InfoInstalled"] = installed(locations.InfoPath);
    context.out << facts.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    return 0;
}

}  // namespace pelmora::cli

#include "CliArgs.h"
#include "Commands.h"
#include "oem/OemFileLocations.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "support/SupportFields.h"

namespace pelmora::cli {

int ShowCommand(std::span<const std::string> args, CliContext& context)
{
    ExpectPositionals(ParseOptions(args, {}), {});
    AppServices& services = context.services;
    std::ostream& out = context.out;

    // Without a Windows directory no command uses an OEM path, so none is shown or looked at.
    const std::string windowsDir = FindWindowsDir(services.windowsDirectory);
    OemFileLocations locations;
    if (!windowsDir.empty())
        locations = OemFileLocations::From(windowsDir);
    auto installed = [&](const std::string& path) {
        return !path.empty() && services.files.Exists(path) ? "yes" : "no";
    };
    auto stored = [&](const char* key, const char* name) {
        return ReadRegString(services.registry, RegRoot::LocalMachine, key, name, "");
    };

    out << "WindowsDir=" << locations.WindowsDir << '\n';
    out << "LogoPath=" << locations.LogoPath << '\n';
    out << "InfoPath=" << locations.InfoPath << '\n';
    for (const SupportField& field : kSupportFields)
        out << field.valueName << '=' << stored(kOemKey, field.valueName) << '\n';
    out << "StoredLogoPath=" << stored(kReadKey, "") << '\n';
    out << "LogoInstalled=" << installed(locations.LogoPath) << '\n';
    out << "InfoInstalled=" << installed(locations.InfoPath) << '\n';
    // An installation's own hive, or the program's store: which one the values above came from.
    out << "Registry=" << services.registry.Location() << '\n';
    return 0;
}

}  // namespace pelmora::cli

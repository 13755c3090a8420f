#include "CliArgs.h"
#include "Commands.h"
#include "oem/OemFileLocations.h"
#include "oem/FailureReport.h"
#include "registry/RegReadCheck.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "support/SupportFields.h"

#include <sstream>

namespace pelmora::cli {

int ShowCommand(std::span<const std::string> args, CliContext& context)
{
    ExpectPositionals(ParseOptions(args, {}), {});
    AppServices& services = context.services;
    // Printed only once every value was read: a blank line must mean an empty value.
    std::ostringstream out;
    const RegReadCheck reads(services.registry);

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
    if (const auto unread = reads.Failure()) {
        context.err << "pelmora-cli: the stored values could not be read: " << Why(*unread) << ".\n";
        return 1;
    }
    context.out << out.str();
    return 0;
}

}  // namespace pelmora::cli

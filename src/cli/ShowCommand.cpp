#include "CliArgs.h"
#include "Commands.h"
#include "ShowEscaping.h"
#include "oem/OemFileLocations.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "support/SupportFields.h"

namespace pelmora::cli {

namespace {

constexpr OptionSpec kShowOptions[] = {{"json", false}};

}  // namespace

int ShowCommand(std::span<const std::string> args, CliContext& context)
{
    const ParsedArgs parsed = ParseOptions(args, kShowOptions);
    ExpectPositionals(parsed, {});
    if (parsed.Has("json"))
        return ShowJson(context);
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

    // One line per name, whatever a value holds.
    auto print = [&](std::string_view name, std::string_view value) {
        out << name << '=' << EscapeForShow(value) << '\n';
    };
    print("WindowsDir", locations.WindowsDir);
    print("LogoPath", locations.LogoPath);
    print("InfoPath", locations.InfoPath);
    for (const SupportField& field : kSupportFields)
        print(field.valueName, stored(kOemKey, field.valueName));
    print("StoredLogoPath", stored(kReadKey, ""));
    print("LogoInstalled", installed(locations.LogoPath));
    print("InfoInstalled", installed(locations.InfoPath));
    return 0;
}

}  // namespace pelmora::cli

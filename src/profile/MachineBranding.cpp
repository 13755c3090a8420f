#include "profile/MachineBranding.h"

#include "branding/FactoryBackup.h"
#include "oem/OemFileLocations.h"
#include "profile/ProfileFields.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"

namespace pelmora {

namespace {

FileState ReadState(FilePort& files, const std::string& path)
{
    FileState state;
    if (path.empty() || !files.Exists(path))
        return state;
    state.exists = true;
    std::string bytes;
    if (const Status read = files.ReadFile(path, kFactoryFileLimit, bytes); !read)
        state.error = read.error;
    else
        state.bytes = std::move(bytes);
    return state;
}

}  // namespace

MachineBranding ReadMachineBranding(AppServices& services)
{
    MachineBranding machine;
    for (const ProfileField& field : kProfileFields) {
        machine.stored.*field.member =
            ReadRegString(services.registry, RegRoot::LocalMachine, kOemKey, StoredValueName(field), "");
    }
    machine.mirror = ReadOemInformation(services.registry);
    const std::string windowsDir = FindWindowsDir(services.windowsDirectory);
    if (windowsDir.empty())
        return machine;
    const OemFileLocations locations = OemFileLocations::From(windowsDir);
    machine.places = LocateBranding(services.programData, windowsDir, locations.LogoPath, locations.InfoPath);
    machine.legacyLogo = ReadState(services.files, machine.places.legacyLogo);
    machine.legacyInfo = ReadState(services.files, machine.places.legacyInfo);
    if (machine.places.Mirrored())
        machine.mirrorLogo = ReadState(services.files, machine.places.logoFile);
    return machine;
}

SupportInfo MachineFields(const MachineBranding& machine)
{
    SupportInfo fields = machine.stored;
    for (const ProfileField& field : kProfileFields) {
        std::string& text = fields.*field.member;
        if (text.empty() && field.oemValue)
            text = TextOf(machine.mirror, *field.oemValue);
    }
    return fields;
}

std::optional<std::string> MachineLogoFile(const MachineBranding& machine, FilePort& files)
{
    if (machine.legacyLogo.exists)
        return machine.places.legacyLogo;
    const auto named = LogoFileFromValue(TextOf(machine.mirror, OemValue::Logo), machine.places.windowsDir);
    if (named && files.Exists(*named))
        return named;
    return std::nullopt;
}

}  // namespace pelmora

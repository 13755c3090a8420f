#include "CommandTable.h"

#include "branding/BrandingFields.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace pelmora::cli {

namespace {

template <FieldWindow window>
constexpr std::size_t FieldCount()
{
    return static_cast<std::size_t>(std::count_if(kTextFields.begin(), kTextFields.end(),
                                                  [](const BrandingField& field) { return field.window == window; }));
}

// An option per field that `window`'s text boxes edit, from the table of fields.
template <FieldWindow window, bool required>
constexpr std::array<OptionSpec, FieldCount<window>()> FieldOptions()
{
    std::array<OptionSpec, FieldCount<window>()> specs{};
    std::size_t at = 0;
    for (const BrandingField& field : kTextFields) {
        if (field.window == window)
            specs[at++] = {field.option, required ? "TEXT" : "T", !required};
    }
    return specs;
}

// The main window's fields are the ones Apply OEM Information cannot do without.
constexpr auto kApplyOemOptions = FieldOptions<FieldWindow::Main, true>();
constexpr auto kApplySupportOptions = FieldOptions<FieldWindow::SupportEditor, false>();
constexpr auto kApplyWindowsOptions = FieldOptions<FieldWindow::CurrentWindows, false>();
constexpr OptionSpec kShowOptions[] = {{"json", "", true}};
constexpr OptionSpec kApplyLogoOptions[] = {{"no-store", "", true}};
constexpr OptionSpec kApplyProfileOptions[] = {{"dry-run", "", true}};
// The alternative to PROFILE, so not in brackets.
constexpr OptionSpec kKeepOptions[] = {{"remove", "", false}};

using enum CommandSection;

constexpr CliCommand kCommands[] = {
    {"show", "", kShowOptions, Windows,
     "the Windows directory, the OEM file paths, the stored fields, whether the\n"
     "logo and the information file are installed, and the registry in use\n"
     "(NAME=VALUE lines; in a VALUE, control characters and bytes that are not\n"
     "UTF-8 are written \\xHH, and so is a backslash that would read as such: \\x0A\n"
     "is a line feed; with --json one JSON object under the same names, yes and no\n"
     "as true and false)",
     ShowCommand},
    {"apply-oem", "", kApplyOemOptions, Windows, "Apply OEM Information with the manufacturer and model given",
     ApplyOemCommand},
    {"remove-oem", "", {}, Windows, "Remove OEM Information (its warning is printed, not asked)", RemoveOemCommand},
    {"apply-support", "", kApplySupportOptions, Windows,
     "the support editor's Apply: the fields given replace the stored ones", ApplySupportCommand},
    {"apply-windows", "", kApplyWindowsOptions, Windows,
     "the Current Windows window's Apply: what only current Windows shows (Settings'\n"
     "support section, Get Help), the fields given replace the stored ones",
     ApplyWindowsCommand},
    {"apply-logo", "FILE", kApplyLogoOptions, Windows,
     "Select Logo with FILE, then Apply Selected (--no-store: Apply Logo, which\n"
     "leaves the stored logo path as it was)",
     ApplyLogoCommand},
    {"remove-logo", "", {}, Windows, "Remove Logo", RemoveLogoCommand},
    // Its switches are the registry console tool's, which RegArgs reads.
    {"reg",
     "query KEY [/v NAME | /ve]\n"
     "add KEY [/v NAME | /ve] [/t REG_SZ|REG_EXPAND_SZ|REG_DWORD] [/d DATA] [/f]\n"
     "delete KEY [/v NAME | /ve] /f",
     {}, Windows,
     "reads and writes the store like the registry console tool. KEY is HKLM\\...,\n"
     "HKEY_LOCAL_MACHINE\\..., HKCU\\... or HKEY_CURRENT_USER\\...; /ve names the\n"
     "default value. Nothing is asked: add overwrites a value only with /f, and\n"
     "delete removes a value, or the key with everything under it, only with /f.",
     RegCommand},
    {"export-unattend", "FILE", {}, Deployment,
     "an answer file that sets those OEMInformation values in the specialize pass", ExportUnattendCommand},
    {"export-reg", "FILE", {}, Deployment, "a registry editor file with those values and the program's own key",
     ExportRegCommand},
    {"restore-factory", "", {}, Deployment,
     "puts back the branding kept before the program first changed it (status 1\n"
     "when none was kept)",
     RestoreFactoryCommand},
    {"apply-profile", "FILE", kApplyProfileOptions, Profiles,
     "makes the machine match the profile through the commands above, running\n"
     "only those whose values or files differ; a machine that matches is not\n"
     "written to. --dry-run lists the differences and the commands instead",
     ApplyProfileCommand},
    {"check-profile", "FILE", {}, Profiles,
     "changes nothing: status 0 when the machine matches, 1 listing each\n"
     "difference, 2 when FILE is not a valid profile",
     CheckProfileCommand},
    {"export-profile", "FILE", {}, Profiles, "writes the machine's branding as a profile, its logo copied beside it",
     ExportProfileCommand},
    {"keep-after-updates", "PROFILE |", kKeepOptions, Profiles,
     "copies PROFILE and its logo to ProgramData\\Pelmora and installs a\n"
     "custom action (System32\\update\\run\\{GUID}\\success.cmd) that Windows Setup\n"
     "runs after each feature update: it applies the kept profile again with the\n"
     "installed pelmora-cli.exe and logs to ProgramData\\Pelmora\\after-updates.log.\n"
     "--remove takes both away; show says whether it is kept (KeptAfterUpdates)",
     KeepAfterUpdatesCommand},
};

constexpr GlobalOption kGlobalOptions[] = {
    {"windows-dir", "DIR", "folder",
     "--windows-dir DIR, before the command, names the Windows directory to work on (it wins over\n"
     "$PELMORA_WINDOWS_DIR), for example a mounted Windows installation's. When DIR holds\n"
     "System32/config/SOFTWARE (in any letter case), HKLM\\SOFTWARE is that installation's own\n"
     "registry hive: its values are read from it, and each command's changes are saved into it at once.\n"
     "A hive that Windows left with unsaved changes (hibernated, fast start-up) is not written."},
};

}  // namespace

std::span<const CliCommand> CliCommands() { return kCommands; }

std::span<const GlobalOption> GlobalOptions() { return kGlobalOptions; }

const CliCommand* FindCommand(std::string_view name)
{
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [&](const CliCommand& command) { return command.name == name; });
    return it == std::end(kCommands) ? nullptr : it;
}

int RunCommand(const CliCommand& command, std::span<const std::string> args, CliContext& context)
{
    // A command run from another (a profile's steps) gives the caller its options back.
    const std::span<const OptionSpec> callers = context.options;
    context.options = command.options;
    const int status = command.run(args, context);
    context.options = callers;
    return status;
}

const GlobalOption* FindGlobalOption(std::string_view name)
{
    const auto it = std::find_if(std::begin(kGlobalOptions), std::end(kGlobalOptions),
                                 [&](const GlobalOption& option) { return option.name == name; });
    return it == std::end(kGlobalOptions) ? nullptr : it;
}

}  // namespace pelmora::cli

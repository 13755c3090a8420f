#include "Usage.h"

#include "branding/BrandingFields.h"

#include <string>

namespace pelmora::cli {

namespace {

constexpr const char* kUsage = R"(Usage:
  pelmora-cli [--windows-dir DIR | --image FILE.wim[:INDEX]] COMMAND ...
  pelmora-cli show [--json]
  pelmora-cli apply-oem --manufacturer TEXT --model TEXT
  pelmora-cli remove-oem
@apply-support@
@apply-windows@
  pelmora-cli apply-logo FILE [--no-store]
  pelmora-cli remove-logo
  pelmora-cli reg query KEY [/v NAME | /ve]
  pelmora-cli reg add KEY [/v NAME | /ve] [/t REG_SZ|REG_EXPAND_SZ|REG_DWORD] [/d DATA] [/f]
  pelmora-cli reg delete KEY [/v NAME | /ve] /f
  pelmora-cli export-unattend FILE
  pelmora-cli export-reg FILE
  pelmora-cli restore-factory
  pelmora-cli apply-profile FILE [--dry-run]
  pelmora-cli check-profile FILE
  pelmora-cli export-profile FILE
  pelmora-cli keep-after-updates PROFILE | --remove
  pelmora-cli --help | --version

The commands are the buttons of the program's windows, run on the same store and files:
  show           the Windows directory, the OEM file paths, the stored fields, whether the
                 logo and the information file are installed, and the registry in use
                 (NAME=VALUE lines; in a VALUE, control characters and bytes that are not
                 UTF-8 are written \xHH, and so is a backslash that would read as such: \x0A
                 is a line feed; with --json one JSON object under the same names, yes and no
                 as true and false)
  apply-oem      Apply OEM Information with the manufacturer and model given
  remove-oem     Remove OEM Information (its warning is printed, not asked)
  apply-support  the support editor's Apply: the fields given replace the stored ones
  apply-windows  the Current Windows window's Apply: what only current Windows shows (Settings'
                 support section, Get Help), the fields given replace the stored ones
  apply-logo     Select Logo with FILE, then Apply Selected (--no-store: Apply Logo, which
                 leaves the stored logo path as it was)
  remove-logo    Remove Logo
  reg            reads and writes the store like the registry console tool. KEY is HKLM\...,
                 HKEY_LOCAL_MACHINE\..., HKCU\... or HKEY_CURRENT_USER\...; /ve names the
                 default value. Nothing is asked: add overwrites a value only with /f, and
                 delete removes a value, or the key with everything under it, only with /f.

Current Windows shows the branding from HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\
OEMInformation and a 32-bit System32\oemlogo.bmp, which the commands above write too. For
deployment and for going back:
  export-unattend  an answer file that sets those OEMInformation values in the specialize pass
  export-reg       a registry editor file with those values and the program's own key
  restore-factory  puts back the branding kept before the program first changed it (status 1
                   when none was kept)

For many machines, a profile: a JSON file with the fields under their option names
(@keys@), each left out meaning none, and
logo (a picture, relative to the profile's folder; null for none):
  apply-profile   makes the machine match the profile through the commands above, running
                  only those whose values or files differ; a machine that matches is not
                  written to. --dry-run lists the differences and the commands instead
  check-profile   changes nothing: status 0 when the machine matches, 1 listing each
                  difference, 2 when FILE is not a valid profile
  export-profile  writes the machine's branding as a profile, its logo copied beside it
  keep-after-updates  copies PROFILE and its logo to ProgramData\Pelmora and installs a
                  custom action (System32\update\run\{GUID}\success.cmd) that Windows Setup
                  runs after each feature update: it applies the kept profile again with the
                  installed pelmora-cli.exe and logs to ProgramData\Pelmora\after-updates.log.
                  --remove takes both away; show says whether it is kept (KeptAfterUpdates)

--windows-dir DIR, before the command, names the Windows directory to work on (it wins over
$PELMORA_WINDOWS_DIR), for example a mounted Windows installation's. When DIR holds
System32/config/SOFTWARE (in any letter case), HKLM\SOFTWARE is that installation's own
registry hive: its values are read from it, and each command's changes are saved into it at once.
A hive that Windows left with unsaved changes (hibernated, fast start-up) is not written.

--image FILE.wim[:INDEX], before the command, works on that image of a WIM file (INDEX may be
left out when the file holds one image): it is mounted for the command, and what the command
changes is saved into the file in one update only when it succeeds. Solid (ESD) and read-only
WIM files are only read.

Options may also be given as --name=value; "--" ends the options.

Exit status: 0 done, 1 refused or failed (the message is on stderr), 2 usage error or, for
the profile commands, a profile with a problem (each is listed; nothing is changed).
Off Windows the store is $PELMORA_REGISTRY and the Windows directory --windows-dir or
$PELMORA_WINDOWS_DIR.
)";

}  // namespace

namespace {

// A command's line with an option per field of `window`, wrapped under the first option.
std::string FieldsLine(const char* command, FieldWindow window)
{
    const std::string head = std::string("  pelmora-cli ") + command;
    std::string text = head;
    std::size_t lineStart = 0;
    for (const BrandingField& field : kTextFields) {
        if (field.window != window)
            continue;
        const std::string option = std::string(" [--") + field.option + " T]";
        if (text.size() - lineStart + option.size() > 94) {
            lineStart = text.size() + 1;
            text += "\n" + std::string(head.size(), ' ');
        }
        text += option;
    }
    return text;
}

std::string KeyList()
{
    std::string keys;
    for (const BrandingField& field : kTextFields)
        keys += (keys.empty() ? "" : ", ") + std::string(field.profileKey);
    return keys;
}

void Replace(std::string& text, const std::string& marker, const std::string& by)
{
    if (const auto at = text.find(marker); at != std::string::npos)
        text.replace(at, marker.size(), by);
}

}  // namespace

void PrintUsage(std::ostream& out)
{
    std::string text = kUsage;
    Replace(text, "@apply-support@", FieldsLine("apply-support", FieldWindow::SupportEditor));
    Replace(text, "@apply-windows@", FieldsLine("apply-windows", FieldWindow::CurrentWindows));
    Replace(text, "@keys@", KeyList());
    out << text;
}

void PrintVersion(std::ostream& out) { out << "pelmora-cli " << PELMORA_VERSION << '\n'; }

}  // namespace pelmora::cli

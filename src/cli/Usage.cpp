#include "Usage.h"

namespace pelmora::cli {

namespace {

constexpr const char* kUsage = R"(Usage:
  pelmora-cli show
  pelmora-cli apply-oem --manufacturer TEXT --model TEXT
  pelmora-cli remove-oem
  pelmora-cli apply-support [--web T] [--email T] [--address T] [--address2 T] [--telephone T]
                            [--fax T] [--owner T] [--company T] [--date T]
  pelmora-cli apply-logo FILE [--no-store]
  pelmora-cli remove-logo
  pelmora-cli reg query KEY [/v NAME | /ve]
  pelmora-cli reg add KEY [/v NAME | /ve] [/t REG_SZ|REG_EXPAND_SZ|REG_DWORD] [/d DATA] [/f]
  pelmora-cli reg delete KEY [/v NAME | /ve] /f
  pelmora-cli export-unattend FILE
  pelmora-cli export-reg FILE
  pelmora-cli restore-factory
  pelmora-cli --help | --version

The commands are the buttons of the program's windows, run on the same store and files:
  show           the Windows directory, the OEM file paths, the stored fields, and whether
                 the logo and the information file are installed (NAME=VALUE lines)
  apply-oem      Apply OEM Information with the manufacturer and model given
  remove-oem     Remove OEM Information (its warning is printed, not asked)
  apply-support  the support editor's Apply: the fields given replace the stored ones
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

Options may also be given as --name=value; "--" ends the options.

Exit status: 0 done, 1 refused or failed (the message is on stderr), 2 usage error.
Off Windows the store is $PELMORA_REGISTRY and the Windows directory $PELMORA_WINDOWS_DIR.
)";

}  // namespace

void PrintUsage(std::ostream& out) { out << kUsage; }

void PrintVersion(std::ostream& out) { out << "pelmora-cli " << PELMORA_VERSION << '\n'; }

}  // namespace pelmora::cli

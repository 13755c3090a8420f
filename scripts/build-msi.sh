#!/usr/bin/env bash
# Builds the Windows Installer package from the two programs with wixl (Debian's msitools):
#   build-msi.sh PROGRAMS_DIR ICON VERSION OUTPUT
# 64-bit and per machine, from packaging/windows/pelmora.wxs. wixl has no Environment element, so
# the PATH entry that lets a new console find pelmora-cli.exe is added to the package afterwards
# (msibuild), with the two standard actions that write and remove it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ne 4 ]; then
  echo "usage: build-msi.sh PROGRAMS_DIR ICON VERSION OUTPUT" >&2
  exit 2
fi
programs=$1 icon=$2 version=$3 output=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# wixl finds sources only by relative paths: the inputs are linked into the work folder.
ln -s "$(realpath "$programs")" "$work/programs"
cp "$icon" "$work/pelmora.ico"
cp "$root/packaging/windows/pelmora.wxs" "$work/"
# wixl takes x86 unless told; the components are marked 64-bit in the source.
(cd "$work" && wixl -a x64 -D Version="$version" -D SourceDir=programs -D IconFile=pelmora.ico \
  -o pelmora.msi pelmora.wxs 2>&1 | { grep -v 'unimplemented' >&2 || true; })
[ -f "$work/pelmora.msi" ] || { echo "build-msi.sh: wixl made no package" >&2; exit 1; }
# '=' sets the variable at install, '-' takes it away at uninstall, '*' the machine's; [~]; appends.
printf 'Environment\tName\tValue\tComponent_\ns72\tl255\tL255\ts72\nEnvironment\tEnvironment\n%s\n' \
  $'PathEntry\t=-*PATH\t[~];[INSTALLDIR]\tConsoleTool' > "$work/Environment.idt"
msibuild "$work/pelmora.msi" -i "$work/Environment.idt" \
  -q "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('RemoveEnvironmentStrings', 3300)" \
  -q "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('WriteEnvironmentStrings', 5200)"
mv "$work/pelmora.msi" "$output"
echo "$output"

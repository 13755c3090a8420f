#!/usr/bin/env bash
# pelmora-cli.exe where the account may not write the System folder: one line that says so, exit
# status 1, nothing written. The folder is made unwritable from the Linux side (immutable, which
# root cannot override); where the file system does not allow that, the test is skipped (77).
#
#   access-denied.sh <wine-run> <pelmora-cli.exe>
set -uo pipefail
wine_run=$1
cli=$2
"$wine_run" cmd /c exit 0 >/dev/null 2>&1  # the prefix, made on first use
system=$WINEPREFIX/drive_c/windows/System
mkdir -p "$system"
rm -f "$system/oeminfo.ini"
if ! chattr +i "$system" 2>/dev/null; then
  echo "the System folder cannot be made unwritable here: skipped"
  exit 77
fi
trap 'chattr -i "$system"' EXIT

err=$("$wine_run" "$cli" apply-oem --manufacturer "Quillon Works" --model "QW 7" 2>&1 >/dev/null)
status=$?
expected='pelmora-cli: access denied writing C:\windows\System\oeminfo.ini: run it as an administrator (from an elevated prompt)'
failed=0
[ "$status" -eq 1 ] || { echo "exit status $status, not 1"; failed=1; }
[ "$err" = "$expected" ] || { printf 'the errors were:\n%s\n' "$err"; failed=1; }
[ ! -e "$system/oeminfo.ini" ] || { echo "oeminfo.ini was written"; failed=1; }
[ "$failed" -eq 0 ] && echo "refused in one line with status 1"
exit $failed

#!/usr/bin/env bash
# Checks how the Windows build is deployed, from a built folder (the programs in bin/):
# - the MSI's tables as wixl wrote them (64-bit components, per machine, the fixed UpgradeCode,
#   the shortcut, the PATH entry);
# - under Wine, in a prefix of its own: installing, upgrading to a newer version (one product
#   left), the installed console tool from a new console, keep-after-updates with a run of its
#   custom action, and uninstalling (the program gone, the branding it wrote kept);
# - signing with a throw-away self-signed certificate: signatures that verify, and a missing or
#   broken one that does not.
# Usage: check-windows-deploy.sh BUILD_DIR. The last line is "windows deploy: N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(cd "$1" && pwd)
ok=0
bad=0
pass() { ok=$((ok + 1)); }
fail() { echo "FAILED: $*"; bad=$((bad + 1)); }
# check WHAT COMMAND...: the command's success is the check.
check() { local what=$1; shift; if "$@" > /dev/null 2>&1; then pass; else fail "$what"; fi; }
finish() { echo "windows deploy: $ok passed, $bad failed"; [ "$bad" -eq 0 ]; exit $?; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
IFS=. read -r major minor patch <<< "$version"
newer=$major.$minor.$((patch + 1))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/programs"
cp "$dir/bin/pelmora.exe" "$dir/bin/pelmora-cli.exe" "$work/programs/"
for v in "$version" "$newer"; do
  bash "$root/scripts/build-msi.sh" "$work/programs" "$dir/icons/pelmora.ico" "$v" "$work/pelmora-$v.msi" > /dev/null ||
    { fail "build-msi.sh made no package of version $v"; finish; }
done
msi=$work/pelmora-$version.msi

# --- the tables -------------------------------------------------------------------------------
upgrade_code='{6D1C2F3A-4B5E-4F70-9A8B-0C1D2E3F4A5B}'
table() { msiinfo export "$msi" "$1" | tr -d '\r'; }
has_row() { grep -Fqx "$2" <<< "$(table "$1")"; }
check "the package is per machine" has_row Property $'ALLUSERS\t1'
check "Apps & Features shows the icon" has_row Property $'ARPPRODUCTICON\tpelmora.ico'
check "Apps & Features shows the publisher" has_row Property $'Manufacturer\tThe Pelmora developers'
check "the product version is the project's" has_row Property $'ProductVersion\t'"$version"
check "the UpgradeCode is the fixed one" has_row Property $'UpgradeCode\t'"$upgrade_code"
check "older versions are upgraded" has_row Upgrade "$upgrade_code"$'\t\t'"$version"$'\t\t1\t\tWIX_UPGRADE_DETECTED'
check "newer versions are not downgraded" has_row Upgrade "$upgrade_code"$'\t'"$version"$'\t\t\t2\t\tWIX_DOWNGRADE_DETECTED'
check "the shortcut is in the Start menu and starts pelmora.exe" \
  grep -Eq $'^StartMenuShortcut\tProgramMenuFolder\tPelmora\tProgram\t\\[#PelmoraExe\\]\t' <<< "$(table Shortcut)"
for component in Program ConsoleTool; do
  # 256: msidbComponentAttributes64bit, without which Windows would put the files under Program Files (x86).
  check "component $component is 64-bit" grep -Eq "^$component"$'\t[^\t]*\tINSTALLDIR\t256\t' <<< "$(table Component)"
done
check "the console tool's folder joins the machine's PATH" has_row Environment $'PathEntry\t=-*PATH\t[~];[INSTALLDIR]\tConsoleTool'
check "the package is for x64" grep -q '^Template: x64;' <<< "$(msiinfo suminfo "$msi")"

# --- under Wine -------------------------------------------------------------------------------
export WINEPREFIX=$dir/wineprefix-msi
rm -rf "$WINEPREFIX"
wine() { "$root/scripts/wine-run" "$@"; }
# The registry reaches system.reg once the prefix's server has ended.
settle() { wineserver -w 2>/dev/null; }
windows_path() { local p=${1//\//\\}; echo "Z:$p"; }
drive=$WINEPREFIX/drive_c
installed=$drive/Program\ Files/Pelmora
# Windows puts a per-machine shortcut in the common Start menu; Wine puts it in the installing user's.
shortcuts() { ls -d "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Pelmora.lnk" \
  "$drive"/users/*/"AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Pelmora.lnk" 2>/dev/null; }
shortcut_made() { local s; while read -r s; do grep -aq 'Pelmora\\pelmora.exe' "$s" && return 0; done < <(shortcuts); return 1; }
# The entries of Apps & Features under our name (the machine's uninstall keys), as "VERSION" lines.
products() {
  settle
  awk '/^\[/ { uninstall = ($0 ~ /^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\/) }
       uninstall && /^"DisplayName"="Pelmora"$/ { ours = 1 }
       /^$/ { if (ours) print version; ours = 0; version = "" }
       uninstall && /^"DisplayVersion"=/ { version = $0; sub(/^"DisplayVersion"="/, "", version); sub(/"$/, "", version) }
       END { if (ours) print version }' "$WINEPREFIX/system.reg"
}

wine msiexec /i "$(windows_path "$msi")" /qn > /dev/null 2>&1
check "msiexec /i installed pelmora.exe" test -f "$installed/pelmora.exe"
check "msiexec /i installed pelmora-cli.exe" test -f "$installed/pelmora-cli.exe"
check "msiexec /i made the Start-menu shortcut to pelmora.exe" shortcut_made
out=$(wine 'C:\Program Files\Pelmora\pelmora-cli.exe' --version 2>&1 | tr -d '\r')
[ "$out" = "pelmora-cli $version" ] && pass || fail "the installed pelmora-cli --version said: $out"
out=$(wine cmd /c pelmora-cli --version 2>&1 | tr -d '\r')
[ "$out" = "pelmora-cli $version" ] && pass || fail "a new console did not find pelmora-cli on PATH: $out"
out=$(products)
[ "$out" = "$version" ] && pass || fail "after installing Apps & Features lists these Pelmora versions: $out"

wine msiexec /i "$(windows_path "$work/pelmora-$newer.msi")" /qn > /dev/null 2>&1
out=$(products)
[ "$out" = "$newer" ] && pass || fail "after upgrading Apps & Features lists these Pelmora versions: $out"
check "the upgrade left pelmora-cli.exe in place" test -f "$installed/pelmora-cli.exe"

# keep-after-updates with the installed console tool, and its custom action run as Setup would.
cli='C:\Program Files\Pelmora\pelmora-cli.exe'
cp "$dir/icons/pelmora-64.png" "$work/brand-logo.png"
printf '{"manufacturer": "Quillon Works", "model": "QW 7", "logo": "brand-logo.png"}\n' > "$work/brand.json"
# Windows has a System folder beside System32; a new Wine prefix does not.
mkdir -p "$drive/windows/system"
action=$drive/windows/system32/update/run/{5C0F2E7A-93D1-4B6E-A84F-1E7D3C29B640}
check "keep-after-updates succeeds" wine "$cli" keep-after-updates "$(windows_path "$work/brand.json")"
check "the profile is kept in ProgramData" grep -q '"logo": "kept-profile-logo.png"' "$drive/ProgramData/Pelmora/kept-profile.json"
check "the logo is kept beside it" cmp "$work/brand-logo.png" "$drive/ProgramData/Pelmora/kept-profile-logo.png"
check "success.cmd is in Setup's run folder" test -f "$action/success.cmd"
check "show says the profile is kept" grep -q '^KeptAfterUpdates=yes' <<< "$(wine "$cli" show 2>&1 | tr -d '\r')"
# Nothing is branded yet: the script is what brands the machine.
check "the machine is not branded before the script ran" test ! -e "$drive/windows/system/oeminfo.ini"
wine cmd /c 'C:\windows\system32\update\run\{5C0F2E7A-93D1-4B6E-A84F-1E7D3C29B640}\success.cmd' > /dev/null 2>&1
check "the custom action applied the kept profile" wine "$cli" check-profile 'C:\ProgramData\Pelmora\kept-profile.json'
check "the custom action logged the run" grep -q 'now matches the profile' "$drive/ProgramData/Pelmora/after-updates.log"
check "keep-after-updates --remove succeeds" wine "$cli" keep-after-updates --remove
check "--remove deleted the script and its folder" test ! -e "$action"
check "--remove deleted the kept profile" test ! -e "$drive/ProgramData/Pelmora/kept-profile.json"
check "--remove deleted the kept logo" test ! -e "$drive/ProgramData/Pelmora/kept-profile-logo.png"

wine msiexec /x "$(windows_path "$work/pelmora-$newer.msi")" /qn > /dev/null 2>&1
check "msiexec /x removed the program folder" test ! -e "$installed"
check "msiexec /x removed the shortcut" test -z "$(shortcuts)"
out=$(products)
[ -z "$out" ] && pass || fail "after uninstalling Apps & Features lists these Pelmora versions: $out"
settle
check "msiexec /x took the folder off PATH" bash -c '! grep -i "program files.*pelmora" <<< "$(grep -i "^\"PATH\"=" "$1")"' _ "$WINEPREFIX/system.reg"
check "the branding the program wrote stays" grep -q 'Quillon Works' "$drive/windows/system/oeminfo.ini"
settle

# --- signing ----------------------------------------------------------------------------------
openssl req -x509 -newkey rsa:2048 -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 -nodes \
  -subj "/CN=Pelmora test signing" > /dev/null 2>&1
openssl pkcs12 -export -out "$work/cert.p12" -inkey "$work/key.pem" -in "$work/cert.pem" -passout pass:not-secret
mkdir "$work/signed"
cp "$work/programs/pelmora-cli.exe" "$msi" "$work/signed/"
signed=("$work/signed/pelmora-cli.exe" "$work/signed/$(basename "$msi")")
PELMORA_SIGN_PASSWORD=not-secret bash "$root/scripts/sign-windows.sh" "${signed[@]}" > /dev/null
check "without a certificate nothing is signed" cmp "$work/programs/pelmora-cli.exe" "$work/signed/pelmora-cli.exe"
check "a wrong password signs nothing" bash -c '! PELMORA_SIGN_PKCS12=$1 PELMORA_SIGN_PASSWORD=wrong bash "$2" "$3"' _ \
  "$work/cert.p12" "$root/scripts/sign-windows.sh" "${signed[0]}"
check "a failed signing leaves the file as it was" cmp "$work/programs/pelmora-cli.exe" "$work/signed/pelmora-cli.exe"
PELMORA_SIGN_PKCS12=$work/cert.p12 PELMORA_SIGN_PASSWORD=not-secret bash "$root/scripts/sign-windows.sh" "${signed[@]}" > /dev/null
for file in "${signed[@]}"; do
  name=$(basename "$file")
  # The throw-away root is trusted by nobody: against the system's roots the chain fails on it,
  # against itself the whole signature (digest and chain) verifies.
  out=$(osslsigncode verify -in "$file" 2>&1)
  check "$name: the signature's root is untrusted" grep -q 'self-signed certificate' <<< "$out"
  check "$name: the signature verifies against its root" osslsigncode verify -in "$file" -CAfile "$work/cert.pem"
done
check "an unsigned program fails the check" bash -c '! osslsigncode verify -in "$1" -CAfile "$2"' _ \
  "$work/programs/pelmora-cli.exe" "$work/cert.pem"
# A byte changed in the signed program's code breaks its signature.
cp "${signed[0]}" "$work/broken.exe"
byte=$(od -An -tu1 -j4096 -N1 "$work/broken.exe" | tr -d ' ')
printf "\\$(printf %o $(((byte + 1) % 256)))" | dd of="$work/broken.exe" bs=1 seek=4096 conv=notrunc status=none
check "a broken signature fails the check" bash -c '! osslsigncode verify -in "$1" -CAfile "$2"' _ "$work/broken.exe" "$work/cert.pem"
# The ZIP made with a certificate holds signed programs (signed after stripping).
if PELMORA_SIGN_PKCS12=$work/cert.p12 PELMORA_SIGN_PASSWORD=not-secret cpack -G ZIP -B "$work/zip" --config "$dir/CPackConfig.cmake" > "$work/cpack.log" 2>&1; then
  mkdir "$work/unzipped"
  (cd "$work/unzipped" && cmake -E tar xf "$work"/zip/pelmora-*-win64.zip)
  for program in pelmora.exe pelmora-cli.exe; do
    check "$program in the ZIP is signed" osslsigncode verify -in "$work"/unzipped/pelmora-*-win64/$program -CAfile "$work/cert.pem"
  done
else
  cat "$work/cpack.log"; fail "cpack with a certificate failed"
fi
finish

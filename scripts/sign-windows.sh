#!/usr/bin/env bash
# Signs Windows programs and installer packages in place (Authenticode, with osslsigncode) when the
# builder gives a certificate; without one it leaves them unsigned and says so.
#   PELMORA_SIGN_PKCS12     a PKCS#12 file (.pfx/.p12) holding the certificate and its private key
#   PELMORA_SIGN_PASSWORD   that file's password (read from a private file, never put on a command line)
#   PELMORA_SIGN_TIMESTAMP  optional: the address of an RFC 3161 time-stamping service, so the
#                           signature stays valid after the certificate expires
# Usage: sign-windows.sh FILE...
set -euo pipefail

if [ -z "${PELMORA_SIGN_PKCS12:-}" ]; then
  echo "Not signed (PELMORA_SIGN_PKCS12 is not set): $*"
  exit 0
fi
if [ ! -r "$PELMORA_SIGN_PKCS12" ]; then
  echo "sign-windows.sh: the certificate $PELMORA_SIGN_PKCS12 cannot be read" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(umask 077 && printf '%s' "${PELMORA_SIGN_PASSWORD:-}" > "$work/password")
timestamp=()
[ -z "${PELMORA_SIGN_TIMESTAMP:-}" ] || timestamp=(-ts "$PELMORA_SIGN_TIMESTAMP")

for file in "$@"; do
  # Signed into a copy beside it that then replaces it: a failed signing leaves the file as it was.
  signed=$file.signing-$$
  if ! osslsigncode sign -pkcs12 "$PELMORA_SIGN_PKCS12" -readpass "$work/password" -h sha256 \
      -n Pelmora -i https://github.com/pelmora/pelmora "${timestamp[@]}" \
      -in "$file" -out "$signed" > "$work/log" 2>&1; then
    rm -f "$signed"
    cat "$work/log" >&2
    echo "sign-windows.sh: $file was not signed" >&2
    exit 1
  fi
  mv -f "$signed" "$file"
  echo "Signed: $file"
done

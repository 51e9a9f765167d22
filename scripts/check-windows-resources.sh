#!/usr/bin/env bash
# Compiles the Windows resource script of ZETU.exe with the MinGW-w64 resource
# compiler and checks what it produced: the icon group IDI_ICON1 holding the
# logo and the version information.  Nothing is kept: the .res and .o go to a
# temporary folder.  Installs binutils-mingw-w64-x86-64 when windres is
# missing.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
rc="$root/resources/ZETU.rc"
windres=x86_64-w64-mingw32-windres

if ! command -v "$windres" >/dev/null 2>&1; then
    echo "check-windows-resources: installing binutils-mingw-w64-x86-64"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        binutils-mingw-w64-x86-64 >/dev/null
fi

# windres runs the script through a C preprocessor; the cross compiler is
# usually absent, the host's one does the same job for a script that includes
# no system header.
pre=(--preprocessor=x86_64-w64-mingw32-gcc --preprocessor-arg=-E)
if ! command -v x86_64-w64-mingw32-gcc >/dev/null 2>&1; then
    pre=(--preprocessor=cpp)
fi
pre+=(--preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED)

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# The script names its icon relative to its own folder, as rc.exe resolves it.
cd "$root/resources"
"$windres" "${pre[@]}" -O res ZETU.rc -o "$tmp/ZETU.res"
"$windres" "${pre[@]}" -O coff ZETU.rc -o "$tmp/ZETU_rc.o"
"$windres" -i "$tmp/ZETU.res" -O rc -o "$tmp/decompiled.rc"

# The version is the project's, four numbers in the resource.
version=$(sed -n 's/^project(ZETU VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
while [ "$(echo "$version" | tr -cd . | wc -c)" -lt 3 ]; do version="$version.0"; done
numbers=$(echo "$version" | sed 's/\./, /g')

fail=0
expect() {
    if ! grep -qF -- "$1" "$tmp/decompiled.rc"; then
        echo "check-windows-resources: missing in $rc: $1" >&2
        fail=1
    fi
}
expect '"IDI_ICON1" 14 /* RT_GROUP_ICON */'
expect '1 VERSIONINFO'
expect 'BLOCK "040904b0"'
expect "VALUE \"FileVersion\", \"$version\""
expect "VALUE \"ProductVersion\", \"$version\""
expect 'VALUE "ProductName", "ZETU"'
expect 'VALUE "OriginalFilename", "ZETU.exe"'
expect 'VALUE "Translation", 0x409, 1200'
for empty in CompanyName FileDescription LegalCopyright; do
    expect "VALUE \"$empty\", \"\""
done
# The fixed part: file and product version as numbers.
for fixed in FILEVERSION PRODUCTVERSION; do
    if ! grep -qE "^ *$fixed +${numbers}\$" "$tmp/decompiled.rc"; then
        echo "check-windows-resources: the fixed $fixed is not $version" >&2
        fail=1
    fi
done
# The icon group holds exactly one image, the logo stored as PNG.
if ! grep -qF 'Has 1 elements' "$tmp/decompiled.rc"; then
    echo "check-windows-resources: the icon group must hold one image" >&2
    fail=1
fi
logo_bytes=$(($(stat -c %s icons/LogoZETU.ico) - 22))
if ! grep -qiF "$(printf '0x%xL' "$logo_bytes")" "$tmp/decompiled.rc"; then
    echo "check-windows-resources: the icon image is not the logo's" >&2
    fail=1
fi
if [ "$fail" -ne 0 ]; then exit 1; fi
echo "check-windows-resources: ZETU.rc compiles ($(stat -c %s "$tmp/ZETU_rc.o") bytes of COFF)"

#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop reads from it:
# the program and its signing module in its library folder, a valid desktop entry that starts it in its data folder, valid
# AppStream metadata and the icon at every size of the hicolor theme.
# Usage: install.sh CMAKE BUILD_DIR
set -euo pipefail
cmake=$1 build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix/share"
test -x "$prefix/bin/ZETU"
# the program loads its signing module from ../lib[/<triplet>]/zetu beside bin/
find "$prefix/lib" -path '*/zetu/zetusign.so' | grep -q .
desktop-file-validate applications/br.zetu.ZETU.desktop
grep -qx 'Exec=ZETU --app-data' applications/br.zetu.ZETU.desktop
appstreamcli validate --no-net metainfo/br.zetu.ZETU.metainfo.xml >/dev/null
for size in 16 22 24 32 48 64 128 256; do
    icon=icons/hicolor/${size}x$size/apps/br.zetu.ZETU.png
    # width and height from the PNG header
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$icon")
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || { echo "$icon: ${width}x$height"; exit 1; }
done
grep -q '<svg' icons/hicolor/scalable/apps/br.zetu.ZETU.svg
echo "installed and valid: $(find "$prefix" -type f | wc -l) files"
